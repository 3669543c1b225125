#include "policy/ie_restrictions.h"

#include "platform/registry.h"
#include "platform/registry/number_text.h"
#include "platform/system_queries.h"
#include "policy/policy_keys.h"

namespace policy {

namespace {

using platform::HKEY_CURRENT_USER;
using platform::HKEY_USERS;

const char* const ie_keys[] = {
    "Software\\Policies\\Microsoft",
    "Software\\Policies\\Microsoft\\Internet Explorer",
    "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions",
    "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel",
};

// Creates the Internet Explorer policy keys of the running account and returns its key under HKEY_USERS.
QString create_ie_keys(platform::Context& ctx)
{
    QString account = platform::get_username(ctx.machine);
    if (!account.isEmpty()) {
        const QString trimmed = platform::trim_null(account);
        if (!trimmed.isEmpty())
            account = trimmed;
    }
    for (const char* key : ie_keys)
        platform::REG_CreateKey(ctx.registry, HKEY_CURRENT_USER, key);
    // The name the setup gives the default account.
    const QString account_key = account == QLatin1String("Standard") ? QStringLiteral(".Default") : account;
    for (const char* key : ie_keys)
        platform::REG_CreateKey(ctx.registry, HKEY_USERS, account_key + QLatin1Char('\\') + key);
    return account_key;
}

} // namespace

QString ie_get_restriction(platform::Context& ctx, const QString& name)
{
    create_ie_keys(ctx);
    const platform::Variant value =
        platform::REG_GetValue(ctx.registry, HKEY_CURRENT_USER, keys::ie_restrictions, name);
    // A REG_DWORD comes as its decimal text, a REG_SZ as its own text.
    const auto parsed = platform::val_of_text(platform::trim_null(value));
    const auto whole = parsed ? platform::round_to_int32(*parsed) : std::nullopt;
    const std::int32_t number = whole.value_or(0);
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}

void ie_set_restriction(platform::Context& ctx, const QString& name, const QString& value)
{
    const QString account_key = create_ie_keys(ctx);
    platform::REG_SetDWORD(ctx.registry, HKEY_CURRENT_USER, keys::ie_restrictions, name, value);
    platform::REG_SetDWORD(ctx.registry, HKEY_USERS,
                           account_key + QLatin1Char('\\') + keys::ie_restrictions, name, value);
}

} // namespace policy
