#pragma once
// Whether the program's older version is still set to start at logon.

#include "policy/engine.h"

namespace policy {

// -1 when HKEY_LOCAL_MACHINE's Run key holds a non-empty "Gatrisk 99", 0 otherwise; reads only.
float checkgatr99(Engine& engine);

} // namespace policy
