#pragma once
// Key and value names as a hive stores, orders and hashes them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace hive {

// Windows refuses longer names.
inline constexpr std::size_t kMaxKeyNameLength = 255;
inline constexpr std::size_t kMaxValueNameLength = 16383;

bool names_equal(std::u16string_view a, std::u16string_view b);

// The hash that an `lh` leaf stores beside each sub-key.
std::uint32_t lh_hash(std::u16string_view name);
// The hint that an `lf` leaf stores: the first four characters as Latin-1, zero-padded.
std::uint32_t lf_hint(std::u16string_view name);

// A name is stored one byte per character (Latin-1) exactly when every unit fits in a byte.
bool compressible(std::u16string_view name);
// Bytes the name takes on disk in the encoding `compressible` chooses.
std::size_t stored_name_size(std::u16string_view name);
// Writes the name in that encoding; `out` must hold stored_name_size(name) bytes.
void store_name(std::u16string_view name, std::uint8_t* out);
// Writes UTF-16LE, as class names are always stored; `out` must hold 2 * text.size() bytes.
void store_utf16(std::u16string_view text, std::uint8_t* out);
// Reads a stored name: Latin-1 when `compressed`, else UTF-16LE (an even number of bytes).
std::u16string load_name(std::span<const std::uint8_t> bytes, bool compressed);

// For messages: UTF-8, with a lone surrogate shown as U+FFFD.
std::string to_utf8(std::u16string_view name);

} // namespace hive
