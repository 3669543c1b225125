#pragma once
// The cells of a hive file being read. Every cell reference taken from the file goes through here: it must
// name the start of an allocated cell, and what comes back is bounded by that cell.

#include "platform/hive/bytes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hive {

class CellMap {
public:
    // Walks the hive bins (the file after its base block, `bins_size` bytes). False, with `error` set, when a
    // bin header is wrong or the cells do not tile a bin exactly.
    bool scan(Bytes bins, std::string& error);

    // The data of the allocated cell at `offset` (after its size field), or nothing when no allocated cell
    // starts there.
    std::optional<Bytes> cell(std::uint32_t offset) const;

    // Records that one structure uses the cell. False when another already did: a cell belongs to one parent
    // only, so a second use means a loop or a shared list, and reading it twice could multiply memory use.
    bool claim(std::uint32_t offset);

    std::size_t bins_size() const { return bins_.size(); }

private:
    static bool test(const std::vector<std::uint64_t>& bits, std::size_t slot)
    {
        return (bits[slot / 64] >> (slot % 64)) & 1;
    }
    static void set(std::vector<std::uint64_t>& bits, std::size_t slot)
    {
        bits[slot / 64] |= std::uint64_t(1) << (slot % 64);
    }

    Bytes bins_;
    std::vector<std::uint64_t> allocated_; // one bit per 8-byte slot: an allocated cell starts here
    std::vector<std::uint64_t> claimed_;
};

std::string hex(std::uint64_t v);

} // namespace hive
