#pragma once
// An account hive of a given size for the benchmark: the shell's keys, then settings of many programs.

#include <cstdint>
#include <vector>

namespace bench {

// Windows XP format (1.5), at least `bytes_wanted` bytes.
std::vector<std::uint8_t> account_hive(long long bytes_wanted);

} // namespace bench
