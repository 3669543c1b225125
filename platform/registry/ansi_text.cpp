#include "platform/registry/ansi_text.h"

#include <array>

namespace platform {
namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves undefined map to the C1 controls of the
// same value, as Windows' own conversion does, so every byte survives a round trip.
constexpr std::array<char16_t, 32> high_c1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t unit_of(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return high_c1[byte - 0x80];
    return byte;
}

char byte_of(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < high_c1.size(); ++i) {
        if (high_c1[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

std::u16string ansi_to_utf16(std::string_view ansi)
{
    std::u16string out;
    out.reserve(ansi.size());
    for (char c : ansi)
        out.push_back(unit_of(static_cast<unsigned char>(c)));
    return out;
}

std::string utf16_to_ansi(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        // A surrogate pair is one character and becomes one "?".
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        out.push_back(byte_of(unit));
    }
    return out;
}

std::string to_ansi(const QString& text)
{
    return utf16_to_ansi(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

QString from_ansi(std::string_view ansi)
{
    const std::u16string units = ansi_to_utf16(ansi);
    return QString(reinterpret_cast<const QChar*>(units.data()), static_cast<qsizetype>(units.size()));
}

} // namespace platform
