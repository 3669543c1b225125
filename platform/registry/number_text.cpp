#include "platform/registry/number_text.h"

#include <cfenv>
#include <cmath>
#include <charconv>
#include <limits>
#include <string>

namespace platform {
namespace {

int digit_value(char c, int radix)
{
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < radix ? d : -1;
}

std::optional<double> radix_number(const std::string& s, std::size_t at, int radix)
{
    std::uint64_t value = 0;
    for (; at < s.size(); ++at) {
        const int d = digit_value(s[at], radix);
        if (d < 0)
            break;
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (value <= 0xFFFF)
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<double> val_of_text(const QString& text)
{
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n')
            continue;
        // Anything beyond ASCII ends the number anyway.
        s.push_back(u < 0x80 ? static_cast<char>(u) : '\x7f');
    }

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'h' || s[1] == 'H')
            return radix_number(s, 2, 16);
        if (s[1] == 'o' || s[1] == 'O')
            return radix_number(s, 2, 8);
        return 0.0;
    }

    // The longest prefix of the form [sign] digits [. digits] [(E|D) [sign] digits].
    std::string number;
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    bool digits = false;
    while (i < s.size() && is_digit(s[i])) {
        number.push_back(s[i++]);
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        while (i < s.size() && is_digit(s[i])) {
            number.push_back(s[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    bool tiny_exponent = false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        if (j < s.size() && is_digit(s[j])) {
            while (j < s.size() && is_digit(s[j]))
                exponent.push_back(s[j++]);
            tiny_exponent = exponent[1] == '-';
            number += exponent;
        }
    }
    // from_chars, unlike strtod, does not follow the locale's decimal separator.
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        if (!tiny_exponent)
            return std::nullopt;
        value = 0;
    } else if (ec != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<std::int32_t> round_to_int32(double number)
{
    if (!std::isfinite(number))
        return std::nullopt;
    const int old_mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(number);
    std::fesetround(old_mode);
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

} // namespace platform
