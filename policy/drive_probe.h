#pragma once
// Which drive boxes can be used: those of the letters the machine has.

#include "policy/engine.h"

namespace policy {

// Enables the drive box of every existing drive letter; no box is disabled and no tick changes.
void get_drives(Engine& engine);

} // namespace policy
