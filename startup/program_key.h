#pragma once
// Where the program keeps its own settings, and the values of it that the start-up reads and writes.

#include <QString>

namespace startup {

// Under HKEY_LOCAL_MACHINE.
inline QString program_key() { return QStringLiteral("Software\\Brekund\\G2002"); }
inline QString password_value() { return QStringLiteral("UserPW"); }

// The key that scrambles the stored password.
inline QString password_key() { return QStringLiteral("6190"); }

} // namespace startup
