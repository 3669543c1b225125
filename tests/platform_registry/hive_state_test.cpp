// Hives the registry must not write: one whose log was not replayed, and damaged files.

#include "platform/registry.h"
#include "test_machine.h"

#include <gtest/gtest.h>

#include <functional>

namespace platform {
namespace {

using test::System;
using test::TestMachine;

const QString explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

void store_u32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t load_u32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// The primary sequence number one ahead of the secondary, with a right checksum: Windows would replay the log.
std::vector<std::uint8_t> unclean(std::vector<std::uint8_t> bytes)
{
    store_u32(bytes, 4, load_u32(bytes, 4) + 1);
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < 508; at += 4)
        sum ^= load_u32(bytes, at);
    store_u32(bytes, 508, sum == 0xFFFFFFFF ? 0xFFFFFFFE : sum == 0 ? 1 : sum);
    return bytes;
}

// Every call that writes, with its result when the hive must not be written.
void expect_no_write_succeeds(Registry& registry, LSTATUS status)
{
    EXPECT_EQ(REG_CreateKey(registry, HKEY_CURRENT_USER, explorer), 0);
    EXPECT_EQ(REG_CreateKey(registry, HKEY_CURRENT_USER, "Software\\New"), 0);
    EXPECT_EQ(REG_SetString(registry, HKEY_CURRENT_USER, explorer, "NoRun", "1"), status);
    EXPECT_EQ(REG_SetDWORD(registry, HKEY_CURRENT_USER, explorer, "NoRun", "1"), status);
    EXPECT_EQ(REG_DeleteValue(registry, HKEY_CURRENT_USER, explorer, "NoDriveTypeAutoRun"), status);
    EXPECT_EQ(REG_DeleteKeyRaw(registry, HKEY_CURRENT_USER, "Control Panel\\Desktop"), status);
    EXPECT_EQ(registry.flush_all(), 0);
    EXPECT_FALSE(registry.pending());
}

class HiveState : public testing::Test {
protected:
    QString user_hive() const { return machine.host("C:\\Documents and Settings\\Administrator\\NTUSER.DAT"); }
    TestMachine machine{System::xp};
};

TEST_F(HiveState, AHiveThatIsNotCleanIsReadButNeverWritten)
{
    const std::vector<std::uint8_t> bytes = unclean(test::file_bytes(user_hive()));
    test::write_bytes(user_hive(), bytes);
    {
        Registry registry(machine.layout());
        EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, explorer, "NoDriveTypeAutoRun"), "145");
        expect_no_write_succeeds(registry, ERROR_ACCESS_DENIED);
        EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, explorer, "NoDriveTypeAutoRun"), "145");
    }
    EXPECT_EQ(test::file_bytes(user_hive()), bytes);
}

struct DamageRow {
    const char* name;
    std::function<std::vector<std::uint8_t>(std::vector<std::uint8_t>)> damage;
};
void PrintTo(const DamageRow& row, std::ostream* out) { *out << row.name; }

class DamagedHive : public HiveState, public testing::WithParamInterface<DamageRow> {};

TEST_P(DamagedHive, FailsEveryCallAndIsNeverOverwritten)
{
    const std::vector<std::uint8_t> bytes = GetParam().damage(test::file_bytes(user_hive()));
    test::write_bytes(user_hive(), bytes);
    {
        Registry registry(machine.layout());
        Variant value;
        EXPECT_EQ(REG_QueryValueRaw(registry, HKEY_CURRENT_USER, explorer, "NoDriveTypeAutoRun", value), ERROR_BADDB);
        EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, explorer, "NoDriveTypeAutoRun"), "");
        expect_no_write_succeeds(registry, ERROR_BADDB);
        // The other hives are not affected.
        EXPECT_EQ(REG_GetString(registry, HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                "RegisteredOrganization"),
                  "Musterschule");
    }
    EXPECT_EQ(test::file_bytes(user_hive()), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, DamagedHive,
    testing::Values(DamageRow{"empty", [](std::vector<std::uint8_t>) { return std::vector<std::uint8_t>{}; }},
                    DamageRow{"random_bytes",
                              [](std::vector<std::uint8_t> b) {
                                  std::uint32_t x = 12345;
                                  for (auto& byte : b) {
                                      x = x * 1103515245u + 12345u;
                                      byte = static_cast<std::uint8_t>(x >> 16);
                                  }
                                  return b;
                              }},
                    DamageRow{"truncated_in_the_bins", [](std::vector<std::uint8_t> b) { b.resize(4096 + 100); return b; }},
                    DamageRow{"only_the_base_block", [](std::vector<std::uint8_t> b) { b.resize(4096); return b; }},
                    DamageRow{"root_cell_out_of_bounds", [](std::vector<std::uint8_t> b) {
                                  store_u32(b, 36, 0x7FFFFFF0);
                                  std::uint32_t sum = 0;
                                  for (std::size_t at = 0; at < 508; at += 4)
                                      sum ^= load_u32(b, at);
                                  store_u32(b, 508, sum);
                                  return b;
                              }}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace platform
