#include "platform/held_files.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool same_file(const QString& a, const struct stat& b)
{
    struct stat st;
    return ::stat(QFile::encodeName(a).constData(), &st) == 0 && st.st_dev == b.st_dev && st.st_ino == b.st_ino;
}

} // namespace

bool locked_by_another_process(const QString& host_path)
{
    const int fd = ::open(QFile::encodeName(host_path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    bool held = false;
    // A short try of our own exclusive lock: it fails while anyone else holds one of either kind.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        held = errno == EWOULDBLOCK;
    else
        ::flock(fd, LOCK_UN);
    if (!held) {
        struct flock probe = {};
        probe.l_type = F_WRLCK;
        probe.l_whence = SEEK_SET;
        probe.l_start = 0;
        probe.l_len = 0;
        held = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    }
    ::close(fd);
    return held;
}

HeldFiles::HeldFiles(const Machine& machine) : machine_(machine), mounts_(machine) {}

bool HeldFiles::is_held(const QString& host_path) const
{
    struct stat wanted;
    if (::stat(QFile::encodeName(host_path).constData(), &wanted) != 0 || !S_ISREG(wanted.st_mode))
        return false;
    const HiveFiles hives = machine_.hive_files();
    for (const QString* hive : {&hives.current_user, &hives.software, &hives.system, &hives.default_user}) {
        const HostPath mapped = machine_.to_host(*hive);
        if (mapped.ok() && same_file(mapped.path, wanted))
            return true;
    }
    return mounts_.is_mounted(host_path) || locked_by_another_process(host_path);
}

} // namespace platform
