#include "platform/registry/ansi_text.h"

#include "platform/codepage.h"

namespace platform {
namespace {

QString qstring_of(std::u16string_view units)
{
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

std::u16string units_of(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

} // namespace

std::u16string ansi_to_utf16(std::string_view ansi) { return units_of(from_ansi(ansi)); }

std::string utf16_to_ansi(std::u16string_view text) { return to_ansi(qstring_of(text)); }

std::string to_ansi(const QString& text) { return to_cp1252(text).toStdString(); }

QString from_ansi(std::string_view ansi)
{
    return from_cp1252(QByteArray(ansi.data(), static_cast<qsizetype>(ansi.size())));
}

} // namespace platform
