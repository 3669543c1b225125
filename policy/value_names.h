#pragma once
// Names and numbers of the values that come in series: the numbered entries of the censor list and of the
// applet list, and the hidden drives.

#include <QString>

#include <array>
#include <cstdint>

namespace policy {

// A number as the program has always named such values: with one leading blank (" 0", " 10").
QString numbered_value_name(int n);

inline constexpr int drive_letter_count = 26;
using DriveFlags = std::array<bool, drive_letter_count>;

// "A" to "Z" for positions 0 to 25.
QString drive_value_name(int position);
// Bit i set for every hidden letter, A being bit 0: the "NoDrives" value.
std::uint32_t drive_mask(const DriveFlags& hidden);

} // namespace policy
