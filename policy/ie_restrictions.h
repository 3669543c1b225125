#pragma once
// One Internet Explorer restriction of the running account, read or written together with the creation of
// the Internet Explorer policy keys under HKEY_CURRENT_USER and below the account's name under HKEY_USERS.

#include "platform/context.h"

#include <QString>

namespace policy {

// The value of `name` in the restriction key of HKEY_CURRENT_USER as a whole number in decimal, with one
// leading blank when it is not negative (" 1", " 0", "-1"); " 0" for a missing value or a text that is no
// number. Never fails.
QString ie_get_restriction(platform::Context& ctx, const QString& name);

// Writes `name` = `value` ("1" or "0") as REG_DWORD into the restriction key of HKEY_CURRENT_USER and of the
// account's key under HKEY_USERS. Failures are ignored.
void ie_set_restriction(platform::Context& ctx, const QString& name, const QString& value);

} // namespace policy
