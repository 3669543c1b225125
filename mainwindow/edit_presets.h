#pragma once
// The Edit menu: presets of the whole restriction set in one step, and the item that opens the dialog
// changing the access password. The presets change only the window's boxes; each box whose value they set
// runs its own click handler (c16 ticks c31).

#include "mainwindow/command_links.h"
#include "mainform/main_form.h"
#include "platform/system_queries.h"

namespace mainwindow {

// Mark all: every restriction box but the desktop links (c39) and the censor list (c41), every applet and
// every present drive; then the message msg_mark_all.
void mm21_Click(MainForm& form);
// Unmark all, without a message: every restriction box but c39, c41 included, every applet, every drive.
// The engine runs it (through mm22's handler) to blank the window.
void mm22_Click(MainForm& form);
// Opens the dialog that changes the access password.
void mm23_Click(const CommandLinks& links);
// Suggestions: 17 boxes ticked on top of what is ticked, then a message in `language`.
void mm24_Click(MainForm& form, int language = platform::get_language());
// Unmark all without the last group (c90 to c99).
void unmark_all(MainForm& form);

// mm21 to mm24, speaking `language`. `links` must outlive the form's handlers.
void attach_edit_commands(MainForm& form, CommandLinks& links, int language = platform::get_language());

} // namespace mainwindow
