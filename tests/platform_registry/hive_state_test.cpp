// Hives the registry must not write: one whose log was not replayed, and damaged files.

#include "platform/registry.h"
#include "test_machine.h"

#include <gtest/gtest.h>

#include <QFile>

#include <fstream>
#include <functional>
#include <stdexcept>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

void store_checksum(std::vector<std::uint8_t>& bytes)
{
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < 508; at += 4)
        sum ^= load_u32(bytes, at);
    store_u32(bytes, 508, sum == 0xFFFFFFFF ? 0xFFFFFFFE : sum == 0 ? 1 : sum);
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

// A file far larger than the memory a reader of it may take. Sparse: it costs no disk.
constexpr off_t three_gib = off_t{3} << 30;

void grow_sparse(const QString& path, off_t size)
{
    if (::truncate(QFile::encodeName(path).constData(), size) != 0)
        throw std::runtime_error("file not grown");
}

// Runs `check` in a child process whose address space allows a small hive and no more; whoever reads the whole
// file there runs out of memory. The child's exit code: 0 when the check held, 1 when not, -1 when it died.
int in_little_memory(const std::function<bool()>& check)
{
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t cap = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (rlim_t{512} << 20);
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{cap, cap};
        ::setrlimit(RLIMIT_AS, &limit);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct LargeFileRow {
    const char* name;
    std::function<void(const QString& hive)> prepare;
    std::function<bool(Registry&)> check;
};
void PrintTo(const LargeFileRow& row, std::ostream* out) { *out << row.name; }

class LargeHiveFile : public HiveState, public testing::WithParamInterface<LargeFileRow> {};

TEST_P(LargeHiveFile, IsReadAsFarAsItsHeaderSaysAndNeverAborts)
{
    GetParam().prepare(user_hive());
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(user_hive()).constData(), &before), 0);
    const RegistryLayout layout = machine.layout();
    EXPECT_EQ(in_little_memory([&] {
                  Registry registry(layout);
                  return GetParam().check(registry);
              }),
              0);
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(user_hive()).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_size, before.st_size);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LargeHiveFile,
    testing::Values(
        // What follows the hive's bins is not the hive's: read and kept as it is.
        LargeFileRow{"hive_followed_by_zeros",
                     [](const QString& hive) { grow_sparse(hive, three_gib); },
                     [](Registry& registry) {
                         return REG_GetString(registry, HKEY_CURRENT_USER, explorer, "NoDriveTypeAutoRun") == "145";
                     }},
        // Bins larger than Windows allows a hive: damaged, whatever the file holds.
        LargeFileRow{"bins_beyond_the_limit",
                     [](const QString& hive) {
                         std::vector<std::uint8_t> bytes = test::file_bytes(hive);
                         store_u32(bytes, 40, static_cast<std::uint32_t>(three_gib));
                         store_checksum(bytes);
                         test::write_bytes(hive, bytes);
                         grow_sparse(hive, 4096 + three_gib);
                     },
                     [](Registry& registry) {
                         Variant value;
                         return REG_QueryValueRaw(registry, HKEY_CURRENT_USER, explorer, "NoDriveTypeAutoRun", value) ==
                                    ERROR_BADDB &&
                                REG_SetString(registry, HKEY_CURRENT_USER, explorer, "NoRun", "1") == ERROR_BADDB &&
                                registry.flush_all() == 0;
                     }}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace platform
