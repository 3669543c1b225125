#include "policy/restriction_table.h"

#include "policy/policy_keys.h"

namespace policy {

namespace {

struct Entry {
    int number;
    const char* name;
    QLatin1String key;
};

} // namespace

void fill_restriction_table(RestrictionNames& VN, RestrictionNames& KP, bool nt_family)
{
    // In the order the program has always stored them; 16 and 161 / 33 and 92 / 66 and 97 name one value twice.
    const Entry entries[] = {
        {11, "NoClose", keys::explorer},
        {12, "NoLogOff", keys::explorer},
        {13, "NoRun", keys::explorer},
        {14, "NoFind", keys::explorer},
        {15, "NoHelp", keys::explorer},
        {16, "NoSetFolders", keys::explorer},
        {161, "NoSetTaskbar", keys::explorer},
        {162, "NoControlPanel", keys::explorer},
        {17, "NoRecentDocsMenu", keys::explorer},
        {18, "NoFavoritesMenu", keys::explorer},
        {19, "NoCommonGroups", keys::explorer},
        {110, "NoChangeStartMenu", keys::explorer},
        {21, "NoSelectDownloadDir", keys::ie_restrictions},
        {22, "NoBrowserContextMenu", keys::ie_restrictions},
        {23, "NoBrowserOptions", keys::ie_restrictions},
        {24, "NoViewSource", keys::ie_restrictions},
        {25, "NoFavorites", keys::ie_restrictions},
        {26, "NoFileNew", keys::ie_restrictions},
        {27, "NoFileOpen", keys::ie_restrictions},
        {28, "NoBrowserSaveAs", keys::ie_restrictions},
        {29, "NoPrinting", keys::ie_restrictions},
        {210, "NoBrowserClose", keys::ie_restrictions},
        {31, "NoSetTaskbar", keys::explorer},
        {32, "NoDispCpl", keys::system},
        {33, "NoDesktop", keys::explorer},
        {34, "NoNetHood", keys::explorer},
        {35, "NoStartBanner", keys::explorer},
        {36, "NoSaveSettings", keys::explorer},
        {37, "FixedWallpaper", keys::explorer},
        {38, "DisableRegistryTools", keys::system},
        {39, "FixedLNK", keys::explorer},
        {63, "NoActiveDesktop", keys::explorer},
        {64, "ClassicShell", keys::explorer},
        {65, "NoNetSetup", keys::network},
        {66, "NoEntireNetwork", keys::network},
        {67, "NoWorkgroupContents", keys::network},
        {68, "NoPwdPage", keys::system},
        {69, "NoFileSharingControl", keys::network},
        {610, "NoPrintSharingControl", keys::network},
        {80, "PWHide", keys::program},
        {81, "RegisteredOrganization", nt_family ? keys::nt_current_version : keys::current_version},
        {82, "RegisteredOwner", nt_family ? keys::nt_current_version : keys::current_version},
        {90, "Beep", keys::sound},
        {91, "NoViewContextMenu", keys::explorer},
        {92, "NoDesktop", keys::explorer},
        {93, "NoTrayContextMenu", keys::explorer},
        {94, "DisableTaskMgr", keys::system},
        {95, "NoWindowsUpdate", keys::explorer},
        {96, "DisableCMD", keys::system},
        {97, "NoEntireNetwork", keys::network},
        {98, "NoAddPrinter", keys::explorer},
        {99, "NoDeletePrinter", keys::explorer},
    };
    for (const Entry& e : entries) {
        VN[static_cast<std::size_t>(e.number)] = QString::fromLatin1(e.name);
        KP[static_cast<std::size_t>(e.number)] = e.key;
    }
}

} // namespace policy
