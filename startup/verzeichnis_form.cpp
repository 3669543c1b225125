#include "startup/verzeichnis_form.h"

#include "platform/in_language.h"
#include "platform/process.h"
#include "platform/system_queries.h"

namespace startup {

Verzeichnis::Verzeichnis(mainwindow::MainForm& main, int language)
    : Form(QStringLiteral("verzeichnis")), main_(main), context_(main.context()), language_(language)
{
    setCaption(QStringLiteral("Verzeichnis auswählen"));
    setClientSize(4815, 4095);
    Drive1.move(120, 120, 3135, 315);
    Dir1.move(120, 540, 3135, 2850);
    Label1.move(120, 3540, 4575, 435);
    Command1.move(3480, 120, 1215, 375);
    Command1.setCaption(QStringLiteral("&OK"));
    Command1.setDefault(true);
    Command2.move(3480, 600, 1215, 375);
    Command2.setCaption(QStringLiteral("&Abbrechen"));
    Command2.setCancel(true);
    Command3.move(3480, 1080, 1215, 375);
    Command3.setCaption(QStringLiteral("&Vorschau"));

    Dir1.onChange = [this] { Dir1_Change(); };
    Drive1.onChange = [this] { Drive1_Change(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
}

void Verzeichnis::Form_Load()
{
    setCaption(
        platform::in_language(language_, QStringLiteral("Verzeichnis auswählen"), QStringLiteral("Select Directory")));
    Command2.setCaption(platform::in_language(language_, QStringLiteral("&Abbrechen"), QStringLiteral("&Cancel")));
    Command1.setCaption(QStringLiteral("&OK"));
    Command3.setCaption(platform::in_language(language_, QStringLiteral("&Vorschau"), QStringLiteral("&Preview")));

    // A start folder that is not there leaves the list where it was.
    Dir1.setPath(platform::is_nt(context_.machine) ? main_.t810.text() : platform::get_windir(context_.machine));
    if (!main_.t32.text().isEmpty())
        Dir1.setPath(main_.t32.text());
    // The drive list follows the start folder without moving it to that drive's root.
    settingDrive_ = true;
    Drive1.setDrive(Dir1.path().left(2));
    settingDrive_ = false;
    Dir1_Change();
}

int Verzeichnis::link_count(const QString& folder) const
{
    QStringList found;
    const auto count = platform::find_files(context_.machine, folder, found, QStringLiteral("*.lnk"), 0, false);
    return count.ok() ? count.value : 0;
}

void Verzeichnis::Dir1_Change()
{
    Label1.setCaption(Dir1.path());
    Command3.setEnabled(link_count(Dir1.path()) > 0);
}

void Verzeichnis::Drive1_Change()
{
    if (settingDrive_)
        return;
    if (Dir1.setPath(Drive1.drive()) != 0) {
        context_.ui.msgBox(
            platform::in_language(language_, QStringLiteral("Sorry, dieses Laufwerk ist im Moment nicht verfügbar."),
                                  QStringLiteral("Drive is not available.")),
            16, platform::in_language(language_, QStringLiteral("Fehler..."), QStringLiteral("Error...")));
        // Back to the drive of the folder still shown.
        settingDrive_ = true;
        Drive1.setDrive(Dir1.path().left(2));
        settingDrive_ = false;
    }
}

void Verzeichnis::Command1_Click()
{
    const QString folder = Label1.caption();
    if (link_count(folder) == 0) {
        context_.ui.msgBox(
            platform::in_language(
                language_,
                QStringLiteral("In diesem Verzeichnis wurden keine Desktop-Icons (Verknüpfungen) gefunden. "
                               "Bitte wählen Sie ein Verzeichnis, in dem Ihre Verknüfungs-Dateien (*.lnk) "
                               "liegen."),
                QStringLiteral("There are no link-files (*.lnk) in the directory you have choosen. Please "
                               "select another directory.")),
            16,
            platform::in_language(language_, QStringLiteral("Konnte keine *.LNK Dateien finden !"),
                                  QStringLiteral("No lnk-files found!")));
        return;
    }
    main_.t32.setText(folder);
    // Whether Explorer starts or not, the folder is chosen.
    context_.processes.shell(QStringLiteral("explorer.exe ") + folder, platform::window_minimized);
    main_.c39.setValue(1);
    unload();
}

void Verzeichnis::Command2_Click()
{
    main_.c39.setValue(0);
    unload();
}

void Verzeichnis::Command3_Click()
{
    context_.processes.shell(QStringLiteral("Explorer.exe ") + Label1.caption(), platform::window_normal);
}

} // namespace startup
