#include "policy/make_regpaths.h"

#include "policy/policy_keys.h"

namespace policy {

void make_regpaths(platform::Registry& registry, platform::HKEY root, const QString& prefix)
{
    using platform::HKEY_LOCAL_MACHINE;
    platform::REG_CreateKey(registry, HKEY_LOCAL_MACHINE, keys::vendor_machine);
    platform::REG_CreateKey(registry, HKEY_LOCAL_MACHINE, keys::program_machine);
    platform::REG_CreateKey(registry, root, prefix);
    for (QLatin1String path : {keys::explorer, keys::system, keys::network, keys::ie_restrictions, keys::advanced,
                               keys::sound, keys::hide, keys::dont_load, keys::disallow_cpl, keys::restrict_run})
        platform::REG_CreateKey(registry, root, prefix + path);
}

} // namespace policy
