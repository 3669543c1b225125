#include "qtui/path_mapping.h"

#include "controls/machine_folder.h"
#include "platform/file_attributes.h"
#include "platform/machine/machine.h"
#include "platform/machine/windows_path.h"
#include "platform/win32_files.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace qtui {

std::vector<QChar> PathMapping::drives() const
{
    std::vector<QChar> out;
    if (machine_)
        for (const platform::Drive& d : machine_->facts().drives)
            out.push_back(d.letter);
    return out;
}

bool PathMapping::hasDrive(QChar letter) const
{
    return machine_ && !machine_->drive_folder(letter).isEmpty();
}

QString PathMapping::startFolder() const
{
    if (!machine_)
        return {};
    const QChar drive = controls::startDrive(*machine_);
    return drive.isNull() ? QString() : QString(drive) + QStringLiteral(":\\");
}

PathKind PathMapping::kind(const QString& path) const
{
    if (!machine_)
        return PathKind::Missing;
    const platform::HostPath host = machine_->to_host(path);
    if (!host.ok())
        return PathKind::Missing;
    const QFileInfo info(host.path);
    if (info.isDir())
        return PathKind::Folder;
    return info.exists() ? PathKind::File : PathKind::Missing;
}

QString PathMapping::spelled(const QString& path) const
{
    const QString normal = platform::normalize_windows_path(path);
    if (!machine_ || normal.isEmpty())
        return normal;
    const platform::HostPath host = machine_->to_host(normal);
    if (!host.ok())
        return normal;
    return machine_->to_windows(host.path).value_or(normal);
}

std::optional<std::vector<FolderEntry>> PathMapping::list(const QString& folder, const QStringList& patterns) const
{
    if (!machine_)
        return std::nullopt;
    const auto all = platform::win32::find_all(*machine_, controls::childPath(folder, QStringLiteral("*")));
    if (!all)
        return std::nullopt;

    // Only what the machine itself would open: a link out of the drive is not there.
    const auto shown = [&](const platform::win32::FindData& e) {
        return e.name != QLatin1String(".") && e.name != QLatin1String("..") && !(e.attributes & platform::attr_hidden)
            && machine_->to_host(controls::childPath(folder, e.name)).ok();
    };

    std::vector<FolderEntry> folders;
    for (const auto& e : *all)
        if ((e.attributes & platform::attr_directory) && shown(e))
            folders.push_back({e.name, true});

    std::vector<FolderEntry> files;
    QSet<QString> seen;
    const QStringList wanted = patterns.isEmpty() ? QStringList{QStringLiteral("*")} : patterns;
    for (const QString& pattern : wanted) {
        const auto found = platform::win32::find_all(*machine_, controls::childPath(folder, pattern));
        if (!found)
            continue;
        for (const auto& e : *found)
            if (!(e.attributes & platform::attr_directory) && shown(e) && !seen.contains(e.name.toCaseFolded())) {
                seen.insert(e.name.toCaseFolded());
                files.push_back({e.name, false});
            }
    }

    const auto byName = [](const FolderEntry& a, const FolderEntry& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    folders.insert(folders.end(), files.begin(), files.end());
    return folders;
}

std::unique_ptr<PathMapping> machinePathMapping(const platform::Machine& machine)
{
    return std::make_unique<PathMapping>(machine);
}

} // namespace qtui
