#include "platform/accounts/hive_loader.h"

#include "platform/accounts/shell_and_wait.h"
#include "platform/machine/mount_table.h"
#include "platform/process_identity.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/ui_services.h"

namespace platform {

namespace {

constexpr int probe_file_number = 98;
const QChar quote = QLatin1Char('"');

struct Message {
    QString german_title, german_text, english_title, english_text;
};

void show(UiServices& ui, const Message& m, int language)
{
    if (language == 0)
        ui.msgBox(m.german_text, 16, m.german_title);
    else
        ui.msgBox(m.english_text, 16, m.english_title);
}

Message helper_missing()
{
    return {QStringLiteral("Datei fehlt..."),
            QStringLiteral("Eine Datei, welche zum Setzen der Einschränkungen notwendig ist fehlt. Bitte wiederholen "
                           "Sie die Installation."),
            QStringLiteral("File missing..."),
            QStringLiteral("A file needed to set your restrictions is missing. Please run setup again.")};
}

Message write_refused()
{
    return {QStringLiteral("Kein Schreibzugriff..."),
            QStringLiteral("Konnte Profil laden aber nicht in Registrierung schreiben. Bitte Sicherheitseinstellungen "
                           "in Windows prüfen."),
            QStringLiteral("Problems while writing to registry..."),
            QStringLiteral("File was loaded sucessfully but write-access was denied by system. Please check your "
                           "windows security settings.")};
}

Message probe_message(std::int32_t code, const QString& file)
{
    switch (code) {
    case probe_missing:
        return {QStringLiteral("Datei/Pfad nicht gefunden..."),
                QStringLiteral("Die Datei ") + file
                    + QStringLiteral(" konnte nicht gefunden werden. Bitte überprüfen Sie Ihre Pfade zu den "
                                     "Benutzerprofilen. Stellen Sie ebenfalls sicher, daß Sie mind. einmalig mit "
                                     "einem neuen Benutzer angemeldet waren."),
                QStringLiteral("Could not find path/file..."),
                QStringLiteral("The file ") + file
                    + QStringLiteral(" could not be loaded. Please check your profile-pathes and make sure that you "
                                     "logged in a new user once.")};
    case probe_refused:
        return {QStringLiteral("Zugriff verweigert..."),
                QStringLiteral("Der Zugriff auf die Datei ") + file
                    + QStringLiteral(" wurde verweigert. Diese Datei wird von einem anderen Prozess verwendet."),
                QStringLiteral("File in use..."),
                QStringLiteral("Access to ") + file
                    + QStringLiteral(" was denied. The file is in use by another process or you don't have right to "
                                     "acess.")};
    case probe_no_path:
        return {QStringLiteral("Pfad nicht gefunden..."),
                QStringLiteral("Der Pfad für die Datei ") + file
                    + QStringLiteral(" konnte nicht gefunden werden. Bitte überprüfen Sie die Einstellungen zu den "
                                     "Benutzerprofilen..."),
                QStringLiteral("Path not found..."),
                QStringLiteral("Could not find the path to ") + file
                    + QStringLiteral(". Please check you settings (Profile Paths).")};
    default:
        return {QStringLiteral("Unbekannter Fehler..."), QStringLiteral("Unbekannter Dateifehler bei Datei & ") + file,
                QStringLiteral("Unknown Error..."), QStringLiteral("Unexpected Error acessing & ") + file};
    }
}

// The probe code of a failed file operation.
std::int32_t probe_code(int error)
{
    if (error == vb::permission_denied || error == vb::path_file_access)
        return probe_refused;
    return error == vb::path_not_found ? probe_no_path : probe_unknown;
}

std::int16_t load(Context& ctx, const QString& hive_file, const QString& name, bool deinstall_running, int language)
{
    if (HIVE_CheckFile(ctx.files, hive_helper_path(ctx.program.folder)) != probe_present) {
        show(ctx.ui, helper_missing(), language);
        return hive_failed;
    }
    if (!deinstall_running) {
        const std::int32_t code = HIVE_CheckFile(ctx.files, hive_file);
        if (code != probe_present) {
            show(ctx.ui, probe_message(code, hive_file), language);
            return hive_failed;
        }
    }
    // A helper that is there but can't be started is as good as missing.
    if (!ShellAndWait(ctx, hive_load_command(ctx.program.folder, hive_file, name), window_hidden, true).ok()) {
        show(ctx.ui, helper_missing(), language);
        return hive_failed;
    }
    if (deinstall_running)
        return hive_ok;
    // The write test alone would pass on a branch that is not this mount: .DEFAULT, the logged-on user's SID, or
    // the mount that another running program made of the account.
    if (!MountTable(ctx.machine).is_mount_of(name, hive_file, this_process())) {
        show(ctx.ui, write_refused(), language);
        return hive_failed;
    }
    const std::int32_t created = REG_CreateKey(ctx.registry, HKEY_USERS, name + QStringLiteral("\\Software"));
    if (created == REG_CREATED_NEW_KEY || created == REG_OPENED_EXISTING_KEY)
        return hive_ok;
    show(ctx.ui, write_refused(), language);
    return hive_failed;
}

} // namespace

QString hive_helper_path(const QString& program_folder) { return program_folder + QStringLiteral("\\regg.exe"); }

QString hive_load_command(const QString& program_folder, const QString& hive_file, const QString& name)
{
    return quote + hive_helper_path(program_folder) + quote + QStringLiteral(" load ") + quote + hive_file + quote
           + QStringLiteral(" HKU\\") + name;
}

QString hive_unload_command(const QString& program_folder, const QString& name)
{
    return quote + hive_helper_path(program_folder) + quote + QStringLiteral(" unload HKU\\") + name;
}

std::int32_t HIVE_CheckFile(VbFiles& files, const QString& path)
{
    const int error = files.open(path, FileMode::binary, probe_file_number);
    if (error != vb::ok)
        return probe_code(error);
    const VbResult<std::int64_t> length = files.length(probe_file_number);
    files.close(probe_file_number);
    if (!length.ok())
        return probe_code(length.error);
    if (length.value != 0)
        return probe_present;
    // An empty file that can't be deleted (read-only, held) is refused rather than missing.
    const int deleted = files.kill(path);
    return deleted == vb::ok ? probe_missing : probe_code(deleted);
}

std::int16_t HIVE_LoadUnload(Context& ctx, std::int16_t operation, const QString& hive_file, const QString& name,
                             bool deinstall_running, int language)
{
    if (operation == hive_load)
        return load(ctx, hive_file, name, deinstall_running, language);
    if (operation == hive_unload) {
        // The load that follows in every caller tells about a helper that can't be started.
        if (!ShellAndWait(ctx, hive_unload_command(ctx.program.folder, name), window_hidden, true).ok())
            return hive_failed;
        return hive_ok;
    }
    return hive_failed;
}

} // namespace platform
