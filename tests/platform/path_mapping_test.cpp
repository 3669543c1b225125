#include "temp_machine.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using platform::PathError;

class PathMapping : public testing::Test {
protected:
    void SetUp() override
    {
        root = t.machine->drive_folder('C');
        QDir(root).mkpath("Data/Sub");
        QFile(root + "/Data/ntuser.dat").open(QIODevice::WriteOnly);
        outside.setAutoRemove(true);
        QDir(outside.path()).mkpath("secret");
        QFile(outside.path() + "/secret/file").open(QIODevice::WriteOnly);
    }
    TempMachine t;
    QString root;
    QTemporaryDir outside;
};

TEST_F(PathMapping, CaseAndMissingComponents)
{
    struct Row {
        const char* windows;
        const char* host; // relative to drive C's folder
    } rows[] = {
        {"C:\\", ""},
        {"c:", ""},
        {"C:\\DATA\\NTUSER.DAT", "/Data/ntuser.dat"},
        {"c:/data/sub", "/Data/Sub"},
        {"C:\\data\\\\.\\sub\\", "/Data/Sub"},
        {"C:\\Data\\New\\File.TXT", "/Data/New/File.TXT"}, // missing components keep their spelling
        {"C:\\Data\\ntuser.dat.", "/Data/ntuser.dat"},     // Windows drops a trailing dot
    };
    for (const Row& r : rows) {
        const auto mapped = t.machine->to_host(QLatin1String(r.windows));
        EXPECT_TRUE(mapped.ok()) << r.windows;
        EXPECT_EQ(mapped.path, root + QLatin1String(r.host)) << r.windows;
    }
}

TEST_F(PathMapping, RefusedPaths)
{
    ASSERT_TRUE(QFile::link(outside.path() + "/secret", root + "/Data/out"));
    ASSERT_TRUE(QFile::link(outside.path() + "/secret/file", root + "/Data/outfile"));
    ASSERT_TRUE(QFile::link(outside.path() + "/missing", root + "/Data/dangling"));
    struct Row {
        QString windows;
        PathError error;
    } rows[] = {
        {"C:\\Data\\..\\..\\etc", PathError::invalid},
        {"C:\\..", PathError::invalid},
        {"C:\\Data\\...", PathError::invalid},
        {"C:\\Data\\. .", PathError::invalid},
        {QString("C:\\Data") + QChar(0) + "x", PathError::invalid},
        {"C:\\Data\\a:b", PathError::invalid},
        {"C:\\Data\\a*b", PathError::invalid},
        {"C:relative", PathError::invalid},
        {"\\Data", PathError::invalid},
        {"\\\\server\\share", PathError::invalid},
        {"Data\\x", PathError::invalid},
        {"Q:\\x", PathError::no_drive},
        {"C:\\Data\\out\\file", PathError::escapes},
        {"C:\\Data\\OUT", PathError::escapes},
        {"C:\\Data\\outfile", PathError::escapes}, // a data file outside, not an executable
        {"C:\\Data\\dangling", PathError::escapes},
    };
    for (const Row& r : rows)
        EXPECT_EQ(t.machine->to_host(r.windows).error, r.error) << r.windows.toStdString();
}

TEST_F(PathMapping, LinksInsideTheDriveAndALinkedDriveFolder)
{
    ASSERT_TRUE(QFile::link(root + "/Data/Sub", root + "/Data/inside"));
    EXPECT_TRUE(t.machine->to_host("C:\\Data\\INSIDE").ok());

    // The drive's own folder may itself be a link.
    platform::MachineFacts f = t.machine->facts();
    ASSERT_TRUE(QFile::link(root, t.dir.path() + "/linked_c"));
    f.drives = {{QLatin1Char('C'), t.dir.path() + "/linked_c"}};
    const auto linked = platform::Machine::from_facts(t.machine->folder(), f);
    ASSERT_TRUE(linked);
    const auto mapped = linked->to_host("C:\\data\\inside\\x");
    EXPECT_TRUE(mapped.ok());
    EXPECT_EQ(mapped.path, t.dir.path() + "/linked_c/Data/inside/x");
}

TEST_F(PathMapping, InstalledProgramLinkMayLeaveTheDrive)
{
    const QString program = outside.path() + "/prog";
    QFile p(program);
    ASSERT_TRUE(p.open(QIODevice::WriteOnly));
    p.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    p.close();
    ASSERT_TRUE(QFile::link(program, root + "/Data/PROG.EXE"));
    const auto mapped = t.machine->to_host("C:\\Data\\prog.exe");
    EXPECT_TRUE(mapped.ok());
    EXPECT_TRUE(mapped.outside_link);
    // Only as the last component: nothing lies below a program.
    EXPECT_FALSE(t.machine->to_host("C:\\Data\\prog.exe\\x").ok());
}

TEST_F(PathMapping, ForWritingALinkLeadsToItsFileInsideTheDriveOrIsRefused)
{
    const QString program = outside.path() + "/prog";
    QFile p(program);
    ASSERT_TRUE(p.open(QIODevice::WriteOnly));
    p.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    p.close();
    ASSERT_TRUE(QFile::link(program, root + "/Data/PROG.EXE"));
    ASSERT_TRUE(QFile::link(root + "/Data/ntuser.dat", root + "/Data/Sub/alias.dat"));
    ASSERT_TRUE(QFile::link(outside.path() + "/secret/file", root + "/Data/outfile"));
    struct Row {
        const char* windows;
        PathError error;
        QString host; // when mapped
    } rows[] = {
        {"C:\\Data\\prog.exe", PathError::escapes, ""}, // may be run, never written through
        {"C:\\Data\\outfile", PathError::escapes, ""},
        {"C:\\Data\\sub\\ALIAS.DAT", PathError::none, root + "/Data/ntuser.dat"},
        {"C:\\DATA\\NTUSER.DAT", PathError::none, root + "/Data/ntuser.dat"},
        {"C:\\Data\\New.txt", PathError::none, root + "/Data/New.txt"},
        {"Q:\\x", PathError::no_drive, ""},
    };
    for (const Row& r : rows) {
        const auto mapped = t.machine->to_host_for_write(QLatin1String(r.windows));
        EXPECT_EQ(mapped.error, r.error) << r.windows;
        EXPECT_EQ(mapped.path, r.host) << r.windows;
        EXPECT_FALSE(mapped.outside_link) << r.windows;
    }
}

TEST_F(PathMapping, HostPathsBackToWindowsPaths)
{
    EXPECT_EQ(t.machine->to_windows(root + "/Data/ntuser.dat"), QString("C:\\Data\\ntuser.dat"));
    EXPECT_EQ(t.machine->to_windows(root), QString("C:\\"));
    EXPECT_EQ(t.machine->to_windows(t.machine->drive_folder('D') + "/x"), QString("D:\\x"));
    EXPECT_FALSE(t.machine->to_windows(outside.path()));
    EXPECT_FALSE(t.machine->to_windows(root + "_other/x")); // a sibling with the same prefix is not inside
}
