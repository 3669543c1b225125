#pragma once
// The two click reactions of the restriction set that also run when code sets the box: ticking c16 ticks c31
// (no Start-menu settings means no taskbar changes either), and ticking c41 keeps the program's own file in
// the censor list. They are the form's own, so the engine and the window's commands attach the same ones.

#include "mainform/main_form.h"

namespace mainwindow {

// The program's own file and the older version's; both mark the program in a user's censor list.
inline const QString own_program_file = QStringLiteral("GATR2002.EXE");
inline const QString older_program_file = QStringLiteral("GATR99.EXE");

// Ticking c16 (also from code) ticks c31; unticking it leaves c31 alone.
void c16_Click(MainForm& form);
// Ticking c41 (also from code) puts the program's own file into the censor list when it is missing.
void c41_Click(MainForm& form);

} // namespace mainwindow
