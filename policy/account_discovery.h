#pragma once
// The main window's account lookups: the profile list with the profiles-path field t810, and the security
// identifiers of the profile registry, in the engine's tables.

#include "platform/registry/reg_types.h"
#include "policy/engine.h"

#include <QString>

namespace policy {

// Fills engine.profiles and puts the profiles folder into t810 (see platform::get_profiles).
void get_profiles(Engine& engine);
void GET_SIDS(Engine& engine);
QString NameToSID(Engine& engine, const QString& user);
void Reg_Wait(Engine& engine, platform::HKEY root);

} // namespace policy
