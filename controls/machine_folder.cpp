#include "controls/machine_folder.h"

#include "platform/machine/windows_path.h"

#include <QFileInfo>

namespace controls {

FolderListing listFolder(const platform::Machine& machine, const QString& path, const QString& pattern)
{
    FolderListing out;
    QString full = path;
    if (full.size() == 2 && full[1] == QLatin1Char(':'))
        full += QLatin1Char('\\');
    if (full.size() >= 2 && full[0].isLetter() && full[1] == QLatin1Char(':')) {
        const QString driveFolder = machine.drive_folder(full[0]);
        // A drive that is not mapped, or whose folder is gone, is a drive without medium.
        if (driveFolder.isEmpty() || !QFileInfo(driveFolder).isDir()) {
            out.error = errorDeviceUnavailable;
            return out;
        }
    }
    const QString normal = platform::normalize_windows_path(full);
    if (normal.isEmpty()) {
        out.error = errorPathNotFound;
        return out;
    }
    const auto found = platform::win32::find_all(machine, childPath(normal, pattern));
    if (!found) {
        out.error = errorPathNotFound;
        return out;
    }
    out.path = normal;
    for (const auto& e : *found)
        if (e.name != QLatin1String(".") && e.name != QLatin1String(".."))
            out.entries.push_back(e);
    return out;
}

QString childPath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('\\')) ? folder + name : folder + QLatin1Char('\\') + name;
}

QChar startDrive(const platform::Machine& machine)
{
    if (!machine.drive_folder(QLatin1Char('C')).isEmpty())
        return QLatin1Char('C');
    const auto& drives = machine.facts().drives;
    return drives.empty() ? QChar() : drives.front().letter;
}

} // namespace controls
