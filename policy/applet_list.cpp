#include "policy/applet_catalogue.h"
#include "policy/operations.h"
#include "policy/policy_keys.h"
#include "policy/value_names.h"

#include "platform/registry.h"
#include "platform/system_queries.h"

namespace policy {

static_assert(Engine::applet_capacity >= applet_row_count);

void CPL_All(Engine& e)
{
    for (int row = 1; row <= applet_row_count; ++row) {
        const auto i = static_cast<std::size_t>(row);
        e.CplFile[i] = applet_file(row);
        e.CplName[i] = applet_label(row, platform::get_language());
    }
    e.CplCount = applet_row_count;

    // The list keeps itself sorted by text; each item lands at its place.
    controls::ListView& list = e.form.lv1;
    list.clear();
    for (int i = 1; i <= e.CplCount; ++i)
        list.add(e.CplName[static_cast<std::size_t>(i)]);
    for (int i = 1; i <= e.CplCount; ++i) {
        bool hidden = false;
        CPL_Get(e, e.CplFile[static_cast<std::size_t>(i)], hidden);
        if (!hidden)
            continue;
        for (int j = 1; j <= list.count(); ++j)
            if (list.text(j) == e.CplName[static_cast<std::size_t>(i)])
                list.setChecked(j, true);
    }
}

void CPL_Get(Engine&, const QString&, bool& hidden) { hidden = false; }

void CPL_Set(Engine&, const QString&, bool) {}

void Cpl_Save(Engine& e)
{
    platform::Registry& reg = e.ctx.registry;
    const controls::ListView& list = e.form.lv1;
    const int items = std::min(e.CplCount, list.count());
    if (platform::get_os(e.ctx.machine) != QLatin1String("WinXP")) {
        for (int i = 1; i <= items; ++i)
            for (int j = 1; j <= e.CplCount; ++j)
                if (e.CplName[static_cast<std::size_t>(j)] == list.text(i))
                    CPL_Set(e, e.CplFile[static_cast<std::size_t>(j)], list.checked(i));
        return;
    }
    const platform::HKEY hkcu = platform::HKEY_CURRENT_USER;
    platform::REG_DeleteKey(reg, hkcu, keys::disallow_cpl);
    platform::REG_CreateKey(reg, hkcu, keys::disallow_cpl);
    int n = 0;
    for (int i = 1; i <= items; ++i) {
        if (!list.checked(i))
            continue;
        for (int j = 1; j <= e.CplCount; ++j)
            if (e.CplName[static_cast<std::size_t>(j)] == list.text(i))
                platform::REG_SetString(reg, hkcu, keys::disallow_cpl, numbered_value_name(++n),
                                        e.CplFile[static_cast<std::size_t>(j)]);
    }
    platform::REG_SetDWORD(reg, hkcu, keys::explorer, QStringLiteral("DisallowCpl"),
                           n != 0 ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace policy
