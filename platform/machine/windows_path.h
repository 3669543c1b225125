#pragma once
// Full Windows paths taken apart the way the machine's path mapping needs them.

#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

struct WindowsPath {
    QChar drive;            // upper case
    QStringList components; // no empty, "." or ".." component; empty for the drive's root
};

// Accepts "C:\a\b" and "c:/a/b" (both separators, repeated ones count once, "." skipped, trailing dots and
// blanks of a name dropped as Windows drops them). std::nullopt for anything but a full path on a drive letter,
// for "..", NUL, control characters and the characters Windows refuses in names (< > : " | ? *).
std::optional<WindowsPath> parse_windows_path(const QString& path);

// "C:\a\b"; the root is "C:\".
QString format_windows_path(const WindowsPath& path);

// The normalised form of a full Windows path, or "" when parse_windows_path refuses it.
QString normalize_windows_path(const QString& path);

} // namespace platform
