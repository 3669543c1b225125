#include "settingsfile/whole_file_write.h"

#include "platform/file_attributes.h"
#include "platform/file_lock.h"
#include "platform/held_files.h"
#include "platform/registry/file_replace.h"

#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <span>

#include <fcntl.h>
#include <unistd.h>

namespace settingsfile {

namespace {

int path_error(platform::PathError error)
{
    switch (error) {
    case platform::PathError::none:
        return platform::vb::ok;
    case platform::PathError::no_drive:
        return platform::vb::path_not_found;
    case platform::PathError::invalid:
        return platform::vb::bad_file_number;
    case platform::PathError::escapes:
        return platform::vb::path_file_access;
    }
    return platform::vb::path_file_access;
}

// The folder of the file being saved, locked: a file's temporary name is fixed, so saves into one folder take
// turns (the hive writer locks the folder the same way). A save waits a bounded time for another one, never for
// a process that stopped while holding the lock.
class LockedFolder {
public:
    explicit LockedFolder(const QString& folder)
        : fd_(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
        , locked_(fd_ >= 0 && platform::lock_exclusive(fd_) == platform::LockResult::locked)
    {
    }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;
    ~LockedFolder()
    {
        if (fd_ >= 0)
            ::close(fd_); // ends the lock
    }
    bool opened() const { return fd_ >= 0; }
    bool locked() const { return locked_; }
    int fd() const { return fd_; }

private:
    int fd_;
    bool locked_;
};

} // namespace

int write_whole_file(const platform::Machine& machine, const platform::VbFiles& files, const QString& path,
                     const QByteArray& bytes)
{
    if (path.isEmpty())
        return platform::vb::bad_file_number;
    // A link inside the drive stays a link: the file it leads to gets the new content.
    const platform::HostPath mapped = machine.to_host_for_write(files.full_path(path));
    if (!mapped.ok())
        return path_error(mapped.error);

    const QFileInfo info(mapped.path);
    if (!QFileInfo(info.absolutePath()).isDir())
        return platform::vb::path_not_found;
    if (info.exists()) {
        if (info.isDir())
            return platform::vb::path_file_access;
        if (platform::HeldFiles(machine).is_held(mapped.path))
            return platform::vb::permission_denied;
        const auto attributes = platform::host_attributes(mapped.path);
        if (attributes && (*attributes & platform::attr_readonly))
            return platform::vb::path_file_access;
    }

    const LockedFolder folder(info.absolutePath());
    if (!folder.opened())
        return platform::vb::path_file_access;
    if (!folder.locked())
        return platform::vb::permission_denied;
    const std::span content(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size()));
    // The folder not synced after the rename still leaves the new file in place: the save is done.
    if (platform::replace_file(folder.fd(), QFile::encodeName(mapped.path).toStdString(), content, {})
        == platform::ReplaceResult::failed)
        return platform::vb::device_io_error;
    return platform::vb::ok;
}

} // namespace settingsfile
