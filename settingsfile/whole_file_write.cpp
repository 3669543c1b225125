#include "settingsfile/whole_file_write.h"

#include "platform/file_attributes.h"
#include "platform/held_files.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settingsfile {

namespace {

constexpr std::uint32_t kept_attributes = platform::attr_hidden | platform::attr_system | platform::attr_archive;

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

mode_t new_file_mode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Every byte or nothing: a short write (a full disk, a size limit) is a failure, not a success.
bool write_all(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

// The temporary file beside `target`, written, flushed and closed; its name, or empty when that failed.
QByteArray write_temporary(const QString& target, const QByteArray& bytes, mode_t mode)
{
    const QFileInfo info(target);
    QByteArray name = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()
                                        + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return {};
    const bool written = ::fchmod(fd, mode) == 0 && write_all(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written) {
        ::unlink(name.constData());
        return {};
    }
    return name;
}

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

    const QString& target = mapped.path;
    const QFileInfo info(target);
    if (!QFileInfo(info.absolutePath()).isDir())
        return platform::vb::path_not_found;
    std::uint32_t old_attributes = 0;
    mode_t mode = new_file_mode();
    if (info.exists()) {
        if (info.isDir())
            return platform::vb::path_file_access;
        if (platform::HeldFiles(machine).is_held(target))
            return platform::vb::permission_denied;
        old_attributes = platform::host_attributes(target).value_or(0);
        if (old_attributes & platform::attr_readonly)
            return platform::vb::path_file_access;
        struct stat st;
        if (::stat(QFile::encodeName(target).constData(), &st) == 0)
            mode = st.st_mode & 07777;
    }

    const QByteArray temporary = write_temporary(target, bytes, mode);
    if (temporary.isEmpty())
        return platform::vb::device_io_error;
    if (::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        ::unlink(temporary.constData());
        return platform::vb::path_file_access;
    }
    if (old_attributes & kept_attributes)
        platform::set_host_attributes(target, old_attributes & kept_attributes);
    return platform::vb::ok;
}

} // namespace settingsfile
