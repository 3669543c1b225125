#pragma once
// The two click reactions of the restriction set that also run when code sets the box: ticking c16 ticks c31
// (no Start-menu settings means no taskbar changes either), and ticking c41 keeps the program's own file in
// the censor list. The reader orders its steps so that these reactions leave the stored values. They are the
// form's own handlers; the engine attaches them where it works on a form without the window's commands.

#include "mainform/box_reactions.h"

namespace policy {

using mainwindow::c16_Click;
using mainwindow::c41_Click;
using mainwindow::own_program_file;

// Sets c16's and c41's click handlers to the reactions above.
void attach_click_reactions(mainwindow::MainForm& form);

} // namespace policy
