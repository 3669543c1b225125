#pragma once
// The censor-list tab: the programs a restricted user may still start, in List1 in the order they were
// added. The commands add names upper-cased and never twice, keep the program's own file in the list and
// refuse to remove it or the older version's file singly; gesamtfiles shows the count after each change.

#include "mainform/box_reactions.h"
#include "mainform/main_form.h"
#include "platform/system_queries.h"

namespace mainwindow {

void cm41_Click(MainForm& form); // Add: one program from the open dialog
void cm42_Click(MainForm& form, int language = platform::get_language()); // Remove the selected entry
void cm43_Click(MainForm& form, int language = platform::get_language()); // Suggestions
void cm44_Click(MainForm& form); // Remove all: the own file alone stays
// All EXE-Files: every program file of a folder tree, breadth first. Runs to its end without letting
// window events run.
void cm45_Click(MainForm& form, int language = platform::get_language());

// The commands speak `language` (0 German, 1 English).
void attach_censor_commands(MainForm& form, int language = platform::get_language());

} // namespace mainwindow
