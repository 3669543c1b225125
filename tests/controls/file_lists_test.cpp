// The drive, folder and file lists over a temporary machine.
#include "controls/dir_list_box.h"
#include "controls/drive_list_box.h"
#include "controls/file_list_box.h"
#include "platform/file_attributes.h"
#include "platform/machine/machine.h"
#include "platform/machine/sample_machine.h"
#include "test_form.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using controls_test::TestForm;

// Drive C in drive_c with a few folders and files; drive D is configured but its folder is missing,
// as a drive without medium.
struct MachineFixture : testing::Test {
    QTemporaryDir dir;
    std::optional<platform::Machine> machine;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString c = dir.filePath("drive_c");
        for (const char* sub : {"WINDOWS/system32", "WINDOWS/Temp", "WINDOWS/Fonts", "Programme/Word", "alpha"})
            ASSERT_TRUE(QDir().mkpath(c + "/" + sub));
        for (const char* file : {"WINDOWS/notepad.exe", "WINDOWS/REGEDIT.EXE", "WINDOWS/win.ini",
                                 "WINDOWS/setupexe", "WINDOWS/readme.com", "Programme/Word/WINWORD.EXE"})
            touch(c + "/" + file);
        QString error;
        machine = platform::Machine::from_facts(dir.path(), platform::sample_facts(platform::SampleSystem::winxp,
                                                                                   dir.path()), &error);
        ASSERT_TRUE(machine) << error.toStdString();
        ASSERT_FALSE(machine->drive_folder(QLatin1Char('D')).isEmpty());
        ASSERT_FALSE(QDir(machine->drive_folder(QLatin1Char('D'))).exists());
    }

    static void touch(const QString& path)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write("x");
    }

    QString hostPath(const char* windowsPath) const { return machine->to_host(windowsPath).path; }
};

using FolderList = MachineFixture;

TEST_F(FolderList, ListsTheSubfoldersAsSortedFullPaths)
{
    TestForm form;
    controls::DirListBox dir1{form, "Dir1", *machine};
    EXPECT_EQ(dir1.path(), "C:\\");

    ASSERT_EQ(dir1.setPath("c:\\windows\\"), 0);
    ASSERT_EQ(dir1.listCount(), 3);
    EXPECT_EQ(dir1.list(0).toUpper(), "C:\\WINDOWS\\FONTS");
    EXPECT_EQ(dir1.list(1).toUpper(), "C:\\WINDOWS\\SYSTEM32");
    EXPECT_EQ(dir1.list(2).toUpper(), "C:\\WINDOWS\\TEMP");
    EXPECT_EQ(dir1.list(3), "");
    EXPECT_EQ(dir1.list(-1), dir1.path());
    EXPECT_EQ(dir1.list(-2), "C:\\");
    EXPECT_EQ(dir1.list(-3), "");
    EXPECT_EQ(dir1.levels(), 2);
    EXPECT_TRUE(dir1.setListIndex(-2)) << "a folder above may be selected";
    EXPECT_EQ(dir1.listIndex(), -2);
    EXPECT_FALSE(dir1.setListIndex(-3));
    EXPECT_FALSE(dir1.path().endsWith('\\'));

    ASSERT_EQ(dir1.setPath("C:"), 0);
    EXPECT_EQ(dir1.path(), "C:\\");
    EXPECT_EQ(dir1.levels(), 1);
    ASSERT_EQ(dir1.listCount(), 3);
    EXPECT_EQ(dir1.list(0), "C:\\alpha");
}

struct PathErrorCase {
    const char* name;
    const char* path;
    int error;
};

class FolderListErrors : public MachineFixture, public testing::WithParamInterface<PathErrorCase> {};

TEST_P(FolderListErrors, LeaveThePathAndRunNoChange)
{
    TestForm form;
    controls::DirListBox dir1{form, "Dir1", *machine};
    ASSERT_EQ(dir1.setPath("C:\\WINDOWS"), 0);
    int changes = 0;
    dir1.onChange = [&] { ++changes; };

    EXPECT_EQ(dir1.setPath(GetParam().path), GetParam().error);
    EXPECT_EQ(dir1.path().toUpper(), "C:\\WINDOWS");
    EXPECT_EQ(dir1.listCount(), 3);
    EXPECT_EQ(changes, 0);
}

INSTANTIATE_TEST_SUITE_P(Paths, FolderListErrors,
                         testing::Values(PathErrorCase{"missingFolder", "C:\\NOWHERE", 76},
                                         PathErrorCase{"aFileIsNoFolder", "C:\\WINDOWS\\win.ini", 76},
                                         PathErrorCase{"notAFullPath", "WINDOWS", 76},
                                         PathErrorCase{"empty", "", 76},
                                         PathErrorCase{"unmappedDrive", "Q:\\", 68},
                                         PathErrorCase{"driveNotReady", "d:", 68},
                                         PathErrorCase{"folderOnDriveNotReady", "D:\\DATA", 68}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(FolderList, EverySuccessfulSetRunsTheChangeAndReadsAfresh)
{
    TestForm form;
    controls::DirListBox dir1{form, "Dir1", *machine};
    int changes = 0;
    dir1.onChange = [&] { ++changes; };
    ASSERT_EQ(dir1.setPath("C:\\WINDOWS"), 0);
    ASSERT_TRUE(QDir().mkpath(hostPath("C:\\WINDOWS") + "/Help"));
    ASSERT_EQ(dir1.setPath("C:\\WINDOWS"), 0);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(dir1.listCount(), 4);

    ASSERT_EQ(dir1.userOpen(-2), 0);
    EXPECT_EQ(dir1.path(), "C:\\");
    EXPECT_EQ(changes, 3);
}

TEST_F(FolderList, AReloadedFormStartsAtTheDesignedFolder)
{
    TestForm form;
    controls::DirListBox dir1{form, "Dir1", *machine};
    form.show();
    ASSERT_EQ(dir1.setPath("C:\\Programme\\Word"), 0);
    EXPECT_EQ(dir1.listCount(), 0);
    form.unload();
    EXPECT_EQ(dir1.path(), "C:\\");
    EXPECT_EQ(dir1.listCount(), 3);
}

using FileList = MachineFixture;

TEST_F(FileList, ListsTheFilesOfTheFolderSortedWithoutFolders)
{
    TestForm form;
    controls::FileListBox file1{form, "File1", *machine};
    ASSERT_EQ(file1.setPath("C:\\WINDOWS"), 0);
    QStringList names;
    for (int i = 0; i < file1.listCount(); ++i)
        names << file1.list(i);
    EXPECT_EQ(names, (QStringList{"notepad.exe", "readme.com", "REGEDIT.EXE", "setupexe", "win.ini"}));

    file1.setPattern("*.EXE;*.com");
    names.clear();
    for (int i = 0; i < file1.listCount(); ++i)
        names << file1.list(i);
    EXPECT_EQ(names, (QStringList{"notepad.exe", "readme.com", "REGEDIT.EXE"}));

    EXPECT_EQ(file1.setPath("C:\\NOWHERE"), 76);
    EXPECT_EQ(file1.path().toUpper(), "C:\\WINDOWS");
    EXPECT_EQ(file1.listCount(), 3);
}

TEST_F(FileList, HiddenAndSystemFilesShowOnlyWhenAskedFor)
{
    const QString hidden = hostPath("C:\\WINDOWS\\notepad.exe");
    const QString system = hostPath("C:\\WINDOWS\\win.ini");
    if (!platform::host_keeps_dos_attributes(hidden))
        GTEST_SKIP() << "this file system keeps no DOS attributes";
    ASSERT_TRUE(platform::set_host_attributes(hidden, platform::attr_hidden));
    ASSERT_TRUE(platform::set_host_attributes(system, platform::attr_system | platform::attr_archive));

    TestForm form;
    controls::FileListBox file1{form, "File1", *machine};
    ASSERT_EQ(file1.setPath("C:\\WINDOWS"), 0);
    QStringList names;
    for (int i = 0; i < file1.listCount(); ++i)
        names << file1.list(i);
    EXPECT_EQ(names, (QStringList{"readme.com", "REGEDIT.EXE", "setupexe"}));

    file1.setHidden(true);
    file1.setSystem(true);
    EXPECT_EQ(file1.listCount(), 5);
    file1.setArchive(false);
    EXPECT_EQ(file1.listCount(), 4);
}

using DriveList = MachineFixture;

TEST_F(DriveList, ListsTheMachinesDrivesAndTakesTheFirstCharacter)
{
    TestForm form;
    controls::DriveListBox drive1{form, "Drive1", *machine};
    ASSERT_EQ(drive1.listCount(), 2);
    EXPECT_EQ(drive1.list(0), "c:");
    EXPECT_EQ(drive1.list(1), "d:");
    EXPECT_EQ(drive1.drive(), "c:");

    int changes = 0;
    drive1.onChange = [&] { ++changes; };
    EXPECT_EQ(drive1.setDrive("C:\\WINDOWS"), 0);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(drive1.setDrive("D:"), 0); // listed though not ready
    EXPECT_EQ(drive1.drive(), "d:");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(drive1.setDrive("q:"), 68);
    EXPECT_EQ(drive1.setDrive(""), 68);
    EXPECT_EQ(drive1.drive(), "d:");
    drive1.userChoose(0);
    EXPECT_EQ(drive1.drive(), "c:");
    EXPECT_EQ(changes, 2);
}

} // namespace
