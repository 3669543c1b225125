#pragma once
// "Held by another process": what a Windows program meets as a sharing violation. A host file counts as held when
// another process has an advisory lock on it (flock or a POSIX record lock), when it is one of the hives the
// running system keeps loaded (the logged-on user's, HKEY_LOCAL_MACHINE's and .DEFAULT's), or when it is the hive
// file of a mount in the machine's mount table.

#include "platform/machine/machine.h"
#include "platform/machine/mount_table.h"

#include <QString>

namespace platform {

class HeldFiles {
public:
    explicit HeldFiles(const Machine& machine);
    bool is_held(const QString& host_path) const;

private:
    Machine machine_;
    MountTable mounts_;
};

// True when another process holds an advisory lock on the host file.
bool locked_by_another_process(const QString& host_path);

} // namespace platform
