#include "platform/like_pattern.h"

#include <vector>

namespace platform {

namespace {

// Matches one bracketed list at pattern[p] (just after "[") against c; `end` gets the index after "]".
bool list_matches(const QString& pattern, qsizetype p, QChar c, qsizetype* end, bool* malformed)
{
    bool negate = false;
    if (p < pattern.size() && pattern[p] == QLatin1Char('!')) {
        negate = true;
        ++p;
    }
    bool hit = false;
    while (p < pattern.size() && pattern[p] != QLatin1Char(']')) {
        const QChar low = pattern[p];
        if (p + 2 < pattern.size() && pattern[p + 1] == QLatin1Char('-') && pattern[p + 2] != QLatin1Char(']')) {
            if (c >= low && c <= pattern[p + 2])
                hit = true;
            p += 3;
        } else {
            if (c == low)
                hit = true;
            ++p;
        }
    }
    if (p >= pattern.size()) {
        *malformed = true;
        return false;
    }
    *end = p + 1;
    return hit != negate;
}

bool match_one(const QString& pattern, qsizetype& p, QChar c, bool* malformed)
{
    const QChar token = pattern[p];
    if (token == QLatin1Char('?')) {
        ++p;
        return true;
    }
    if (token == QLatin1Char('#')) {
        ++p;
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    }
    if (token == QLatin1Char('[')) {
        qsizetype end = p;
        const bool hit = list_matches(pattern, p + 1, c, &end, malformed);
        p = end;
        return hit;
    }
    ++p;
    return token == c;
}

} // namespace

bool like(const QString& text, const QString& pattern)
{
    // Iterative matching with one back-track point for the last "*".
    qsizetype t = 0;
    qsizetype p = 0;
    qsizetype star_p = -1;
    qsizetype star_t = 0;
    bool malformed = false;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            star_p = ++p;
            star_t = t;
            continue;
        }
        if (p < pattern.size()) {
            qsizetype next = p;
            if (match_one(pattern, next, text[t], &malformed)) {
                p = next;
                ++t;
                continue;
            }
            if (malformed)
                return false;
        }
        if (star_p < 0)
            return false;
        p = star_p;
        t = ++star_t;
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace platform
