#include "hive_bytes.h"

#include <cstring>

namespace hive_test {

namespace {
constexpr std::size_t kBase = 4096;
}

std::uint32_t HiveBytes::u16(std::uint32_t cell, std::size_t at) const
{
    const std::size_t i = kBase + cell + 4 + at;
    return b.at(i) | b.at(i + 1) << 8;
}

std::uint32_t HiveBytes::u32(std::uint32_t cell, std::size_t at) const
{
    return u16(cell, at) | u16(cell, at + 2) << 16;
}

void HiveBytes::set16(std::uint32_t cell, std::size_t at, std::uint16_t v)
{
    const std::size_t i = kBase + cell + 4 + at;
    b.at(i) = static_cast<std::uint8_t>(v);
    b.at(i + 1) = static_cast<std::uint8_t>(v >> 8);
}

void HiveBytes::set32(std::uint32_t cell, std::size_t at, std::uint32_t v)
{
    set16(cell, at, static_cast<std::uint16_t>(v));
    set16(cell, at + 2, static_cast<std::uint16_t>(v >> 16));
}

std::string HiveBytes::signature(std::uint32_t cell) const
{
    const std::size_t i = kBase + cell + 4;
    return std::string{static_cast<char>(b.at(i)), static_cast<char>(b.at(i + 1))};
}

std::uint32_t HiveBytes::header32(std::size_t at) const
{
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | std::uint32_t(b.at(at + 3)) << 24;
}

void HiveBytes::set_header32(std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

void HiveBytes::fix_checksum()
{
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < 508; at += 4)
        sum ^= header32(at);
    if (sum == 0xFFFFFFFF)
        sum = 0xFFFFFFFE;
    if (sum == 0)
        sum = 1;
    set_header32(508, sum);
}

std::vector<std::uint32_t> HiveBytes::subkey_cells(std::uint32_t nk) const
{
    std::vector<std::uint32_t> out;
    if (u32(nk, 20) == 0)
        return out;
    const std::uint32_t list = u32(nk, 28);
    auto leaf = [&](std::uint32_t l) {
        const std::uint32_t n = u16(l, 2);
        const std::size_t entry = signature(l) == "li" ? 4 : 8;
        for (std::uint32_t i = 0; i < n; ++i)
            out.push_back(u32(l, 4 + entry * i));
    };
    if (signature(list) == "ri") {
        for (std::uint32_t i = 0; i < u16(list, 2); ++i)
            leaf(u32(list, 4 + 4 * i));
    } else {
        leaf(list);
    }
    return out;
}

std::uint32_t HiveBytes::find(std::uint32_t nk, const std::string& name) const
{
    for (std::uint32_t child : subkey_cells(nk)) {
        const std::size_t len = u16(child, 72);
        const std::size_t at = kBase + child + 4 + 76;
        if (len == name.size() && std::memcmp(&b.at(at), name.data(), len) == 0)
            return child;
    }
    return 0xFFFFFFFF;
}

std::uint32_t HiveBytes::path(const std::vector<std::string>& names) const
{
    std::uint32_t nk = root();
    for (const std::string& n : names)
        nk = find(nk, n);
    return nk;
}

std::vector<std::string> layout_problems(const std::vector<std::uint8_t>& file)
{
    std::vector<std::string> problems;
    const HiveBytes h{file};
    if (file.size() < kBase + 4096)
        return {"file too short"};
    const std::uint32_t bins = h.header32(40);
    if (kBase + bins != file.size())
        problems.push_back("bins size " + std::to_string(bins) + " does not match the file");
    if (h.header32(4) != h.header32(8))
        problems.push_back("sequence numbers differ");
    HiveBytes copy{file};
    copy.fix_checksum();
    if (copy.header32(508) != h.header32(508))
        problems.push_back("bad checksum");
    if (h.header32(kBase + 20) != h.header32(12) || h.header32(kBase + 24) != h.header32(16))
        problems.push_back("first bin's timestamp differs from the header's");

    std::size_t pos = 0;
    while (pos < bins && problems.size() < 20) {
        const std::size_t at = kBase + pos;
        if (std::memcmp(&file[at], "hbin", 4) != 0 || h.header32(at + 4) != pos) {
            problems.push_back("bad bin header at " + std::to_string(pos));
            break;
        }
        const std::size_t size = h.header32(at + 8);
        if (size == 0 || size % 4096 != 0 || pos + size > bins) {
            problems.push_back("bad bin size at " + std::to_string(pos));
            break;
        }
        std::size_t cell = pos + 32;
        bool first = true;
        while (cell < pos + size) {
            const auto raw = static_cast<std::int32_t>(h.header32(kBase + cell));
            const std::size_t csize = raw < 0 ? static_cast<std::size_t>(-static_cast<std::int64_t>(raw))
                                              : static_cast<std::size_t>(raw);
            if (csize < 8 || csize % 8 != 0 || cell + csize > pos + size) {
                problems.push_back("cell at " + std::to_string(cell) + " crosses its bin");
                break;
            }
            if (raw > 0 && cell + csize != pos + size)
                problems.push_back("free cell at " + std::to_string(cell) + " is not the tail of its bin");
            if (raw < 0 && csize > 4096 - 32 && !(first && size == (csize + 32 + 4095) / 4096 * 4096))
                problems.push_back("big cell at " + std::to_string(cell) + " does not have a bin of its own size");
            first = false;
            cell += csize;
        }
        pos += size;
    }
    return problems;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines)
        out += l + "\n";
    return out;
}

std::u16string u16(const std::string& ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

std::u16string numbered(const char16_t* prefix, std::size_t n)
{
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
        n /= 10;
    } while (n != 0);
    return prefix + digits;
}

std::vector<std::uint8_t> pattern(std::size_t size, std::uint8_t seed)
{
    std::vector<std::uint8_t> out(size);
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& byte : out) {
        x = x * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(x >> 16);
    }
    return out;
}

} // namespace hive_test
