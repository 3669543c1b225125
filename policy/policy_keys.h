#pragma once
// The key paths of the policy values, relative to the user root, spelled as the program has always written
// them (the registry compares key names without regard to case).

#include <QLatin1String>

namespace policy::keys {

inline constexpr QLatin1String explorer{"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"};
inline constexpr QLatin1String system{"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System"};
inline constexpr QLatin1String network{"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network"};
inline constexpr QLatin1String ie_restrictions{"SOFTWARE\\Policies\\Microsoft\\Internet Explorer\\Restrictions"};
inline constexpr QLatin1String nt_current_version{"Software\\Microsoft\\Windows NT\\CurrentVersion"};
inline constexpr QLatin1String current_version{"Software\\Microsoft\\Windows\\CurrentVersion"};
inline constexpr QLatin1String program{"Software\\Brekund\\G2002"};
inline constexpr QLatin1String sound{"Control Panel\\Sound"};
inline constexpr QLatin1String win_old_app{"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\WinOldApp"};
inline constexpr QLatin1String windows_system{"Software\\Policies\\Microsoft\\Windows\\System"};
inline constexpr QLatin1String hide{"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Hide"};
inline constexpr QLatin1String restrict_run{"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun"};
inline constexpr QLatin1String disallow_cpl{"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\DisallowCpl"};
inline constexpr QLatin1String dont_load{"Control Panel\\don't load"};
inline constexpr QLatin1String desktop{"Control Panel\\Desktop"};
inline constexpr QLatin1String run{"Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
inline constexpr QLatin1String advanced{"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Advanced"};

// HKEY_LOCAL_MACHINE keys of the program.
inline constexpr QLatin1String vendor_machine{"Software\\Brekund"};
inline constexpr QLatin1String program_machine{"Software\\Brekund\\G2002"};

} // namespace policy::keys
