// The help viewer stand-in on a sample machine: the help file that its command line names, the window that shows
// it, and the program started as the main window starts it.

#include "platform/machine/sample_machine.h"
#include "platform/process.h"
#include "winhlp/help_file.h"
#include "winhlp/help_window.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

QApplication& app()
{
    static int argc = 1;
    static char name[] = "winhlp_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

const QString help_rest = QStringLiteral("C:\\Programme\\Gatrisk 2002\\gatr2002.hlp");

struct HelpViewer : testing::Test {
    HelpViewer()
    {
        QString error;
        machine = platform::create_sample_machine(dir.path(), {}, &error);
        if (!machine)
            ADD_FAILURE() << error.toStdString();
    }
    QString host(const QString& windows_path) const { return machine->to_host(windows_path).path; }

    QTemporaryDir dir;
    std::optional<platform::Machine> machine;
};

struct LookupCase {
    const char* name;
    QString rest;       // "<host>" stands for the help file's host path
    bool finds;
};

class HelpFileLookup : public HelpViewer, public testing::WithParamInterface<LookupCase> {};

TEST_P(HelpFileLookup, FindsTheHelpFileTheCommandLineNames)
{
    ASSERT_TRUE(machine);
    const QString file = host(help_rest);
    QString rest = GetParam().rest;
    rest.replace(QStringLiteral("<host>"), file);
    const auto found = winhlp::help_file_on_host(rest, machine->folder());
    EXPECT_EQ(found.has_value(), GetParam().finds);
    if (found && GetParam().finds) {
        EXPECT_EQ(QFileInfo(*found).canonicalFilePath(), QFileInfo(file).canonicalFilePath());
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, HelpFileLookup,
    testing::Values(LookupCase{"program_folder", help_rest, true},
                    LookupCase{"other_case", QStringLiteral("c:\\PROGRAMME\\gatrisk 2002\\GATR2002.HLP"), true},
                    LookupCase{"host_path", QStringLiteral("<host>"), true},
                    LookupCase{"missing_file", QStringLiteral("C:\\Programme\\Gatrisk 2002\\other.hlp"), false},
                    LookupCase{"folder", QStringLiteral("C:\\Programme\\Gatrisk 2002"), false},
                    LookupCase{"web_address", QStringLiteral("http://www.brekund.com"), false},
                    LookupCase{"not_a_help_file", QStringLiteral("C:\\WINDOWS\\CONTROL.INI"), false},
                    LookupCase{"nothing", QString(), false}),
    [](const testing::TestParamInfo<LookupCase>& row) { return std::string(row.param.name); });

TEST_F(HelpViewer, WindowShowsTheProgramsHelp)
{
    ASSERT_TRUE(machine);
    app();
    const auto window = winhlp::open_help_window(host(help_rest));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle().toStdString(), "Gatrisk 2002 Help");
    const QString text = window->toPlainText();
    for (const char* topic :
         {"What Gatrisk 2002 is for", "The user chooser, Apply, OK and Cancel", "1.) Start", "2.) Control Panel",
          "3.) Desktop", "4.) Restrict EXEs", "5.) Hide Drives", "6.) Net/Printer", "7.) IE Explorer", "8.) Misc.",
          "9.) Settings", "Settings files and printing", "The password", "De-install", "Wozu Gatrisk 2002 dient",
          "Die Registerkarten", "1.) Startmenü", "Dateien, Drucken, Kennwort, De-Installieren"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    EXPECT_FALSE(text.contains(QLatin1Char('<'))) << "shown as a page, not as its markup";

    window->show();
    window->scrollToAnchor(QStringLiteral("tab3"));
    EXPECT_GT(window->verticalScrollBar()->value(), 0) << "the topics are linked";
    window->verticalScrollBar()->setValue(0);
    EXPECT_TRUE(window->grab().save(QDir(QStringLiteral(GATRISK_BUILD_DIR)).filePath(QStringLiteral("help_window.png"))));
}

TEST_F(HelpViewer, FileThatCantBeReadOpensNoWindow)
{
    app();
    EXPECT_FALSE(winhlp::open_help_window(dir.filePath(QStringLiteral("missing.hlp"))));
}

// The command lines the stand-in `name` recorded, once it has recorded `count` of them (or after ten seconds).
QStringList recorded(const QString& log, int count)
{
    QStringList lines;
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(10)) {
        QFile f(log);
        if (f.open(QIODevice::ReadOnly)) {
            lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            if (lines.size() >= count)
                break;
        }
    }
    return lines;
}

// Started as the Help menu starts it, the viewer records its command line and stays open with the help; started
// with anything else it only records and ends.
TEST_F(HelpViewer, StartedFromTheMachineItRecordsAndShowsTheHelp)
{
    ASSERT_TRUE(machine);
    const QString viewer = host(QStringLiteral("C:\\WINDOWS\\winhlp32.exe"));
    ASSERT_TRUE(QFile::link(QStringLiteral(GATRISK_STANDIN_PROGRAM), viewer));
    platform::Processes processes(*machine);

    const auto other = processes.shell(QStringLiteral("winhlp32.exe http://www.brekund.com"), platform::window_normal);
    ASSERT_TRUE(other.ok());
    // The two starts race to the log; let the first record before the second starts.
    ASSERT_EQ(recorded(viewer + QStringLiteral(".log"), 1).size(), 1);
    const auto help = processes.shell(QStringLiteral("winhlp32.exe ") + help_rest, platform::window_normal);
    ASSERT_TRUE(help.ok());
    EXPECT_EQ(recorded(viewer + QStringLiteral(".log"), 2),
              (QStringList{QStringLiteral("http://www.brekund.com"), help_rest}));

    for (QDeadlineTimer deadline(10000); !deadline.hasExpired() && processes.exit_code(other.value) == platform::still_active;)
        QThread::msleep(10);
    EXPECT_EQ(processes.exit_code(other.value), 0u);

    QThread::msleep(1000);
    EXPECT_EQ(processes.exit_code(help.value), platform::still_active) << "the help window stays open";
    ::kill(static_cast<pid_t>(help.value), SIGTERM);
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired() && processes.exit_code(help.value) == platform::still_active;)
        QThread::msleep(10);
    EXPECT_EQ(processes.exit_code(help.value), 128u + SIGTERM);
}

} // namespace
