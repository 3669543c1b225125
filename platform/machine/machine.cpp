#include "platform/machine/machine.h"

#include "platform/machine/machine_config.h"
#include "platform/machine/windows_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool inside_folder(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

// The entry of `folder` whose name is `name` without regard to case: the exact spelling when it exists, else the
// first match in sorted order, else "".
QString find_entry(const QString& folder, const QString& name)
{
    struct stat st;
    if (::lstat(QFile::encodeName(folder + QLatin1Char('/') + name).constData(), &st) == 0)
        return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

} // namespace

QString Machine::config_file_name() { return QStringLiteral("machine.ini"); }

std::optional<Machine> Machine::open(const QString& folder, QString* error)
{
    const QString absolute = QDir::cleanPath(QDir().absoluteFilePath(folder));
    const QString path = absolute + QLatin1Char('/') + config_file_name();
    QFile file(path);
    if (!file.exists()) {
        if (error)
            *error = QStringLiteral("%1: the machine's configuration file is missing").arg(path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: can't be read (%2)").arg(path, file.errorString());
        return std::nullopt;
    }
    auto facts = parse_machine_config(file.readAll(), path, absolute, error);
    if (!facts)
        return std::nullopt;
    Machine m;
    m.folder_ = absolute;
    m.facts_ = std::move(*facts);
    return m;
}

std::optional<Machine> Machine::from_facts(const QString& folder, MachineFacts facts, QString* error)
{
    const QString problem = check_machine_facts(facts);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    Machine m;
    m.folder_ = QDir::cleanPath(QDir().absoluteFilePath(folder));
    for (Drive& d : facts.drives) {
        d.letter = d.letter.toUpper();
        d.host_folder = QDir::cleanPath(QDir(m.folder_).absoluteFilePath(d.host_folder));
    }
    std::sort(facts.drives.begin(), facts.drives.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    for (QString* dir : {&facts.windows_dir, &facts.system_dir, &facts.profiles_dir, &facts.program_dir})
        if (!dir->isEmpty())
            *dir = normalize_windows_path(*dir);
    m.facts_ = std::move(facts);
    return m;
}

QString Machine::config_path() const { return folder_ + QLatin1Char('/') + config_file_name(); }

std::uint32_t Machine::logical_drives() const
{
    std::uint32_t mask = 0;
    for (const Drive& d : facts_.drives)
        mask |= 1u << (d.letter.unicode() - 'A');
    return mask;
}

QString Machine::drive_folder(QChar letter) const
{
    const QChar upper = letter.toUpper();
    for (const Drive& d : facts_.drives)
        if (d.letter == upper)
            return d.host_folder;
    return {};
}

HostPath Machine::to_host(const QString& windows_path) const
{
    const auto parsed = parse_windows_path(windows_path);
    if (!parsed)
        return {QString(), PathError::invalid};
    const QString root = drive_folder(parsed->drive);
    if (root.isEmpty())
        return {QString(), PathError::no_drive};
    // The drive's own folder may be a link; what counts as inside is where it leads.
    QString real_root = QFileInfo(root).canonicalFilePath();
    if (real_root.isEmpty())
        real_root = root;

    HostPath result;
    QString current = root;
    bool exists = true;
    for (qsizetype i = 0; i < parsed->components.size(); ++i) {
        const QString& name = parsed->components[i];
        const bool last = i + 1 == parsed->components.size();
        QString entry;
        if (exists) {
            entry = find_entry(current, name);
            exists = !entry.isEmpty();
        }
        current += QLatin1Char('/') + (exists ? entry : name);
        if (!exists)
            continue;
        const QFileInfo info(current);
        if (!info.isSymLink())
            continue;
        const QString target = info.canonicalFilePath();
        if (target.isEmpty())
            return {QString(), PathError::escapes}; // a link that leads nowhere could still create a file anywhere
        if (inside_folder(target, real_root))
            continue;
        // An installed program is a link to a host executable: it may be read and run, never written through.
        const QFileInfo t(target);
        if (last && t.isFile() && t.isExecutable()) {
            result.outside_link = true;
            continue;
        }
        return {QString(), PathError::escapes};
    }
    result.path = current;
    return result;
}

HostPath Machine::to_host_for_write(const QString& windows_path) const
{
    HostPath mapped = to_host(windows_path);
    if (!mapped.ok())
        return mapped;
    if (mapped.outside_link)
        return {QString(), PathError::escapes};
    const QFileInfo info(mapped.path);
    if (info.isSymLink())
        mapped.path = info.canonicalFilePath(); // to_host made sure it leads to a file inside the drive
    return mapped;
}

std::optional<QString> Machine::to_windows(const QString& host_path) const
{
    const QString clean = QDir::cleanPath(QDir().absoluteFilePath(host_path));
    const QString real = QFileInfo(clean).canonicalFilePath();
    for (const Drive& d : facts_.drives) {
        const QString real_root = QFileInfo(d.host_folder).canonicalFilePath();
        const std::pair<QString, QString> tries[] = {{clean, d.host_folder}, {real, real_root}};
        for (const auto& [path, folder] : tries) {
            if (path.isEmpty() || folder.isEmpty() || !inside_folder(path, folder))
                continue;
            QString rest = path.mid(folder.size());
            while (rest.startsWith(QLatin1Char('/')))
                rest.remove(0, 1);
            rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
            return QString(d.letter) + QLatin1String(":\\") + rest;
        }
    }
    return std::nullopt;
}

QString Machine::profile_dir(const QString& account) const
{
    if (facts_.profiles_dir.isEmpty())
        return {};
    return facts_.profiles_dir + (facts_.profiles_dir.endsWith(QLatin1Char('\\')) ? QString() : QStringLiteral("\\"))
           + account;
}

HiveFiles Machine::hive_files() const
{
    const QString win = facts_.windows_dir.endsWith(QLatin1Char('\\')) ? facts_.windows_dir
                                                                      : facts_.windows_dir + QLatin1Char('\\');
    HiveFiles h;
    if (is_nt_family()) {
        const QString config = facts_.system_dir + QStringLiteral("\\config\\");
        h.software = config + QStringLiteral("SOFTWARE");
        h.system = config + QStringLiteral("SYSTEM");
        h.default_user = config + QStringLiteral("DEFAULT");
        h.current_user = profile_dir(facts_.user) + QStringLiteral("\\NTUSER.DAT");
    } else {
        h.software = h.system = win + QStringLiteral("SYSTEM.DAT");
        h.default_user = h.current_user = win + QStringLiteral("USER.DAT");
    }
    return h;
}

QString Machine::mount_table_path() const { return folder_ + QStringLiteral("/mounts.txt"); }
QString Machine::mount_lock_path() const { return folder_ + QStringLiteral("/mounts.lock"); }

} // namespace platform
