#include "temp_machine.h"

#include "platform/process.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace vb = platform::vb;

class ProcessTest : public testing::Test {
protected:
    ProcessTest()
        : t(platform::SampleSystem::winxp,
            {{"CHILD.EXE", platform::ProgramPlace::program_folder, PLATFORM_TEST_CHILD},
             {"syschild.exe", platform::ProgramPlace::system_folder, PLATFORM_TEST_CHILD},
             {"winchild.exe", platform::ProgramPlace::windows_folder, PLATFORM_TEST_CHILD}}),
          processes(*t.machine)
    {
    }

    std::uint32_t wait(std::uint32_t pid)
    {
        for (;;) {
            const auto code = processes.exit_code(pid);
            if (!code || *code != platform::still_active)
                return code.value_or(0xDEAD);
            QThread::msleep(5);
        }
    }

    QString report() const { return t.dir.path() + "/report.txt"; }

    TempMachine t;
    platform::Processes processes;
};

TEST_F(ProcessTest, Resolution)
{
    struct Row {
        const char* line;
        const char* program; // "" for none
    } rows[] = {
        {"child", "C:\\Programme\\Gatrisk 2002\\child.exe"},
        {"CHILD.EXE /x", "C:\\Programme\\Gatrisk 2002\\CHILD.EXE"},
        {"syschild", "C:\\WINDOWS\\system32\\syschild.exe"},
        {"winchild a b", "C:\\WINDOWS\\winchild.exe"},
        {"\"C:\\Programme\\Gatrisk 2002\\child.exe\" /icon", "C:\\Programme\\Gatrisk 2002\\child.exe"},
        {"C:\\Programme\\Gatrisk 2002\\child /icon", "C:\\Programme\\Gatrisk 2002\\child.exe"}, // unquoted blanks
        {"  c:/programme/gatrisk 2002/child.exe", "C:\\programme\\gatrisk 2002\\child.exe"},
        {"nothing.exe", ""},
        {"child.com", ""}, // an extension is kept: no .exe is added
        {"C:\\Nowhere\\child.exe", ""},
    };
    for (const Row& r : rows) {
        const auto resolved = processes.resolve(QLatin1String(r.line));
        if (*r.program == 0) {
            EXPECT_FALSE(resolved) << r.line;
            continue;
        }
        ASSERT_TRUE(resolved) << r.line;
        EXPECT_EQ(resolved->windows_path, QLatin1String(r.program)) << r.line;
    }
    const auto args = processes.resolve(R"(child "a b" c\"d)");
    ASSERT_TRUE(args);
    EXPECT_EQ(args->arguments, QStringList({"a b", "c\"d"}));
}

TEST_F(ProcessTest, ShellRunsTheHostProgramWithItsArguments)
{
    int flushes = 0;
    processes.before_start = [&] { ++flushes; };
    const QString line = "\"C:\\Programme\\Gatrisk 2002\\CHILD.EXE\" 7 0 \"" + report() + "\" /icon \"two words\"";
    const auto pid = processes.shell(line, platform::window_minimized);
    ASSERT_TRUE(pid.ok()) << pid.error;
    EXPECT_EQ(flushes, 1);
    EXPECT_EQ(wait(pid.value), 7u);
    EXPECT_EQ(processes.window_style(pid.value), platform::window_minimized);
    EXPECT_EQ(processes.command_line(pid.value), line);
    QFile f(report());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()),
              "/icon\ntwo words\nGATRISK_MACHINE=" + t.machine->folder() + "\n");
}

TEST_F(ProcessTest, ExitCodeIs259WhileRunning)
{
    const auto pid = processes.shell("child 3 0.5 \"" + report() + "\"", platform::window_hidden);
    ASSERT_TRUE(pid.ok());
    EXPECT_EQ(processes.exit_code(pid.value), platform::still_active);
    EXPECT_EQ(wait(pid.value), 3u);
    EXPECT_EQ(processes.exit_code(pid.value), 3u); // read again after the end
    EXPECT_FALSE(processes.exit_code(1));          // not started here
}

TEST_F(ProcessTest, ShellError53)
{
    int flushes = 0;
    processes.before_start = [&] { ++flushes; };
    t.write("C:\\Programme\\Gatrisk 2002\\Word.lnk", "L\0\0\0");
    t.write("C:\\WINDOWS\\system32\\desk.cpl", "MZ");
    t.write("C:\\Programme\\Gatrisk 2002\\data.exe", "not a program");
    for (const char* line : {"nothing.exe", "Word.lnk", "desk.cpl", "data.exe", "C:\\Nowhere\\x.exe", "Q:\\x.exe"})
        EXPECT_EQ(processes.shell(QLatin1String(line), platform::window_normal).error, vb::file_not_found) << line;
    EXPECT_EQ(processes.shell("", 1).error, vb::bad_call);
    EXPECT_EQ(processes.shell("child", 5).error, vb::bad_call);
    EXPECT_EQ(flushes, 0);
}
