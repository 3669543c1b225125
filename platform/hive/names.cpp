#include "platform/hive/names.h"

#include "platform/hive/hive.h"

#include <algorithm>

namespace hive {

int compare_names(std::u16string_view a, std::u16string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ua = upcase(a[i]);
        const int ub = upcase(b[i]);
        if (ua != ub)
            return ua - ub;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool names_equal(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() && compare_names(a, b) == 0;
}

std::uint32_t lh_hash(std::u16string_view name)
{
    std::uint32_t h = 0;
    for (char16_t c : name)
        h = 37 * h + upcase(c);
    return h;
}

std::uint32_t lf_hint(std::u16string_view name)
{
    // Windows fills the hint from the fourth character backwards and stops at the first one that is not
    // Latin-1, so the characters before it stay zero.
    std::uint8_t hint[4] = {0, 0, 0, 0};
    for (std::size_t j = std::min<std::size_t>(name.size(), 4); j > 0; --j) {
        if (name[j - 1] > 0xFF)
            break;
        hint[j - 1] = static_cast<std::uint8_t>(name[j - 1]);
    }
    return std::uint32_t(hint[0]) | std::uint32_t(hint[1]) << 8 | std::uint32_t(hint[2]) << 16 |
           std::uint32_t(hint[3]) << 24;
}

bool compressible(std::u16string_view name)
{
    return std::all_of(name.begin(), name.end(), [](char16_t c) { return c <= 0xFF; });
}

std::size_t stored_name_size(std::u16string_view name)
{
    return compressible(name) ? name.size() : name.size() * 2;
}

void store_utf16(std::u16string_view text, std::uint8_t* out)
{
    for (char16_t c : text) {
        *out++ = static_cast<std::uint8_t>(c & 0xFF);
        *out++ = static_cast<std::uint8_t>(c >> 8);
    }
}

void store_name(std::u16string_view name, std::uint8_t* out)
{
    if (!compressible(name)) {
        store_utf16(name, out);
        return;
    }
    for (char16_t c : name)
        *out++ = static_cast<std::uint8_t>(c);
}

std::u16string load_name(std::span<const std::uint8_t> bytes, bool compressed)
{
    std::u16string name;
    if (compressed) {
        name.resize(bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i)
            name[i] = bytes[i];
        return name;
    }
    name.resize(bytes.size() / 2);
    for (std::size_t i = 0; i < name.size(); ++i)
        name[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    return name;
}

std::string to_utf8(std::u16string_view name)
{
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        std::uint32_t c = name[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < name.size() && name[i + 1] >= 0xDC00 && name[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (name[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace hive
