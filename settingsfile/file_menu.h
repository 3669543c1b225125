#pragma once
// The main window's File menu: open and save settings files, print, set up the printer, de-install, exit.
// Every file dialog is the window's common dialog `dialog`, whose file name stays from one use to the next.

#include "mainform/main_form.h"
#include "platform/system_queries.h"
#include "policy/engine.h"

#include <QString>

namespace settingsfile {

// The filter of the open and the save dialog, in both languages.
inline constexpr const char* settings_filter = "*.GTR (Gatrisk)|*.gtr";

// What the File menu keeps until the program ends: the file that Save writes to without asking, set by a
// save through the dialog that succeeded. Open leaves it alone.
struct FileMenuState {
    QString current_settings_file;
};

// The texts are those of `language` (0 German, 1 English).
void mm11_Click(mainwindow::MainForm& form, int language = platform::get_language()); // Open
void mm12_Click(mainwindow::MainForm& form, FileMenuState& state,
                int language = platform::get_language()); // Save
void mm13_Click(mainwindow::MainForm& form, FileMenuState& state,
                int language = platform::get_language()); // Save as
void mm15_Click(mainwindow::MainForm& form);              // Printer set-up
void mm16_Click(mainwindow::MainForm& form);              // Exit: ends the program

// Attaches Open, Save, Save as, De-install, Print, Printer set-up and Exit to mm11, mm12, mm13, mm132,
// mm14, mm15 and mm16, speaking `language`. The handlers keep the menu's state themselves; the engine must
// outlive the form's handlers.
void attach_file_menu(policy::Engine& engine, int language = platform::get_language());

} // namespace settingsfile
