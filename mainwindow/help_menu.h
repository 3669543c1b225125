#pragma once
// The Help menu: the help file, the maker's web site, the version box and the About box. The help operation
// also serves F1, the Window menu's last item and the list bar's Help item.

#include "mainform/main_form.h"
#include "platform/system_queries.h"

namespace mainwindow {

// Starts the help viewer on the program's help file, normal window; a missing viewer or file goes unreported.
void mm51_Click(MainForm& main);
// Opens the maker's web site of the language; nothing is reported back.
void mm53_Click(MainForm& main, int language = platform::get_language());
// The program's name, file name, version and the Windows version.
void mm54_Click(MainForm& main);
// About, with the status panel's text, the maker's site and the release.
void mm57_Click(MainForm& main, int language = platform::get_language());

} // namespace mainwindow
