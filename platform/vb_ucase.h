#pragma once
// VB's UCase as Windows does it: each UTF-16 unit on its own becomes its single upper-case unit, so the
// length never changes ("straße.exe" gives "STRAßE.EXE", a name of the same file; a locale's upper-casing
// would give "STRASSE.EXE").

#include <QString>

namespace platform {

QString vb_ucase(const QString& text);

} // namespace platform
