#pragma once
// Readable QStrings and byte strings in failure messages.

#include <QByteArray>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

inline void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    *out << '"';
    for (char c : bytes) {
        if (c == '\r')
            *out << "\\r";
        else if (c == '\n')
            *out << "\\n\n";
        else if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
            *out << "\\x" << std::hex << (static_cast<unsigned>(c) & 0xff) << std::dec;
        else
            *out << c;
    }
    *out << '"';
}
