#pragma once
// The restriction set between the main window's controls and its stored form.

#include "mainform/main_form.h"
#include "settingsfile/stored_set.h"

namespace settingsfile {

// The controls as they stand; a check box gives its value (0, 1 or 2).
StoredSet take_from(mainwindow::MainForm& form);

// Sets the controls in the order the settings-file reader sets them, so that the click reactions of c16 (ticks
// c31) and c41 (adds the program to the censor list) are overwritten by the stored values that come later.
// A stored check-box or applet value ticks only when it is 1; a drive value is taken as the box's state.
void put_into(mainwindow::MainForm& form, const StoredSet& set);

} // namespace settingsfile
