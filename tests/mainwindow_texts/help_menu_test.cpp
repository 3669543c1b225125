// The Help menu: the help viewer's and Explorer's command lines, the version box and the About box.

#include "tests/mainwindow_texts/main_window.h"

#include "controls/menu.h"
#include "mainwindow/help_menu.h"
#include "platform/system_queries.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using mainwindow::MainForm;

const QString help_line = QStringLiteral("C:\\Programme\\Gatrisk 2002\\gatr2002.hlp");

struct HelpMenu : ::testing::Test {
    // Puts the recording stand-in onto the machine as `name` in the Windows folder.
    void install(const QString& name)
    {
        const QString path = platform::get_windir(window.program.machine()) + name;
        ASSERT_TRUE(QFile::link(QStringLiteral(GATRISK_STANDIN_PROGRAM), window.program.host(path)));
    }
    // The command lines the stand-in `name` recorded, once it has recorded `count` of them.
    QStringList started(const QString& name, int count = 1)
    {
        const QString log = window.program.host(platform::get_windir(window.program.machine()) + name) +
                            QStringLiteral(".log");
        QStringList lines;
        // A started program runs on its own; wait until it has written (or give up, failing below).
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
    main_window::Window window{1};
    MainForm& form = window.form;
};

// Every road to help starts the viewer on the program's help file, no topic given.
TEST_F(HelpMenu, EveryHelpCommandStartsTheViewer)
{
    install(QStringLiteral("winhlp32.exe"));
    // Without its file the viewer only records, so no help windows stay open after the test.
    ASSERT_TRUE(QFile::remove(window.program.host(help_line)));
    form.mm51.userClick();
    EXPECT_TRUE(form.userShortcut(QStringLiteral("F1")));
    form.mm52.userClick();
    form.mm310.userClick();
    form.SSListBar1.userClickItem(1, 10);
    EXPECT_EQ(started(QStringLiteral("winhlp32.exe"), 5), QStringList(5, help_line));
    EXPECT_TRUE(window.program.ui().messages().empty());
}

TEST_F(HelpMenu, MissingViewerShowsNothing)
{
    form.mm51.userClick();
    form.SSListBar1.userClickItem(1, 10);
    EXPECT_TRUE(window.program.ui().messages().empty());
    EXPECT_EQ(form.tab.tab(), 0);
}

TEST_F(HelpMenu, WebSiteOfTheLanguage)
{
    install(QStringLiteral("explorer.exe"));
    form.mm53.userClick();
    // One after the other, so that the record keeps their order.
    ASSERT_EQ(started(QStringLiteral("explorer.exe"), 1).size(), 1);
    mainwindow::mm53_Click(form, 0);
    EXPECT_EQ(started(QStringLiteral("explorer.exe"), 2),
              (QStringList{QStringLiteral("http://www.brekund.com"), QStringLiteral("http://www.brekund.de")}));
    EXPECT_TRUE(window.program.ui().messages().empty());
}

TEST_F(HelpMenu, MissingBrowserShowsNothing)
{
    form.mm53.userClick();
    EXPECT_TRUE(window.program.ui().messages().empty());
}

TEST_F(HelpMenu, VersionBox)
{
    form.mm54.userClick();
    const auto& shown = window.program.ui().messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].style, 0);
    EXPECT_EQ(shown[0].title, QStringLiteral("Gatrisk 2002"));
    EXPECT_EQ(shown[0].text, QStringLiteral("Gatrisk 2002\r\nGATR2002\r\n\r\nVersion: 5.3.5\r\nWinVersion: WinXP"));
}

TEST(HelpMenuSystems, VersionBoxNamesTheSystem)
{
    testsupport::ProgramOptions options;
    options.system = platform::SampleSystem::winme;
    main_window::Window window{1, options};
    window.form.mm54.userClick();
    ASSERT_EQ(window.program.ui().messages().size(), 1u);
    EXPECT_TRUE(window.program.ui().messages()[0].text.endsWith(QStringLiteral("\r\nWinVersion: WinME")));
}

TEST(HelpMenuSystems, AboutBoxByLanguage)
{
    for (const int language : {1, 0}) {
        main_window::Window window{language};
        window.form.StatusBar.setPanelText(2, QStringLiteral("Loading pupil"));
        window.form.mm57.userClick();
        const auto& shown = window.program.ui().messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].style, 64);
        EXPECT_EQ(shown[0].title, language == 1 ? QStringLiteral("About...") : QStringLiteral("Über..."));
        const QStringList lines = shown[0].text.split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), 12) << qPrintable(shown[0].text);
        EXPECT_EQ(lines[0], QStringLiteral("Gatrisk 2002"));
        EXPECT_EQ(lines[1], QStringLiteral("Loading pupil"));
        EXPECT_EQ(lines[2], QString());
        EXPECT_EQ(lines[4], language == 1 ? QStringLiteral("http://www.brekund.com")
                                          : QStringLiteral("http://www.brekund.de"));
        EXPECT_EQ(lines[6], QString());
        EXPECT_EQ(lines[7], QStringLiteral("Release: 5.3.5"));
        EXPECT_EQ(lines[8], QString());
        EXPECT_EQ(lines[9], QStringLiteral("Special thanks to:"));
        EXPECT_EQ(lines[11], QStringLiteral("Dedicated to all schools and parents."));
    }
}

} // namespace
