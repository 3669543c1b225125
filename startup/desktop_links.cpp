#include "startup/desktop_links.h"

#include "platform/registry.h"
#include "platform/scripting/file_system_object.h"

namespace startup {

namespace {

const QString policy_key = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
const QString shell_folders_key = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");

// The policy's switch is written as a number; a text "1" counts as well.
bool is_one(const platform::Variant& value)
{
    return value.is_int() ? value.int_value() == 1 : platform::trim_null(value) == QLatin1String("1");
}

} // namespace

void refresh_desktop_links(platform::Context& context)
{
    using platform::HKEY_CURRENT_USER;
    if (!is_one(platform::REG_GetValue(context.registry, HKEY_CURRENT_USER, policy_key, QStringLiteral("FixedLNK"))))
        return;
    const QString links =
        platform::REG_GetString(context.registry, HKEY_CURRENT_USER, policy_key, QStringLiteral("FixedLNKUrl"));
    const QString desktop =
        platform::REG_GetString(context.registry, HKEY_CURRENT_USER, shell_folders_key, QStringLiteral("Desktop"));
    if (links.isEmpty() || desktop.isEmpty())
        return;
    const platform::FileSystemObject fso(context.machine);
    const auto folder = fso.GetFolder(links);
    if (!folder.ok())
        return;
    folder.value->Copy(desktop, true);
}

} // namespace startup
