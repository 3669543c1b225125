#include "commands_window.h"

#include "platform/process.h"
#include "platform/registry.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using commands_tests::CommandsWindow;
using platform::Answer;
using scripted_ui::endsProgram;

const QString program_key = QStringLiteral("Software\\Brekund\\G2002");

// The tool list as the localisation fills it, with the stand-in tool installed where Windows keeps it.
struct ToolListTest : ::testing::Test {
    ToolListTest()
    {
        for (int i = 0; i < 10; ++i)
            w.form.syslist.addItem(QStringLiteral("tool %1").arg(i));
        for (const char* place : {"C:\\WINDOWS\\system32\\control.exe", "C:\\WINDOWS\\explorer.exe",
                                  "C:\\WINDOWS\\regedit.exe", "C:\\WINDOWS\\system32\\cleanmgr.exe"}) {
            const QString host = w.program.host(QString::fromLatin1(place));
            QFile::remove(host);
            EXPECT_TRUE(QFile::link(QStringLiteral(COMMANDS_TEST_TOOL), host)) << place;
        }
    }

    // The process id the started tool wrote, once it has.
    std::uint32_t started_pid()
    {
        QFile report(w.program.machine().folder() + QStringLiteral("/started-tools.txt"));
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if (report.open(QIODevice::ReadOnly)) {
                const QByteArray line = report.readLine().trimmed();
                report.close();
                if (!line.isEmpty())
                    return line.toUInt();
            }
            QThread::msleep(5);
        }
        ADD_FAILURE() << "no tool started";
        return 0;
    }

    CommandsWindow w;
};

TEST_F(ToolListTest, StartsTheToolOfThePosition)
{
    struct Row {
        int position;
        const char* command_line;
        int window_style;
    } rows[] = {
        {0, "control desk.cpl,,1", platform::window_minimized},
        {1, "control desk.cpl,,3", platform::window_minimized},
        {2, "control desk.cpl,,0", platform::window_minimized},
        {3, "control sysdm.cpl,,0", platform::window_minimized},
        {4, "explorer.exe", platform::window_normal},
        {8, "cleanmgr.exe", platform::window_normal},
        {9, "regedit.exe", platform::window_normal},
    };
    for (const Row& r : rows) {
        QFile::remove(w.program.machine().folder() + QStringLiteral("/started-tools.txt"));
        w.form.syslist.userSelect(r.position);
        w.form.syslist.userDoubleClick();
        const std::uint32_t pid = started_pid();
        EXPECT_EQ(w.program.context().processes.command_line(pid), r.command_line) << r.position;
        EXPECT_EQ(w.program.context().processes.window_style(pid), r.window_style) << r.position;
    }
    EXPECT_TRUE(w.ui().messages().empty());
}

TEST_F(ToolListTest, ToolThatIsNotInstalledIsReported)
{
    for (int position : {5, 6, 7}) { // msconfig, and the scanners of Windows 95/98/ME
        w.form.syslist.userSelect(position);
        w.form.syslist.userDoubleClick();
    }
    ASSERT_EQ(w.ui().messages().size(), 3u);
    for (const auto& m : w.ui().messages()) {
        EXPECT_EQ(m.style, 16);
        EXPECT_EQ(m.title, "Error...");
        EXPECT_EQ(m.text, "Sorry, the requested Win Tool was not found/installed.");
    }
}

TEST_F(ToolListTest, NoSelectionStartsNothing)
{
    w.form.syslist.setListIndex(-1);
    w.form.syslist.userDoubleClick();
    EXPECT_TRUE(w.ui().messages().empty());
    EXPECT_FALSE(QFile::exists(w.program.machine().folder() + QStringLiteral("/started-tools.txt")));
}

QString stored_path(CommandsWindow& w)
{
    return platform::REG_GetString(w.program.registry(), platform::HKEY_LOCAL_MACHINE, program_key,
                                   "ProfileMainPath");
}

const QString warning = QStringLiteral("Change these settings only, if you are sure, your profiles coming from a "
                                       "server, not local.\r\nReally sure to change this settings (maybe dangerous) ?");

QString question(const QString& path)
{
    return "Use directory " + path +
           "for user profiles ? Attention: If you enter a wrong path/directory the program may not work correctly ! ";
}

TEST(ProfilePathField, LeavingTheFieldEndsTheProgramStoredOrNot)
{
    struct Row {
        const char* name;
        Answer to_warning;
        const char* typed; // nullptr: left unchanged
        Answer to_question;
        bool stored;
    } rows[] = {
        {"No, No", Answer::No, nullptr, Answer::No, false},
        {"No, Yes", Answer::No, nullptr, Answer::Yes, true},
        {"Yes, edit, Yes", Answer::Yes, "\\\\server\\profiles", Answer::Yes, true},
        {"Yes, edit, No", Answer::Yes, "D:\\Profile", Answer::No, false},
    };
    for (const Row& r : rows) {
        CommandsWindow w;
        w.form.t810.setText("C:\\Documents and Settings\\");
        const QString path = r.typed ? QString::fromLatin1(r.typed) : w.form.t810.text();
        w.ui().answer(r.to_warning, "Attention !!!!");
        w.ui().answer(r.to_question, "Sure ?");

        bool ended = endsProgram([&] { w.form.t810.setFocus(); });
        if (r.to_warning == Answer::Yes) {
            EXPECT_FALSE(ended) << r.name << ": the field may be edited";
            w.form.t810.userEdit(path);
            ended = endsProgram([&] { w.form.cm01.setFocus(); });
        }
        EXPECT_TRUE(ended) << r.name;
        EXPECT_EQ(stored_path(w), r.stored ? path : QString()) << r.name;

        const auto& shown = w.ui().messages();
        ASSERT_EQ(shown.size(), 3u) << r.name;
        EXPECT_EQ(shown[0].style, 276);
        EXPECT_EQ(shown[0].text, warning);
        EXPECT_EQ(shown[1].style, 292);
        EXPECT_EQ(shown[1].text, question(path)) << r.name;
        if (r.stored) {
            EXPECT_EQ(shown[2].style, 64);
            EXPECT_EQ(shown[2].title, "Program terminated...");
            EXPECT_EQ(shown[2].text,
                      "The program will now be terminated. Please start it again. A reboot of windows is not necessary.");
        } else {
            EXPECT_EQ(shown[2].style, 16);
            EXPECT_EQ(shown[2].title, "Info");
            EXPECT_EQ(shown[2].text, "Abbruch...Bitte Programm neu starten!");
        }
    }
}

TEST(ProfilePathField, MissingProgramKeyIsMadeSoThePathIsKept)
{
    CommandsWindow w;
    ASSERT_EQ(platform::REG_DeleteKeyRaw(w.program.registry(), platform::HKEY_LOCAL_MACHINE, program_key), 0);
    w.form.t810.setText("E:\\Profiles\\");
    w.ui().answer(Answer::Yes, "Sure ?");
    EXPECT_TRUE(endsProgram([&] { mainwindow::t810_LostFocus(w.form); }));
    EXPECT_EQ(stored_path(w), "E:\\Profiles\\");
}

TEST(ProfilePathField, PathThatCannotBeStoredIsNotAnnouncedAsTakingEffect)
{
    testsupport::ProgramOptions options;
    options.admin = false; // the machine's own keys are closed to this user
    CommandsWindow w(options);
    w.form.t810.setText("E:\\Profiles\\");
    w.ui().answer(Answer::Yes, "Sure ?");
    EXPECT_TRUE(endsProgram([&] { mainwindow::t810_LostFocus(w.form); }));
    EXPECT_EQ(stored_path(w), "");
    ASSERT_EQ(w.ui().messages().size(), 2u);
    EXPECT_EQ(w.ui().messages()[1].title, "Info");
    EXPECT_EQ(w.ui().messages()[1].text, "Abbruch...Bitte Programm neu starten!");
}

} // namespace
