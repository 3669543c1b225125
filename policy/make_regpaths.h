#pragma once
// Creates the program's machine keys and the policy keys of a user root before anything is written there.

#include "platform/registry.h"

#include <QString>

namespace policy {

// Every result is ignored: a key that can't be made is simply missing, and later writes into it do nothing.
void make_regpaths(platform::Registry& registry, platform::HKEY root, const QString& prefix);

} // namespace policy
