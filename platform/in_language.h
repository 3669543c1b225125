#pragma once
// Every text the user sees exists in German and English; the language code chooses: 0 German, 1 English.

#include <QString>

namespace platform {

inline constexpr int german = 0;
inline constexpr int english = 1;

inline QString in_language(int language, const QString& german_text, const QString& english_text)
{
    return language == german ? german_text : english_text;
}

} // namespace platform
