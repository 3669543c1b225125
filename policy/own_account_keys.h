#pragma once
// Key paths of the running account's own policy values, as the start-up read and the direct writers spell
// them (relative to HKEY_CURRENT_USER unless a comment names another root).

namespace policy::own_keys {

inline constexpr const char* explorer = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr const char* system = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline constexpr const char* network = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
inline constexpr const char* internet_explorer = "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
inline constexpr const char* desktop = "Control Panel\\Desktop";
inline constexpr const char* hide = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Hide";
inline constexpr const char* restrict_run =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun";
// HKEY_LOCAL_MACHINE.
inline constexpr const char* nt_current_version = "Software\\Microsoft\\Windows NT\\CurrentVersion";
inline constexpr const char* current_version_9x = "Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const char* program = "Software\\Brekund\\G2002";

} // namespace policy::own_keys
