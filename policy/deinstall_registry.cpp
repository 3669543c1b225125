#include "policy/make_regpaths.h"
#include "policy/operations.h"
#include "policy/policy_keys.h"
#include "policy/save_refused.h"
#include "policy/user_branch.h"

namespace policy {

void Deinstall_Registry(Engine& e, const QString& user, int language)
{
    UserBranch out(e.ctx.registry, account_user_root(e.ctx.machine, user));
    make_regpaths(e.ctx.registry, out.root().root, out.root().prefix);
    const auto entry = [&](int n, const QString& number) {
        return out.dword(e.KP[static_cast<std::size_t>(n)], e.VN[static_cast<std::size_t>(n)], number);
    };
    const QString zero = QStringLiteral("0");
    if (entry(11, zero) != platform::ERROR_SUCCESS) {
        show_save_refused(e.ctx.ui, language, user);
        return;
    }
    // Less than the writer's reset: the desktop links (39), "NoControlPanel" (162) and the keys and files
    // beside the values stay as they are.
    for (int n : {12, 13, 14, 15, 16, 17, 18, 19, 110, 21, 22, 23, 24, 25, 26, 27, 28, 29, 210,
                  31, 32, 33, 34, 35, 36, 37, 38})
        entry(n, zero);
    out.dword(keys::explorer, QStringLiteral("RestrictRun"), zero);
    out.dword(keys::explorer, QStringLiteral("NoDrives"), QStringLiteral(" 0"));
    for (int n : {63, 64, 65, 66, 67, 68, 69, 610})
        entry(n, zero);
    out.text(e.KP[90], e.VN[90], QStringLiteral("Yes"));
    for (int n : {91, 92, 93, 94, 95, 96, 97, 98, 99})
        entry(n, zero);
}

} // namespace policy
