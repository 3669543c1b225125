#include "mainwindow/main_commands.h"

namespace mainwindow {

void attach_main_commands(MainForm& form, CommandLinks& links, int language)
{
    attach_censor_commands(form, language);
    attach_desktop_commands(form, links, language);
    attach_edit_commands(form, links, language);
    attach_settings_tab_commands(form, language);
}

} // namespace mainwindow
