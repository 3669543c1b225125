#pragma once
// Every editing command of the main window's tabs and of its Edit menu, wired in one step. The program's
// assembly calls it once, after the form is made, and keeps `links` beside the form.

#include "mainwindow/censor_commands.h"
#include "mainwindow/command_links.h"
#include "mainwindow/desktop_commands.h"
#include "mainwindow/edit_presets.h"
#include "mainwindow/settings_tab_commands.h"
#include "platform/system_queries.h"

namespace mainwindow {

// The commands speak `language` (0 German, 1 English).
void attach_main_commands(MainForm& form, CommandLinks& links, int language = platform::get_language());

} // namespace mainwindow
