#pragma once
// The stored form of the access password: each character's 8-bit code (system code page) XOR the code of the
// key character at its position, the key repeated; the result trimmed of blanks at both ends. Applying it twice
// with the same key gives the text back (but for trimmed blanks). A character the code page lacks counts as "?".

#include <QString>

namespace startup {

QString pw_scramble(const QString& text, const QString& key);

} // namespace startup
