#pragma once
// De-install: every account's restrictions cleared, the program's autostart entry removed, the uninstaller
// of the installation started and the program ended.

#include "platform/system_queries.h"
#include "policy/engine.h"

namespace settingsfile {

// File > Uninstall, and the main window's load with "/uninstall". Asks first; after a Yes it ends the
// program, except on Windows 95/98/ME when the warning about other user profiles is answered No. Every
// failing step is passed over. The Unmark all handler of mm22 is what clears the window before each account.
// Its own questions and messages are those of `language` (0 German, 1 English).
void mm132_Click(policy::Engine& engine, int language = platform::get_language());

} // namespace settingsfile
