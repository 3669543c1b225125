#pragma once
// Apply and load for the account chosen in the user chooser: on the NT family inside a mount of the
// account's hive, with the chooser locked and progress in the status bar; on Windows 95/98/ME directly.

#include "platform/system_queries.h"
#include "policy/engine.h"

#include <cstdint>

namespace policy {

inline constexpr std::int16_t hive_apply = 1; // the window's restriction set to the account
inline constexpr std::int16_t hive_read = 2;  // the account's restriction set into the window

// Refuses the logged-on account (apply: a message; load: Unmark all), except while de-install runs. On the NT
// family: unload, load, then REG_Save32 or REG_Load32, then unload; a load that fails stops before the work.
// Every apply ends by writing out the branch it wrote, on every system; when that fails (on the NT family: when
// the edits were still unwritten at the dismount, which drops them) a critical box tells it. Its messages and
// progress text, and those of the hive loader and the writer, are those of `language`.
void hive(Engine& engine, std::int16_t mode, int language = platform::get_language());

} // namespace policy
