#pragma once
// The two click reactions of the restriction set that also run when code sets the box: ticking c16 ticks c31
// (no Start-menu settings means no taskbar changes either), and ticking c41 keeps the program's own file in
// the censor list. The reader orders its steps so that these reactions leave the stored values.

#include "mainwindow/main_form.h"

namespace policy {

inline constexpr const char* own_program_file = "GATR2002.EXE";

void c16_Click(mainwindow::MainForm& form);
void c41_Click(mainwindow::MainForm& form);

// Sets c16's and c41's click handlers to the reactions above. The main window calls it once while it is built.
void attach_click_reactions(mainwindow::MainForm& form);

} // namespace policy
