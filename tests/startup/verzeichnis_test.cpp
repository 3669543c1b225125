#include "startup_fixture.h"

#include "mainform/main_form.h"
#include "startup/startup_forms.h"
#include "startup/verzeichnis_form.h"

#include <QDir>
#include <QFile>
#include <QThread>

namespace {

using startup_tests::str;

void write_file(const QString& host_path, const QByteArray& bytes = "link")
{
    QDir().mkpath(QFileInfo(host_path).path());
    QFile f(host_path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

struct Chooser : testing::Test {
    explicit Chooser(platform::SampleSystem system = platform::SampleSystem::winxp) : program(options(system)) {}
    static testsupport::ProgramOptions options(platform::SampleSystem system)
    {
        testsupport::ProgramOptions o;
        o.system = system;
        return o;
    }
    testsupport::TestProgram program;
    mainwindow::MainForm main{program.context()};
    startup::Verzeichnis chooser{main};

    QString host(const QString& windows_path) { return program.host(windows_path); }
    scripted_ui::ScriptedUi& ui() { return program.ui(); }

    // An Explorer of the machine that notes each command line it gets, its arguments joined by "|".
    QString install_explorer()
    {
        const QString log = program.machine().folder() + QStringLiteral("/explorer.log");
        const QString exe = host(program.machine().facts().windows_dir + QStringLiteral("\\explorer.exe"));
        write_file(exe, "#!/bin/sh\nIFS='|'\necho \"$*\" >> \"$GATRISK_MACHINE/explorer.log\"\n");
        QFile::setPermissions(exe, QFile::permissions(exe) | QFileDevice::ExeOwner);
        return log;
    }
    static QByteArray wait_for_line(const QString& log)
    {
        for (int i = 0; i < 100; ++i) {
            QFile f(log);
            if (f.open(QIODevice::ReadOnly)) {
                const QByteArray text = f.readAll();
                if (text.endsWith('\n'))
                    return text;
            }
            QThread::msleep(50);
        }
        return {};
    }
};

TEST_F(Chooser, OpensAtTheProfilesRootOnTheNtFamily)
{
    const QString profiles = program.machine().facts().profiles_dir;
    main.t810.setText(profiles);
    chooser.show();
    EXPECT_EQ(str(chooser.caption()), "Select Directory");
    EXPECT_EQ(str(chooser.Command2.caption()), "&Cancel");
    EXPECT_EQ(str(chooser.Command3.caption()), "&Preview");
    EXPECT_EQ(chooser.Dir1.path().toLower(), profiles.toLower());
    EXPECT_EQ(chooser.Label1.caption(), chooser.Dir1.path());
    EXPECT_EQ(str(chooser.Drive1.drive()), "c:");
    EXPECT_FALSE(chooser.Command3.enabled());
}

struct Win98Chooser : Chooser {
    Win98Chooser() : Chooser(platform::SampleSystem::win98) {}
};

TEST_F(Win98Chooser, OpensAtTheWindowsFolder)
{
    main.t810.setText(QStringLiteral("C:\\Programme"));
    chooser.show();
    EXPECT_EQ(chooser.Dir1.path().toLower(), program.machine().facts().windows_dir.toLower());
}

TEST_F(Chooser, StoredFolderWinsAndKeepsItsDrive)
{
    write_file(host(QStringLiteral("D:\\Links\\a.lnk")));
    main.t810.setText(program.machine().facts().profiles_dir);
    main.t32.setText(QStringLiteral("D:\\Links"));
    chooser.show();
    EXPECT_EQ(str(chooser.Dir1.path()), "D:\\Links");
    EXPECT_EQ(str(chooser.Drive1.drive()), "d:");
    EXPECT_EQ(str(chooser.Label1.caption()), "D:\\Links");
    EXPECT_TRUE(chooser.Command3.enabled());
}

TEST_F(Chooser, StartFoldersThatAreNotThereStillOpen)
{
    main.t810.setText(QStringLiteral("C:\\Gone"));
    main.t32.setText(QStringLiteral("Q:\\Nowhere"));
    chooser.show();
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_EQ(chooser.Label1.caption(), chooser.Dir1.path());
    EXPECT_TRUE(ui().messages().empty());
}

struct FolderCase {
    const char* name;
    QStringList files; // below C:\Pick
    bool has_links;
};

class LinkFolders : public Chooser, public testing::WithParamInterface<FolderCase> {};

TEST_P(LinkFolders, PreviewAndOkGoByLinksDirectlyInTheFolder)
{
    for (const QString& f : GetParam().files)
        write_file(host(QStringLiteral("C:\\Pick\\") + f));
    QDir().mkpath(host(QStringLiteral("C:\\Pick")));
    main.t32.setText(QStringLiteral("C:\\Old"));
    main.c39.setValue(0);
    chooser.show();
    ASSERT_EQ(chooser.Dir1.setPath(QStringLiteral("C:\\Pick")), 0);
    EXPECT_EQ(str(chooser.Label1.caption()), "C:\\Pick");
    EXPECT_EQ(chooser.Command3.enabled(), GetParam().has_links);

    chooser.Command1.userClick();
    if (GetParam().has_links) {
        EXPECT_TRUE(ui().messages().empty());
        EXPECT_EQ(str(main.t32.text()), "C:\\Pick");
        EXPECT_EQ(main.c39.value(), 1);
        EXPECT_FALSE(chooser.isLoaded());
    } else {
        ASSERT_EQ(ui().messages().size(), 1u);
        EXPECT_EQ(ui().messages()[0].style, 16);
        EXPECT_EQ(str(ui().messages()[0].title), "No lnk-files found!");
        EXPECT_EQ(str(ui().messages()[0].text),
                  "There are no link-files (*.lnk) in the directory you have choosen. Please select another directory.");
        EXPECT_EQ(str(main.t32.text()), "C:\\Old");
        EXPECT_EQ(main.c39.value(), 0);
        EXPECT_TRUE(chooser.isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, LinkFolders,
    testing::Values(FolderCase{"lower_case_link", {QStringLiteral("word.lnk")}, true},
                    FolderCase{"upper_case_link", {QStringLiteral("WORD.LNK")}, true},
                    FolderCase{"links_only_in_a_subfolder", {QStringLiteral("Sub\\word.lnk")}, false},
                    FolderCase{"other_files_only", {QStringLiteral("readme.txt"), QStringLiteral("lnk")}, false},
                    FolderCase{"empty", {}, false}),
    startup_tests::RowName());

TEST_F(Chooser, OkOpensTheFolderInExplorerUnquotedAndCancelLaterOnlyUnticks)
{
    const QString log = install_explorer();
    write_file(host(QStringLiteral("C:\\Link Folder\\a.lnk")));
    main.t32.setText(QStringLiteral("C:\\Link Folder"));
    chooser.show();
    chooser.Command1.userClick();
    EXPECT_EQ(wait_for_line(log), "C:\\Link|Folder\n") << "the blank splits the folder into two arguments";
    EXPECT_EQ(main.c39.value(), 1);

    chooser.show();
    chooser.Command2.userClick();
    EXPECT_EQ(main.c39.value(), 0);
    EXPECT_EQ(str(main.t32.text()), "C:\\Link Folder");
    EXPECT_FALSE(chooser.isLoaded());
}

TEST_F(Chooser, OkWithoutExplorerStillChoosesTheFolder)
{
    write_file(host(QStringLiteral("C:\\Links\\a.lnk")));
    main.t32.setText(QStringLiteral("C:\\Links"));
    chooser.show();
    chooser.Command1.userClick();
    EXPECT_EQ(main.c39.value(), 1);
    EXPECT_FALSE(chooser.isLoaded());
    EXPECT_TRUE(ui().messages().empty());
}

TEST_F(Chooser, PreviewStartsExplorerAndStays)
{
    const QString log = install_explorer();
    write_file(host(QStringLiteral("C:\\Links\\a.lnk")));
    main.t32.setText(QStringLiteral("C:\\Links"));
    chooser.show();
    chooser.Command3.userClick();
    EXPECT_EQ(wait_for_line(log), "C:\\Links\n");
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_EQ(main.c39.value(), 0);
}

TEST_F(Chooser, UnavailableDriveKeepsTheFolder)
{
    main.t32.setText(QStringLiteral("C:\\WINDOWS"));
    chooser.show();
    const QString before = chooser.Dir1.path();
    ASSERT_TRUE(QDir(program.machine().drive_folder(QLatin1Char('D'))).removeRecursively());
    ASSERT_EQ(chooser.Drive1.setDrive(QStringLiteral("d:")), 0);
    ASSERT_EQ(ui().messages().size(), 1u);
    EXPECT_EQ(ui().messages()[0].style, 16);
    EXPECT_EQ(str(ui().messages()[0].title), "Error...");
    EXPECT_EQ(str(ui().messages()[0].text), "Drive is not available.");
    EXPECT_EQ(chooser.Dir1.path(), before);
    EXPECT_EQ(str(chooser.Drive1.drive()), "c:") << "the drive list goes back to the folder's drive";
}

TEST_F(Chooser, ChoosingAnotherDriveShowsItsRoot)
{
    chooser.show();
    ASSERT_EQ(chooser.Drive1.setDrive(QStringLiteral("d:")), 0);
    EXPECT_EQ(str(chooser.Dir1.path()), "D:\\");
    EXPECT_EQ(str(chooser.Label1.caption()), "D:\\");
}

TEST_F(Chooser, CloseBoxChangesNothingInTheMainWindow)
{
    write_file(host(QStringLiteral("C:\\Links\\a.lnk")));
    main.t32.setText(QStringLiteral("C:\\Links"));
    main.c39.setValue(1);
    chooser.show();
    EXPECT_TRUE(chooser.userClose());
    EXPECT_EQ(main.c39.value(), 1);
    EXPECT_EQ(str(main.t32.text()), "C:\\Links");
}

} // namespace

namespace {

TEST(StartupForms, FirstStartHandsOverToSetpassAndItsOkOpensTheMainWindow)
{
    testsupport::TestProgram program;
    mainwindow::MainForm main(program.context());
    int opened = 0;
    startup::StartupForms forms(main, [&] { ++opened; });
    forms.getpass.show();
    ASSERT_TRUE(forms.setpass.isVisible());
    forms.setpass.txt_newpw.userEdit(QStringLiteral("abcdef"));
    forms.setpass.txt_wdh.userEdit(QStringLiteral("abcdef"));
    forms.setpass.cmd_ok.userClick();
    EXPECT_EQ(opened, 1);
}

} // namespace
