#pragma once
// Whether the program runs with the rights of the local administrators group.

#include "platform/machine/machine.h"

#include <QStringList>

namespace platform {

// How many token groups the test looks at: it copies the start of the list into a record of that many entries.
inline constexpr int token_groups_examined = 21;

// True when S-1-5-32-544 is among the first 21 group SIDs (attributes play no part). A token with more groups
// whose first 21 lack it answers false: the test never reads past its record.
bool IsAdmin(const Machine& machine);
bool is_admin_token(const QStringList& groups);

} // namespace platform
