#include "restriction_save.h"

#include <QStringList>

#include <string>

using namespace platform;

namespace bench {
namespace {

const QString E = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
const QString S = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System");
const QString N = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network");
const QString IE = QStringLiteral("SOFTWARE\\Policies\\Microsoft\\Internet Explorer\\Restrictions");
const QString WSP = QStringLiteral("Software\\Policies\\Microsoft\\Windows\\System");
const QString sound = QStringLiteral("Control Panel\\Sound");
const QString hide = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Hide");
const QString restrict_run = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun");
const QString disallow_cpl = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\DisallowCpl");
const QString dont_load = QStringLiteral("Control Panel\\don't load");

struct Restriction {
    const char* value;
    const QString* key;
    bool ticked;
};

// The restriction values in the order the reset pass writes them, and which of them this set ticks.
const Restriction restrictions[] = {
    {"NoLogOff", &E, false}, {"NoRun", &E, true}, {"NoFind", &E, true}, {"NoHelp", &E, false},
    {"NoSetFolders", &E, true}, {"NoSetTaskbar", &E, true}, {"NoControlPanel", &E, true},
    {"NoRecentDocsMenu", &E, false}, {"NoFavoritesMenu", &E, true}, {"NoCommonGroups", &E, false},
    {"NoChangeStartMenu", &E, true}, {"NoSelectDownloadDir", &IE, true}, {"NoBrowserContextMenu", &IE, false},
    {"NoBrowserOptions", &IE, true}, {"NoViewSource", &IE, true}, {"NoFavorites", &IE, false},
    {"NoFileNew", &IE, false}, {"NoFileOpen", &IE, true}, {"NoBrowserSaveAs", &IE, false},
    {"NoPrinting", &IE, false}, {"NoBrowserClose", &IE, false}, {"NoSetTaskbar", &E, false},
    {"NoDispCpl", &S, true}, {"NoDesktop", &E, false}, {"NoNetHood", &E, true}, {"NoStartBanner", &E, false},
    {"NoSaveSettings", &E, false}, {"FixedWallpaper", &E, true}, {"DisableRegistryTools", &S, true},
    {"FixedLNK", &E, false},
};
const Restriction later_restrictions[] = {
    {"NoActiveDesktop", &E, true}, {"ClassicShell", &E, false}, {"NoNetSetup", &N, true},
    {"NoEntireNetwork", &N, false}, {"NoWorkgroupContents", &N, false}, {"NoPwdPage", &S, true},
    {"NoFileSharingControl", &N, true}, {"NoPrintSharingControl", &N, false},
};
const Restriction last_restrictions[] = {
    {"NoViewContextMenu", &E, true}, {"NoDesktop", &E, false}, {"NoTrayContextMenu", &E, true},
    {"DisableTaskMgr", &S, true}, {"NoWindowsUpdate", &E, true}, {"DisableCMD", &S, false},
    {"NoEntireNetwork", &N, false}, {"NoAddPrinter", &E, true}, {"NoDeletePrinter", &E, true},
};

// Control Panel applets hidden by this set (Windows XP names).
const char* const hidden_applets[] = {
    "DESK.CPL", "APPWIZ.CPL", "TIMEDATE.CPL", "INTL.CPL", "NCPA.CPL", "SYSDM.CPL", "INETCPL.CPL", "MMSYS.CPL",
    "POWERCFG.CPL", "NUSRMGR.CPL", "ACCESS.CPL", "HDWWIZ.CPL", "JOY.CPL", "MAIN.CPL", "TELEPHON.CPL",
    "FIREWALL.CPL", "WSCUI.CPL", "Microsoft.Fonts", "Microsoft.Printers", "Microsoft.ScheduledTasks",
};

QString escaped(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
}

} // namespace

void SaveCalls::create(HKEY root, const QString& path)
{
    ++counts.creates;
    REG_CreateKey(registry_, root, root == HKEY_USERS ? prefix_ + path : path);
    if (root == HKEY_USERS) {
        const QStringList names = path.split(QLatin1Char('\\'));
        for (qsizetype i = 1; i <= names.size(); ++i)
            section(names.mid(0, i).join(QLatin1Char('\\')));
    }
}

void SaveCalls::dword(const QString& path, const char* name, const QString& text)
{
    ++counts.dwords;
    if (REG_SetDWORD(registry_, HKEY_USERS, prefix_ + path, QLatin1String(name), text) == 0) {
        section(path);
        reg_ += QStringLiteral("\"%1\"=dword:%2\r\n").arg(escaped(QLatin1String(name))).arg(text.trimmed().toUInt(), 8, 16, QLatin1Char('0'));
    }
}

void SaveCalls::string(const QString& path, const QString& name, const QString& text)
{
    ++counts.strings;
    if (REG_SetString(registry_, HKEY_USERS, prefix_ + path, name, text) == 0) {
        section(path);
        reg_ += QStringLiteral("\"%1\"=\"%2\"\r\n").arg(escaped(name), escaped(text));
    }
}

void SaveCalls::delete_key(const QString& path)
{
    ++counts.key_deletes;
    REG_DeleteKey(registry_, HKEY_USERS, prefix_ + path);
    current_.clear();
    reg_ += QStringLiteral("\r\n[-HKEY_USERS\\%1%2]\r\n").arg(prefix_, path);
}

void SaveCalls::delete_value(const QString& path, const char* name)
{
    ++counts.value_deletes;
    if (REG_DeleteValue(registry_, HKEY_USERS, prefix_ + path, QLatin1String(name)) == 0) {
        section(path);
        reg_ += QStringLiteral("\"%1\"=-\r\n").arg(escaped(QLatin1String(name)));
    }
}

void SaveCalls::section(const QString& path)
{
    if (path.compare(current_, Qt::CaseInsensitive) == 0)
        return;
    current_ = path;
    reg_ += QStringLiteral("\r\n[HKEY_USERS\\%1%2]\r\n").arg(prefix_, path);
}

QString SaveCalls::reg_script() const { return QStringLiteral("Windows Registry Editor Version 5.00\r\n") + reg_; }

// One save of the restriction set into the account branch, in the order the writer makes its calls.
void save(SaveCalls& c, int censored_programs)
{
    // The policy keys.
    c.create(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Brekund"));
    c.create(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Brekund\\G2002"));
    for (const QString* key : {&E, &S, &N, &IE})
        c.create(HKEY_USERS, *key);
    for (const char* key : {"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Advanced",
                            "Control Panel\\Sound"})
        c.create(HKEY_USERS, QLatin1String(key));
    for (const QString* key : {&hide, &dont_load, &disallow_cpl, &restrict_run})
        c.create(HKEY_USERS, *key);

    // The probe, then every restriction off.
    c.dword(E, "NoClose", QStringLiteral("0"));
    for (const Restriction& r : restrictions)
        c.dword(*r.key, r.value, QStringLiteral("0"));
    c.dword(E, "RestrictRun", QStringLiteral("0"));
    c.dword(E, "NoDrives", QStringLiteral(" 0"));
    for (const Restriction& r : later_restrictions)
        c.dword(*r.key, r.value, QStringLiteral("0"));
    c.string(sound, QStringLiteral("Beep"), QStringLiteral("Yes"));
    for (const Restriction& r : last_restrictions)
        c.dword(*r.key, r.value, QStringLiteral("0"));

    // The command prompt.
    for (const char* key : {"Software", "Software\\Policies", "Software\\Policies\\Microsoft", "Software\\Policies\\Microsoft\\Windows"})
        c.create(HKEY_USERS, QLatin1String(key));
    c.create(HKEY_USERS, WSP);
    c.dword(WSP, "DisableCMD", QStringLiteral("0"));

    // The applets.
    c.delete_key(dont_load);
    c.create(HKEY_USERS, dont_load);
    c.delete_key(disallow_cpl);
    c.create(HKEY_USERS, disallow_cpl);
    int counter = 0;
    for (const char* applet : hidden_applets) {
        c.string(dont_load, QLatin1String(applet), QStringLiteral("No"));
        c.string(disallow_cpl, QLatin1Char(' ') + QString::number(++counter), QLatin1String(applet));
    }
    c.dword(E, "ForceClassicControlPanel", QStringLiteral("1"));

    // The ticked boxes.
    c.dword(E, "NoClose", QStringLiteral("1"));
    for (const Restriction& r : restrictions) {
        if (r.ticked)
            c.dword(*r.key, r.value, QStringLiteral("1"));
    }
    c.string(QStringLiteral("Control Panel\\Desktop"), QStringLiteral("Wallpaper"), QStringLiteral("C:\\WINDOWS\\Web\\Wallpaper\\Schule.bmp"));
    c.string(E, QStringLiteral("FixedLNKUrl"), QStringLiteral("\\\\SERVER\\Links"));
    c.delete_value(QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run"), "System");

    // The censor list.
    c.delete_key(restrict_run);
    c.create(HKEY_USERS, restrict_run);
    c.string(restrict_run, QStringLiteral(" 0"), QStringLiteral("GATR2002.EXE"));
    for (int i = 1; i < censored_programs; ++i)
        c.string(restrict_run, QLatin1Char(' ') + QString::number(i), QStringLiteral("PROGRAM%1.EXE").arg(i));
    c.dword(restrict_run, "Gesamt", QString::number(censored_programs));
    c.dword(E, "RestrictRun", QStringLiteral("1"));

    // The hidden drives: A, B and D.
    std::uint32_t mask = 0;
    for (int letter = 0; letter < 26; ++letter) {
        const bool hidden = letter == 0 || letter == 1 || letter == 3;
        if (hidden)
            mask |= 1u << letter;
        const std::string name(1, static_cast<char>('A' + letter));
        c.dword(hide, name.c_str(), hidden ? QStringLiteral("1") : QStringLiteral("0"));
    }
    c.dword(E, "NoDrives", QString::number(mask));

    for (const Restriction& r : later_restrictions) {
        if (r.ticked)
            c.dword(*r.key, r.value, QStringLiteral("1"));
    }
    c.dword(QStringLiteral("Software\\Brekund\\G2002"), "PWHide", QStringLiteral("1"));
    c.string(QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion"), QStringLiteral("RegisteredOrganization"), QStringLiteral("Musterschule"));
    c.string(QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion"), QStringLiteral("RegisteredOwner"), QStringLiteral("Administrator"));
    c.string(sound, QStringLiteral("Beep"), QStringLiteral("No"));
    for (const Restriction& r : last_restrictions) {
        if (r.ticked)
            c.dword(*r.key, r.value, QStringLiteral("1"));
    }
}

} // namespace bench
