#pragma once
// Apply, OK, Cancel and the user chooser: the handlers in front of the apply-and-load frame. Nothing reaches
// an account before Apply or OK; choosing an account reads its whole set into the window.

#include "platform/system_queries.h"
#include "policy/engine.h"

namespace mainwindow {

// The window's restriction set to the account in Combo_user.
void cmd_set_Click(policy::Engine& engine);
// Apply, then the end of the program, whatever the apply did.
void cm02_Click(policy::Engine& engine);
// The end of the program; nothing is applied.
void cm01_Click(policy::Engine& engine);
// The chosen account's restriction set into the window.
void Combo_user_Click(policy::Engine& engine);
// Windows 95/98/ME: only the logged-on user can be restricted; says so in `language` and puts that user back.
void Combo_user_GotFocus(policy::Engine& engine, int language = platform::get_language());
// The account is chosen from the list: every typed character is discarded.
void Combo_user_KeyPress(int& key_ascii);

// The handlers speak `language` (0 German, 1 English).
void attach_apply_commands(policy::Engine& engine, int language = platform::get_language());

} // namespace mainwindow
