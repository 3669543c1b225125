#pragma once
// Windows-1252, the system code page of the 8-bit "A" calls, files and profile strings.

#include <QByteArray>
#include <QString>

namespace platform {

// Each character to one byte; a character the code page lacks becomes '?' (a surrogate pair counts as one).
QByteArray to_cp1252(const QString& text);
// Each byte to one character. The five bytes the code page leaves free (81, 8D, 8F, 90, 9D) become the control
// characters of the same number, as Windows does, so they come back unchanged.
QString from_cp1252(const QByteArray& bytes);

} // namespace platform
