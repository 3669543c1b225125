#pragma once
// How a stored restriction decides a check box: ticked when the value reads as the number 1.

#include "platform/registry/variant.h"

namespace policy {

// True for a REG_DWORD 1 or a text whose number, read up to its first NUL, is 1.
bool reads_as_one(const platform::Variant& value);

} // namespace policy
