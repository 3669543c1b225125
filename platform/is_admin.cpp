#include "platform/is_admin.h"

#include "platform/machine/machine_config.h"

#include <algorithm>

namespace platform {

bool is_admin_token(const QStringList& groups)
{
    const qsizetype examined = std::min<qsizetype>(groups.size(), token_groups_examined);
    for (qsizetype i = 0; i < examined; ++i)
        if (is_sid_text(groups[i]) && groups[i].compare(QLatin1String(administrators_sid), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool IsAdmin(const Machine& machine) { return is_admin_token(machine.facts().groups); }

} // namespace platform
