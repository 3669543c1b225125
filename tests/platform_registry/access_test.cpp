// What a user without the administrators group may write.

#include "platform/registry.h"
#include "test_machine.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using test::System;
using test::TestMachine;

struct AccessRow {
    const char* name;
    HKEY root;
    QString key;      // exists on the sample machine
    QString value;    // a REG_SZ there
    bool writable;
};
void PrintTo(const AccessRow& row, std::ostream* out) { *out << row.name; }

class NonAdministrator : public testing::TestWithParam<AccessRow> {
protected:
    TestMachine machine{System::xp, false};
};

TEST_P(NonAdministrator, ReadsEverythingWritesOnlyItsOwnBranch)
{
    const AccessRow& row = GetParam();
    RegistryLayout layout = machine.layout();
    layout.mounts = [&] {
        return std::vector<MountedHive>{{"pupil", machine.host("C:\\Documents and Settings\\pupil\\NTUSER.DAT"), false}};
    };
    Registry registry(std::move(layout));
    EXPECT_NE(REG_GetString(registry, row.root, row.key, row.value), "");
    const LSTATUS expected = row.writable ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
    EXPECT_EQ(REG_SetString(registry, row.root, row.key, "New", "x"), expected);
    EXPECT_EQ(REG_SetDWORD(registry, row.root, row.key, "New", "1"), expected);
    EXPECT_EQ(REG_DeleteValue(registry, row.root, row.key, row.value), expected);
    EXPECT_EQ(REG_CreateKey(registry, row.root, row.key), row.writable ? 2 : 0);
    EXPECT_EQ(REG_CreateKey(registry, row.root, row.key + "\\Sub"), row.writable ? 1 : 0);
    EXPECT_EQ(REG_GetString(registry, row.root, row.key, row.value) != "", !row.writable);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NonAdministrator,
    testing::Values(
        AccessRow{"machine_software", HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner", false},
        AccessRow{"machine_system", HKEY_LOCAL_MACHINE, "SYSTEM\\ControlSet001\\Control\\ComputerName\\ComputerName", "ComputerName", false},
        AccessRow{"default_user", HKEY_USERS, ".DEFAULT\\Control Panel\\Desktop", "Wallpaper", false},
        AccessRow{"mounted_account", HKEY_USERS, "pupil\\Control Panel\\Desktop", "Wallpaper", false},
        AccessRow{"own_branch", HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper", true},
        AccessRow{"own_branch_by_sid", HKEY_USERS, QString(test::administrator_sid) + "\\Control Panel\\Desktop", "Wallpaper", true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Administrator, WritesTheMachineAndMountedHives)
{
    TestMachine machine(System::xp, true);
    RegistryLayout layout = machine.layout();
    layout.mounts = [&] {
        return std::vector<MountedHive>{{"pupil", machine.host("C:\\Documents and Settings\\pupil\\NTUSER.DAT"), false},
                                        {"Schueler", machine.host("C:\\Documents and Settings\\Schueler\\NTUSER.DAT"), true}};
    };
    Registry registry(std::move(layout));
    EXPECT_EQ(REG_SetString(registry, HKEY_LOCAL_MACHINE, "Software\\Brekund\\G2002", "UserPW", "x"), 0);
    EXPECT_EQ(REG_CreateKey(registry, HKEY_USERS, "pupil\\Software"), 2);
    // A read-only mount is read, never written.
    EXPECT_EQ(REG_CreateKey(registry, HKEY_USERS, "Schueler\\Software"), 0);
    EXPECT_NE(REG_GetString(registry, HKEY_USERS, "Schueler\\Control Panel\\Desktop", "Wallpaper"), "");
}

TEST(Windows98, HasNoRightsToRefuse)
{
    TestMachine machine(System::win98, false);
    Registry registry(machine.layout());
    EXPECT_EQ(REG_SetString(registry, HKEY_LOCAL_MACHINE, "Software\\Brekund\\G2002", "UserPW", "x"), 0);
    EXPECT_EQ(REG_CreateKey(registry, HKEY_LOCAL_MACHINE, "Software\\Brekund\\G2002"), 2);
    EXPECT_EQ(REG_CreateKey(registry, HKEY_USERS, ".DEFAULT\\Software"), 2);
}

} // namespace
} // namespace platform
