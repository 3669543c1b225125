#include "mount_commands.h"

#include "platform/command_line.h"
#include "platform/file_attributes.h"
#include "platform/held_files.h"
#include "platform/hive/hive.h"
#include "platform/is_admin.h"
#include "platform/machine/mount_table.h"
#include "platform/process.h"
#include "platform/registry/hive_bytes.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <new>
#include <vector>

#include <sys/stat.h>

namespace regg {
namespace {

using platform::Machine;
using platform::Mount;

bool same_file(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool reserved_name(const Machine& machine, const QString& name)
{
    if (name.compare(QLatin1String(".DEFAULT"), Qt::CaseInsensitive) == 0)
        return true;
    for (const platform::Account& account : machine.facts().accounts) {
        if (account.name.compare(machine.facts().user, Qt::CaseInsensitive) == 0 &&
            account.sid.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

Outcome refuse(QString* why, const QString& text)
{
    if (why)
        *why = text;
    return Outcome::refused;
}

const QString needs_admin = QStringLiteral("loading and unloading hives needs the administrator's rights");

} // namespace

QString mount_name(const QString& target)
{
    for (const char* prefix : {"HKU\\", "HKEY_USERS\\"}) {
        const QLatin1String p(prefix);
        if (target.startsWith(p, Qt::CaseInsensitive)) {
            const QString name = target.mid(p.size());
            if (name.isEmpty() || name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('\t')) ||
                name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')) || name.size() > 255)
                return {};
            return name;
        }
    }
    return {};
}

QString target_text(const QStringList& arguments, int leading)
{
    if (const std::optional<QString> written = platform::own_argument_text(arguments))
        return platform::text_after_arguments(*written, leading);
    return arguments.mid(leading).join(QLatin1Char(' '));
}

Outcome load(const Machine& machine, const QString& hive_file, const QString& name,
             const platform::ProcessIdentity& owner, QString* why)
{
    if (!platform::IsAdmin(machine))
        return refuse(why, needs_admin);
    if (reserved_name(machine, name))
        return refuse(why, QStringLiteral("HKU\\%1 is a hive of the running system").arg(name));
    const platform::HostPath host = machine.to_host_for_write(hive_file);
    if (!host.ok())
        return refuse(why, QStringLiteral("%1: not a file of the machine").arg(hive_file));
    const QFileInfo info(host.path);
    if (!info.isFile() || info.size() == 0)
        return refuse(why, QStringLiteral("%1: no hive file there").arg(hive_file));
    if (platform::HeldFiles(machine).is_held(host.path))
        return refuse(why, QStringLiteral("%1: in use by another process").arg(hive_file));

    QFile file(host.path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(why, QStringLiteral("%1: can't be read (%2)").arg(hive_file, file.errorString()));
    std::vector<std::uint8_t> bytes;
    try {
        if (!platform::read_hive_bytes(file.handle(), bytes))
            return refuse(why, QStringLiteral("%1: can't be read (%2)")
                                   .arg(hive_file, QString::fromLocal8Bit(std::strerror(errno))));
    } catch (const std::bad_alloc&) {
        return refuse(why, QStringLiteral("%1: too large to read").arg(hive_file));
    }
    std::string problem;
    const auto hive = hive::Hive::parse(bytes, &problem);
    if (!hive)
        return refuse(why, QStringLiteral("%1: not a readable hive (%2)").arg(hive_file, QString::fromStdString(problem)));
    // Its log was never replayed, or the file is read-only: it may be read, never written.
    const auto attributes = platform::host_attributes(host.path);
    const bool read_only = !hive->clean() || (attributes && (*attributes & platform::attr_readonly));

    platform::MountTable table(machine);
    QString refused;
    QString error;
    const bool written = table.update(
        [&](std::vector<Mount>& mounts) {
            for (const Mount& mount : mounts) {
                if (mount.name.compare(name, Qt::CaseInsensitive) == 0) {
                    refused = QStringLiteral("HKU\\%1 is mounted already").arg(name);
                    return false;
                }
                const platform::HostPath other = machine.to_host(mount.hive_file);
                if (other.ok() && same_file(other.path, host.path)) {
                    refused = QStringLiteral("%1: mounted already as HKU\\%2").arg(hive_file, mount.name);
                    return false;
                }
            }
            mounts.push_back({name, hive_file, read_only, owner});
            return true;
        },
        &error);
    if (!written) {
        if (why)
            *why = error;
        return Outcome::failed;
    }
    if (!refused.isEmpty())
        return refuse(why, refused);
    return Outcome::done;
}

Outcome unload(const Machine& machine, const QString& name, const platform::ProcessIdentity& caller, QString* why)
{
    if (!platform::IsAdmin(machine))
        return refuse(why, needs_admin);
    platform::MountTable table(machine);
    QString refused;
    QString error;
    const bool written = table.update(
        [&](std::vector<Mount>& mounts) {
            for (auto it = mounts.begin(); it != mounts.end(); ++it) {
                if (it->name.compare(name, Qt::CaseInsensitive) != 0)
                    continue;
                if (platform::held_by_another_process(*it, caller)) {
                    refused = QStringLiteral("HKU\\%1 is held by the running process %2").arg(name).arg(it->owner->pid);
                    return false;
                }
                mounts.erase(it);
                return true;
            }
            return false;
        },
        &error);
    if (!written) {
        if (why)
            *why = error;
        return Outcome::failed;
    }
    if (!refused.isEmpty())
        return refuse(why, refused);
    return Outcome::done;
}

} // namespace regg
