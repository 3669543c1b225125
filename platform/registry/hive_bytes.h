#pragma once
// Reading a hive file: only its base block and the bins that block declares, so a file padded far beyond its
// hive costs no memory and no time.

#include <cstdint>
#include <vector>

namespace platform {

// Reads the hive part of the open file `fd` into `bytes`; false on a read error. A block that is no hive's or that
// declares more than a hive may hold is read alone, for the parser to refuse. May throw std::bad_alloc.
bool read_hive_bytes(int fd, std::vector<std::uint8_t>& bytes);

} // namespace platform
