// The program's registry calls against the hives of a sample Windows XP machine.

#include "platform/registry.h"
#include "hive_checks.h"
#include "test_machine.h"

#include <gtest/gtest.h>

#include <functional>

namespace platform {
namespace {

using test::System;
using test::TestMachine;

const QChar nul(u'\0');

class RegistryCalls : public testing::Test {
protected:
    void SetUp() override
    {
        HKEY key = 0;
        ASSERT_EQ(registry.RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Test", 0, nullptr, 0, 0x3F, &key, nullptr), 0);
        set(key, "one", REG_SZ, std::string("1") + '\0');
        set(key, "blanks", REG_SZ, std::string("  ab  ") + '\0');
        set(key, "empty", REG_SZ, std::string(1, '\0'));
        set(key, "no_nul", REG_SZ, "xy");
        set(key, "on", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
        set(key, "all", REG_DWORD, "\xFF\xFF\xFF\xFF");
        set(key, "long_dword", REG_DWORD, std::string("\x01\x00\x00\x00\x00\x00\x00\x00", 8));
        set(key, "expand", REG_EXPAND_SZ, std::string("%x%") + '\0');
        set(key, "bin", REG_BINARY, "\x01\x02");
        set(key, "multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
        set(key, "umlaut", REG_SZ, std::string("Gr\xFC\xDF" "e") + '\0');
        EXPECT_EQ(registry.RegCloseKey(key), 0);
        ASSERT_EQ(registry.RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Test\\Sub", 0, nullptr, 0, 0x3F, &key, nullptr), 0);
        EXPECT_EQ(registry.RegCloseKey(key), 0);
    }

    // Whatever a test wrote must make sound hives.
    void TearDown() override
    {
        EXPECT_EQ(registry.flush_all(), 0);
        EXPECT_TRUE(test::sound_hive(machine.host("C:\\Documents and Settings\\Administrator\\NTUSER.DAT")));
        EXPECT_TRUE(test::sound_hive(machine.host("C:\\WINDOWS\\system32\\config\\SOFTWARE")));
        EXPECT_TRUE(test::sound_hive(machine.host("C:\\WINDOWS\\system32\\config\\DEFAULT")));
    }

    void set(HKEY key, const char* name, std::uint32_t type, const std::string& data)
    {
        ASSERT_EQ(registry.RegSetValueExA(key, name, 0, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                          static_cast<std::uint32_t>(data.size())),
                  0);
    }

    TestMachine machine{System::xp};
    Registry registry{machine.layout()};
};

struct ReadRow {
    const char* name;
    QString value_name;
    QString string;  // REG_GetString
    QString value;   // REG_GetValue's text
};
void PrintTo(const ReadRow& row, std::ostream* out) { *out << row.name; }

class RegistryReads : public RegistryCalls, public testing::WithParamInterface<ReadRow> {};

TEST_P(RegistryReads, GetStringTrimsGetValueKeepsNulAndBlank)
{
    const ReadRow& row = GetParam();
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, "Software\\Test", row.value_name), row.string);
    const Variant value = REG_GetValue(registry, HKEY_CURRENT_USER, "Software\\Test", row.value_name);
    EXPECT_TRUE(value.is_text());
    EXPECT_EQ(value.text_value(), row.value);
    EXPECT_EQ(registry.open_handle_count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RegistryReads,
    testing::Values(ReadRow{"sz_one", "one", "1", QString("1") + nul + " "},
                    ReadRow{"dword_one", "on", "1", "1"},
                    ReadRow{"dword_all_bits", "all", "-1", "-1"},
                    ReadRow{"sz_blanks", "blanks", "ab  ", QString("  ab  ") + nul + " "},
                    ReadRow{"sz_empty", "empty", "", QString(nul) + " "},
                    ReadRow{"sz_without_nul", "no_nul", "xy", "xy "},
                    ReadRow{"sz_code_page", "umlaut", QString::fromUtf8("Grüße"), QString::fromUtf8("Grüße") + nul + " "},
                    ReadRow{"dword_of_eight_bytes", "long_dword", "", ""},
                    ReadRow{"expand_sz", "expand", "", ""},
                    ReadRow{"binary", "bin", "", ""},
                    ReadRow{"multi_sz", "multi", "", ""},
                    ReadRow{"missing_value", "none", "", ""},
                    ReadRow{"name_in_other_case", "ONE", "1", QString("1") + nul + " "}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(RegistryCalls, ReadsOfAMissingKeyAreEmpty)
{
    Variant value(std::int32_t{7});
    EXPECT_NE(REG_QueryValueRaw(registry, HKEY_CURRENT_USER, "Software\\Missing", "one", value), 0);
    EXPECT_TRUE(value.is_empty());
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, "Software\\Missing", "one"), "");
    EXPECT_EQ(REG_GetValue(registry, HKEY_CURRENT_USER, "Software\\Missing", "one").text_value(), "");
    EXPECT_EQ(REG_QueryValueRaw(registry, HKEY_CURRENT_USER, "Software\\Test", "none", value), 0);
    EXPECT_TRUE(value.is_empty());
}

struct DwordRow {
    const char* name;
    QString text;
    std::optional<std::int32_t> stored; // nullopt: nothing written, non-zero status
};
void PrintTo(const DwordRow& row, std::ostream* out) { *out << row.name; }

class SetDword : public RegistryCalls, public testing::WithParamInterface<DwordRow> {};

TEST_P(SetDword, WritesTheNumberAtTheStartRoundedToEven)
{
    const DwordRow& row = GetParam();
    const LSTATUS status = REG_SetDWORD(registry, HKEY_CURRENT_USER, "Software\\Test", "n", row.text);
    Variant value;
    REG_QueryValueRaw(registry, HKEY_CURRENT_USER, "Software\\Test", "n", value);
    if (row.stored) {
        EXPECT_EQ(status, 0);
        EXPECT_EQ(value, Variant(*row.stored));
    } else {
        EXPECT_NE(status, 0);
        EXPECT_TRUE(value.is_empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SetDword,
    testing::Values(DwordRow{"zero", "0", 0}, DwordRow{"one", "1", 1}, DwordRow{"leading_blank", " 5", 5},
                    DwordRow{"blank_zero", " 0", 0}, DwordRow{"letter_first", "a5", 0}, DwordRow{"empty", "", 0},
                    DwordRow{"trailing_text", "12 files", 12}, DwordRow{"half_to_even_up", "1.5", 2},
                    DwordRow{"half_to_even_down", "2.5", 2}, DwordRow{"half_odd", "3.5", 4},
                    DwordRow{"negative", "-1", -1}, DwordRow{"hex", "&H1F", 31}, DwordRow{"count", "33554432", 33554432},
                    DwordRow{"too_large", "1e10", std::nullopt}, DwordRow{"beyond_long", "2147483648", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

struct CallRow {
    const char* name;
    std::function<std::int32_t(Registry&)> call;
    std::int32_t result;
};
void PrintTo(const CallRow& row, std::ostream* out) { *out << row.name; }

class RegistryResults : public RegistryCalls, public testing::WithParamInterface<CallRow> {};

TEST_P(RegistryResults, DispositionsAndStatuses)
{
    EXPECT_EQ(GetParam().call(registry), GetParam().result);
    EXPECT_EQ(registry.open_handle_count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RegistryResults,
    testing::Values(
        CallRow{"create_new", [](Registry& r) { return REG_CreateKey(r, HKEY_CURRENT_USER, "Software\\New\\Deep"); }, 1},
        CallRow{"create_existing", [](Registry& r) { return REG_CreateKey(r, HKEY_CURRENT_USER, "Software\\Test"); }, 2},
        CallRow{"create_existing_other_case", [](Registry& r) { return REG_CreateKey(r, HKEY_CURRENT_USER, "SOFTWARE\\TEST"); }, 2},
        CallRow{"create_user_root", [](Registry& r) { return REG_CreateKey(r, HKEY_CURRENT_USER, ""); }, 2},
        CallRow{"create_trailing_backslash", [](Registry& r) { return REG_CreateKey(r, HKEY_CURRENT_USER, "Software\\Test\\"); }, 2},
        CallRow{"create_leading_backslash", [](Registry& r) { return REG_CreateKey(r, HKEY_CURRENT_USER, "\\Software\\X"); }, 0},
        CallRow{"create_empty_name_inside", [](Registry& r) { return REG_CreateKey(r, HKEY_CURRENT_USER, "Software\\\\X"); }, 0},
        CallRow{"create_directly_under_machine", [](Registry& r) { return REG_CreateKey(r, HKEY_LOCAL_MACHINE, "Brekund"); }, 0},
        CallRow{"create_directly_under_users", [](Registry& r) { return REG_CreateKey(r, HKEY_USERS, "pupil"); }, 0},
        CallRow{"create_machine_software", [](Registry& r) { return REG_CreateKey(r, HKEY_LOCAL_MACHINE, "SOFTWARE"); }, 2},
        CallRow{"create_program_key", [](Registry& r) { return REG_CreateKey(r, HKEY_LOCAL_MACHINE, "Software\\Brekund\\G2002"); }, 2},
        CallRow{"create_under_software", [](Registry& r) { return REG_CreateKey(r, HKEY_LOCAL_MACHINE, "Software\\Brekund\\Other"); }, 1},
        CallRow{"create_in_default_user", [](Registry& r) { return REG_CreateKey(r, HKEY_USERS, ".DEFAULT\\Software\\X"); }, 1},
        CallRow{"create_in_own_sid", [](Registry& r) {
                    return REG_CreateKey(r, HKEY_USERS, QString(test::administrator_sid) + "\\Software\\Test"); }, 2},
        CallRow{"create_in_unmounted_name", [](Registry& r) { return REG_CreateKey(r, HKEY_USERS, "pupil\\Software"); }, 0},
        CallRow{"create_under_classes_root", [](Registry& r) { return REG_CreateKey(r, HKEY_CLASSES_ROOT, "x"); }, 0},
        CallRow{"create_under_unknown_handle", [](Registry& r) { return REG_CreateKey(r, 0x1234, "x"); }, 0},
        CallRow{"set_string_missing_key", [](Registry& r) { return REG_SetString(r, HKEY_CURRENT_USER, "Software\\Missing", "v", "x"); }, 2},
        CallRow{"set_dword_missing_key", [](Registry& r) { return REG_SetDWORD(r, HKEY_CURRENT_USER, "Software\\Missing", "v", "1"); }, 2},
        CallRow{"set_string_existing_key", [](Registry& r) { return REG_SetString(r, HKEY_CURRENT_USER, "Software\\Test", "v", "x"); }, 0},
        CallRow{"set_string_machine_root_fails_unreported", [](Registry& r) { return REG_SetString(r, HKEY_LOCAL_MACHINE, "", "v", "x"); }, 0},
        CallRow{"set_string_unknown_root", [](Registry& r) { return REG_SetString(r, 0x1234, "", "v", "x"); }, 6},
        CallRow{"delete_value_missing_value", [](Registry& r) { return REG_DeleteValue(r, HKEY_CURRENT_USER, "Software\\Test", "none"); }, 0},
        CallRow{"delete_value_existing", [](Registry& r) { return REG_DeleteValue(r, HKEY_CURRENT_USER, "Software\\Test", "one"); }, 0},
        CallRow{"delete_value_missing_key", [](Registry& r) { return REG_DeleteValue(r, HKEY_CURRENT_USER, "Software\\Missing", "one"); }, 2},
        CallRow{"delete_key_existing", [](Registry& r) { return REG_DeleteKey(r, HKEY_CURRENT_USER, "Software\\Test\\Sub"); }, 0},
        CallRow{"delete_key_missing", [](Registry& r) { return REG_DeleteKey(r, HKEY_CURRENT_USER, "Software\\Missing"); }, 0},
        CallRow{"delete_key_with_sub_keys", [](Registry& r) { return REG_DeleteKey(r, HKEY_CURRENT_USER, "Software\\Test"); }, 0},
        CallRow{"delete_key_raw_missing", [](Registry& r) { return REG_DeleteKeyRaw(r, HKEY_CURRENT_USER, "Software\\Missing"); }, 2},
        CallRow{"delete_key_raw_with_sub_keys", [](Registry& r) { return REG_DeleteKeyRaw(r, HKEY_CURRENT_USER, "Software\\Test"); }, 5},
        CallRow{"delete_key_raw_hive_of_machine", [](Registry& r) { return REG_DeleteKeyRaw(r, HKEY_LOCAL_MACHINE, "SOFTWARE"); }, 5},
        CallRow{"delete_key_raw_root", [](Registry& r) { return REG_DeleteKeyRaw(r, HKEY_CURRENT_USER, ""); }, 5},
        CallRow{"query_raw_missing_key", [](Registry& r) { Variant v; return REG_QueryValueRaw(r, HKEY_CURRENT_USER, "Software\\Missing", "x", v); }, 2},
        CallRow{"query_raw_missing_value", [](Registry& r) { Variant v; return REG_QueryValueRaw(r, HKEY_CURRENT_USER, "Software\\Test", "x", v); }, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(RegistryCalls, SetStringNeedsTheKeyThatCreateKeyMakes)
{
    EXPECT_NE(REG_SetString(registry, HKEY_CURRENT_USER, "Software\\Later", "v", "x"), 0);
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, "Software\\Later", "v"), "");
    EXPECT_EQ(REG_CreateKey(registry, HKEY_CURRENT_USER, "Software\\Later"), 1);
    EXPECT_EQ(REG_SetString(registry, HKEY_CURRENT_USER, "Software\\Later", "v", "x"), 0);
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, "Software\\Later", "v"), "x");
}

TEST_F(RegistryCalls, PathsDifferingInCaseReachOneKey)
{
    ASSERT_EQ(REG_CreateKey(registry, HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"), 2);
    EXPECT_EQ(REG_SetDWORD(registry, HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "NoRun", "1"), 0);
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "norun"), "1");
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "NoDriveTypeAutoRun"), "145");
}

TEST_F(RegistryCalls, DeleteKeyRemovesTheKeyWithItsValues)
{
    REG_SetString(registry, HKEY_CURRENT_USER, "Software\\Test\\Sub", " 0", "GATR2002.EXE");
    EXPECT_EQ(REG_DeleteKey(registry, HKEY_CURRENT_USER, "Software\\Test\\Sub"), 0);
    EXPECT_EQ(REG_CreateKey(registry, HKEY_CURRENT_USER, "Software\\Test\\Sub"), 1);
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, "Software\\Test\\Sub", " 0"), "");
}

TEST_F(RegistryCalls, AKeyWithSubKeysStaysOnTheNtFamily)
{
    EXPECT_EQ(REG_DeleteKey(registry, HKEY_CURRENT_USER, "Software\\Test"), 0);
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, "Software\\Test", "one"), "1");
}

TEST(RegistryCalls98, AKeyWithSubKeysGoesWithThemOnWindows98)
{
    TestMachine machine(System::win98);
    Registry registry(machine.layout());
    ASSERT_EQ(REG_CreateKey(registry, HKEY_CURRENT_USER, "Software\\Test\\Sub"), 1);
    REG_SetString(registry, HKEY_CURRENT_USER, "Software\\Test", "v", "x");
    EXPECT_EQ(REG_DeleteKeyRaw(registry, HKEY_CURRENT_USER, "Software\\Test"), 0);
    EXPECT_EQ(REG_CreateKey(registry, HKEY_CURRENT_USER, "Software\\Test"), 1);
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, "Software\\Test", "v"), "");
}

} // namespace
} // namespace platform
