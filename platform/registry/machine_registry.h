#pragma once
// The registry of a machine: its hive files and its mount table.

#include "platform/machine/machine.h"
#include "platform/registry/registry_layout.h"

namespace platform {

class Processes;
class Registry;

// HKEY_LOCAL_MACHINE from the hives of the Windows config folder (SYSTEM.DAT on Windows 95/98/ME),
// HKEY_CURRENT_USER from the logged-on user's hive, HKEY_USERS\.DEFAULT, and the mounts of the machine's mount
// table, read again whenever the table file changes. Writing beyond HKEY_CURRENT_USER needs the administrators
// group among the user's groups.
RegistryLayout registry_layout(const Machine& machine);

// Every program start first writes what the registry holds pending, so that the program sees it.
void flush_before_starts(Registry& registry, Processes& processes);

} // namespace platform
