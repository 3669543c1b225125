#pragma once
// The tree walk's parts: keys, their sub-key lists, their values and their security cells.

#include "testsupport/regf/check_context.h"

#include <optional>
#include <string>
#include <vector>

namespace regf_checks {

// A name as stored: one Latin-1 byte per unit when compressed, else UTF-16LE.
std::u16string decode_name(std::span<const std::uint8_t> data, std::size_t at, std::size_t length, bool compressed);
// True when every unit fits one byte, so the name must be stored compressed.
bool compressible(std::u16string_view name);

struct SubkeyEntry {
    std::uint32_t key = none;
    std::uint32_t leaf = none; // the leaf cell holding the entry
    std::size_t index = 0;     // within the leaf
    char kind[2] = {};         // "li", "lf" or "lh"
    std::uint32_t tag = 0;     // lf hint bytes or lh hash
};
// The entries of a key's sub-key list in order, across all leaves of an ri.
std::vector<SubkeyEntry> read_subkey_list(Context& ctx, std::uint32_t list, const std::string& from);

struct ValueSummary {
    std::u16string name;
    std::uint32_t data_size = 0;
};
// std::nullopt for a value that could not be read.
std::optional<ValueSummary> check_value(Context& ctx, std::uint32_t offset, const std::string& from);

// Counts a key's use of a security cell, checking the cell the first time.
void use_security(Context& ctx, std::uint32_t offset, const std::string& from);

} // namespace regf_checks
