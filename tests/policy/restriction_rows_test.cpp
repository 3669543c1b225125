// The restriction table as the program stores it: every restriction number's value name and key path, on
// the NT family and on Windows 95/98/ME; every other number stays empty.

#include "policy/operations.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>

using namespace policy_tests;

namespace {

const char* const explorer_key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const char* const system_key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
const char* const network_key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
const char* const ie_key = "SOFTWARE\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
const char* const program_key = "Software\\Brekund\\G2002";
const char* const sound_key = "Control Panel\\Sound";
// Stands for the current-version key, which depends on the system family.
const char* const current_version_key = nullptr;

struct Entry {
    int number;
    const char* value_name;
    const char* key_path;
};

const Entry entries[] = {
    {11, "NoClose", explorer_key},
    {12, "NoLogOff", explorer_key},
    {13, "NoRun", explorer_key},
    {14, "NoFind", explorer_key},
    {15, "NoHelp", explorer_key},
    {16, "NoSetFolders", explorer_key},
    {161, "NoSetTaskbar", explorer_key},
    {162, "NoControlPanel", explorer_key},
    {17, "NoRecentDocsMenu", explorer_key},
    {18, "NoFavoritesMenu", explorer_key},
    {19, "NoCommonGroups", explorer_key},
    {110, "NoChangeStartMenu", explorer_key},
    {21, "NoSelectDownloadDir", ie_key},
    {22, "NoBrowserContextMenu", ie_key},
    {23, "NoBrowserOptions", ie_key},
    {24, "NoViewSource", ie_key},
    {25, "NoFavorites", ie_key},
    {26, "NoFileNew", ie_key},
    {27, "NoFileOpen", ie_key},
    {28, "NoBrowserSaveAs", ie_key},
    {29, "NoPrinting", ie_key},
    {210, "NoBrowserClose", ie_key},
    {31, "NoSetTaskbar", explorer_key},
    {32, "NoDispCpl", system_key},
    {33, "NoDesktop", explorer_key},
    {34, "NoNetHood", explorer_key},
    {35, "NoStartBanner", explorer_key},
    {36, "NoSaveSettings", explorer_key},
    {37, "FixedWallpaper", explorer_key},
    {38, "DisableRegistryTools", system_key},
    {39, "FixedLNK", explorer_key},
    {63, "NoActiveDesktop", explorer_key},
    {64, "ClassicShell", explorer_key},
    {65, "NoNetSetup", network_key},
    {66, "NoEntireNetwork", network_key},
    {67, "NoWorkgroupContents", network_key},
    {68, "NoPwdPage", system_key},
    {69, "NoFileSharingControl", network_key},
    {610, "NoPrintSharingControl", network_key},
    {80, "PWHide", program_key},
    {81, "RegisteredOrganization", current_version_key},
    {82, "RegisteredOwner", current_version_key},
    {90, "Beep", sound_key},
    {91, "NoViewContextMenu", explorer_key},
    {92, "NoDesktop", explorer_key},
    {93, "NoTrayContextMenu", explorer_key},
    {94, "DisableTaskMgr", system_key},
    {95, "NoWindowsUpdate", explorer_key},
    {96, "DisableCMD", system_key},
    {97, "NoEntireNetwork", network_key},
    {98, "NoAddPrinter", explorer_key},
    {99, "NoDeletePrinter", explorer_key},
};

struct Family {
    platform::SampleSystem system;
    const char* current_version;
    const char* name;
};

void PrintTo(const Family& f, std::ostream* os) { *os << f.name; }

class RestrictionRows : public ::testing::TestWithParam<Family> {};

TEST_P(RestrictionRows, EveryNumberHasItsValueNameAndKeyPath)
{
    Window w({.system = GetParam().system, .mount = false});
    std::set<int> listed;
    for (const Entry& e : entries) {
        listed.insert(e.number);
        const auto n = static_cast<std::size_t>(e.number);
        const char* key = e.key_path ? e.key_path : GetParam().current_version;
        EXPECT_EQ(w.engine.VN[n], QString::fromLatin1(e.value_name)) << "VN of " << e.number;
        EXPECT_EQ(w.engine.KP[n], QString::fromLatin1(key)) << "KP of " << e.number;
    }
    for (int n = 0; n < policy::Engine::restriction_count; ++n) {
        if (listed.count(n))
            continue;
        EXPECT_TRUE(w.engine.VN[static_cast<std::size_t>(n)].isEmpty()) << "VN of " << n;
        EXPECT_TRUE(w.engine.KP[static_cast<std::size_t>(n)].isEmpty()) << "KP of " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Families, RestrictionRows,
    ::testing::Values(Family{platform::SampleSystem::winxp, "Software\\Microsoft\\Windows NT\\CurrentVersion", "NT"},
                      Family{platform::SampleSystem::win98, "Software\\Microsoft\\Windows\\CurrentVersion", "Win98"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
