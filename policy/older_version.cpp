#include "policy/older_version.h"

namespace policy {

float checkgatr99(platform::Registry& registry)
{
    const QString entry = platform::REG_GetString(registry, platform::HKEY_LOCAL_MACHINE,
                                                  QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"),
                                                  QStringLiteral("Gatrisk 99"));
    return entry.isEmpty() ? 0.0f : -1.0f;
}

} // namespace policy
