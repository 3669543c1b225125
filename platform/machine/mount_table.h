#pragma once
// The hives mounted under HKEY_USERS, shared by every process of one machine. The table is a file in the machine
// folder; a change is a read-modify-write under the exclusive lock of a lock file and replaces the table file
// atomically, so a reader needs no lock. A lock that another process holds is waited for a short time only.

#include "platform/machine/machine.h"
#include "platform/process_identity.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace platform {

struct Mount {
    QString name;           // the sub-key of HKEY_USERS; compared without regard to case
    QString hive_file;      // Windows path of the hive file
    bool read_only = false;
    // The process that made the mount: it alone may dismount it while it runs. None in a table written before
    // mounts had owners: such a mount is stale, as is one whose process has ended.
    std::optional<ProcessIdentity> owner = std::nullopt;
};

// True while the mount's own process runs and is not `caller`: on Windows a hive that another process holds
// can't be unloaded.
bool held_by_another_process(const Mount& mount, const ProcessIdentity& caller);

enum class MountChange { added, replaced, removed, not_found, failed };

class MountTable {
public:
    explicit MountTable(const Machine& machine);

    // Every mount in the order of mounting; std::nullopt when the table can't be read.
    std::optional<std::vector<Mount>> list(QString* error = nullptr) const;
    std::optional<Mount> find(const QString& name, QString* error = nullptr) const;
    // Adds a mount, or replaces the one of the same name (added / replaced; failed with a message).
    MountChange add(const Mount& mount, QString* error = nullptr);
    // removed / not_found; failed with a message.
    MountChange remove(const QString& name, QString* error = nullptr);
    // True when the host file is the hive file of a mount (the same file, whatever name leads to it).
    bool is_mounted(const QString& host_path) const;
    // True when HKEY_USERS\<name> is the mount of that hive file (a Windows path; the same file, whatever name
    // leads to it) that `owner` made.
    bool is_mount_of(const QString& name, const QString& hive_file, const ProcessIdentity& owner) const;

    // Read-modify-write under the exclusive lock. `change` edits the list and returns true to have it written;
    // false leaves the table as it was. Returns false (with a message) when the table can't be locked, read or
    // written, or a name is empty or holds a tab or line break.
    bool update(const std::function<bool(std::vector<Mount>&)>& change, QString* error = nullptr);

private:
    Machine machine_;
};

} // namespace platform
