#include "testsupport/regf/names.h"

#include "testsupport/regf/upcase_table.h"

#include <algorithm>

namespace regf_checks {

char16_t upcase(char16_t c)
{
    if (c < u'a')
        return c;
    if (c <= u'z')
        return static_cast<char16_t>(c - u'a' + u'A');
    const UpcasePair* end = upcase_pairs + upcase_pair_count;
    const UpcasePair* it = std::lower_bound(upcase_pairs, end, c,
                                            [](const UpcasePair& p, char16_t v) { return p.from < v; });
    return it != end && it->from == c ? it->to : c;
}

int compare_names(std::u16string_view a, std::u16string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = int(upcase(a[i])) - int(upcase(b[i]));
        if (d != 0)
            return d;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

std::uint32_t lh_hash(std::u16string_view name)
{
    std::uint32_t h = 0;
    for (char16_t c : name)
        h = 37 * h + upcase(c);
    return h;
}

std::string to_utf8(std::u16string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        std::uint32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace regf_checks
