// The start-up forms made in German, as the program makes them: each caption and message in its German text.

#include "local_http_server.h"
#include "startup_fixture.h"

#include "mainform/main_form.h"
#include "platform/in_language.h"
#include "startup/startup_forms.h"

#include <QDir>

#include <functional>
#include <vector>

namespace {

using startup_tests::LocalHttpServer;
using startup_tests::Reply;
using startup_tests::str;

struct GermanForms {
    explicit GermanForms(const testsupport::ProgramOptions& options) : program(options) {}

    testsupport::TestProgram program;
    LocalHttpServer german_site;
    LocalHttpServer english_site;
    mainwindow::MainForm main{program.context()};
    startup::StartupForms forms{main, [] {}, {german_site.site(), english_site.site()}, platform::german};

    scripted_ui::ScriptedUi& ui() { return program.ui(); }
    void store_password(const QString& plain)
    {
        ASSERT_EQ(platform::REG_SetString(program.registry(), platform::HKEY_LOCAL_MACHINE, startup::program_key(),
                                          startup::password_value(),
                                          startup::pw_scramble(plain, startup::password_key())),
                  0);
    }
    void set_new_password(const char* password, const char* again)
    {
        forms.setpass.show();
        forms.setpass.txt_newpw.setText(QString::fromUtf8(password));
        forms.setpass.txt_wdh.setText(QString::fromUtf8(again));
        forms.setpass.cmd_ok.userClick();
    }
    // The first message box's title and text.
    QStringList first_message()
    {
        if (ui().messages().empty())
            return {QStringLiteral("<no message>")};
        return {ui().messages()[0].title, ui().messages()[0].text};
    }
};

testsupport::ProgramOptions with_arguments(QStringList arguments)
{
    testsupport::ProgramOptions options;
    options.arguments = std::move(arguments);
    return options;
}

testsupport::ProgramOptions without_helper()
{
    testsupport::ProgramOptions options;
    options.install_regg = false;
    return options;
}

struct Row {
    const char* name;
    testsupport::ProgramOptions options;
    std::function<void(GermanForms&)> step;
    std::function<QStringList(GermanForms&)> seen; // the texts that the row checks, in the order of `expected`
    std::vector<const char*> expected;
};

std::vector<Row> rows()
{
    const auto first_message = [](GermanForms& f) { return f.first_message(); };
    return {
        {"password_prompt", {},
         [](GermanForms& f) {
             f.store_password(QStringLiteral("secret1"));
             f.forms.getpass.show();
         },
         [](GermanForms& f) {
             const startup::GetPass& g = f.forms.getpass;
             return QStringList{g.caption(), g.Label1.caption(), g.Command2.caption()};
         },
         {"Kennwort eingeben", "Geben Sie das Kennwort ein:", "Abbrechen"}},
        {"uninstall_notice", with_arguments({QStringLiteral("/uninstall")}),
         [](GermanForms& f) {
             f.store_password(QStringLiteral("secret1"));
             f.forms.getpass.show();
         },
         first_message,
         {"Info zum Deinstallieren", "Zum Deinstallieren dieser Anwendung geben Sie bitte nachfolgend Ihr Kennwort "
                                     "ein und wählen anschließend im Menü 'Datei' den Punkt deinstallieren."}},
        {"helper_missing", without_helper(),
         [](GermanForms& f) { EXPECT_TRUE(scripted_ui::endsProgram([&] { f.forms.getpass.show(); })); },
         first_message,
         {"Wichtige Dateien fehlen - Bitte neu installieren !",
          "Eine oder mehrere wichtige Dateien, die für das korrekte Ausführen notwendig sind, fehlen auf Ihrer "
          "Festplatte. Wiederholen Sie bitte die Installation. (REGG.EXE)"}},
        {"wrong_password", {},
         [](GermanForms& f) {
             f.store_password(QStringLiteral("secret1"));
             f.forms.getpass.show();
             f.forms.getpass.txt_pw.setText(QStringLiteral("secret2"));
             f.forms.getpass.cmd_ok.userClick();
         },
         first_message,
         {"Falsches Kennwort...",
          "Das Kennwort ist nicht korrekt. Bitte beachten Sie auch die Groß- und Kleinschreibung."}},
        {"no_password_yet_hands_over", {}, [](GermanForms& f) { f.forms.getpass.show(); },
         [](GermanForms& f) {
             const startup::SetPass& s = f.forms.setpass;
             return QStringList{f.first_message().value(0), s.caption(), s.Label2.caption(), s.Label3.caption(),
                                s.cmd_abbrechen.caption()};
         },
         {"Kennwort festlegen...", "Neues Kennwort festlegen", "Neues Passwort :", "Wiederholung :", "&Abbrechen"}},
        {"new_password_repeated_wrong", {}, [](GermanForms& f) { f.set_new_password("secret1", "secret2"); },
         first_message, {"Falsche Wiederholung", "Die Wiederholung stimmt nicht mit dem Kennwort überein."}},
        {"new_password_too_short", {}, [](GermanForms& f) { f.set_new_password("abc", "abc"); }, first_message,
         {"Sorry...", "Das Kennwort muss mindestens 5 Zeichen und darf maximal 15 Zeichen haben..."}},
        {"new_password_stored", {}, [](GermanForms& f) { f.set_new_password("secret1", "secret1"); },
         first_message, {"Passwort...", "Neues Passwort erfolgreich gesetzt."}},
        {"update_dialog", {}, [](GermanForms& f) { f.forms.update.show(); },
         [](GermanForms& f) {
             const startup::Update& u = f.forms.update;
             return QStringList{u.lbl1.caption(), u.lbl3.caption(),  u.lbl4.caption(),       u.cmd1.caption(),
                                u.cmd2.caption(), u.cmd3.caption(), u.cmd_abbruch.caption()};
         },
         {"Update-Prüfung", "Diese Version: \r\nAktuelle Version:", "5.3.5\r\n??? <prüfen>", "&Prüfen",
          "&Installieren", "&Schliessen", "&Abbruch"}},
        {"update_checked_at_the_german_site", {},
         [](GermanForms& f) {
             f.german_site.serve("/update/gatr.txt", Reply{200, "9.9.9"});
             f.forms.update.show();
             f.forms.update.cmd1.userClick();
         },
         [](GermanForms& f) { return QStringList{f.forms.update.lbl4.caption(), f.forms.update.lbl5.caption()}; },
         {"5.3.5\r\n9.9.9", "Eine neuere Version steht zum Download bereit."}},
        {"update_download_cancelled", {},
         [](GermanForms& f) {
             f.german_site.serve("/update/gatr.txt", Reply{200, "9.9.9"});
             f.german_site.serve("/update/g2002up.exe", Reply{200, QByteArray(1000, 'x')});
             f.forms.update.show();
             f.forms.update.cmd1.userClick();
             f.forms.update.cmd_abbruch.userClick();
             EXPECT_FALSE(scripted_ui::endsProgram([&] { f.forms.update.cmd2.userClick(); }));
         },
         first_message, {"Abbruch", "Download wurde abgebrochen !"}},
        {"link_folder_chooser", {}, [](GermanForms& f) { f.forms.verzeichnis.show(); },
         [](GermanForms& f) {
             const startup::Verzeichnis& v = f.forms.verzeichnis;
             return QStringList{v.caption(), v.Command2.caption(), v.Command3.caption()};
         },
         {"Verzeichnis auswählen", "&Abbrechen", "&Vorschau"}},
        {"link_folder_without_links", {},
         [](GermanForms& f) {
             ASSERT_TRUE(QDir().mkpath(f.program.host(QStringLiteral("C:\\Empty"))));
             f.main.t32.setText(QStringLiteral("C:\\Empty"));
             f.forms.verzeichnis.show();
             f.forms.verzeichnis.Command1.userClick();
         },
         first_message,
         {"Konnte keine *.LNK Dateien finden !",
          "In diesem Verzeichnis wurden keine Desktop-Icons (Verknüpfungen) gefunden. Bitte wählen Sie ein "
          "Verzeichnis, in dem Ihre Verknüfungs-Dateien (*.lnk) liegen."}},
        {"link_folder_drive_unavailable", {},
         [](GermanForms& f) {
             f.forms.verzeichnis.show();
             ASSERT_TRUE(QDir(f.program.machine().drive_folder(QLatin1Char('D'))).removeRecursively());
             f.forms.verzeichnis.Drive1.setDrive(QStringLiteral("d:"));
         },
         first_message, {"Fehler...", "Sorry, dieses Laufwerk ist im Moment nicht verfügbar."}},
        {"profile_lookup_of_a_missing_key", {},
         [](GermanForms& f) {
             f.forms.profile.show();
             f.forms.profile.REG_GetUserProfileList(
                 QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-21-9"));
         },
         first_message, {"Gatrisk 2002", "Der Registryeintrag konnte nicht geöffnet werden."}},
        {"profile_walk_over_an_unreadable_folder", {},
         [](GermanForms& f) {
             const QString key = QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\") +
                                 f.program.machine().facts().accounts.front().sid;
             ASSERT_EQ(platform::REG_DeleteValue(f.program.registry(), platform::HKEY_LOCAL_MACHINE, key,
                                                 QStringLiteral("ProfileImagePath")),
                       0);
             f.forms.profile.show();
             f.forms.profile.Command2.userClick();
         },
         first_message, {"Gatrisk 2002", "Der Registryeintrag konnte nicht gelesen oder gefunden werden."}},
    };
}

class FormsInGerman : public testing::TestWithParam<Row> {};

TEST_P(FormsInGerman, EveryTextIsTheGermanOne)
{
    const Row& r = GetParam();
    GermanForms f(r.options);
    r.step(f);
    const QStringList seen = r.seen(f);
    ASSERT_EQ(seen.size(), static_cast<qsizetype>(r.expected.size())) << str(seen.join(QLatin1Char('|')));
    for (std::size_t i = 0; i < r.expected.size(); ++i)
        EXPECT_EQ(str(seen[static_cast<qsizetype>(i)]), r.expected[i]) << "text " << i;
}

INSTANTIATE_TEST_SUITE_P(Forms, FormsInGerman, testing::ValuesIn(rows()), startup_tests::RowName());

} // namespace
