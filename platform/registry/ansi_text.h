#pragma once
// Texts cross the registry calls as 8-bit bytes of the system code page (Windows-1252), as the "A" forms of the
// Win32 registry functions take them; the hives hold UTF-16.

#include <QString>

#include <string>
#include <string_view>

namespace platform {

std::u16string ansi_to_utf16(std::string_view ansi);
// A unit that the code page can't hold becomes "?", as Windows converts it.
std::string utf16_to_ansi(std::u16string_view text);

std::string to_ansi(const QString& text);
QString from_ansi(std::string_view ansi);

} // namespace platform
