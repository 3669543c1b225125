#include "temp_machine.h"

#include "platform/machine/mount_table.h"
#include "platform/system_queries.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

class FileProbe : public testing::Test {
protected:
    TempMachine t;
    platform::VbFiles files{*t.machine};
};

TEST_F(FileProbe, MissingFileIsLeftAbsent)
{
    EXPECT_FALSE(platform::file_exists(files, "C:\\nothing.txt"));
    EXPECT_FALSE(t.exists("C:\\nothing.txt"));
    EXPECT_FALSE(files.is_open(1));
}

TEST_F(FileProbe, EmptyFileIsDeleted)
{
    t.write("C:\\empty.txt", "");
    EXPECT_FALSE(platform::file_exists(files, "C:\\EMPTY.TXT"));
    EXPECT_FALSE(t.exists("C:\\empty.txt"));
}

TEST_F(FileProbe, FileWithContentExists)
{
    t.write("C:\\full.txt", "x");
    EXPECT_TRUE(platform::file_exists(files, "c:/full.txt"));
    EXPECT_EQ(t.read("C:\\full.txt"), "x");
    EXPECT_FALSE(files.is_open(1));
}

TEST_F(FileProbe, FileLockedByAnotherProcessExists)
{
    t.write("C:\\locked.txt", ""); // empty: without the lock the probe would delete it
    const LockHolder lock(t.host("C:\\locked.txt"));
    ASSERT_TRUE(lock.locked());
    EXPECT_TRUE(platform::file_exists(files, "C:\\locked.txt"));
    EXPECT_TRUE(t.exists("C:\\locked.txt"));
}

TEST_F(FileProbe, LoadedHivesAreHeld)
{
    // The logged-on user's hive and every mounted hive count as held by another process.
    const QString own = "C:\\Documents and Settings\\Administrator\\NTUSER.DAT";
    const QString other = "C:\\Documents and Settings\\pupil\\NTUSER.DAT";
    t.write(own, "regf");
    t.write(other, "regf");
    EXPECT_EQ(files.open(own, platform::FileMode::binary, 2), platform::vb::permission_denied);
    EXPECT_EQ(files.open(other, platform::FileMode::binary, 2), platform::vb::ok);
    files.close(2);
    platform::MountTable mounts(*t.machine);
    ASSERT_EQ(mounts.add({"pupil", "c:\\documents and settings\\PUPIL\\ntuser.dat", false}),
              platform::MountChange::added);
    EXPECT_EQ(files.open(other, platform::FileMode::binary, 2), platform::vb::permission_denied);
    EXPECT_TRUE(platform::file_exists(files, other));
}

TEST_F(FileProbe, OtherErrorsAnswerFalse)
{
    EXPECT_FALSE(platform::file_exists(files, "C:\\no such folder\\x.txt"));
    EXPECT_FALSE(platform::file_exists(files, "Q:\\x.txt"));
    EXPECT_FALSE(platform::file_exists(files, "C:\\WINDOWS")); // a folder

    // File number 1 already open: false, and the other routine's file stays open.
    t.write("C:\\full.txt", "x");
    t.write("C:\\mine.txt", "y");
    ASSERT_EQ(files.open("C:\\mine.txt", platform::FileMode::binary, 1), platform::vb::ok);
    EXPECT_FALSE(platform::file_exists(files, "C:\\full.txt"));
    EXPECT_TRUE(files.is_open(1));
}

TEST_F(FileProbe, FolderWithoutWriteRightsAnswersFalse)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder";
    QDir().mkpath(t.host("C:\\Locked"));
    QFile::setPermissions(t.host("C:\\Locked"), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(platform::file_exists(files, "C:\\Locked\\x.txt"));
    EXPECT_EQ(files.open("C:\\Locked\\x.txt", platform::FileMode::binary, 2), platform::vb::path_file_access);
    QFile::setPermissions(t.host("C:\\Locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
