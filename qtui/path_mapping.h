#pragma once
// The machine's drives as the file dialogs see them: Windows paths in, Windows paths out. What a path names
// is looked up through the machine's own mapping, so a host path never shows and a link that leads out of a
// drive leads nowhere.

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace platform {
class Machine;
}

namespace qtui {

enum class PathKind { Missing, File, Folder };

struct FolderEntry {
    QString name;
    bool folder = false;
};

class PathMapping {
public:
    // No drives at all.
    PathMapping() = default;
    // `machine` must outlive the mapping.
    explicit PathMapping(const platform::Machine& machine) : machine_(&machine) {}

    // The drive letters, in order.
    std::vector<QChar> drives() const;
    bool hasDrive(QChar letter) const;
    // The folder to start in when nothing else is asked: the root of drive C, else of the first drive; "" for
    // a machine without drives.
    QString startFolder() const;

    // What a full Windows path names; Missing also for a path the machine refuses (a link out of its drive).
    PathKind kind(const QString& path) const;
    // The path normalised, with the spelling of the entries that exist ("c:/tools/WINWORD.EXE" is
    // "C:\Tools\winword.exe"); a missing last name keeps the spelling given.
    QString spelled(const QString& path) const;
    // A folder's sub-folders, then its files that match one of `patterns` (all files when there is none),
    // each sorted by name without regard to case. Hidden entries and entries the machine refuses are left
    // out. std::nullopt when the folder can't be listed.
    std::optional<std::vector<FolderEntry>> list(const QString& folder, const QStringList& patterns) const;

private:
    const platform::Machine* machine_ = nullptr;
};

std::unique_ptr<PathMapping> machinePathMapping(const platform::Machine& machine);

} // namespace qtui
