#include "startup/getpass_form.h"

#include "platform/in_language.h"
#include "platform/is_admin.h"
#include "platform/registry.h"
#include "platform/system_queries.h"
#include "startup/code_page_text.h"
#include "startup/desktop_links.h"
#include "startup/program_key.h"
#include "startup/pw_scramble.h"

namespace startup {

namespace {

const QString uninstall_key = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Gatrisk 2002");

} // namespace

GetPass::GetPass(platform::Context& context, controls::Form& setpass, std::function<void()> show_main, int language)
    : Form(QStringLiteral("getpass")), context_(context), setpass_(setpass), show_main_(std::move(show_main)),
      language_(language)
{
    setClientSize(4800, 1935);
    setCaption(QStringLiteral("Kennwort eingeben"));
    Image1.move(120, 120, 480, 480);
    Label1.move(780, 150, 3855, 255);
    Label1.setCaption(QStringLiteral("Geben Sie das Kennwort ein:"));
    txt_pw.move(780, 480, 3855, 315);
    txt_pw.setPasswordChar(QLatin1Char('*'));
    txt_pw.setMaxLength(20);
    txt_pw.setTabIndex(0);
    cmd_ok.move(2040, 1020, 1215, 375);
    cmd_ok.setCaption(QStringLiteral("&OK"));
    cmd_ok.setDefault(true);
    cmd_ok.setTabIndex(1);
    Command2.move(3420, 1020, 1215, 375);
    Command2.setCaption(QStringLiteral("Abbrechen"));
    Command2.setCancel(true);
    Command2.setTabIndex(2);

    keep_code_page_characters(txt_pw);
    cmd_ok.onClick = [this] { cmd_ok_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void GetPass::Form_Load()
{
    platform::UiServices& ui = context_.ui;
    const QString& command_line = context_.program.command_line;

    if (command_line == QLatin1String("/icon")) {
        refresh_desktop_links(context_);
        ui.endProgram();
    }

    if (command_line == QLatin1String("/uninstall"))
        ui.msgBox(
            platform::in_language(language_,
                                  QStringLiteral("Zum Deinstallieren dieser Anwendung geben Sie bitte nachfolgend Ihr "
                                                 "Kennwort ein und wählen anschließend im Menü 'Datei' den Punkt "
                                                 "deinstallieren."),
                                  QStringLiteral("To uninstall this program type in your password and select the menu "
                                                 "File/Uninstall.")),
            64,
            platform::in_language(language_, QStringLiteral("Info zum Deinstallieren"),
                                  QStringLiteral("How to uninstall ?")));

    // Rewritten at every start, so it follows the program when it is moved; the installation makes the key.
    const QChar quote = QLatin1Char('"');
    platform::REG_SetString(context_.registry, platform::HKEY_LOCAL_MACHINE, uninstall_key,
                            QStringLiteral("UninstallString"),
                            quote + context_.program.folder + QLatin1Char('\\') + context_.program.file_name +
                                QStringLiteral(".exe") + quote + QStringLiteral(" /uninstall"));

    if (!platform::file_exists(context_.files, context_.program.folder + QStringLiteral("\\regg.exe"))) {
        ui.msgBox(platform::in_language(
                      language_,
                      QStringLiteral("Eine oder mehrere wichtige Dateien, die für das korrekte Ausführen "
                                     "notwendig sind, fehlen auf Ihrer Festplatte. Wiederholen Sie bitte die "
                                     "Installation. (REGG.EXE)"),
                      QStringLiteral("Some files required by this program are missing. Please run Setup "
                                     "again. (REGG.EXE)")),
                  16,
                  platform::in_language(language_, QStringLiteral("Wichtige Dateien fehlen - Bitte neu installieren !"),
                                        QStringLiteral("Required files are missing. Run Setup again !")));
        ui.endProgram();
    }

    setCaption(platform::in_language(language_, QStringLiteral("Kennwort eingeben"),
                                     QStringLiteral("Enter Password Please !")));
    Label1.setCaption(platform::in_language(language_, QStringLiteral("Geben Sie das Kennwort ein:"),
                                            QStringLiteral("Enter your password:")));
    Command2.setCaption(platform::in_language(language_, QStringLiteral("Abbrechen"), QStringLiteral("&Cancel")));

    if (platform::is_nt(context_.machine) && !platform::IsAdmin(context_.machine))
        ui.msgBox(platform::in_language(
                      language_,
                      QStringLiteral("Damit dieses Programm einwandfrei funktioniert, benötigen Sie "
                                     "Administratoren-Rechte. Bitte melden Sie sich erneut als Administrator "
                                     "am System an und starten dieses Programm erneut..."),
                      QStringLiteral("You need Administrator privileges/rights to run this program correctly.  "
                                     "Please login as admin and start this program again.")),
                  16,
                  platform::in_language(language_, QStringLiteral("Admin-Rechte benötigt !"),
                                        QStringLiteral("Admin privileges required !")));

    txt_pw.setPasswordChar(QLatin1Char('*'));
    txt_pw.setText(QString());
    txt_pw.setEnabled(true);

    const QString stored =
        platform::REG_GetString(context_.registry, platform::HKEY_LOCAL_MACHINE, program_key(), password_value());
    if (stored.isEmpty()) {
        ui.msgBox(platform::in_language(
                      language_,
                      QStringLiteral("Sie haben noch kein Kennwort angegeben. Bitte geben Sie nun ein nicht "
                                     "leicht zu erratendes Kennwort ein. Bitte notieren Sie das Kennwort an "
                                     "einem sicheren Ort !"),
                      QStringLiteral("You haven't entered a password yet. Please enter now a secret password "
                                     "and keep it on a safe place.")),
                  16,
                  platform::in_language(language_, QStringLiteral("Kennwort festlegen..."),
                                        QStringLiteral("Set a Password !")));
        hide();
        setpass_.show();
        unload();
    }
}

void GetPass::cmd_ok_Click()
{
    const QString stored =
        platform::REG_GetString(context_.registry, platform::HKEY_LOCAL_MACHINE, program_key(), password_value());
    const QString typed = pw_scramble(txt_pw.text(), password_key());
    if (typed != stored) {
        context_.ui.msgBox(
            platform::in_language(language_,
                                  QStringLiteral("Das Kennwort ist nicht korrekt. Bitte beachten Sie auch die "
                                                 "Groß- und Kleinschreibung."),
                                  QStringLiteral("Sorry, the password is incorrect. Pls. note that the password "
                                                 "is case-sensitive.")),
            16,
            platform::in_language(language_, QStringLiteral("Falsches Kennwort..."),
                                  QStringLiteral("Incorrect Password...")));
        txt_pw.setText(QString());
        return;
    }
    unload();
    if (show_main_)
        show_main_();
}

void GetPass::Command2_Click() { context_.ui.endProgram(); }

} // namespace startup
