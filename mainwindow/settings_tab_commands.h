#pragma once
// The program-settings tab: the list of Windows tools that check a setting, and the field of the profiles'
// root folder, which takes effect at the next start; so leaving that field always ends the program.

#include "mainform/main_form.h"
#include "platform/system_queries.h"

namespace mainwindow {

// The texts are those of `language` (0 German, 1 English).
// Starts the tool at the selected position of syslist; nothing without a selection.
void syslist_DblClick(MainForm& form, int language = platform::get_language());
// Warns before the field is edited; on No the focus moves on, which leaves the field.
void t810_GotFocus(MainForm& form, int language = platform::get_language());
// Asks, stores the path as "ProfileMainPath" or cancels, and ends the program either way.
void t810_LostFocus(MainForm& form, int language = platform::get_language());

void attach_settings_tab_commands(MainForm& form, int language = platform::get_language());

} // namespace mainwindow
