// Every caption the localisation sets, in both languages, as the window shows it: the window texts, each
// tab's frame and controls, and every menu item; and the help text of every tab.

#include "tests/mainwindow_texts/main_window.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    const char* control;
    const char* english;
    const char* german;
};

// cmd_set and Label1 keep their designed German captions; the English run replaces them.
const Row caption_rows[] = {
    {"L_gen", "General Help:", "Allgemein:"},
    {"cm01", "&Cancel", "&Abbrechen"},
    {"cm02", "&OK", "&OK"},
    {"cmd_set", "&Apply", "&Setzen"},
    {"Label1", "Press F1 to get a context sensitive help for this tab.",
     "Drücken Sie die Taste F1, um zu dieser Registerkarte eine kontextbezogene Hilfe zu erhalten."},
    {"f1", "Disable some entries in your Startmenu...", "Startmenü Einschränkungen ..."},
    {"c11", "Disable ShutDown", "Kein Beenden"},
    {"c12", "Disable LogOff", "Kein Abmelden"},
    {"c13", "Disable Run", "Kein Ausführen"},
    {"c14", "Disable Find", "Kein Suchen"},
    {"c15", "Disable Help", "Keine Hilfe"},
    {"c16", "Disable Settings", "Keine Systemsteuerung"},
    {"c17", "Disable Documents", "Keine Dokumente"},
    {"c18", "Disable Favorites", "Keine Favoriten"},
    {"c19", "Disable Common Groups", "Keine gemeinsamen PRG"},
    {"c110", "Disable Startmenu Settings", "Kein Ändern Startmenü"},
    {"f2", "Restrict your Control Panel...", "Systemsteuerung Einschränkungen ..."},
    {"l21", "Mark here your applets you don't want to show in your Control Panel section:",
     "Markieren Sie hier die Elemente in der Liste, welche nicht in der Systemsteuerung erscheinen sollen:"},
    {"cmd21", "All", "Alle"},
    {"cmd22", "None", "Keine"},
    {"f3", "Restrict your Desktop...", "Desktop/Oberfläche Einschränkungen ..."},
    {"c31", "No Change Taskbar-Settings", "Kein Ändern Taskbar"},
    {"c32", "No Change Display-Settings", "Kein Ändern Anzeige"},
    {"c33", "No Icons on Desktop", "Keine Symbole auf dem Desktop"},
    {"c34", "No Icon 'Nethood Neighborhood'", "Kein Symbol 'Netzwerkumgebung' auf Desktop"},
    {"c35", "No 'Click here to start...'", "Kein 'Klicken Sie hier' in Taskleiste bei Start"},
    {"c36", "No Save Settings at exit Windows", "Keine Einstellungen beim Beenden speichern"},
    {"c38", "No Registry / Regedit available", "Kein Registrierungseditor / Keine Registrierung"},
    {"c37", "Fix your Background-Picture:", "Festes Hintergrundsbild:"},
    {"c39", "Get Desktop-Icons from:", "Desktop-Icons laden von:"},
    {"cm31", "...", "..."},
    {"cm32", "...", "..."},
    {"f4", "Restrict Apps, run these apps only:", "Zensur - Nur bestimmte Programme ausführen ..."},
    {"c41", "Allow only these EXE-Files:", "Nur diese Programme zulassen:"},
    {"cm41", "Add", "Zufügen"},
    {"cm42", "Remove", "Löschen"},
    {"cm43", "Suggestions", "Vorschlag"},
    {"cm44", "Remove all", "Alle löschen"},
    {"cm45", "All EXE-Files", "Alle EXE's"},
    {"f5", "Hide the following drives...", "Laufwerke aus dem Arbeitsplatz/Explorer ausblenden..."},
    {"l51", "Mark the drives below, you want to hide for the user in Explorer or in My Computer:",
     "Folgende Laufwerke sollen aus dem Arbeitsplatz, dem Explorer und den Dateidialogen ausgeblendet werden:"},
    {"cm51", "All", "Alle"},
    {"cm52", "None", "Keine"},
    {"f6", "Win 9X/ME Restrictions...", "Netzwerk und Drucker"},
    {"c65", "No Properties 'Network-Neighborhood'", "Keine Eigenschaften 'Netzwerk'"},
    {"c66", "No 'Network-Neighborhood'", "Kein Eintrag 'Gesamtes Netzwerk'"},
    {"c67", "No Workgroup Contents", "Kein Eintrag Netzwerk-Mitglieder"},
    {"c68", "No Change Login Password", "Kein Ändern des Anmelde-Kennworts"},
    {"c69", "Disable File-Sharing Settings", "Datei-Freigaben ausgeblendet"},
    {"c610", "Disable Printer-Sharing Settings", "Drucker-Freigaben ausgeblendet"},
    {"c98", "No Add Printers", "Kein Hinzufügen von Druckern"},
    {"c99", "No Delete Printers", "Kein Löschen von Druckern"},
    {"f7", "IE Explorer (5.01 and higher) Restrictions ...", "IE Explorer (ab 5.01) Einschränkungen ..."},
    {"c21", "Disable Downloads in IE Explorer", "Keinen Download aus IE zulassen"},
    {"c22", "No Context-Menu in IE Explorer", "Keinen Rechtsklick im Browserfenster"},
    {"c23", "No Internet Explorer-Settings", "Keine Internet-Einstellungen (Optionen)"},
    {"c24", "No View Source", "Keinen Quelltext anzeigen (Menü/Kontextmenü)"},
    {"c25", "Disable Favorites", "Keine Favoriten anzeigen / Favoriten sperren"},
    {"c26", "No Menu File/New", "Kein Menü Datei/Neu"},
    {"c27", "No Menu File/Open", "Kein Menü Datei/Öffnen"},
    {"c28", "No Menu File/Save", "Kein Menü Datei/Speichern"},
    {"c29", "No Menu File/Print", "Kein Menü Datei/Drucken"},
    {"c210", "No Menu File/Exit", "Kein Menü Datei/Beenden"},
    {"f8", "General Windows-Settings", "Diverse Einschränkungen"},
    {"c61", "Never start 'Scandisk' at Startup...", "Scandisk niemals ausführen"},
    {"c62", "No Boot-Menu at Startup (No F8 available...)", "Kein Bootmenü (F8 gesperrt)"},
    {"c63", "No ActiveDesktop (W98/ME)", "Kein ActiveDesktop (W98/ME)"},
    {"c64", "No ActiveDesktop Settings", "KeineActiveDesktop-Einstellungen"},
    {"c90", "No Windows Beep on Error", "Kein Windows Beep bei Fehler"},
    {"c91", "Disable right-click Desktop/Explorer", "Rein Rechtsklick auf Desktop"},
    {"c93", "Disable right-click Taskbar", "Kein Rechtsklick Taskleiste/Startmenü"},
    {"c94", "Disable 2000/XP-Taskmanager", "Kein NT/2000/XP Taskmanager"},
    {"c95", "Disable Windows Update", "Kein Windows-Update zulassen"},
    {"c96", "Disable CommandLine (MS-DOS)", "Keine Kommandozeile (MS-DOS)"},
    {"f9", "Misc. Settings", "Allgemeine Programmeinstellungen ..."},
    {"l81", "Registered Organisation:", "Win-Registrierte Firma:"},
    {"l82", "Registered Name:", "Win-Registrierter Name:"},
    {"l83", "Check Settings", "Einstellung(en) prüfen"},
    {"l810", "Path User Profiles:", "Pfad für Benutzerprofile:"},
    {"mm1", "&File", "&Datei"},
    {"mm11", "&Open", "&Öffnen"},
    {"mm12", "&Save...", "&Speichern..."},
    {"mm13", "Save as", "Speichern &unter"},
    {"mm132", "&Uninstall", "De-&Installieren"},
    {"mm14", "&Print", "&Drucken"},
    {"mm15", "&Setup Printer", "Drucker &einrichten"},
    {"mm16", "&Exit", "&Beenden"},
    {"mm2", "&Edit", "&Bearbeiten"},
    {"mm21", "&Mark all", "&Alles markieren"},
    {"mm22", "AUnmark all", "Alles &entmarkieren"},
    {"mm23", "&Change Password", "&Passwort ändern"},
    {"mm24", "&Suggestions", "&Vorschläge"},
    {"mm3", "&Windows", "&Fenster"},
    {"mm31", "&Startmenu", "&Startmenü"},
    {"mm32", "&Control Panel", "S&ystemsteuerung"},
    {"mm33", "&Desktop", "&Desktop"},
    {"mm34", "Ce&nsor List", "&Zensur"},
    {"mm35", "&Drives", "&Laufwerke"},
    {"mm36", "&Win 9X/ME", "&Netz und Drucker"},
    {"mm37", "&IE Explorer", "&IE Explorer"},
    {"mm38", "Misc.", "&Diverses"},
    {"mm39", "&Settings", "&Einstellungen"},
    {"mm310", "&Help", "&Hilfe"},
    {"mm4", "&Language", "&Sprache"},
    {"mm41", "&German", "Deutsch"},
    {"mm42", "&English", "English"},
    {"mm5", "&Help", "&Hilfe"},
    {"mm51", "&HConent", "&Hilfethemen"},
    {"mm52", "&Inhalt und Index", "&Inhalt und Index"},
    {"mm53", "Inter&net-Help", "Inter&net-Hilfe"},
    {"mm54", "&Windows-Version", "&Versions-Info"},
    {"mm55", "&Online-Update", "&Online-Update"},
    {"mm57", "&About", "&Über..."},
    {"mm6", "Intern", "Intern"},
};

struct HelpRow {
    int tab;
    const char* english;
    const char* german;
};

const HelpRow help_rows[] = {
    {0, "Restrict your Startmenu and hide some entries you not want to entered by your users.",
     "Schränken Sie das Startmenü auf benötigte Punkte ein und blenden Sie Einträge aus..."},
    {1, "Restrict your Control Panel and hide applets you don't want to share to your users.",
     "Beschränken Sie die Systemsteuerung auf die Punkte, die Ihre User wirklich brauchen."},
    {2, "Changing settings on your desktop now secured. Never allow a user to change wallpapers...",
     "Verunstaltungen am Desktop gehören mit diesen Einschränkungen zur Vergangenheit."},
    {3, "Restrict the availability to run programs for the user. Only this programs can be runned.",
     "Erlauben Sie nur gewisse Programme. Alle anderen Programme sind für den User tabu."},
    {4, "Hide drives, network mapped drives and others in this section.",
     "Verstecken Sie Laufwerke, Netzlaufwerke auf der Arbeitsoberfläche und im Explorer."},
    {5, "More Security for your Win 9X/ME-PC, especially in Network Properties and Settings.",
     "Hier können Sie spezielle Sicherheitslöcher (vorallem Netzwerk )in W9X/ME schliessen."},
    {6, "Restrict your Inter Explorer (5.01 requiered). Allow surfing the web, disallow downloads...",
     "Im Internet surfen gehört dazu. Downloads, Ausdrucke Einstellungen aber nicht. Siehe links."},
    {7, "Misc. Restrictions to your System. Disable some commands in Win 2000/XP and more...",
     "Legen Sie hier diverse Schutzmechanismen für Win9X/ME und auch für Win 2000/XP fest."},
    {8, "General settings to this program. Change Registered User and Company and set Your Password.",
     "Allgemeine Einstellungen zum Programm selbst, sowie Lizenzdaten können Sie hier ändern."},
};

struct Language {
    int code;
    const char* name;
};

void PrintTo(const Language& l, std::ostream* os) { *os << l.name; }

class TextTable : public ::testing::TestWithParam<Language> {
protected:
    QString pick(const char* english, const char* german) const
    {
        return QString::fromUtf8(GetParam().code == 0 ? german : english);
    }
    main_window::Window window{GetParam().code};
};

TEST_P(TextTable, EveryCaptionAndMenuRow)
{
    for (const Row& row : caption_rows) {
        const controls::Control* c = window.form.find(QLatin1String(row.control));
        ASSERT_NE(c, nullptr) << row.control;
        EXPECT_EQ(c->caption(), pick(row.english, row.german)) << row.control;
    }
}

TEST_P(TextTable, EveryTabHelpText)
{
    for (const HelpRow& row : help_rows)
        EXPECT_EQ(window.form.tab_help_texts[static_cast<std::size_t>(row.tab + 1)], pick(row.english, row.german))
            << "tab " << row.tab;
}

INSTANTIATE_TEST_SUITE_P(Languages, TextTable, ::testing::Values(Language{1, "English"}, Language{0, "German"}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
