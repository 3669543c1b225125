#pragma once
// Little-endian fields. Reads are bounds-checked: a field that does not fit reads as 0, so a slip in a
// caller's size check can never read outside the buffer.

#include <cstddef>
#include <cstdint>
#include <span>

namespace hive {

using Bytes = std::span<const std::uint8_t>;

inline std::uint16_t get16(Bytes b, std::size_t at)
{
    if (at > b.size() || b.size() - at < 2)
        return 0;
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

inline std::uint32_t get32(Bytes b, std::size_t at)
{
    if (at > b.size() || b.size() - at < 4)
        return 0;
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

inline std::uint64_t get64(Bytes b, std::size_t at)
{
    if (at > b.size() || b.size() - at < 8)
        return 0;
    return std::uint64_t(get32(b, at)) | std::uint64_t(get32(b, at + 4)) << 32;
}

inline bool has_signature(Bytes b, const char (&sig)[3])
{
    return b.size() >= 2 && b[0] == std::uint8_t(sig[0]) && b[1] == std::uint8_t(sig[1]);
}

inline void put16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void put32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void put64(std::uint8_t* p, std::uint64_t v)
{
    put32(p, static_cast<std::uint32_t>(v));
    put32(p + 4, static_cast<std::uint32_t>(v >> 32));
}

} // namespace hive
