#pragma once
// Test helpers that look at a written hive file directly, independent of the library's reader.

#include "platform/hive/hive.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hive_test {

// A hive file with field access by cell: `cell` is relative to the first bin, `at` to the cell's data.
struct HiveBytes {
    std::vector<std::uint8_t> b;

    std::uint32_t u16(std::uint32_t cell, std::size_t at) const;
    std::uint32_t u32(std::uint32_t cell, std::size_t at) const;
    void set16(std::uint32_t cell, std::size_t at, std::uint16_t v);
    void set32(std::uint32_t cell, std::size_t at, std::uint32_t v);
    std::string signature(std::uint32_t cell) const;

    std::uint32_t header32(std::size_t at) const;
    void set_header32(std::size_t at, std::uint32_t v);
    void fix_checksum();

    std::uint32_t root() const { return header32(36); }
    // The nk cells a key's sub-key list names, leaf by leaf in list order.
    std::vector<std::uint32_t> subkey_cells(std::uint32_t nk) const;
    // The nk cell of the sub-key with this exact stored name (compressed names only), or 0xFFFFFFFF.
    std::uint32_t find(std::uint32_t nk, const std::string& name) const;
    std::uint32_t path(const std::vector<std::string>& names) const;
};

// What is wrong with the layout of a file we wrote: bins that don't tile, free space other than a bin's
// tail, a big cell sharing a bin, a bad checksum or unequal sequence numbers. Empty when fine.
std::vector<std::string> layout_problems(const std::vector<std::uint8_t>& file);

// One problem a line, for messages.
std::string joined(const std::vector<std::string>& lines);

std::u16string u16(const std::string& ascii);
// prefix followed by the decimal digits of n.
std::u16string numbered(const char16_t* prefix, std::size_t n);
std::vector<std::uint8_t> pattern(std::size_t size, std::uint8_t seed = 1);

} // namespace hive_test
