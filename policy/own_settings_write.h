#pragma once
// Direct exchange of parts of the restriction set between the main window and the running account's own
// branch (HKEY_CURRENT_USER), beside the apply and load of a chosen account.

#include "platform/shell/system_parameters.h"
#include "policy/engine.h"

namespace policy {

// Appends the account's censor list to List1 (not cleared first), makes sure "GATR2002.EXE" is in it, and
// sets c41 from "RestrictRun" when that holds a number the box takes.
void settings_get_restrict(Engine& engine);

// Writes the check boxes, the wallpaper (a fixed one also becomes the running account's desktop wallpaper
// through `system_parameters`), the boot options (when C:\MSDOS.SYS is there) and the registered
// organisation and owner; every box as "1" or "0".
void settings_save(Engine& engine, platform::SystemParameters& system_parameters);

// Writes the hidden drives: "A" to "Z" in the Hide key and their mask "NoDrives".
void settings_save_drives(Engine& engine);

// Rewrites the censor list from List1 and "RestrictRun" from c41.
void settings_save_restrict(Engine& engine);

} // namespace policy
