#pragma once
// The number at the start of a text, read as Visual Basic's Val reads it, and its conversion to a 32-bit
// integer with rounding to even, as a Long assignment does.

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

// Blanks, tabs and line feeds are dropped wherever they stand; then the longest number at the start is taken:
// decimal with an optional sign, fraction and exponent (E or D), or "&H" hex / "&O" octal. A text that does not
// begin with a number gives 0. Hex and octal of up to 16 bits are 16-bit signed ("&HFFFF" is -1), of up to 32
// bits 32-bit signed. std::nullopt when the number does not fit (Val's overflow).
std::optional<double> val_of_text(const QString& text);

// Rounds to the nearest whole number, halves to the even neighbour; std::nullopt outside the 32-bit range.
std::optional<std::int32_t> round_to_int32(double number);

} // namespace platform
