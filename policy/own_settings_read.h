#pragma once
// The main window's first view: the restriction controls filled from the account that runs the program.

#include "policy/engine.h"

namespace policy {

// Sets the start menu, Internet Explorer, desktop, network and shell boxes, the Windows Update box, the
// wallpaper field and preview, the boot-option boxes (from C:\MSDOS.SYS, whose attributes become normal) and
// the registered organisation and owner. Missing values untick and empty; nothing is shown.
void settings_get(Engine& engine);

// Ticks each drive box whose letter the running account hides, whether or not the drive exists.
void settings_get_drives(Engine& engine);

} // namespace policy
