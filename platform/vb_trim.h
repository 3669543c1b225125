#pragma once
// VB's Trim: blanks (spaces only, not tabs or NULs) removed at both ends.

#include <QString>

namespace platform {

QString vb_trim(const QString& text);

} // namespace platform
