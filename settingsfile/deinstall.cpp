#include "settingsfile/deinstall.h"

#include "platform/process.h"
#include "platform/registry.h"
#include "platform/system_queries.h"
#include "platform/ui_services.h"
#include "platform/vb_files.h"
#include "policy/account_frame.h"
#include "policy/operations.h"

namespace settingsfile {

namespace {

constexpr int ask_no_default = 292;      // question, Yes and No, No the default
constexpr int warn_no_default = 308;     // exclamation, Yes and No, No the default
constexpr int critical = 16;
constexpr int minimized_with_focus = 2;

bool start_asked(platform::UiServices& ui, bool german)
{
    const platform::Answer a = german
        ? ui.msgBox(QStringLiteral("Je nach Umfang der Benutzerkonten (W2000/XP) kann die Deinstallation einige "
                                   "Sekunden dauern. Wollen Sie nun mit der DE-Installation beginnen ?"),
                    ask_no_default, QStringLiteral("DE-Installieren ?"))
        : ui.msgBox(QStringLiteral("Uninstall will take a while, if you have a lot of user profiles. Start "
                                   "Uninstall now ?"),
                    ask_no_default, QStringLiteral("Uninstall ?"));
    return a == platform::Answer::Yes;
}

bool profiles_warning_accepted(platform::UiServices& ui, bool german)
{
    const QString cr2 = QStringLiteral("\r\r");
    platform::Answer a;
    if (german)
        a = ui.msgBox(QStringLiteral("Auf Ihrem Rechner sind Benutzerprofile installiert.") + cr2
                          + QStringLiteral("In diesem Fall müssen Sie bei der De-Installation sehr sorgfältig "
                                           "vorgehen, so sollten Sie bevor Sie das Programm DE-installieren, "
                                           "folgende Sicherheitshinweise beachten:")
                          + cr2
                          + QStringLiteral("Haben Sie für verschiedene Benutzer verschiedene Einschränkungen "
                                           "gewählt, so müssen Sie diese alle für jeden Benutzer einzeln wieder "
                                           "aufheben. Sie müssen dabei mit dem Namen des jeweiligen Benutzers "
                                           "angemeldet sein ! Bei mehreren Benutzer müssen Sie sich mit")
                          + QStringLiteral("jedem einzelnen Benutzernamen einmal einloggen und das Programm "
                                           "starten und die Einschränkungen aufheben. Wiederholen Sie dies für "
                                           "jeden Benutzer. Erst danach sollte das Programm deinstalliert werden. "
                                           "Mit der Deinstallation nun fortfahren ?"),
                      warn_no_default, QStringLiteral("Achtung Benutzer-Profile - bitte UNBEDINGT beachten !"));
    else
        a = ui.msgBox(QStringLiteral("There are user profiles on your PC.") + cr2
                          + QStringLiteral("In this case you have to notice some advices:") + cr2
                          + QStringLiteral("If you have set several restrictions for more than one user, you have "
                                           "to check all restricted users. To uninstall all restrictions you have "
                                           "to:")
                          + QStringLiteral("Log off and log in with the restricted user. Start this program. "
                                           "Unmark all restrictions. Apply these settings. Do this for every "
                                           "restricted user ! Continue ?"),
                      warn_no_default, QStringLiteral("Attention User Profiles - Read carefully !"));
    return a == platform::Answer::Yes;
}

void show_uninstaller_missing(platform::UiServices& ui, bool german)
{
    if (german)
        ui.msgBox(QStringLiteral("Der De-Installationspfad konnte nicht gefunden werden. Versuchen Sie die "
                                 "Anwendung über die Systemsteuerung/Software zu deinstallieren."),
                  critical, QStringLiteral("Uninstall nicht gefunden"));
    else
        ui.msgBox(QStringLiteral("Uninstall Path was not found. Try to deinstall this program using control "
                                 "panel/software."),
                  critical, QStringLiteral("Uninstall not found"));
}

} // namespace

void mm132_Click(policy::Engine& e, int language)
{
    platform::Context& ctx = e.ctx;
    const bool german = language == 0;
    if (!start_asked(ctx.ui, german))
        return;
    e.deinstall_running = true;

    if (platform::is_nt(ctx.machine)) {
        controls::ComboBox& chooser = e.form.Combo_user;
        for (int i = 0; i < chooser.listCount(); ++i) {
            chooser.setText(chooser.list(i)); // the text alone: the chooser's own load does not run
            if (e.form.mm22.onClick)
                e.form.mm22.onClick(); // Unmark all
            policy::hive(e, policy::hive_apply, language);
        }
    } else {
        if (!profiles_warning_accepted(ctx.ui, german)) {
            e.deinstall_running = false;
            return;
        }
        policy::Deinstall_Registry(e, platform::get_username(ctx.machine), language);
    }

    platform::REG_DeleteValue(ctx.registry, platform::HKEY_LOCAL_MACHINE,
                              QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run"),
                              QStringLiteral("Gatr2002Tray"));
    const QString uninstaller = platform::get_windir(ctx.machine) + QStringLiteral("uninstall\\gatrisk 2002\\setup.exe");
    const QString hive_note = ctx.program.folder + QLatin1Char('\\') + ctx.program.file_name + QStringLiteral(".HIV");
    if (platform::file_exists(ctx.files, hive_note))
        ctx.files.kill(hive_note);
    if (platform::file_exists(ctx.files, uninstaller)) {
        ctx.processes.shell(uninstaller, minimized_with_focus);
        ctx.ui.endProgram();
    }
    show_uninstaller_missing(ctx.ui, german);
    ctx.ui.endProgram();
}

} // namespace settingsfile
