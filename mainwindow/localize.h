#pragma once
// The window's texts in the chosen language: headings, captions of the frames, controls and menus, the tab
// help texts, the Windows tools of the settings tab, the form-level messages and the status bar's address and
// user panels. Run once at load, after the list bar and status bar are built.

#include "mainform/main_form.h"
#include "platform/system_queries.h"

namespace mainwindow {

// 0 runs localize_german, 1 localize_us; any other code sets nothing.
void localize(MainForm& main, int language = platform::get_language());
void localize_german(MainForm& main);
// Also replaces the designed captions of cmd_set and Label1, which the German run keeps.
void localize_us(MainForm& main);

} // namespace mainwindow
