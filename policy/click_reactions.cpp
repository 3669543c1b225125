#include "policy/click_reactions.h"

namespace policy {

void c16_Click(mainwindow::MainForm& form)
{
    if (form.c16.value() == 1)
        form.c31.setValue(1);
}

void c41_Click(mainwindow::MainForm& form)
{
    if (form.c41.value() != 1)
        return;
    const QString own = QString::fromLatin1(own_program_file);
    if (!form.List1.entries().contains(own, Qt::CaseSensitive))
        form.List1.addItem(own);
}

void attach_click_reactions(mainwindow::MainForm& form)
{
    form.c16.onClick = [&form] { c16_Click(form); };
    form.c41.onClick = [&form] { c41_Click(form); };
}

} // namespace policy
