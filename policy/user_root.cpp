#include "policy/user_root.h"

#include "platform/system_queries.h"

namespace policy {

UserRoot account_user_root(const platform::Machine& machine, const QString& account)
{
    if (!platform::is_nt(machine))
        return {platform::HKEY_CURRENT_USER, QString()};
    return {platform::HKEY_USERS, account + QLatin1Char('\\')};
}

UserRoot writer_user_root(const platform::Machine& machine, const QString& account)
{
    if (platform::is_nt(machine) && platform::trim_null(platform::get_username(machine)) == account)
        return {platform::HKEY_CURRENT_USER, QString()};
    return account_user_root(machine, account);
}

} // namespace policy
