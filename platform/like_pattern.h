#pragma once
// VB's Like operator with text compare off: * any run, ? one character, # one digit, [list] one character of the
// list ([a-z] ranges, [!list] negation).

#include <QString>

namespace platform {

// False for a malformed pattern (an unclosed "[") as for a mismatch.
bool like(const QString& text, const QString& pattern);

} // namespace platform
