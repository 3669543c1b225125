#pragma once
// The user root: the registry root and path prefix under which one account's policy values lie.

#include "platform/machine/machine.h"
#include "platform/registry.h"

#include <QString>

namespace policy {

struct UserRoot {
    platform::HKEY root = platform::HKEY_CURRENT_USER;
    QString prefix; // "" or the account name and a backslash

    QString key(const QString& path) const { return prefix + path; }
    bool operator==(const UserRoot&) const = default;
};

// The writer's rule: on the NT family another account is its hive under HKEY_USERS; the logged-on account
// (the name equal to get_username's, case and all) and every account on 95/98/ME are HKEY_CURRENT_USER.
UserRoot writer_user_root(const platform::Machine& machine, const QString& account);

// The rule of the reader and the reset: on the NT family always HKEY_USERS\<account>.
UserRoot account_user_root(const platform::Machine& machine, const QString& account);

} // namespace policy
