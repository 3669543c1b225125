// The Win32 registry functions beneath the registry calls: buffers, rights, handles and enumeration.

#include "platform/registry/win32_registry.h"
#include "test_machine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

using test::System;
using test::TestMachine;

class Win32Registry : public testing::Test {
protected:
    HKEY open(HKEY root, const char* path, REGSAM rights)
    {
        HKEY key = 0;
        EXPECT_EQ(registry.RegOpenKeyExA(root, path, 0, rights, &key), 0) << path;
        return key;
    }

    // GET_SIDS' loop: a name buffer of 255 and a class buffer whose size is given as 0.
    std::vector<std::string> enumerate(HKEY key, std::vector<LSTATUS>* results = nullptr)
    {
        std::vector<std::string> names;
        for (std::uint32_t index = 0;; ++index) {
            char name[256];
            std::fill(std::begin(name), std::end(name), '#');
            char class_name[8] = "#######";
            std::uint32_t name_size = 255;
            std::uint32_t class_size = 0;
            const LSTATUS status =
                registry.RegEnumKeyExA(key, index, name, &name_size, nullptr, class_name, &class_size, nullptr);
            if (results)
                results->push_back(status);
            if (status == ERROR_NO_MORE_ITEMS || index > 100)
                break;
            names.emplace_back(name, name_size);
            EXPECT_EQ(name[name_size], '\0');
            EXPECT_EQ(class_name[0], '#') << "a class buffer of size 0 was written";
        }
        return names;
    }

    TestMachine machine{System::xp};
    Registry registry{machine.layout()};
};

TEST_F(Win32Registry, QueryReportsSizeFirstThenCopiesTheData)
{
    HKEY key = open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", KEY_QUERY_VALUE);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    ASSERT_EQ(registry.RegQueryValueExA(key, "RegisteredOrganization", nullptr, &type, nullptr, &size), 0);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, std::string("Musterschule").size() + 1); // code-page bytes and the NUL, not UTF-16 bytes

    std::string small(4, '#');
    std::uint32_t small_size = 4;
    EXPECT_EQ(registry.RegQueryValueExA(key, "RegisteredOrganization", nullptr, &type,
                                        reinterpret_cast<std::uint8_t*>(small.data()), &small_size),
              ERROR_MORE_DATA);
    EXPECT_EQ(small_size, size);
    EXPECT_EQ(small, "####");

    std::string buffer(size + 3, '#');
    std::uint32_t buffer_size = size + 3;
    ASSERT_EQ(registry.RegQueryValueExA(key, "RegisteredOrganization", nullptr, &type,
                                        reinterpret_cast<std::uint8_t*>(buffer.data()), &buffer_size),
              0);
    EXPECT_EQ(buffer_size, size);
    EXPECT_EQ(buffer, std::string("Musterschule") + '\0' + "###");
    EXPECT_EQ(registry.RegQueryValueExA(key, "Nothing", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
}

TEST_F(Win32Registry, TextsAreStoredAsUtf16WithTheirNul)
{
    HKEY key = open(HKEY_CURRENT_USER, "Control Panel\\Desktop", KEY_SET_VALUE | KEY_QUERY_VALUE);
    const std::string text = std::string("\x80 Gr\xFC\xDF" "e") + '\0'; // the euro sign and umlauts of Windows-1252
    ASSERT_EQ(registry.RegSetValueExA(key, "Wallpaper", 0, REG_SZ, reinterpret_cast<const std::uint8_t*>(text.data()),
                                      static_cast<std::uint32_t>(text.size())),
              0);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
    ASSERT_EQ(registry.flush_all(), 0);

    const auto bytes = test::file_bytes(machine.host("C:\\Documents and Settings\\Administrator\\NTUSER.DAT"));
    const auto hive = hive::Hive::parse(bytes);
    ASSERT_TRUE(hive);
    const hive::Key* desktop = hive->root().subkey(u"Control Panel")->subkey(u"Desktop");
    ASSERT_TRUE(desktop);
    const hive::Value* value = desktop->value(u"Wallpaper");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, REG_SZ);
    const std::u16string expected = u"\u20AC Gr\u00FC\u00DFe";
    std::vector<std::uint8_t> utf16;
    for (char16_t unit : expected + u'\0') {
        utf16.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        utf16.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    EXPECT_EQ(value->data, utf16);
}

TEST_F(Win32Registry, RightsOfTheOpenDecideWhatTheHandleMayDo)
{
    HKEY key = open(HKEY_CURRENT_USER, "Control Panel\\Desktop", KEY_ENUMERATE_SUB_KEYS);
    std::uint32_t size = 0;
    EXPECT_EQ(registry.RegQueryValueExA(key, "Wallpaper", nullptr, nullptr, nullptr, &size), ERROR_ACCESS_DENIED);
    const std::uint8_t data[] = {'x', 0};
    EXPECT_EQ(registry.RegSetValueExA(key, "Wallpaper", 0, REG_SZ, data, 2), ERROR_ACCESS_DENIED);
    EXPECT_EQ(registry.RegCloseKey(key), 0);

    key = open(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0x19);
    EXPECT_EQ(registry.RegSetValueExA(key, "Wallpaper", 0, REG_SZ, data, 2), ERROR_ACCESS_DENIED);
    EXPECT_EQ(registry.RegDeleteValueA(key, "Wallpaper"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(registry.RegQueryValueExA(key, "Wallpaper", nullptr, nullptr, nullptr, &size), 0);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
}

TEST_F(Win32Registry, HandlesAreValidUntilClosed)
{
    HKEY key = open(HKEY_CURRENT_USER, "Control Panel", KEY_READ);
    EXPECT_EQ(registry.open_handle_count(), 1u);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
    EXPECT_EQ(registry.RegCloseKey(key), ERROR_INVALID_HANDLE);
    std::uint32_t size = 0;
    EXPECT_EQ(registry.RegQueryValueExA(key, "x", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    HKEY sub = 0;
    EXPECT_EQ(registry.RegOpenKeyExA(key, "Desktop", 0, KEY_READ, &sub), ERROR_INVALID_HANDLE);
    EXPECT_EQ(registry.RegCloseKey(HKEY_LOCAL_MACHINE), 0);
    EXPECT_EQ(registry.open_handle_count(), 0u);
}

TEST_F(Win32Registry, KeysOpenRelativeToAnOpenKey)
{
    HKEY base = open(HKEY_CURRENT_USER, "Control Panel", KEY_READ);
    HKEY key = open(base, "desktop", KEY_READ);
    std::uint32_t size = 0;
    EXPECT_EQ(registry.RegQueryValueExA(key, "Wallpaper", nullptr, nullptr, nullptr, &size), 0);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
    EXPECT_EQ(registry.RegCloseKey(base), 0);

    HKEY users = open(HKEY_USERS, "", KEY_READ);
    HKEY sid = open(users, test::administrator_sid, KEY_READ);
    HKEY desktop = open(sid, "Control Panel\\Desktop", KEY_READ);
    EXPECT_EQ(registry.RegQueryValueExA(desktop, "Wallpaper", nullptr, nullptr, nullptr, &size), 0);
    for (HKEY k : {desktop, sid, users})
        EXPECT_EQ(registry.RegCloseKey(k), 0);
}

TEST_F(Win32Registry, CreateTellsNewFromExisting)
{
    HKEY key = 0;
    std::uint32_t disposition = 0;
    ASSERT_EQ(registry.RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\A\\B", 0, nullptr, 0, 0x3F, &key, &disposition), 0);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
    ASSERT_EQ(registry.RegCreateKeyExA(HKEY_CURRENT_USER, "software\\a", 0, nullptr, 0, 0x3F, &key, &disposition), 0);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
    EXPECT_EQ(registry.RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\V", 0, nullptr, 1, 0x3F, &key, &disposition),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(registry.RegCreateKeyExA(HKEY_CURRENT_USER, std::string(256, 'k').c_str(), 0, nullptr, 0, 0x3F, &key,
                                       &disposition),
              ERROR_BAD_PATHNAME);
}

TEST_F(Win32Registry, ProfileListEnumeratesWithMoreDataForTheClass)
{
    HKEY list = open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList", 8);
    std::vector<LSTATUS> results;
    const std::vector<std::string> names = enumerate(list, &results);
    EXPECT_EQ(registry.RegCloseKey(list), 0);
    // In the hive's order: by upper-cased name, so "-1003" comes before "-500".
    EXPECT_EQ(names, (std::vector<std::string>{"S-1-5-18", "S-1-5-19", "S-1-5-20", test::pupil_sid, test::schueler_sid,
                                               test::administrator_sid}));
    ASSERT_EQ(results.size(), names.size() + 1);
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(results[i], ERROR_MORE_DATA);
    EXPECT_EQ(results.back(), ERROR_NO_MORE_ITEMS);
}

TEST_F(Win32Registry, EnumerationNeedsItsRightAndABigEnoughName)
{
    HKEY list = open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList", KEY_QUERY_VALUE);
    char name[256];
    std::uint32_t name_size = 255;
    EXPECT_EQ(registry.RegEnumKeyExA(list, 0, name, &name_size, nullptr, nullptr, nullptr, nullptr), ERROR_ACCESS_DENIED);
    EXPECT_EQ(registry.RegCloseKey(list), 0);
    list = open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList", KEY_ENUMERATE_SUB_KEYS);
    name_size = 8; // "S-1-5-18" needs 9 with its NUL
    EXPECT_EQ(registry.RegEnumKeyExA(list, 0, name, &name_size, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    name_size = 9;
    EXPECT_EQ(registry.RegEnumKeyExA(list, 0, name, &name_size, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(std::string(name), "S-1-5-18");
    EXPECT_EQ(name_size, 8u);
    EXPECT_EQ(registry.RegCloseKey(list), 0);
}

TEST_F(Win32Registry, RootsThatAreNoHiveEnumerateTheirHives)
{
    HKEY users = open(HKEY_USERS, "", 8);
    EXPECT_EQ(enumerate(users), (std::vector<std::string>{".DEFAULT", test::administrator_sid}));
    EXPECT_EQ(registry.RegCloseKey(users), 0);
    EXPECT_EQ(enumerate(HKEY_LOCAL_MACHINE), (std::vector<std::string>{"SOFTWARE", "SYSTEM"}));
}

TEST(Win32Registry98, SystemDatIsAllOfTheMachineBranch)
{
    TestMachine machine(System::win98);
    Registry registry(machine.layout());
    HKEY key = 0;
    ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", 0, KEY_READ, &key), 0);
    std::uint32_t size = 0;
    EXPECT_EQ(registry.RegQueryValueExA(key, "RegisteredOwner", nullptr, nullptr, nullptr, &size), 0);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
    std::uint32_t disposition = 0;
    EXPECT_EQ(registry.RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Brekund", 0, nullptr, 0, 0x3F, &key, &disposition),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(registry.RegDeleteKeyA(HKEY_LOCAL_MACHINE, "System"), ERROR_ACCESS_DENIED);
    ASSERT_EQ(registry.RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Brekund\\G2002", 0, nullptr, 0, 0x3F, &key, &disposition), 0);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
    // .DEFAULT is the same hive as the current user's.
    ASSERT_EQ(registry.RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Shared", 0, nullptr, 0, 0x3F, &key, &disposition), 0);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
    ASSERT_EQ(registry.RegOpenKeyExA(HKEY_USERS, ".DEFAULT\\Software\\Shared", 0, KEY_READ, &key), 0);
    EXPECT_EQ(registry.RegCloseKey(key), 0);
}

} // namespace
} // namespace platform
