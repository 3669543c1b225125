// The hives a sample machine gets.

#include "platform/machine/sample_machine.h"
#include "platform/registry.h"
#include "hive_checks.h"
#include "test_machine.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using test::System;
using test::TestMachine;

struct SystemRow {
    const char* name;
    System system;
    std::uint32_t minor_version;
};
void PrintTo(const SystemRow& row, std::ostream* out) { *out << row.name; }

class SampleHives : public testing::TestWithParam<SystemRow> {
protected:
    TestMachine machine{GetParam().system};
};

TEST_P(SampleHives, AreSoundHivesOfTheSystemsVersion)
{
    for (const QString& file : sample_hive_files(machine.machine())) {
        const QString host = machine.host(file);
        EXPECT_TRUE(test::sound_hive(host));
        const auto hive = hive::Hive::parse(test::file_bytes(host));
        ASSERT_TRUE(hive) << file.toStdString();
        EXPECT_EQ(hive->minor_version(), GetParam().minor_version) << file.toStdString();
    }
}

TEST_P(SampleHives, HoldWhatWindowsAndTheInstallationLeft)
{
    Registry registry(machine.layout());
    const bool nt = machine.machine().is_nt_family();
    const MachineFacts& facts = machine.machine().facts();
    const QString current_version = nt ? "Software\\Microsoft\\Windows NT\\CurrentVersion" : "Software\\Microsoft\\Windows\\CurrentVersion";
    EXPECT_EQ(REG_GetString(registry, HKEY_LOCAL_MACHINE, current_version, "RegisteredOwner"), "Administrator");
    EXPECT_EQ(REG_GetString(registry, HKEY_LOCAL_MACHINE, current_version, "RegisteredOrganization"), "Musterschule");
    EXPECT_EQ(REG_GetString(registry, HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Gatrisk 2002",
                            "UninstallString"),
              "\"C:\\Programme\\Gatrisk 2002\\GATR2002.exe\" /uninstall");
    EXPECT_EQ(REG_GetString(registry, HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Gatr2002Tray"),
              "\"C:\\Programme\\Gatrisk 2002\\GATR2002.EXE\" /icon");
    EXPECT_EQ(REG_CreateKey(registry, HKEY_LOCAL_MACHINE, "Software\\Brekund\\G2002"), 2);

    const QString desktop = nt ? machine.machine().profile_dir(facts.user) + "\\Desktop" : facts.windows_dir + "\\Desktop";
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop"),
              desktop);
    EXPECT_NE(REG_GetString(registry, HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper"), "");
}

TEST_P(SampleHives, ListEveryAccountsProfile)
{
    if (!machine.machine().is_nt_family())
        GTEST_SKIP() << "no profile list on Windows 95/98/ME";
    Registry registry(machine.layout());
    const QString list = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";
    for (const Account& account : machine.machine().facts().accounts) {
        HKEY key = 0;
        ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, (list + "\\" + account.sid).toLatin1().constData(), 0, 0x19, &key), 0)
            << account.name.toStdString();
        char path[255];
        std::uint32_t size = sizeof path;
        std::uint32_t type = 0;
        ASSERT_EQ(registry.RegQueryValueExA(key, "ProfileImagePath", nullptr, &type, reinterpret_cast<std::uint8_t*>(path), &size), 0);
        EXPECT_EQ(registry.RegCloseKey(key), 0);
        EXPECT_EQ(type, REG_EXPAND_SZ);
        const QString text = QString::fromLatin1(path);
        EXPECT_TRUE(text.endsWith("\\" + account.name)) << text.toStdString();
        EXPECT_TRUE(text.startsWith("%")) << text.toStdString();
    }
    // The service accounts' short SIDs are there too, on the systems that have them.
    HKEY key = 0;
    const bool opened = registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, (list + "\\S-1-5-18").toLatin1().constData(), 0, 0x19, &key) == 0;
    EXPECT_EQ(opened, machine.machine().facts().major >= 5);
    if (opened) {
        EXPECT_EQ(registry.RegCloseKey(key), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, SampleHives,
                         testing::Values(SystemRow{"windows_98", System::win98, 3}, SystemRow{"nt_4", System::nt4, 3},
                                         SystemRow{"windows_2000", System::win2000, 3}, SystemRow{"windows_xp", System::xp, 5}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace platform
