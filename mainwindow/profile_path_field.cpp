#include "mainwindow/settings_tab_commands.h"

#include "platform/registry.h"
#include "platform/ui_services.h"

namespace mainwindow {

namespace {

// Nothing is stored; the program ends.
void cancelled(platform::UiServices& ui)
{
    ui.msgBox(QStringLiteral("Abbruch...Bitte Programm neu starten!"), 16, QStringLiteral("Info"));
    ui.endProgram();
}

} // namespace

void t810_GotFocus(MainForm& form, int language)
{
    platform::UiServices& ui = form.context().ui;
    const platform::Answer answer =
        language == 1
            ? ui.msgBox(QStringLiteral("Change these settings only, if you are sure, your profiles coming from a "
                                       "server, not local.\r\nReally sure to change this settings (maybe dangerous) ?"),
                        276, QStringLiteral("Attention !!!!"))
            : ui.msgBox(QStringLiteral("Ändern Sie diese Angaben nur, wenn Benutzerprofile von einem Server bezogen "
                                       "werden und nicht lokal vorliegen !\r\nWollen Sie diese Einstellung wirklich "
                                       "ändern ?"),
                        276, QStringLiteral("ACHTUNG !!!!"));
    if (answer == platform::Answer::No)
        form.syslist.setFocus(); // leaves t810: its lost-focus question follows at once
}

void t810_LostFocus(MainForm& form, int language)
{
    platform::Context& ctx = form.context();
    const QString path = form.t810.text();
    const platform::Answer answer =
        language == 1
            ? ctx.ui.msgBox(QStringLiteral("Use directory ") + path +
                                QStringLiteral("for user profiles ? Attention: If you enter a wrong path/directory "
                                               "the program may not work correctly ! "),
                            292, QStringLiteral("Sure ?"))
            : ctx.ui.msgBox(QStringLiteral("Soll ") + path +
                                QStringLiteral(" als neuer Pfad für die Benutzerprofile festgelegt werden ? Bitte "
                                               "beachten: Bei einem falschen Pfad funktioniert das Programm nicht "
                                               "mehr richtig !"),
                            292, QStringLiteral("Sicher ?"));
    if (answer == platform::Answer::No) {
        cancelled(ctx.ui);
        return;
    }

    // The profile discovery reads the path at the next start. A path that could not be stored is not
    // announced as taking effect: the user hears that the change was cancelled.
    const QString key = QStringLiteral("Software\\Brekund\\G2002");
    platform::REG_CreateKey(ctx.registry, platform::HKEY_LOCAL_MACHINE, key);
    if (platform::REG_SetString(ctx.registry, platform::HKEY_LOCAL_MACHINE, key, QStringLiteral("ProfileMainPath"),
                                path) != platform::ERROR_SUCCESS) {
        cancelled(ctx.ui);
        return;
    }

    if (language == 1)
        ctx.ui.msgBox(QStringLiteral("The program will now be terminated. Please start it again. A reboot of windows "
                                     "is not necessary."),
                      64, QStringLiteral("Program terminated..."));
    else
        ctx.ui.msgBox(QStringLiteral("Das Programm wird nun beendet und muss neu gestartet werden. Ein Windows "
                                     "Neustart hingegen ist nicht erforderlich."),
                      64, QStringLiteral("Programm bitte gleich neu starten!"));
    ctx.ui.endProgram();
}

void attach_settings_tab_commands(MainForm& form, int language)
{
    form.syslist.onDblClick = [&form, language] { syslist_DblClick(form, language); };
    form.t810.onGotFocus = [&form, language] { t810_GotFocus(form, language); };
    form.t810.onLostFocus = [&form, language] { t810_LostFocus(form, language); };
}

} // namespace mainwindow
