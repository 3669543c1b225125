#pragma once
// Readable QStrings in failure messages.

#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

#include "platform/registry/variant.h"

namespace platform {

inline void PrintTo(const Variant& value, std::ostream* out)
{
    if (value.is_empty())
        *out << "(empty)";
    else if (value.is_int())
        *out << "DWORD " << value.int_value();
    else
        *out << "SZ \"" << value.text_value().toStdString() << '"';
}

} // namespace platform
