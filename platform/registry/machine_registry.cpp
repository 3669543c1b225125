#include "platform/registry/machine_registry.h"

#include "platform/machine/mount_table.h"
#include "platform/process.h"
#include "platform/registry/hive_file.h"
#include "platform/registry/win32_registry.h"

#include <QFile>

#include <memory>

#include <sys/stat.h>

namespace platform {
namespace {

// Every hive may be written, so it is mapped as a file to be written: a link out of the drive serves no hive.
QString host_of(const Machine& machine, const QString& windows_path)
{
    const HostPath mapped = machine.to_host_for_write(windows_path);
    return mapped.ok() ? mapped.path : QString();
}

// The mount table read again only when its file was replaced: a mount or dismount renames a new table over it.
class MountCache {
public:
    explicit MountCache(const Machine& machine) : machine_(machine), table_(machine) {}

    std::vector<MountedHive> mounts()
    {
        struct stat st {};
        const bool exists = ::stat(QFile::encodeName(machine_.mount_table_path()).constData(), &st) == 0;
        const FileStamp now = exists ? FileStamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec}
                                     : FileStamp{};
        if (read_ && now == stamp_)
            return mounts_;
        read_ = true;
        stamp_ = now;
        mounts_.clear();
        for (const Mount& mount : table_.list().value_or(std::vector<Mount>{})) {
            const QString host = host_of(machine_, mount.hive_file);
            if (!host.isEmpty())
                mounts_.push_back({mount.name, host, mount.read_only});
        }
        return mounts_;
    }

private:
    Machine machine_;
    MountTable table_;
    bool read_ = false;
    FileStamp stamp_;
    std::vector<MountedHive> mounts_;
};

} // namespace

RegistryLayout registry_layout(const Machine& machine)
{
    const MachineFacts& facts = machine.facts();
    const HiveFiles hives = machine.hive_files();
    RegistryLayout layout;
    layout.nt_family = machine.is_nt_family();
    // The kernel's access check sees every group of the token.
    layout.user_is_admin = facts.groups.contains(QLatin1String(administrators_sid), Qt::CaseInsensitive);
    layout.software = host_of(machine, hives.software);
    layout.system = host_of(machine, hives.system);
    layout.whole_machine_hive = !layout.nt_family;
    layout.current_user = host_of(machine, hives.current_user);
    layout.default_user = host_of(machine, hives.default_user);
    for (const Account& account : facts.accounts) {
        if (account.name.compare(facts.user, Qt::CaseInsensitive) == 0)
            layout.current_user_sid = account.sid;
    }
    auto cache = std::make_shared<MountCache>(machine);
    layout.mounts = [cache] { return cache->mounts(); };
    return layout;
}

void flush_before_starts(Registry& registry, Processes& processes)
{
    // The program started sees what could be written. What could not stays pending, and the save that made it
    // tells its own failure when it ends.
    processes.before_start = [&registry] { (void)registry.flush_all(); };
}

} // namespace platform
