#include "platform/machine/sample_machine.h"

#include "platform/file_attributes.h"
#include "platform/machine/machine_config.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

const QString domain = QStringLiteral("S-1-5-21-1844237615-1960408961-1801674531");

struct SystemRow {
    SampleSystem system;
    const char* name;
    std::uint32_t platform_id, major, minor, build;
    const char* csd;
    const char* windows;
    const char* system_dir;
    const char* profiles;
};

const SystemRow rows[] = {
    {SampleSystem::win95, "95", platform_windows, 4, 0, 950, "", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", ""},
    {SampleSystem::win98, "98", platform_windows, 4, 10, 1998, "", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", ""},
    {SampleSystem::win98se, "98se", platform_windows, 4, 10, 2222, " A ", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", ""},
    {SampleSystem::winme, "me", platform_windows, 4, 90, 3000, "", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", ""},
    {SampleSystem::nt4, "nt4", platform_nt, 4, 0, 1381, "Service Pack 6", "C:\\WINNT", "C:\\WINNT\\system32",
     "C:\\WINNT\\Profiles"},
    {SampleSystem::win2000, "2000", platform_nt, 5, 0, 2195, "Service Pack 4", "C:\\WINNT", "C:\\WINNT\\system32",
     "C:\\Documents and Settings"},
    {SampleSystem::winxp, "xp", platform_nt, 5, 1, 2600, "Service Pack 2", "C:\\WINDOWS", "C:\\WINDOWS\\system32",
     "C:\\Documents and Settings"},
};

const SystemRow& row(SampleSystem system)
{
    for (const SystemRow& r : rows)
        if (r.system == system)
            return r;
    return rows[std::size(rows) - 1];
}

// Profile folders without an account of their own.
const QStringList shared_profiles = {QStringLiteral("All Users"), QStringLiteral("Default User")};

bool make_dir(const Machine& m, const QString& windows_path, QString* error)
{
    const HostPath host = m.to_host(windows_path);
    if (host.ok() && QDir().mkpath(host.path))
        return true;
    if (error)
        *error = QStringLiteral("can't create the folder %1").arg(windows_path);
    return false;
}

bool write_file(const Machine& m, const QString& windows_path, const QByteArray& bytes, QString* error)
{
    const HostPath host = m.to_host(windows_path);
    QFile f(host.path);
    if (host.ok() && f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size()) {
        f.close();
        return true;
    }
    if (error)
        *error = QStringLiteral("can't write %1").arg(windows_path);
    return false;
}

QByteArray msdos_sys(const MachineFacts& f)
{
    QByteArray text;
    const QByteArray windows = f.windows_dir.toLatin1();
    text += "[Paths]\r\nWinDir=" + windows + "\r\nWinBootDir=" + windows + "\r\nHostWinBootDrv=C\r\n\r\n";
    text += "[Options]\r\nBootMulti=1\r\nBootGUI=1\r\nDoubleBuffer=1\r\nAutoScan=1\r\n";
    if (f.minor != 0 || f.build != 950)
        text += "WinVer=" + QByteArray::number(f.major) + '.' + QByteArray::number(f.minor).rightJustified(2, '0') + '.'
                + QByteArray::number(f.build) + "\r\n";
    text += ";\r\n;The following lines are required for compatibility with other programs.\r\n"
            ";Do not remove them (MSDOS.SYS needs to be >1024 bytes).\r\n";
    for (char c = 'a'; c <= 's'; ++c)
        text += ';' + QByteArray(69, 'x') + c + "\r\n";
    return text;
}

QString place_folder(const MachineFacts& f, ProgramPlace place)
{
    switch (place) {
    case ProgramPlace::windows_folder:
        return f.windows_dir;
    case ProgramPlace::system_folder:
        return f.system_dir;
    case ProgramPlace::program_folder:
        break;
    }
    return f.program_dir;
}

} // namespace

std::optional<SampleSystem> sample_system(const QString& name)
{
    for (const SystemRow& r : rows)
        if (name.compare(QLatin1String(r.name), Qt::CaseInsensitive) == 0)
            return r.system;
    return std::nullopt;
}

QString sample_system_name(SampleSystem system) { return QLatin1String(row(system).name); }

QStringList sample_system_names()
{
    QStringList names;
    for (const SystemRow& r : rows)
        names.push_back(QLatin1String(r.name));
    return names;
}

MachineFacts sample_facts(SampleSystem system, const QString& folder)
{
    const SystemRow& r = row(system);
    MachineFacts f;
    f.platform_id = r.platform_id;
    f.major = r.major;
    f.minor = r.minor;
    f.build = r.build;
    f.csd = QLatin1String(r.csd);
    f.user = QStringLiteral("Administrator");
    f.windows_dir = QLatin1String(r.windows);
    f.system_dir = QLatin1String(r.system_dir);
    f.profiles_dir = QLatin1String(r.profiles);
    f.program_dir = QStringLiteral("C:\\Programme\\Gatrisk 2002");
    if (r.platform_id == platform_nt) {
        // The administrator's token as NT gives it: the primary group first, then the well-known groups.
        f.groups = QStringList{domain + QStringLiteral("-513"), QStringLiteral("S-1-1-0"),
                               QStringLiteral("S-1-5-32-544"), QStringLiteral("S-1-5-32-545"),
                               QStringLiteral("S-1-5-4"), QStringLiteral("S-1-5-11"),
                               QStringLiteral("S-1-5-5-0-53190"), QStringLiteral("S-1-2-0")};
        f.accounts = {
            {QStringLiteral("Administrator"), domain + QStringLiteral("-500")},
            {QStringLiteral("pupil"), domain + QStringLiteral("-1003")},
            {QStringLiteral("Schueler"), domain + QStringLiteral("-1004")},
            {QStringLiteral("LocalService"), QStringLiteral("S-1-5-19")},
            {QStringLiteral("NetworkService"), QStringLiteral("S-1-5-20")},
        };
    }
    const QDir base(folder);
    f.drives = {{QLatin1Char('C'), QDir::cleanPath(base.absoluteFilePath(QStringLiteral("drive_c")))},
                {QLatin1Char('D'), QDir::cleanPath(base.absoluteFilePath(QStringLiteral("drive_d")))}};
    return f;
}

QStringList sample_hive_files(const Machine& machine)
{
    const HiveFiles h = machine.hive_files();
    if (!machine.is_nt_family())
        return {h.system, h.current_user};
    QStringList files{h.software, h.system, h.default_user};
    for (const Account& a : machine.facts().accounts)
        files.push_back(machine.profile_dir(a.name) + QStringLiteral("\\NTUSER.DAT"));
    files.push_back(machine.profile_dir(QStringLiteral("Default User")) + QStringLiteral("\\NTUSER.DAT"));
    return files;
}

std::optional<Machine> create_sample_machine(const QString& folder_in, const SampleOptions& options, QString* error)
{
    const QString folder = QDir::cleanPath(QDir().absoluteFilePath(folder_in));
    const auto fail = [&](const QString& what) -> std::optional<Machine> {
        if (error)
            *error = QStringLiteral("%1: %2").arg(folder, what);
        return std::nullopt;
    };
    if (QFileInfo::exists(folder + QLatin1Char('/') + Machine::config_file_name()))
        return fail(QStringLiteral("holds a machine already"));
    MachineFacts facts = sample_facts(options.system, folder);
    for (const Drive& d : facts.drives)
        if (!QDir().mkpath(d.host_folder))
            return fail(QStringLiteral("can't create the drive folder %1").arg(d.host_folder));
    QString problem;
    auto made = Machine::from_facts(folder, facts, &problem);
    if (!made)
        return fail(problem);
    const Machine& m = *made;

    QStringList folders{facts.windows_dir, facts.system_dir, facts.windows_dir + QStringLiteral("\\Temp"),
                        facts.windows_dir + QStringLiteral("\\Fonts"), facts.program_dir};
    if (m.is_nt_family()) {
        folders.push_back(facts.system_dir + QStringLiteral("\\config"));
        QStringList profiles = shared_profiles;
        for (const Account& a : facts.accounts)
            profiles.push_back(a.name);
        for (const QString& p : profiles) {
            const QString dir = m.profile_dir(p);
            folders += {dir, dir + QStringLiteral("\\Desktop"), dir + QStringLiteral("\\Start Menu"),
                        dir + QStringLiteral("\\Start Menu\\Programs")};
            if (p != QLatin1String("LocalService") && p != QLatin1String("NetworkService"))
                folders.push_back(dir + QStringLiteral("\\My Documents"));
        }
    }
    for (const QString& dir : folders)
        if (!make_dir(m, dir, &problem))
            return fail(problem);

    QFile help(QStringLiteral(":/gatr2002.hlp"));
    if (!help.open(QIODevice::ReadOnly)
        || !write_file(m, facts.program_dir + QStringLiteral("\\gatr2002.hlp"), help.readAll(), &problem))
        return fail(problem.isEmpty() ? QStringLiteral("the help file is not built in") : problem);

    if (!m.is_nt_family()) {
        if (!write_file(m, QStringLiteral("C:\\MSDOS.SYS"), msdos_sys(facts), &problem)
            || !write_file(m, facts.windows_dir + QStringLiteral("\\CONTROL.INI"),
                           "[MMCPL]\r\n\r\n[don't load]\r\n", &problem))
            return fail(problem);
        if (!set_host_attributes(m.to_host(QStringLiteral("C:\\MSDOS.SYS")).path,
                                 attr_readonly | attr_hidden | attr_system))
            return fail(QStringLiteral("can't set the attributes of C:\\MSDOS.SYS"));
    }

    for (const BuiltProgram& p : options.programs) {
        const QString windows_path = place_folder(facts, p.place) + QLatin1Char('\\') + p.file_name;
        const HostPath host = m.to_host(windows_path);
        const QString target = QFileInfo(p.host_program).absoluteFilePath();
        if (!host.ok())
            return fail(QStringLiteral("can't place %1").arg(windows_path));
        QFile::remove(host.path);
        if (!QFileInfo(target).isExecutable() || !QFile::link(target, host.path))
            return fail(QStringLiteral("can't link %1 to %2").arg(windows_path, target));
    }

    if (options.write_hives && !options.write_hives(m, &problem))
        return fail(problem.isEmpty() ? QStringLiteral("the registry hives could not be written") : problem);

    // Written last: a machine whose creation broke off has no configuration and is not taken for a machine.
    QFile config(m.config_path());
    const QByteArray text = format_machine_config(facts, folder);
    if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate) || config.write(text) != text.size()
        || !config.flush())
        return fail(QStringLiteral("can't write %1").arg(m.config_path()));
    config.close();
    return Machine::open(folder, error);
}

} // namespace platform
