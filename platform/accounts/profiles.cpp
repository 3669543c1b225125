#include "platform/accounts/profiles.h"

#include "platform/registry.h"
#include "platform/system_queries.h"
#include "platform/ui_services.h"
#include "platform/win32_files.h"

#include <QStringList>

namespace platform {

namespace {

constexpr std::uint32_t directory_bit = 16;

// Profile folders of the system rather than of a person; matched case-sensitively anywhere in the name.
const char* const system_profiles[] = {"NetworkService", "LocalService", "Default User", "All Users"};

bool is_account_folder(const QString& name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const char* excluded : system_profiles)
        if (name.contains(QLatin1String(excluded), Qt::CaseSensitive))
            return false;
    return true;
}

void report_unreadable(UiServices& ui, const QString& list)
{
    if (get_language() == 0) {
        ui.msgBox(QStringLiteral("Auf die nachfolgenden Benutzerprofile konnte nicht zugegriffen werden. Entweder "
                                 "sind die Dateien beschädigt oder existieren nicht, oder Sie besitzen nicht die "
                                 "nötigen Zugriffsrechte auf diese Dateien. Einschränkungen für diese Benutzer sind "
                                 "nur bedingt möglich.\r\n\r\nZugriffsprobleme bei folgenden Profilen:\r\n")
                      + list,
                  16, QStringLiteral("Kann (einige) Profile nicht laden"));
        return;
    }
    ui.msgBox(QStringLiteral("Sorry, I could not load the profiles below. Please make sure that you are logged in as "
                             "an Administrator and make also sure that you have all the rights the acess the files "
                             "below...\r\n")
                  + list,
              16, QStringLiteral("Sorry, could not load every files.."));
}

} // namespace

QString choose_profiles_folder(const QString& main_path, const QString& os, const QString& profiles_dir,
                               const QString& windows_dir)
{
    if (!main_path.isEmpty())
        return main_path;
    if (os == QLatin1String("WinNT"))
        return !profiles_dir.isEmpty() ? profiles_dir : windows_dir + QStringLiteral("Profiles\\");
    if (os == QLatin1String("Win2K") || os == QLatin1String("WinXP"))
        return !profiles_dir.isEmpty() ? profiles_dir
                                       : windows_dir.left(3) + QStringLiteral("Dokumente und Einstellungen\\");
    return {};
}

void get_profiles(Context& ctx, ProfileList& profiles, QString& folder_text)
{
    const QString main_path = REG_GetString(ctx.registry, HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Brekund\\G2002"),
                                            QStringLiteral("ProfileMainPath"));
    const QString folder = choose_profiles_folder(main_path, get_os(ctx.machine), get_profilesdir(ctx.machine),
                                                  get_windir(ctx.machine));

    const auto entries = win32::find_all(ctx.machine, folder + QStringLiteral("*.*"));
    if (!entries)
        return;

    int count = 0;
    QString unreadable;
    for (const win32::FindData& entry : *entries) {
        if (count == ProfileList::capacity)
            break; // the rest are left out
        const qsizetype nul = entry.name.indexOf(QChar(0));
        const QString name = nul < 0 ? entry.name : entry.name.left(nul);
        if (!(entry.attributes & directory_bit) || !is_account_folder(name))
            continue;
        ++count;
        const QString hive = folder + name + QStringLiteral("\\NTUSER.DAT");
        profiles.profile_names[static_cast<std::size_t>(count)] = name;
        profiles.profile_hives[static_cast<std::size_t>(count)] = hive;
        if (!file_exists(ctx.files, hive))
            unreadable += hive + QStringLiteral("\r\n");
    }
    if (!unreadable.isEmpty())
        report_unreadable(ctx.ui, unreadable);

    profiles.profile_count = count;
    profiles.profile_folder = folder;
    folder_text = folder;
}

} // namespace platform
