#pragma once
// Wires the list bar, the tab control, the status bar, the clock and the Window, Language and Help menus of
// the main window to their handlers. The load builds the bars first (land_menu, menu1, status_init) and sets
// the texts (localize).

#include "mainform/main_form.h"
#include "platform/system_queries.h"

namespace mainwindow {

void attach_main_bars_and_menus(MainForm& main, int language = platform::get_language());

} // namespace mainwindow
