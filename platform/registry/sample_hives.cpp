#include "platform/registry/sample_hives.h"

#include "platform/hive/hive.h"
#include "platform/program_info.h"
#include "platform/registry/file_replace.h"
#include "platform/registry/hive_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include <map>

namespace platform {
namespace {

constexpr std::uint32_t type_sz = 1;
constexpr std::uint32_t type_expand_sz = 2;
constexpr std::uint32_t type_dword = 4;

std::u16string units_of(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

// UTF-16LE with the terminating NUL, as NT stores a text.
std::vector<std::uint8_t> text_data(const QString& text)
{
    std::vector<std::uint8_t> bytes;
    for (char16_t unit : units_of(text) + u'\0') {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::vector<std::uint8_t> dword_data(std::uint32_t number)
{
    return {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
            static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
}

class HiveBuilder {
public:
    explicit HiveBuilder(std::uint32_t minor_version) : hive_(hive::Hive::create(minor_version, filetime_now())) {}

    hive::Key& key(const QString& path)
    {
        hive::Key* key = &hive_.root();
        for (const QString& name : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts))
            key = key->add_subkey(units_of(name));
        return *key;
    }
    void text(const QString& path, const QString& name, const QString& value, std::uint32_t type = type_sz)
    {
        key(path).set_value(units_of(name), type, text_data(value));
    }
    void dword(const QString& path, const QString& name, std::uint32_t value)
    {
        key(path).set_value(units_of(name), type_dword, dword_data(value));
    }
    std::vector<std::uint8_t> bytes() { return hive_.serialize(filetime_now()); }

private:
    hive::Hive hive_;
};

struct Context {
    const Machine& machine;
    const MachineFacts& facts;
    std::uint32_t minor_version;
    bool xp;
};

// A profile folder as Windows records it: on the system drive or under the Windows folder, unexpanded.
QString unexpanded(const Context& c, const QString& path)
{
    const QString windows = c.facts.windows_dir;
    if (path.startsWith(windows + QLatin1Char('\\'), Qt::CaseInsensitive))
        return QStringLiteral("%SystemRoot%") + path.mid(windows.size());
    if (path.size() >= 2 && path[1] == QLatin1Char(':') && windows.startsWith(path.left(2), Qt::CaseInsensitive))
        return QStringLiteral("%SystemDrive%") + path.mid(2);
    return path;
}

QString uninstall_command(const Context& c)
{
    const ProgramInfo info = program_info(c.machine, {});
    return QLatin1Char('"') + info.folder + QLatin1Char('\\') + info.file_name + QStringLiteral(".exe\" /uninstall");
}

void program_entries(const Context& c, HiveBuilder& hive, const QString& software)
{
    const QString cv = software + QStringLiteral("\\Microsoft\\Windows\\CurrentVersion");
    hive.text(cv + QStringLiteral("\\Run"), QStringLiteral("Gatr2002Tray"),
              QLatin1Char('"') + program_info(c.machine, {}).folder + QStringLiteral("\\GATR2002.EXE\" /icon"));
    const QString uninstall = cv + QStringLiteral("\\Uninstall\\Gatrisk 2002");
    hive.text(uninstall, QStringLiteral("DisplayName"), QStringLiteral("Gatrisk 2002"));
    hive.text(uninstall, QStringLiteral("UninstallString"), uninstall_command(c));
    hive.key(software + QStringLiteral("\\Brekund\\G2002"));
}

std::vector<std::uint8_t> nt_software(const Context& c, const SampleOwner& owner)
{
    HiveBuilder hive(c.minor_version);
    const QString nt_cv = QStringLiteral("Microsoft\\Windows NT\\CurrentVersion");
    hive.text(nt_cv, QStringLiteral("RegisteredOwner"), owner.owner);
    hive.text(nt_cv, QStringLiteral("RegisteredOrganization"), owner.organization);
    hive.text(nt_cv, QStringLiteral("CurrentVersion"), QStringLiteral("%1.%2").arg(c.facts.major).arg(c.facts.minor));
    hive.text(nt_cv, QStringLiteral("CurrentBuildNumber"), QString::number(c.facts.build));
    hive.text(nt_cv, QStringLiteral("SystemRoot"), c.facts.windows_dir);

    const QString list = nt_cv + QStringLiteral("\\ProfileList");
    std::map<QString, QString> profiles; // SID -> folder
    if (c.facts.major >= 5)
        profiles[QStringLiteral("S-1-5-18")] = c.facts.system_dir + QStringLiteral("\\config\\systemprofile");
    if (c.xp) {
        profiles[QStringLiteral("S-1-5-19")] = c.machine.profile_dir(QStringLiteral("LocalService"));
        profiles[QStringLiteral("S-1-5-20")] = c.machine.profile_dir(QStringLiteral("NetworkService"));
    }
    for (const Account& account : c.facts.accounts)
        profiles[account.sid] = c.machine.profile_dir(account.name);
    if (c.facts.major >= 5) {
        hive.text(list, QStringLiteral("ProfilesDirectory"), unexpanded(c, c.facts.profiles_dir), type_expand_sz);
        hive.text(list, QStringLiteral("AllUsersProfile"), QStringLiteral("All Users"));
        hive.text(list, QStringLiteral("DefaultUserProfile"), QStringLiteral("Default User"));
    }
    for (const auto& [sid, folder] : profiles) {
        hive.text(list + QLatin1Char('\\') + sid, QStringLiteral("ProfileImagePath"), unexpanded(c, folder), type_expand_sz);
        hive.dword(list + QLatin1Char('\\') + sid, QStringLiteral("Flags"), 0);
    }
    program_entries(c, hive, QString());
    return hive.bytes();
}

std::vector<std::uint8_t> nt_system(const Context& c)
{
    HiveBuilder hive(c.minor_version);
    for (const char* name : {"Current", "Default", "LastKnownGood"})
        hive.dword(QStringLiteral("Select"), QString::fromLatin1(name), 1);
    hive.dword(QStringLiteral("Select"), QStringLiteral("Failed"), 0);
    hive.text(QStringLiteral("ControlSet001\\Control\\ComputerName\\ComputerName"), QStringLiteral("ComputerName"),
              QStringLiteral("SCHULE-PC"));
    return hive.bytes();
}

// Whose branch a user hive holds: a person's account, where the program's setup left its key too, or the
// system's own .DEFAULT, where nobody logs on.
enum class Branch { account, system_default };

// The branch of one user: HKEY_CURRENT_USER as the shell leaves it. The writers set values only in keys that
// exist, so every key a real branch has along their paths is here.
std::vector<std::uint8_t> user_hive(const Context& c, const QString& desktop_folder, Branch branch)
{
    HiveBuilder hive(c.minor_version);
    const QString cv = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion");
    if (!desktop_folder.isEmpty())
        hive.text(cv + QStringLiteral("\\Explorer\\Shell Folders"), QStringLiteral("Desktop"), desktop_folder);
    const QString wallpaper = c.xp ? c.facts.windows_dir + QStringLiteral("\\Web\\Wallpaper\\Bliss.bmp") : QStringLiteral("(None)");
    hive.text(QStringLiteral("Control Panel\\Desktop"), QStringLiteral("Wallpaper"), wallpaper);
    hive.text(QStringLiteral("Control Panel\\Sound"), QStringLiteral("Beep"), QStringLiteral("yes"));
    hive.dword(cv + QStringLiteral("\\Policies\\Explorer"), QStringLiteral("NoDriveTypeAutoRun"), 0x91);
    // The user's own start list; XP starts its language bar from it.
    hive.key(cv + QStringLiteral("\\Run"));
    if (c.xp)
        hive.text(cv + QStringLiteral("\\Run"), QStringLiteral("CTFMON.EXE"),
                  c.facts.system_dir + QStringLiteral("\\ctfmon.exe"));
    if (c.machine.is_nt_family())
        hive.text(QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows"),
                  QStringLiteral("Programs"), QStringLiteral("com exe bat pif cmd"));
    if (branch == Branch::account)
        hive.key(QStringLiteral("Software\\Brekund\\G2002"));
    return hive.bytes();
}

std::vector<std::uint8_t> nine_x_system(const Context& c, const SampleOwner& owner)
{
    HiveBuilder hive(c.minor_version);
    const QString cv = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion");
    hive.text(cv, QStringLiteral("RegisteredOwner"), owner.owner);
    hive.text(cv, QStringLiteral("RegisteredOrganization"), owner.organization);
    hive.text(cv, QStringLiteral("VersionNumber"), QStringLiteral("%1.%2.%3").arg(c.facts.major).arg(c.facts.minor, 2, 10, QLatin1Char('0')).arg(c.facts.build));
    hive.text(cv, QStringLiteral("SystemRoot"), c.facts.windows_dir);
    program_entries(c, hive, QStringLiteral("Software"));
    hive.text(QStringLiteral("System\\CurrentControlSet\\control\\ComputerName\\ComputerName"),
              QStringLiteral("ComputerName"), QStringLiteral("SCHULE-PC"));
    return hive.bytes();
}

bool write_new(const Machine& machine, const QString& windows_path, const std::vector<std::uint8_t>& bytes, QString* error)
{
    const HostPath host = machine.to_host(windows_path);
    if (!host.ok()) {
        if (error)
            *error = QStringLiteral("%1: not a path of the machine").arg(windows_path);
        return false;
    }
    if (QFileInfo::exists(host.path))
        return true;
    const QString folder = QFileInfo(host.path).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("%1: the folder can't be made").arg(folder);
        return false;
    }
    const int folder_fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool ok = folder_fd >= 0 &&
                    replace_file(folder_fd, QFile::encodeName(host.path).toStdString(), bytes, {}) != ReplaceResult::failed;
    if (folder_fd >= 0)
        ::close(folder_fd);
    if (!ok && error)
        *error = QStringLiteral("%1: can't be written").arg(host.path);
    return ok;
}

} // namespace

bool populate_sample_hives(const Machine& machine, const SampleOwner& owner, QString* error)
{
    const MachineFacts& facts = machine.facts();
    const bool xp = machine.is_nt_family() && facts.major == 5 && facts.minor >= 1;
    const Context c{machine, facts, xp ? 5u : 3u, xp};
    const HiveFiles hives = machine.hive_files();

    if (!machine.is_nt_family()) {
        return write_new(machine, hives.software, nine_x_system(c, owner), error) &&
               write_new(machine, hives.current_user,
                         user_hive(c, facts.windows_dir + QStringLiteral("\\Desktop"), Branch::account), error);
    }
    bool ok = write_new(machine, hives.software, nt_software(c, owner), error) &&
              write_new(machine, hives.system, nt_system(c), error) &&
              write_new(machine, hives.default_user, user_hive(c, QString(), Branch::system_default), error);
    QStringList owners;
    for (const Account& account : facts.accounts)
        owners.push_back(account.name);
    owners.push_back(QStringLiteral("Default User")); // the template of new profiles
    for (const QString& name : owners) {
        const QString profile = machine.profile_dir(name);
        if (!ok || profile.isEmpty())
            break;
        ok = write_new(machine, profile + QStringLiteral("\\NTUSER.DAT"),
                       user_hive(c, profile + QStringLiteral("\\Desktop"), Branch::account), error);
    }
    return ok;
}

} // namespace platform
