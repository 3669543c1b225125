#include "policy/older_version.h"

#include "platform/registry.h"

namespace policy {

float checkgatr99(Engine& engine)
{
    const QString entry = platform::REG_GetString(engine.ctx.registry, platform::HKEY_LOCAL_MACHINE,
                                                  QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"),
                                                  QStringLiteral("Gatrisk 99"));
    return entry.isEmpty() ? 0.0f : -1.0f;
}

} // namespace policy
