#pragma once
// Reading a folder of the machine for the drive, folder and file lists, with the error numbers those
// lists raise.

#include "platform/win32_files.h"

#include <QString>

#include <vector>

namespace controls {

inline constexpr int errorDeviceUnavailable = 68;
inline constexpr int errorPathNotFound = 76;

struct FolderListing {
    int error = 0;
    QString path; // normalised: "C:\WINDOWS", the root "C:\"
    std::vector<platform::win32::FindData> entries; // without "." and ".."
};

// `path` is a full Windows path or a drive alone ("c:", its root); `pattern` the names wanted.
FolderListing listFolder(const platform::Machine& machine, const QString& path,
                         const QString& pattern = QStringLiteral("*"));

// A path below `folder`: "C:\" + "x" is "C:\x", "C:\a" + "x" is "C:\a\x".
QString childPath(const QString& folder, const QString& name);

// The drive the lists start on: C when the machine has it, else its first drive; a null QChar for none.
QChar startDrive(const platform::Machine& machine);

} // namespace controls
