#include "policy/click_reactions.h"

namespace policy {

void attach_click_reactions(mainwindow::MainForm& form)
{
    form.c16.onClick = [&form] { c16_Click(form); };
    form.c41.onClick = [&form] { c41_Click(form); };
}

} // namespace policy
