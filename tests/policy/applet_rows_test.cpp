// The Control Panel applet catalogue as the program builds it: all 39 rows with their file or item name and
// both labels, in row order.

#include "policy/applet_catalogue.h"
#include "policy/operations.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

using namespace policy_tests;

namespace {

struct AppletRow {
    int row;
    const char* file;
    const char* german;
    const char* english;
};

const AppletRow rows[] = {
    {1, "APPWIZ.CPL", "Software", "Add/Remove Software"},
    {2, "DESK.CPL", "Anzeige", "Display"},
    {3, "INETCPL.CPL", "Internetoptionen", "Internet Options"},
    {4, "INTL.CPL", "Ländereinstellungen", "Regional Settings"},
    {5, "JOY.CPL", "Gamecontroller", "Game Controllers"},
    {6, "MAIN.CPL", "Maus,Tastatur,Schrift,Drucker", "Mouse,Keyboard,Fonts,Printers"},
    {7, "MMSYS.CPL", "Multimedia", "Multimedia"},
    {8, "MODEM.CPL", "Modems", "Modems"},
    {9, "NETCPL.CPL", "Netzwerk", "Network"},
    {10, "PASSWORD.CPL", "Kennwörter", "Passwords"},
    {11, "POWERCFG.CPL", "Energieverwaltung", "Power Management"},
    {12, "UPS.CPL", "USV", "UPS"},
    {13, "STICPL.CPL", "Scanner und Kameras", "Scanner and Cameras"},
    {14, "SYSDM.CPL", "System", "System"},
    {15, "ACCESS.CPL", "Eingabehilfen", "Accessibility Options"},
    {16, "TELEPHON.CPL", "Telefonie", "Telephony"},
    {17, "ODBCCP32.CPL", "ODBC Data Sources", "ODBC Data Sources"},
    {18, "FINDFAST.CPL", "Indexerstellung", "Find Fast"},
    {19, "TWEAKUI.CPL", "Tweak UI", "Tweak UI"},
    {20, "TIMEDATE.CPL", "Datum/Uhrzeit", "Date/Time"},
    {21, "PREFSCPL.CPL", "RealPlayer", "RealPlayer"},
    {22, "MLCFG32.CPL", "Mail", "Mail"},
    {23, "HDWWIZ.CPL", "Hardware", "Hardware"},
    {24, "SND.CPL", "Sound", "Sounds"},
    {25, "PORTS.CPL", "Anschlüsse (NT)", "Ports (NT)"},
    {26, "CONSOLE.CPL", "Konsole (NT)", "Console (NT)"},
    {27, "NCPA.CPL", "Netzwerk (NT/W2K/XP)", "Network (NT/W2K/XP)"},
    {28, "DEVAPPS.CPL", "Bandgeräte, PCMCIA, SCSI-Adapter (NT)", "PCMCIA, SCSI-Adapters, Tape Devices (NT)"},
    {29, "SRVMGR.CPL", "Dienste, Geräte, Server (NT)", "Devices, Services, Server (NT)"},
    {30, "NUSRMGR.CPL", "Benutzerkonten", "User Accounts"},
    {31, "Drucker und Faxgeräte", "Drucker und Faxgeräte (2000/XP)", "Printers and Faxes (2000/XP)"},
    {32, "Geplante Tasks", "Geplante Tasks (2000/XP)", "Scheduled Tasks (2000/XP)"},
    {33, "Ordneroptionen", "Ordneroptionen (2000/XP)", "Folder Options (2000/XP)"},
    {34, "Scanner und Kameras", "Scanner und Kameras (2000/XP)", "Scanners and Cameras (2000/XP)"},
    {35, "Schriftarten", "Schriftarten (2000/XP)", "Fonts (2000/XP)"},
    {36, "Sprachein-/ausgabe", "Sprachein-/ausgabe (2000/XP)", "Speech"},
    {37, "Taskleiste und Startmenü", "Taskleiste und Startmenü (2000/XP)", "Taskbar and Start Menu (2000/XP)"},
    {38, "Verwaltung", "Verwaltung (2000/XP)", "Administrative Tools"},
    {39, "Netzwerkverbindungen", "Netzwerkverbindungen (2000/XP)", "Network Connections (2000/XP)"},
};

TEST(AppletRows, EveryRowWithItsFileAndBothLabels)
{
    ASSERT_EQ(std::size(rows), static_cast<std::size_t>(policy::applet_row_count));
    for (const AppletRow& r : rows) {
        EXPECT_EQ(policy::applet_file(r.row), QString::fromUtf8(r.file)) << "row " << r.row;
        EXPECT_EQ(policy::applet_label(r.row, 0), QString::fromUtf8(r.german)) << "row " << r.row;
        EXPECT_EQ(policy::applet_label(r.row, 1), QString::fromUtf8(r.english)) << "row " << r.row;
    }
}

// The load builds the catalogue in the running system's language, English.
TEST(AppletRows, TheLoadedCatalogueHoldsTheRowsInRowOrder)
{
    Window w({.mount = false});
    ASSERT_EQ(w.engine.CplCount, 39);
    for (const AppletRow& r : rows) {
        const auto i = static_cast<std::size_t>(r.row);
        EXPECT_EQ(w.engine.CplFile[i], QString::fromUtf8(r.file)) << "row " << r.row;
        EXPECT_EQ(w.engine.CplName[i], QString::fromUtf8(r.english)) << "row " << r.row;
    }
}

} // namespace
