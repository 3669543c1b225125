#pragma once
// How a check box is decided from what the registry holds.

#include "platform/registry.h"

#include <QString>

namespace policy {

// Ticked when the value reads as the number 1 up to its first NUL: a REG_DWORD 1 or a REG_SZ "1".
bool equals_one(const platform::Variant& value);
// Ticked when the text is exactly "No".
bool exact_no(const QString& text);
// Ticked when the text in upper case is "NO".
bool upper_case_no(const QString& text);

} // namespace policy
