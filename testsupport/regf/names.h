#pragma once
// Key and value names as the hive format compares and hashes them.

#include <cstdint>
#include <string>
#include <string_view>

namespace regf_checks {

// Windows' upper-casing of one UTF-16 unit (simple BMP mapping; U+00FF gives U+0178, U+00DF stays).
char16_t upcase(char16_t c);
// Negative, zero or positive: a sorts before, equals or sorts after b in a sub-key list.
int compare_names(std::u16string_view a, std::u16string_view b);
// The hash an lh leaf stores for a name.
std::uint32_t lh_hash(std::u16string_view name);
// For messages.
std::string to_utf8(std::u16string_view s);

} // namespace regf_checks
