#pragma once
// The restriction table: the policy value name (VN) and its key path relative to the user root (KP) of every
// restriction number. Numbers without a restriction keep empty texts.

#include <QString>

#include <array>

namespace policy {

inline constexpr int restriction_table_size = 611; // numbers 0 to 610
using RestrictionNames = std::array<QString, restriction_table_size>;

// Fills VN and KP. The registered organisation and owner (81, 82) lie in the NT current-version key on the NT
// family and in the Windows current-version key on 95/98/ME.
void fill_restriction_table(RestrictionNames& VN, RestrictionNames& KP, bool nt_family);

} // namespace policy
