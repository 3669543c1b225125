#pragma once
// A text box that holds only characters of the system code page, as the program's 8-bit text boxes did: a
// character without an 8-bit code would reach the password scrambling as "?", so that "Ω" and "Ж" in the
// same place would make the same password. Such characters are dropped as they arrive.

#include "controls/text_box.h"

#include <QString>

namespace startup {

// The text without the characters that the code page lacks.
QString code_page_characters(const QString& text);

// Sets the box's change handler to drop such characters.
void keep_code_page_characters(controls::TextBox& box);

} // namespace startup
