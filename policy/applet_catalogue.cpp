#include "policy/applet_catalogue.h"

namespace policy {

namespace {

struct AppletRow {
    const char16_t* file;
    const char16_t* german;
    const char16_t* english;
};

// Row order is fixed; the applet list shows the rows sorted by label.
constexpr AppletRow rows[applet_row_count] = {
    {u"APPWIZ.CPL", u"Software", u"Add/Remove Software"},
    {u"DESK.CPL", u"Anzeige", u"Display"},
    {u"INETCPL.CPL", u"Internetoptionen", u"Internet Options"},
    {u"INTL.CPL", u"Ländereinstellungen", u"Regional Settings"},
    {u"JOY.CPL", u"Gamecontroller", u"Game Controllers"},
    {u"MAIN.CPL", u"Maus,Tastatur,Schrift,Drucker", u"Mouse,Keyboard,Fonts,Printers"},
    {u"MMSYS.CPL", u"Multimedia", u"Multimedia"},
    {u"MODEM.CPL", u"Modems", u"Modems"},
    {u"NETCPL.CPL", u"Netzwerk", u"Network"},
    {u"PASSWORD.CPL", u"Kennwörter", u"Passwords"},
    {u"POWERCFG.CPL", u"Energieverwaltung", u"Power Management"},
    {u"UPS.CPL", u"USV", u"UPS"},
    {u"STICPL.CPL", u"Scanner und Kameras", u"Scanner and Cameras"},
    {u"SYSDM.CPL", u"System", u"System"},
    {u"ACCESS.CPL", u"Eingabehilfen", u"Accessibility Options"},
    {u"TELEPHON.CPL", u"Telefonie", u"Telephony"},
    {u"ODBCCP32.CPL", u"ODBC Data Sources", u"ODBC Data Sources"},
    {u"FINDFAST.CPL", u"Indexerstellung", u"Find Fast"},
    {u"TWEAKUI.CPL", u"Tweak UI", u"Tweak UI"},
    {u"TIMEDATE.CPL", u"Datum/Uhrzeit", u"Date/Time"},
    {u"PREFSCPL.CPL", u"RealPlayer", u"RealPlayer"},
    {u"MLCFG32.CPL", u"Mail", u"Mail"},
    {u"HDWWIZ.CPL", u"Hardware", u"Hardware"},
    {u"SND.CPL", u"Sound", u"Sounds"},
    {u"PORTS.CPL", u"Anschlüsse (NT)", u"Ports (NT)"},
    {u"CONSOLE.CPL", u"Konsole (NT)", u"Console (NT)"},
    {u"NCPA.CPL", u"Netzwerk (NT/W2K/XP)", u"Network (NT/W2K/XP)"},
    {u"DEVAPPS.CPL", u"Bandgeräte, PCMCIA, SCSI-Adapter (NT)", u"PCMCIA, SCSI-Adapters, Tape Devices (NT)"},
    {u"SRVMGR.CPL", u"Dienste, Geräte, Server (NT)", u"Devices, Services, Server (NT)"},
    {u"NUSRMGR.CPL", u"Benutzerkonten", u"User Accounts"},
    {u"Drucker und Faxgeräte", u"Drucker und Faxgeräte (2000/XP)", u"Printers and Faxes (2000/XP)"},
    {u"Geplante Tasks", u"Geplante Tasks (2000/XP)", u"Scheduled Tasks (2000/XP)"},
    {u"Ordneroptionen", u"Ordneroptionen (2000/XP)", u"Folder Options (2000/XP)"},
    {u"Scanner und Kameras", u"Scanner und Kameras (2000/XP)", u"Scanners and Cameras (2000/XP)"},
    {u"Schriftarten", u"Schriftarten (2000/XP)", u"Fonts (2000/XP)"},
    {u"Sprachein-/ausgabe", u"Sprachein-/ausgabe (2000/XP)", u"Speech"},
    {u"Taskleiste und Startmenü", u"Taskleiste und Startmenü (2000/XP)", u"Taskbar and Start Menu (2000/XP)"},
    {u"Verwaltung", u"Verwaltung (2000/XP)", u"Administrative Tools"},
    {u"Netzwerkverbindungen", u"Netzwerkverbindungen (2000/XP)", u"Network Connections (2000/XP)"},
};

const AppletRow* row_at(int row)
{
    return row >= 1 && row <= applet_row_count ? &rows[row - 1] : nullptr;
}

} // namespace

QString applet_file(int row)
{
    const AppletRow* r = row_at(row);
    return r ? QString::fromUtf16(r->file) : QString();
}

QString applet_label(int row, int language)
{
    const AppletRow* r = row_at(row);
    if (!r)
        return {};
    const QString german = QString::fromUtf16(r->german);
    const QString english = QString::fromUtf16(r->english);
    if (german == english)
        return german;
    if (language == 0)
        return german;
    if (language == 1)
        return english;
    return {};
}

} // namespace policy
