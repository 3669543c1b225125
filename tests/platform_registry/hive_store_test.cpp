// How the registry keeps its hive files: read once, written on flush, atomically, never lost.

#include "platform/registry.h"
#include "hive_checks.h"
#include "test_machine.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

using test::System;
using test::TestMachine;

const QString explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

struct stat stat_of(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

bool same_version(const struct stat& a, const struct stat& b)
{
    return a.st_ino == b.st_ino && a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

constexpr const char16_t* explorer_units = u"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

class HiveStore : public testing::Test {
protected:
    QString user_hive() const { return machine.host("C:\\Documents and Settings\\Administrator\\NTUSER.DAT"); }
    QString in_file(const char16_t* name) const { return test::value_in_file(user_hive(), explorer_units, name); }

    TestMachine machine{System::xp};
};

TEST_F(HiveStore, EditsStayInMemoryUntilAKeyIsFlushed)
{
    Registry registry(machine.layout());
    const struct stat before = stat_of(user_hive());
    ASSERT_EQ(REG_SetString(registry, HKEY_CURRENT_USER, explorer, "Pending", "yes"), 0);
    EXPECT_TRUE(same_version(stat_of(user_hive()), before));
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, explorer, "Pending"), "yes");
    EXPECT_TRUE(registry.pending());

    // Every REG_CreateKey flushes the hive of its key, even of a key that was there.
    EXPECT_EQ(REG_CreateKey(registry, HKEY_CURRENT_USER, explorer), 2);
    EXPECT_FALSE(registry.pending());
    EXPECT_EQ(in_file(u"Pending"), "yes");
    EXPECT_TRUE(test::sound_hive(user_hive()));
}

TEST_F(HiveStore, FlushingAnUnchangedHiveWritesNothing)
{
    Registry registry(machine.layout());
    REG_GetString(registry, HKEY_CURRENT_USER, explorer, "NoRun");
    const struct stat before = stat_of(user_hive());
    EXPECT_EQ(REG_CreateKey(registry, HKEY_CURRENT_USER, explorer), 2);
    // Writing what a value holds already changes nothing either.
    EXPECT_EQ(REG_SetDWORD(registry, HKEY_CURRENT_USER, explorer, "NoDriveTypeAutoRun", "145"), 0);
    EXPECT_EQ(registry.flush_all(), 0);
    EXPECT_TRUE(same_version(stat_of(user_hive()), before));
}

TEST_F(HiveStore, OnlyTheFlushedKeysHiveIsWritten)
{
    Registry registry(machine.layout());
    ASSERT_EQ(REG_SetString(registry, HKEY_LOCAL_MACHINE, "Software\\Brekund\\G2002", "Country", "1"), 0);
    const QString software = machine.host("C:\\WINDOWS\\system32\\config\\SOFTWARE");
    const struct stat before = stat_of(software);
    EXPECT_EQ(REG_CreateKey(registry, HKEY_CURRENT_USER, explorer), 2);
    EXPECT_TRUE(same_version(stat_of(software), before));
    EXPECT_EQ(REG_CreateKey(registry, HKEY_LOCAL_MACHINE, "Software\\Brekund"), 2);
    EXPECT_FALSE(same_version(stat_of(software), before));
}

TEST_F(HiveStore, WhatIsPendingIsWrittenWhenTheRegistryEnds)
{
    {
        Registry registry(machine.layout());
        ASSERT_EQ(REG_SetString(registry, HKEY_CURRENT_USER, explorer, "AtEnd", "written"), 0);
    }
    EXPECT_EQ(in_file(u"AtEnd"), "written");
}

TEST_F(HiveStore, KeptWhileTheFileIsUnchangedAndReadAgainWhenItChanges)
{
    Registry registry(machine.layout());
    ASSERT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, explorer, "NoDriveTypeAutoRun"), "145");

    // Overwrite the file in place with garbage of the same size and give it back its time: to the registry that
    // is the version it read, so it keeps what it parsed.
    const std::vector<std::uint8_t> original = test::file_bytes(user_hive());
    const struct stat before = stat_of(user_hive());
    test::write_bytes(user_hive(), std::vector<std::uint8_t>(original.size(), 0xAB));
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(user_hive()).constData(), times, 0), 0);
    EXPECT_EQ(REG_GetString(registry, HKEY_CURRENT_USER, explorer, "NoDriveTypeAutoRun"), "145");

    // One nanosecond later it is another version: read again, found damaged.
    struct timespec later[2] = {before.st_atim, before.st_mtim};
    later[1].tv_nsec = (later[1].tv_nsec + 1) % 1000000000;
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(user_hive()).constData(), later, 0), 0);
    Variant value;
    EXPECT_EQ(REG_QueryValueRaw(registry, HKEY_CURRENT_USER, explorer, "NoDriveTypeAutoRun", value), ERROR_BADDB);
}

TEST_F(HiveStore, AnotherWritersFlushIsSeenAtTheNextCall)
{
    Registry first(machine.layout());
    Registry second(machine.layout()); // its own cache, as in another process
    EXPECT_EQ(REG_GetString(first, HKEY_CURRENT_USER, explorer, "NoRun"), "");
    ASSERT_EQ(REG_SetDWORD(second, HKEY_CURRENT_USER, explorer, "NoRun", "1"), 0);
    ASSERT_EQ(second.flush_all(), 0);
    EXPECT_EQ(REG_GetString(first, HKEY_CURRENT_USER, explorer, "NoRun"), "1");
}

TEST_F(HiveStore, EditsOfTwoWritersAreBothKept)
{
    Registry first(machine.layout());
    Registry second(machine.layout());
    ASSERT_EQ(REG_SetString(first, HKEY_CURRENT_USER, explorer, "First", "1"), 0);
    ASSERT_EQ(REG_SetString(second, HKEY_CURRENT_USER, explorer, "Second", "2"), 0);
    ASSERT_EQ(REG_SetString(second, HKEY_CURRENT_USER, explorer, "Both", "second"), 0);
    ASSERT_EQ(second.flush_all(), 0);
    ASSERT_EQ(REG_SetString(first, HKEY_CURRENT_USER, explorer, "Both", "first"), 0);
    // The first writer's flush finds a newer file: it reads it and puts its own pending edits over it.
    ASSERT_EQ(first.flush_all(), 0);
    EXPECT_EQ(in_file(u"First"), "1");
    EXPECT_EQ(in_file(u"Second"), "2");
    EXPECT_EQ(in_file(u"Both"), "first");
    EXPECT_TRUE(test::sound_hive(user_hive()));
    EXPECT_EQ(REG_GetString(second, HKEY_CURRENT_USER, explorer, "First"), "1");
}

TEST_F(HiveStore, AFailedWriteLeavesTheOldFileAndKeepsTheEdits)
{
    for (const WriteStep failing : {WriteStep::temp_written, WriteStep::temp_synced}) {
        Registry registry(machine.layout());
        const std::vector<std::uint8_t> before = test::file_bytes(user_hive());
        registry.set_write_hook([&](WriteStep step) { return step == failing; });
        ASSERT_EQ(REG_SetString(registry, HKEY_CURRENT_USER, explorer, "Late", "x"), 0);
        EXPECT_EQ(registry.flush_all(), ERROR_REGISTRY_IO_FAILED);
        EXPECT_EQ(test::file_bytes(user_hive()), before);
        EXPECT_FALSE(QFileInfo::exists(QFileInfo(user_hive()).absolutePath() + "/.NTUSER.DAT.new"));
        EXPECT_TRUE(registry.pending());

        registry.set_write_hook({});
        EXPECT_EQ(registry.flush_all(), 0);
        EXPECT_EQ(in_file(u"Late"), "x");
        EXPECT_TRUE(test::sound_hive(user_hive()));
        REG_DeleteValue(registry, HKEY_CURRENT_USER, explorer, "Late");
    }
}

TEST_F(HiveStore, ACrashBeforeTheRenameLeavesTheOldHive)
{
    const std::vector<std::uint8_t> before = test::file_bytes(user_hive());
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Registry registry(machine.layout());
        registry.set_write_hook([](WriteStep step) {
            if (step == WriteStep::temp_synced)
                ::_exit(0); // the process dies with the new hive complete beside the old one
            return false;
        });
        REG_SetString(registry, HKEY_CURRENT_USER, explorer, "Crash", "x");
        REG_CreateKey(registry, HKEY_CURRENT_USER, explorer);
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << "the write hook was not reached";
    EXPECT_EQ(test::file_bytes(user_hive()), before);

    // The next writer replaces the leftover temporary file and writes a whole hive.
    Registry registry(machine.layout());
    ASSERT_EQ(REG_SetString(registry, HKEY_CURRENT_USER, explorer, "After", "y"), 0);
    ASSERT_EQ(registry.flush_all(), 0);
    EXPECT_EQ(in_file(u"After"), "y");
    EXPECT_EQ(in_file(u"Crash"), "<no value>");
    EXPECT_TRUE(test::sound_hive(user_hive()));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(user_hive()).absolutePath() + "/.NTUSER.DAT.new"));
}

TEST_F(HiveStore, TheHiveDoesNotGrowFromSaveToSave)
{
    Registry registry(machine.layout());
    std::vector<qint64> sizes;
    for (int save = 0; save < 5; ++save) {
        REG_DeleteKey(registry, HKEY_CURRENT_USER, explorer + "\\RestrictRun");
        REG_CreateKey(registry, HKEY_CURRENT_USER, explorer + "\\RestrictRun");
        for (int i = 0; i < 40; ++i)
            REG_SetString(registry, HKEY_CURRENT_USER, explorer + "\\RestrictRun", " " + QString::number(i), "PROGRAM.EXE");
        for (const char* name : {"NoRun", "NoClose", "NoFind"})
            REG_SetDWORD(registry, HKEY_CURRENT_USER, explorer, name, save % 2 ? "1" : "0");
        ASSERT_EQ(registry.flush_all(), 0);
        sizes.push_back(QFileInfo(user_hive()).size());
        EXPECT_TRUE(test::sound_hive(user_hive()));
    }
    for (std::size_t i = 1; i < sizes.size(); ++i)
        EXPECT_EQ(sizes[i], sizes[0]) << "after save " << i + 1;
}

TEST_F(HiveStore, KeepsTheFilesModeWhenItReplacesIt)
{
    ASSERT_EQ(::chmod(QFile::encodeName(user_hive()).constData(), 0640), 0);
    Registry registry(machine.layout());
    REG_SetString(registry, HKEY_CURRENT_USER, explorer, "Mode", "x");
    ASSERT_EQ(registry.flush_all(), 0);
    EXPECT_EQ(stat_of(user_hive()).st_mode & 07777, 0640u);
}

// A deletion still pending when another process flushes first is applied again over that process's hive.
struct PendingDeletionRow {
    const char* name;
    System system;
    bool had_sub_key;      // the deleted key had one (Windows 95/98/ME deletes the key with it)
    bool other_adds_below; // the other process creates a sub-key under it, else writes elsewhere
    const char* old_value; // then in the file: the deleted key's value, or "<no key>"
};
void PrintTo(const PendingDeletionRow& row, std::ostream* out) { *out << row.name; }

class PendingDeletion : public testing::TestWithParam<PendingDeletionRow> {
protected:
    TestMachine machine{GetParam().system};
};

TEST_P(PendingDeletion, KeepsWhatTheOtherProcessFlushedUnderTheKey)
{
    const PendingDeletionRow& row = GetParam();
    const QString doomed = "Software\\Brekund\\Doomed";
    const QString hive = machine.layout().current_user;
    Registry first(machine.layout());
    Registry second(machine.layout());
    ASSERT_EQ(REG_CreateKey(first, HKEY_CURRENT_USER, doomed), 1);
    ASSERT_EQ(REG_SetString(first, HKEY_CURRENT_USER, doomed, "Old", "1"), 0);
    if (row.had_sub_key) {
        ASSERT_EQ(REG_CreateKey(first, HKEY_CURRENT_USER, doomed + "\\Below"), 1);
    }
    ASSERT_EQ(first.flush_all(), 0);

    REG_DeleteKey(first, HKEY_CURRENT_USER, doomed);
    ASSERT_EQ(REG_GetString(first, HKEY_CURRENT_USER, doomed, "Old"), "");
    if (row.other_adds_below) {
        ASSERT_EQ(REG_CreateKey(second, HKEY_CURRENT_USER, doomed + "\\Added"), 1);
        ASSERT_EQ(REG_SetString(second, HKEY_CURRENT_USER, doomed + "\\Added", "New", "2"), 0);
    } else {
        ASSERT_EQ(REG_SetString(second, HKEY_CURRENT_USER, "Software\\Brekund", "Elsewhere", "3"), 0);
    }
    ASSERT_EQ(second.flush_all(), 0);
    ASSERT_EQ(first.flush_all(), 0);

    EXPECT_EQ(test::value_in_file(hive, u"Software\\Brekund\\Doomed", u"Old").toStdString(), row.old_value);
    if (row.other_adds_below) {
        EXPECT_EQ(test::value_in_file(hive, u"Software\\Brekund\\Doomed\\Added", u"New").toStdString(), "2");
        EXPECT_EQ(REG_GetString(first, HKEY_CURRENT_USER, doomed + "\\Added", "New").toStdString(), "2");
    } else {
        EXPECT_EQ(test::value_in_file(hive, u"Software\\Brekund", u"Elsewhere").toStdString(), "3");
    }
    EXPECT_TRUE(test::sound_hive(hive));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PendingDeletion,
    testing::Values(
        // As NT refuses to delete a key with sub-keys, the replay leaves the key that has gained one.
        PendingDeletionRow{"nt_sub_key_added_meanwhile", System::xp, false, true, "1"},
        PendingDeletionRow{"nt_other_change_elsewhere", System::xp, false, false, "<no key>"},
        PendingDeletionRow{"win98_sub_key_added_meanwhile", System::win98, true, true, "1"},
        // The sub-keys the deletion saw go with the key.
        PendingDeletionRow{"win98_other_change_elsewhere", System::win98, true, false, "<no key>"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace platform
