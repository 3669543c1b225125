#include "mainwindow/main_commands.h"

namespace mainwindow {

void attach_main_commands(MainForm& form, CommandLinks& links)
{
    attach_censor_commands(form);
    attach_desktop_commands(form, links);
    attach_edit_commands(form, links);
    attach_settings_tab_commands(form);
}

} // namespace mainwindow
