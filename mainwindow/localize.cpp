// The two runs set the same items from one table, each its own column. A row without German text keeps its
// designed caption in German.

#include "mainwindow/localize.h"

#include "mainwindow/maker_sites.h"
#include "platform/in_language.h"
#include "platform/registry.h"

namespace mainwindow {

namespace {

struct Caption {
    controls::Control* control;
    const char* english;
    const char* german; // nullptr: the designed caption is the German one
};

std::vector<Caption> window_captions(MainForm& m)
{
    return {
        {&m.L_gen, "General Help:", "Allgemein:"},
        {&m.cm01, "&Cancel", "&Abbrechen"},
        {&m.cm02, "&OK", "&OK"},
        {&m.cmd_set, "&Apply", nullptr},
        {&m.Label1, "Press F1 to get a context sensitive help for this tab.", nullptr},
    };
}

std::vector<Caption> tab_captions(MainForm& m)
{
    return {
        // Start menu
        {&m.f1, "Disable some entries in your Startmenu...", "Startmenü Einschränkungen ..."},
        {&m.c11, "Disable ShutDown", "Kein Beenden"},
        {&m.c12, "Disable LogOff", "Kein Abmelden"},
        {&m.c13, "Disable Run", "Kein Ausführen"},
        {&m.c14, "Disable Find", "Kein Suchen"},
        {&m.c15, "Disable Help", "Keine Hilfe"},
        {&m.c16, "Disable Settings", "Keine Systemsteuerung"},
        {&m.c17, "Disable Documents", "Keine Dokumente"},
        {&m.c18, "Disable Favorites", "Keine Favoriten"},
        {&m.c19, "Disable Common Groups", "Keine gemeinsamen PRG"},
        {&m.c110, "Disable Startmenu Settings", "Kein Ändern Startmenü"},
        // Control Panel
        {&m.f2, "Restrict your Control Panel...", "Systemsteuerung Einschränkungen ..."},
        {&m.l21, "Mark here your applets you don't want to show in your Control Panel section:",
         "Markieren Sie hier die Elemente in der Liste, welche nicht in der Systemsteuerung erscheinen sollen:"},
        {&m.cmd21, "All", "Alle"},
        {&m.cmd22, "None", "Keine"},
        // Desktop
        {&m.f3, "Restrict your Desktop...", "Desktop/Oberfläche Einschränkungen ..."},
        {&m.c31, "No Change Taskbar-Settings", "Kein Ändern Taskbar"},
        {&m.c32, "No Change Display-Settings", "Kein Ändern Anzeige"},
        {&m.c33, "No Icons on Desktop", "Keine Symbole auf dem Desktop"},
        {&m.c34, "No Icon 'Nethood Neighborhood'", "Kein Symbol 'Netzwerkumgebung' auf Desktop"},
        {&m.c35, "No 'Click here to start...'", "Kein 'Klicken Sie hier' in Taskleiste bei Start"},
        {&m.c36, "No Save Settings at exit Windows", "Keine Einstellungen beim Beenden speichern"},
        {&m.c38, "No Registry / Regedit available", "Kein Registrierungseditor / Keine Registrierung"},
        {&m.c37, "Fix your Background-Picture:", "Festes Hintergrundsbild:"},
        {&m.c39, "Get Desktop-Icons from:", "Desktop-Icons laden von:"},
        {&m.cm31, "...", "..."},
        {&m.cm32, "...", "..."},
        // Censor list
        {&m.f4, "Restrict Apps, run these apps only:", "Zensur - Nur bestimmte Programme ausführen ..."},
        {&m.c41, "Allow only these EXE-Files:", "Nur diese Programme zulassen:"},
        {&m.cm41, "Add", "Zufügen"},
        {&m.cm42, "Remove", "Löschen"},
        {&m.cm43, "Suggestions", "Vorschlag"},
        {&m.cm44, "Remove all", "Alle löschen"},
        {&m.cm45, "All EXE-Files", "Alle EXE's"},
        // Drives
        {&m.f5, "Hide the following drives...", "Laufwerke aus dem Arbeitsplatz/Explorer ausblenden..."},
        {&m.l51, "Mark the drives below, you want to hide for the user in Explorer or in My Computer:",
         "Folgende Laufwerke sollen aus dem Arbeitsplatz, dem Explorer und den Dateidialogen ausgeblendet werden:"},
        {&m.cm51, "All", "Alle"},
        {&m.cm52, "None", "Keine"},
        // Network and printers
        {&m.f6, "Win 9X/ME Restrictions...", "Netzwerk und Drucker"},
        {&m.c65, "No Properties 'Network-Neighborhood'", "Keine Eigenschaften 'Netzwerk'"},
        {&m.c66, "No 'Network-Neighborhood'", "Kein Eintrag 'Gesamtes Netzwerk'"},
        {&m.c67, "No Workgroup Contents", "Kein Eintrag Netzwerk-Mitglieder"},
        {&m.c68, "No Change Login Password", "Kein Ändern des Anmelde-Kennworts"},
        {&m.c69, "Disable File-Sharing Settings", "Datei-Freigaben ausgeblendet"},
        {&m.c610, "Disable Printer-Sharing Settings", "Drucker-Freigaben ausgeblendet"},
        {&m.c98, "No Add Printers", "Kein Hinzufügen von Druckern"},
        {&m.c99, "No Delete Printers", "Kein Löschen von Druckern"},
        // Internet Explorer
        {&m.f7, "IE Explorer (5.01 and higher) Restrictions ...", "IE Explorer (ab 5.01) Einschränkungen ..."},
        {&m.c21, "Disable Downloads in IE Explorer", "Keinen Download aus IE zulassen"},
        {&m.c22, "No Context-Menu in IE Explorer", "Keinen Rechtsklick im Browserfenster"},
        {&m.c23, "No Internet Explorer-Settings", "Keine Internet-Einstellungen (Optionen)"},
        {&m.c24, "No View Source", "Keinen Quelltext anzeigen (Menü/Kontextmenü)"},
        {&m.c25, "Disable Favorites", "Keine Favoriten anzeigen / Favoriten sperren"},
        {&m.c26, "No Menu File/New", "Kein Menü Datei/Neu"},
        {&m.c27, "No Menu File/Open", "Kein Menü Datei/Öffnen"},
        {&m.c28, "No Menu File/Save", "Kein Menü Datei/Speichern"},
        {&m.c29, "No Menu File/Print", "Kein Menü Datei/Drucken"},
        {&m.c210, "No Menu File/Exit", "Kein Menü Datei/Beenden"},
        // Miscellaneous
        {&m.f8, "General Windows-Settings", "Diverse Einschränkungen"},
        {&m.c61, "Never start 'Scandisk' at Startup...", "Scandisk niemals ausführen"},
        {&m.c62, "No Boot-Menu at Startup (No F8 available...)", "Kein Bootmenü (F8 gesperrt)"},
        {&m.c63, "No ActiveDesktop (W98/ME)", "Kein ActiveDesktop (W98/ME)"},
        {&m.c64, "No ActiveDesktop Settings", "KeineActiveDesktop-Einstellungen"},
        {&m.c90, "No Windows Beep on Error", "Kein Windows Beep bei Fehler"},
        {&m.c91, "Disable right-click Desktop/Explorer", "Rein Rechtsklick auf Desktop"},
        {&m.c93, "Disable right-click Taskbar", "Kein Rechtsklick Taskleiste/Startmenü"},
        {&m.c94, "Disable 2000/XP-Taskmanager", "Kein NT/2000/XP Taskmanager"},
        {&m.c95, "Disable Windows Update", "Kein Windows-Update zulassen"},
        {&m.c96, "Disable CommandLine (MS-DOS)", "Keine Kommandozeile (MS-DOS)"},
        // Program settings
        {&m.f9, "Misc. Settings", "Allgemeine Programmeinstellungen ..."},
        {&m.l81, "Registered Organisation:", "Win-Registrierte Firma:"},
        {&m.l82, "Registered Name:", "Win-Registrierter Name:"},
        {&m.l83, "Check Settings", "Einstellung(en) prüfen"},
        {&m.l810, "Path User Profiles:", "Pfad für Benutzerprofile:"},
    };
}

std::vector<Caption> menu_captions(MainForm& m)
{
    return {
        {&m.mm1, "&File", "&Datei"},
        {&m.mm11, "&Open", "&Öffnen"},
        {&m.mm12, "&Save...", "&Speichern..."},
        {&m.mm13, "Save as", "Speichern &unter"},
        {&m.mm132, "&Uninstall", "De-&Installieren"},
        {&m.mm14, "&Print", "&Drucken"},
        {&m.mm15, "&Setup Printer", "Drucker &einrichten"},
        {&m.mm16, "&Exit", "&Beenden"},
        {&m.mm2, "&Edit", "&Bearbeiten"},
        {&m.mm21, "&Mark all", "&Alles markieren"},
        {&m.mm22, "AUnmark all", "Alles &entmarkieren"},
        {&m.mm23, "&Change Password", "&Passwort ändern"},
        {&m.mm24, "&Suggestions", "&Vorschläge"},
        {&m.mm3, "&Windows", "&Fenster"},
        {&m.mm31, "&Startmenu", "&Startmenü"},
        {&m.mm32, "&Control Panel", "S&ystemsteuerung"},
        {&m.mm33, "&Desktop", "&Desktop"},
        {&m.mm34, "Ce&nsor List", "&Zensur"},
        {&m.mm35, "&Drives", "&Laufwerke"},
        {&m.mm36, "&Win 9X/ME", "&Netz und Drucker"},
        {&m.mm37, "&IE Explorer", "&IE Explorer"},
        {&m.mm38, "Misc.", "&Diverses"},
        {&m.mm39, "&Settings", "&Einstellungen"},
        {&m.mm310, "&Help", "&Hilfe"},
        {&m.mm4, "&Language", "&Sprache"},
        {&m.mm41, "&German", "Deutsch"},
        {&m.mm42, "&English", "English"},
        {&m.mm5, "&Help", "&Hilfe"},
        {&m.mm51, "&HConent", "&Hilfethemen"},
        {&m.mm52, "&Inhalt und Index", "&Inhalt und Index"},
        {&m.mm53, "Inter&net-Help", "Inter&net-Hilfe"},
        {&m.mm54, "&Windows-Version", "&Versions-Info"},
        {&m.mm55, "&Online-Update", "&Online-Update"},
        {&m.mm57, "&About", "&Über..."},
        {&m.mm6, "Intern", "Intern"},
    };
}

// Element tab + 1; elements 0 and 10 stay empty.
const char* const help_texts[9][2] = {
    {"Restrict your Startmenu and hide some entries you not want to entered by your users.",
     "Schränken Sie das Startmenü auf benötigte Punkte ein und blenden Sie Einträge aus..."},
    {"Restrict your Control Panel and hide applets you don't want to share to your users.",
     "Beschränken Sie die Systemsteuerung auf die Punkte, die Ihre User wirklich brauchen."},
    {"Changing settings on your desktop now secured. Never allow a user to change wallpapers...",
     "Verunstaltungen am Desktop gehören mit diesen Einschränkungen zur Vergangenheit."},
    {"Restrict the availability to run programs for the user. Only this programs can be runned.",
     "Erlauben Sie nur gewisse Programme. Alle anderen Programme sind für den User tabu."},
    {"Hide drives, network mapped drives and others in this section.",
     "Verstecken Sie Laufwerke, Netzlaufwerke auf der Arbeitsoberfläche und im Explorer."},
    {"More Security for your Win 9X/ME-PC, especially in Network Properties and Settings.",
     "Hier können Sie spezielle Sicherheitslöcher (vorallem Netzwerk )in W9X/ME schliessen."},
    {"Restrict your Inter Explorer (5.01 requiered). Allow surfing the web, disallow downloads...",
     "Im Internet surfen gehört dazu. Downloads, Ausdrucke Einstellungen aber nicht. Siehe links."},
    {"Misc. Restrictions to your System. Disable some commands in Win 2000/XP and more...",
     "Legen Sie hier diverse Schutzmechanismen für Win9X/ME und auch für Win 2000/XP fest."},
    {"General settings to this program. Change Registered User and Company and set Your Password.",
     "Allgemeine Einstellungen zum Programm selbst, sowie Lizenzdaten können Sie hier ändern."},
};

// In list order: the position is the number of the tool a double-click starts.
const char* const windows_tools[10][2] = {
    {"Check - Screensaver", "Prüfen - Bildschirmschoner"},
    {"Check - Display Settings", "Prüfen - Grafikeinstellungen"},
    {"Check - Display Background", "Prüfen - Hintergrund Desktop"},
    {"Check - System (Properties)", "Prüfen - System (Eigenschaften)"},
    {"Check - Run Exlorer", "System - Explorer starten"},
    {"Check - System Configuration", "System - Systemkonfiguration"},
    {"Check - Run Scandisk", "System - Scandisk für Windows"},
    {"Check - Run Scan Regesitry", "System - Überprüfung der Registry"},
    {"Check - Run Disk Cleanup", "System - Datenträgerbereinigung"},
    {"Check - Run Registry Editor", "System - Registrierungseditor"},
};

QString text(const char* const (&pair)[2], int language)
{
    return QString::fromUtf8(pair[language == platform::german ? 1 : 0]);
}

void set_captions(const std::vector<Caption>& rows, int language)
{
    for (const Caption& row : rows) {
        const char* caption = language == platform::german ? row.german : row.english;
        if (caption)
            row.control->setCaption(QString::fromUtf8(caption));
    }
}

void localize_in(MainForm& main, int language)
{
    set_captions(window_captions(main), language);
    for (int k = 0; k < 9; ++k)
        main.tab_help_texts[static_cast<std::size_t>(k + 1)] = text(help_texts[k], language);

    platform::Context& context = main.context();
    main.StatusBar.setPanelText(1, maker_site_shown(language));
    // The name as the panel shows it: the NUL behind it ends the text on screen.
    main.StatusBar.setPanelText(3, platform::trim_null(platform::get_username(context.machine)));

    set_captions(tab_captions(main), language);
    // Appended, as the list is never cleared: the position is the tool's number.
    for (const auto& tool : windows_tools)
        main.syslist.addItem(text(tool, language));

    main.msg_mark_all =
        platform::in_language(language, QStringLiteral("Alle Einschränkungen ausser der Zensur wurden aktiviert."),
                              QStringLiteral("All restrictions exp. the restriction-list are activated..."));
    main.save_dialog_title =
        platform::in_language(language, QStringLiteral("Einstellungen speichern..."), QStringLiteral("Save Settings"));
    set_captions(menu_captions(main), language);
}

} // namespace

void localize(MainForm& main, int language)
{
    if (language == platform::german)
        localize_german(main);
    else if (language == platform::english)
        localize_us(main);
}

void localize_german(MainForm& main) { localize_in(main, platform::german); }

void localize_us(MainForm& main) { localize_in(main, platform::english); }

} // namespace mainwindow
