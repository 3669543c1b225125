#include "policy/account_discovery.h"

#include "platform/accounts/account_lookup.h"
#include "platform/accounts/profiles.h"

namespace policy {

void get_profiles(Engine& engine)
{
    QString folder = engine.form.t810.text();
    platform::get_profiles(engine.ctx, engine.profiles, folder);
    engine.form.t810.setText(folder);
}

void GET_SIDS(Engine& engine) { platform::GET_SIDS(engine.ctx.registry, engine.ctx.ui, engine.SidList, engine.SidUser); }

QString NameToSID(Engine& engine, const QString& user)
{
    return platform::NameToSID(engine.ctx.ui, engine.SidList, engine.SidUser, user);
}

void Reg_Wait(Engine& engine, platform::HKEY root) { platform::Reg_Wait(engine.ctx.registry, engine.ctx.ui, root); }

} // namespace policy
