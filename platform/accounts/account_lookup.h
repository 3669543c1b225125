#pragma once
// Lookups in the machine's profile registry (HKEY_LOCAL_MACHINE ...\ProfileList): which security identifier
// belongs to which profile folder.

#include "platform/registry.h"
#include "platform/ui_services.h"

#include <QString>

#include <array>

namespace platform {

inline constexpr int sid_capacity = 100;
// Entries 1 to sid_capacity; 0 unused.
using SidTable = std::array<QString, sid_capacity + 1>;

inline const QString& profile_list_key()
{
    static const QString key = QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList");
    return key;
}

// Fills `sid_list` with the ProfileList sub-key names longer than 10 characters (the short service identifiers
// are left out) and `sid_user` with each one's profile folder name. At most sid_capacity entries; the rest are
// left out. Entries of an earlier run beyond the new count stay. A ProfileList that can't be opened changes
// nothing.
void GET_SIDS(Registry& registry, UiServices& ui, SidTable& sid_list, SidTable& sid_user);

// The identifier whose profile folder is `user` (exact case); "" after the message "SID not found.".
QString NameToSID(UiServices& ui, const SidTable& sid_list, const SidTable& sid_user, const QString& user);

// The last component of "ProfileImagePath" under HKEY_LOCAL_MACHINE\key_path, not expanded; "" after a message
// when the key or the value can't be read.
QString REG_GetUserProfileList(Registry& registry, UiServices& ui, const QString& key_path);

// The same lookup with messages of the caller's own (the profile test dialog words them differently).
struct ProfileLookupMessages {
    QString cannot_open;
    QString cannot_read;
};
QString REG_GetUserProfileList(Registry& registry, UiServices& ui, const QString& key_path,
                               const ProfileLookupMessages& messages);

// Shows the name of every key directly under `root`, one message each.
void Reg_Wait(Registry& registry, UiServices& ui, HKEY root);

} // namespace platform
