#include "platform/machine/mount_table.h"

#include "platform/file_lock.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString errno_text() { return QString::fromLocal8Bit(std::strerror(errno)); }

// The exclusive lock on the lock file for as long as the object lives.
class TableLock {
public:
    explicit TableLock(const QString& path)
    {
        // Never through a link: a link of that name would have the lock file made or opened outside the machine.
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                     0644);
        if (fd_ < 0) {
            error_ = QStringLiteral("%1: can't be opened (%2)").arg(path, errno_text());
            return;
        }
        struct stat st {};
        if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
            error_ = QStringLiteral("%1: not a file").arg(path);
            ::close(fd_);
            fd_ = -1;
            return;
        }
        const LockResult result = lock_exclusive(fd_);
        if (result == LockResult::locked)
            return;
        error_ = result == LockResult::busy
                     ? QStringLiteral("%1: held by another process for more than %2 ms").arg(path).arg(lock_wait.count())
                     : QStringLiteral("%1: can't be locked (%2)").arg(path, errno_text());
        ::close(fd_);
        fd_ = -1;
    }
    ~TableLock()
    {
        if (fd_ >= 0)
            ::close(fd_); // closing releases the lock
    }
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    bool held() const { return fd_ >= 0; }
    const QString& error() const { return error_; }

private:
    int fd_ = -1;
    QString error_;
};

const char header[] = "# HKEY_USERS mounts of this machine: name, read-only (0 or 1), hive file, process that mounted it "
                      "(id:start); one tab between\n";

bool valid_name(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('\t')) && !name.contains(QLatin1Char('\n'))
           && !name.contains(QLatin1Char('\r')) && !name.contains(QLatin1Char('\\'));
}

bool valid_file(const QString& file)
{
    return !file.isEmpty() && !file.contains(QLatin1Char('\t')) && !file.contains(QLatin1Char('\n'))
           && !file.contains(QLatin1Char('\r'));
}

std::optional<std::vector<Mount>> read_table(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.exists())
        return std::vector<Mount>{};
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: can't be read (%2)").arg(path, file.errorString());
        return std::nullopt;
    }
    std::vector<Mount> mounts;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        // A line of an older table has no owner field.
        const QStringList fields = line.split(QLatin1Char('\t'));
        const std::optional<ProcessIdentity> owner =
            fields.size() == 4 ? process_from_text(fields[3]) : std::nullopt;
        if ((fields.size() != 3 && !owner) || !valid_name(fields[0]) || !valid_file(fields[2])
            || (fields[1] != QLatin1String("0") && fields[1] != QLatin1String("1"))) {
            if (error)
                *error = QStringLiteral("%1:%2: not a mount line (name, 0 or 1, hive file, owner)").arg(path).arg(i + 1);
            return std::nullopt;
        }
        mounts.push_back({fields[0], fields[2], fields[1] == QLatin1String("1"), owner});
    }
    return mounts;
}

bool write_all(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// Written beside the table, flushed, then renamed over it: a reader sees the old table or the new one.
bool write_table(const QString& path, const std::vector<Mount>& mounts, QString* error)
{
    QByteArray bytes(header);
    for (const Mount& m : mounts) {
        QString line = m.name + QLatin1Char('\t') + (m.read_only ? QLatin1Char('1') : QLatin1Char('0'))
                       + QLatin1Char('\t') + m.hive_file;
        if (m.owner)
            line += QLatin1Char('\t') + to_text(*m.owner);
        bytes += (line + QLatin1Char('\n')).toUtf8();
    }
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = target + ".new";
    // Made anew, never opened through a link or a second name of another file: whatever has the temporary name
    // (left by a killed writer, or planted) goes first. The lock keeps every other writer away meanwhile.
    ::unlink(temporary.constData());
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    bool ok = fd >= 0 && write_all(fd, bytes) && ::fsync(fd) == 0;
    if (fd >= 0)
        ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.constData(), target.constData()) == 0;
    if (!ok) {
        if (error)
            *error = QStringLiteral("%1: can't be written (%2)").arg(path, errno_text());
        ::unlink(temporary.constData());
    }
    return ok;
}

// True when the Windows path leads to the file that `wanted` describes.
bool is_file(const Machine& machine, const QString& windows_path, const struct stat& wanted)
{
    const HostPath mapped = machine.to_host(windows_path);
    struct stat st;
    return mapped.ok() && ::stat(QFile::encodeName(mapped.path).constData(), &st) == 0 && st.st_dev == wanted.st_dev
           && st.st_ino == wanted.st_ino;
}

} // namespace

bool held_by_another_process(const Mount& mount, const ProcessIdentity& caller)
{
    return mount.owner && *mount.owner != caller && is_running(*mount.owner);
}

MountTable::MountTable(const Machine& machine) : machine_(machine) {}

std::optional<std::vector<Mount>> MountTable::list(QString* error) const
{
    // No lock: every change renames a whole new table over the old one.
    return read_table(machine_.mount_table_path(), error);
}

std::optional<Mount> MountTable::find(const QString& name, QString* error) const
{
    const auto mounts = list(error);
    if (!mounts)
        return std::nullopt;
    for (const Mount& m : *mounts)
        if (m.name.compare(name, Qt::CaseInsensitive) == 0)
            return m;
    return std::nullopt;
}

MountChange MountTable::add(const Mount& mount, QString* error)
{
    MountChange change = MountChange::failed;
    const bool ok = update(
        [&](std::vector<Mount>& mounts) {
            for (Mount& m : mounts)
                if (m.name.compare(mount.name, Qt::CaseInsensitive) == 0) {
                    m = mount;
                    change = MountChange::replaced;
                    return true;
                }
            mounts.push_back(mount);
            change = MountChange::added;
            return true;
        },
        error);
    return ok ? change : MountChange::failed;
}

MountChange MountTable::remove(const QString& name, QString* error)
{
    MountChange change = MountChange::failed;
    const bool ok = update(
        [&](std::vector<Mount>& mounts) {
            for (auto it = mounts.begin(); it != mounts.end(); ++it)
                if (it->name.compare(name, Qt::CaseInsensitive) == 0) {
                    mounts.erase(it);
                    change = MountChange::removed;
                    return true;
                }
            change = MountChange::not_found;
            return false;
        },
        error);
    return ok ? change : MountChange::failed;
}

bool MountTable::is_mounted(const QString& host_path) const
{
    struct stat wanted;
    if (::stat(QFile::encodeName(host_path).constData(), &wanted) != 0)
        return false;
    const auto mounts = list();
    if (!mounts)
        return false;
    for (const Mount& m : *mounts)
        if (is_file(machine_, m.hive_file, wanted))
            return true;
    return false;
}

bool MountTable::is_mount_of(const QString& name, const QString& hive_file, const ProcessIdentity& owner) const
{
    const auto mount = find(name);
    if (!mount || mount->owner != owner)
        return false;
    const HostPath asked = machine_.to_host(hive_file);
    struct stat wanted;
    return asked.ok() && ::stat(QFile::encodeName(asked.path).constData(), &wanted) == 0
           && is_file(machine_, mount->hive_file, wanted);
}

bool MountTable::update(const std::function<bool(std::vector<Mount>&)>& change, QString* error)
{
    const TableLock lock(machine_.mount_lock_path());
    if (!lock.held()) {
        if (error)
            *error = lock.error();
        return false;
    }
    auto mounts = read_table(machine_.mount_table_path(), error);
    if (!mounts)
        return false;
    if (!change(*mounts))
        return true;
    for (const Mount& m : *mounts)
        if (!valid_name(m.name) || !valid_file(m.hive_file)) {
            if (error)
                *error = QStringLiteral("a mount needs a name and a hive file without tab or line break, and a "
                                        "name without backslash: \"%1\"")
                             .arg(m.name);
            return false;
        }
    return write_table(machine_.mount_table_path(), *mounts, error);
}

} // namespace platform
