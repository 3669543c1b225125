// The texts of both languages: exact captions (typos included), the designed ones that stay, the tab help
// texts, the Windows tools in their order, the form-level messages and the address and user panels.

#include "tests/mainwindow_texts/main_window.h"

#include "controls/menu.h"

#include <gtest/gtest.h>

namespace {

using mainwindow::MainForm;

struct Expected {
    const char* control;
    const char* english;
    const char* german;
};

// The items that matter: the ones with odd spellings, the ones the German run keeps, and one of each kind.
const Expected captions[] = {
    {"L_gen", "General Help:", "Allgemein:"},
    {"cm01", "&Cancel", "&Abbrechen"},
    {"cm02", "&OK", "&OK"},
    {"cmd_set", "&Apply", "&Setzen"},
    {"Label1", "Press F1 to get a context sensitive help for this tab.",
     "Drücken Sie die Taste F1, um zu dieser Registerkarte eine kontextbezogene Hilfe zu erhalten."},
    {"l10", "Gilt für Benutzer:", "Gilt für Benutzer:"},
    {"l01", "Start", "Start"},
    {"f1", "Disable some entries in your Startmenu...", "Startmenü Einschränkungen ..."},
    {"c19", "Disable Common Groups", "Keine gemeinsamen PRG"},
    {"c110", "Disable Startmenu Settings", "Kein Ändern Startmenü"},
    {"l21", "Mark here your applets you don't want to show in your Control Panel section:",
     "Markieren Sie hier die Elemente in der Liste, welche nicht in der Systemsteuerung erscheinen sollen:"},
    {"cmd22", "None", "Keine"},
    {"c34", "No Icon 'Nethood Neighborhood'", "Kein Symbol 'Netzwerkumgebung' auf Desktop"},
    {"c37", "Fix your Background-Picture:", "Festes Hintergrundsbild:"},
    {"cm32", "...", "..."},
    {"f4", "Restrict Apps, run these apps only:", "Zensur - Nur bestimmte Programme ausführen ..."},
    {"cm45", "All EXE-Files", "Alle EXE's"},
    {"gesamtfiles", "gesfiles", "gesfiles"},
    {"l51", "Mark the drives below, you want to hide for the user in Explorer or in My Computer:",
     "Folgende Laufwerke sollen aus dem Arbeitsplatz, dem Explorer und den Dateidialogen ausgeblendet werden:"},
    {"d_q", "Q:", "Q:"},
    {"f6", "Win 9X/ME Restrictions...", "Netzwerk und Drucker"},
    {"c610", "Disable Printer-Sharing Settings", "Drucker-Freigaben ausgeblendet"},
    {"c24", "No View Source", "Keinen Quelltext anzeigen (Menü/Kontextmenü)"},
    {"c210", "No Menu File/Exit", "Kein Menü Datei/Beenden"},
    {"c64", "No ActiveDesktop Settings", "KeineActiveDesktop-Einstellungen"},
    {"c91", "Disable right-click Desktop/Explorer", "Rein Rechtsklick auf Desktop"},
    {"c96", "Disable CommandLine (MS-DOS)", "Keine Kommandozeile (MS-DOS)"},
    {"f9", "Misc. Settings", "Allgemeine Programmeinstellungen ..."},
    {"l83", "Check Settings", "Einstellung(en) prüfen"},
    {"l810", "Path User Profiles:", "Pfad für Benutzerprofile:"},
    {"mm1", "&File", "&Datei"},
    {"mm13", "Save as", "Speichern &unter"},
    {"mm132", "&Uninstall", "De-&Installieren"},
    {"mm22", "AUnmark all", "Alles &entmarkieren"},
    {"mm3", "&Windows", "&Fenster"},
    {"mm34", "Ce&nsor List", "&Zensur"},
    {"mm36", "&Win 9X/ME", "&Netz und Drucker"},
    {"mm38", "Misc.", "&Diverses"},
    {"mm310", "&Help", "&Hilfe"},
    {"mm4", "&Language", "&Sprache"},
    {"mm41", "&German", "Deutsch"},
    {"mm42", "&English", "English"},
    {"mm51", "&HConent", "&Hilfethemen"},
    {"mm52", "&Inhalt und Index", "&Inhalt und Index"},
    {"mm54", "&Windows-Version", "&Versions-Info"},
    {"mm57", "&About", "&Über..."},
    {"mm6", "Intern", "Intern"},
};

struct Language {
    int code;
    const char* name;
};

void PrintTo(const Language& l, std::ostream* os) { *os << l.name; }

class LocalizeTest : public ::testing::TestWithParam<Language> {
protected:
    int language() const { return GetParam().code; }
    QString pick(const char* english, const char* german) const
    {
        return QString::fromUtf8(language() == 0 ? german : english);
    }
    main_window::Window window{GetParam().code};
    MainForm& form = window.form;
};

TEST_P(LocalizeTest, CaptionsAreExact)
{
    for (const Expected& e : captions) {
        const controls::Control* c = form.find(QLatin1String(e.control));
        ASSERT_NE(c, nullptr) << e.control;
        EXPECT_EQ(c->caption(), pick(e.english, e.german)) << e.control;
    }
    EXPECT_EQ(form.caption(), QStringLiteral("Gatrisk 2002"));
    EXPECT_EQ(form.txttooltip.text(), QStringLiteral("Gatrisk"));
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(form.tab.tabCaption(k), QStringLiteral("&%1.)").arg(k + 1));
}

// Every designed caption "<name>_<German text>" is replaced; separators and the developer items keep theirs.
TEST_P(LocalizeTest, NoControlKeepsItsDesignedPrefix)
{
    for (const controls::Control* c : form.controls())
        EXPECT_FALSE(c->caption().startsWith(c->name() + QLatin1Char('_'))) << qPrintable(c->name()) << ": "
                                                                           << qPrintable(c->caption());
    EXPECT_EQ(form.m1x1.caption(), QStringLiteral("-"));
    EXPECT_EQ(form.m_tes_regedit.caption(), QStringLiteral("regedit"));
}

TEST_P(LocalizeTest, TabHelpTextsByTab)
{
    EXPECT_EQ(form.tab_help_texts[1],
              pick("Restrict your Startmenu and hide some entries you not want to entered by your users.",
                   "Schränken Sie das Startmenü auf benötigte Punkte ein und blenden Sie Einträge aus..."));
    EXPECT_EQ(form.tab_help_texts[4],
              pick("Restrict the availability to run programs for the user. Only this programs can be runned.",
                   "Erlauben Sie nur gewisse Programme. Alle anderen Programme sind für den User tabu."));
    EXPECT_EQ(form.tab_help_texts[6],
              pick("More Security for your Win 9X/ME-PC, especially in Network Properties and Settings.",
                   "Hier können Sie spezielle Sicherheitslöcher (vorallem Netzwerk )in W9X/ME schliessen."));
    EXPECT_EQ(form.tab_help_texts[7],
              pick("Restrict your Inter Explorer (5.01 requiered). Allow surfing the web, disallow downloads...",
                   "Im Internet surfen gehört dazu. Downloads, Ausdrucke Einstellungen aber nicht. Siehe links."));
    EXPECT_EQ(form.tab_help_texts[9],
              pick("General settings to this program. Change Registered User and Company and set Your Password.",
                   "Allgemeine Einstellungen zum Programm selbst, sowie Lizenzdaten können Sie hier ändern."));
    for (int element = 1; element <= 9; ++element)
        EXPECT_FALSE(form.tab_help_texts[static_cast<std::size_t>(element)].isEmpty()) << element;
    EXPECT_TRUE(form.tab_help_texts[0].isEmpty());
    EXPECT_TRUE(form.tab_help_texts[10].isEmpty());
}

TEST_P(LocalizeTest, WindowsToolsInNumberOrder)
{
    const QStringList english = {"Check - Screensaver",         "Check - Display Settings",
                                 "Check - Display Background",  "Check - System (Properties)",
                                 "Check - Run Exlorer",         "Check - System Configuration",
                                 "Check - Run Scandisk",        "Check - Run Scan Regesitry",
                                 "Check - Run Disk Cleanup",    "Check - Run Registry Editor"};
    const QStringList german = {"Prüfen - Bildschirmschoner",        "Prüfen - Grafikeinstellungen",
                                "Prüfen - Hintergrund Desktop",      "Prüfen - System (Eigenschaften)",
                                "System - Explorer starten",         "System - Systemkonfiguration",
                                "System - Scandisk für Windows",     "System - Überprüfung der Registry",
                                "System - Datenträgerbereinigung",   "System - Registrierungseditor"};
    EXPECT_EQ(form.syslist.entries(), language() == 0 ? german : english);
}

TEST_P(LocalizeTest, FormLevelMessages)
{
    EXPECT_EQ(form.msg_mark_all, pick("All restrictions exp. the restriction-list are activated...",
                                      "Alle Einschränkungen ausser der Zensur wurden aktiviert."));
    EXPECT_EQ(form.save_dialog_title, pick("Save Settings", "Einstellungen speichern..."));
}

// The user panel shows the name without the NUL that ends it.
TEST_P(LocalizeTest, AddressAndUserPanels)
{
    EXPECT_EQ(form.StatusBar.panel(1).text, pick("www.brekund.com", "www.brekund.de"));
    EXPECT_EQ(form.StatusBar.panel(3).text, QStringLiteral("Administrator"));
}

INSTANTIATE_TEST_SUITE_P(Languages, LocalizeTest, ::testing::Values(Language{1, "English"}, Language{0, "German"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LocalizeLanguages, AnotherCodeSetsNothing)
{
    testsupport::TestProgram program;
    MainForm form{program.context()};
    std::vector<QString> before;
    for (const controls::Control* c : form.controls())
        before.push_back(c->caption());
    mainwindow::localize(form, 2);
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(form.controls()[i]->caption(), before[i]) << qPrintable(form.controls()[i]->name());
    EXPECT_EQ(form.syslist.listCount(), 0);
    EXPECT_TRUE(form.msg_mark_all.isEmpty());
    EXPECT_TRUE(form.tab_help_texts[1].isEmpty());
}

// The list is never cleared: whatever it holds stays in front of the ten tools.
TEST(LocalizeLanguages, ToolsAreAppended)
{
    testsupport::TestProgram program;
    MainForm form{program.context()};
    form.syslist.addItem(QStringLiteral("already there"));
    mainwindow::localize(form, 1);
    ASSERT_EQ(form.syslist.listCount(), 11);
    EXPECT_EQ(form.syslist.list(0), QStringLiteral("already there"));
    EXPECT_EQ(form.syslist.list(1), QStringLiteral("Check - Screensaver"));
    EXPECT_EQ(form.syslist.list(10), QStringLiteral("Check - Run Registry Editor"));
}

} // namespace
