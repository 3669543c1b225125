// The status bar's panels by language, the address link's placeholder and the clock.

#include "tests/mainwindow_texts/main_window.h"

#include <gtest/gtest.h>

namespace {

using mainwindow::MainForm;

TEST(StatusBar, PanelsByLanguage)
{
    struct Row {
        int language;
        int widths[5];
        const char* address;
    };
    const Row rows[] = {
        {1, {1850, 2900, 1800, 800, 1500}, "www.brekund.com"},
        {0, {1850, 3200, 2000, 800, 1000}, "www.brekund.de"},
    };
    for (const Row& r : rows) {
        testsupport::TestProgram program;
        MainForm form{program.context()};
        mainwindow::status_init(form, r.language);
        const controls::StatusBar& bar = form.StatusBar;
        ASSERT_EQ(bar.panelCount(), 5) << r.language;
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(bar.panel(p).width, r.widths[p - 1]) << r.language << " panel " << p;
        EXPECT_EQ(bar.panel(1).text, QLatin1String(r.address));
        EXPECT_EQ(bar.panel(2).text, QString());
        EXPECT_EQ(bar.panel(3).text, QStringLiteral("Administrator"));
        EXPECT_EQ(bar.panel(4).text, QStringLiteral("WinXP"));
        EXPECT_EQ(bar.panel(5).text, QStringLiteral("12:00:00"));
        EXPECT_EQ(bar.panel(5).alignment, controls::Alignment::Center);
        EXPECT_DOUBLE_EQ(bar.font().size, 7);
    }
}

TEST(StatusBar, WindowsVersionOfTheMachine)
{
    testsupport::ProgramOptions options;
    options.system = platform::SampleSystem::win98se;
    testsupport::TestProgram program(options);
    MainForm form{program.context()};
    mainwindow::status_init(form, 1);
    EXPECT_EQ(form.StatusBar.panel(4).text, QStringLiteral("Win98SE"));
}

// Only a left button within the first 1500 twips, both ends excluded, shows the placeholder.
TEST(StatusBar, AddressLink)
{
    struct Row {
        int button;
        double x;
        bool shows;
    };
    const Row rows[] = {
        {1, 0, false}, {1, 1, true}, {1, 1499.5, true}, {1, 1500, false}, {1, 4000, false},
        {2, 100, false}, {4, 100, false},
    };
    for (const Row& r : rows) {
        main_window::Window window{1};
        window.form.StatusBar.userMouseDown(r.button, 0, r.x, 100);
        const auto& shown = window.program.ui().messages();
        ASSERT_EQ(shown.size(), r.shows ? 1u : 0u) << "button " << r.button << " at " << r.x;
        if (r.shows) {
            EXPECT_EQ(shown[0].text, QStringLiteral("Hier kommt link zur Page"));
            EXPECT_EQ(shown[0].style, 0);
            EXPECT_EQ(shown[0].title, QStringLiteral("Gatrisk 2002"));
        }
    }
}

TEST(Clock, TextByLanguage)
{
    const QDateTime morning(QDate(2002, 3, 14), QTime(9, 30, 15));
    const QDateTime evening(QDate(2002, 3, 14), QTime(21, 5, 7));
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    EXPECT_EQ(mainwindow::clock_text(morning, 0, us), QStringLiteral("09:30:15"));
    EXPECT_EQ(mainwindow::clock_text(evening, 0, us), QStringLiteral("21:05:07"));
    EXPECT_EQ(mainwindow::clock_text(morning, 1, us), QStringLiteral("9:30:15 AM"));
    EXPECT_EQ(mainwindow::clock_text(evening, 1, us), QStringLiteral("9:05:07 PM"));
    // The long time format, without the time zone that the toolkit's long format adds.
    EXPECT_EQ(mainwindow::clock_text(evening, 1, de), QStringLiteral("21:05:07"));
}

// The tick writes the clock's time into panel 5; before it the panel shows noon, and an unloaded window
// does not tick.
TEST(Clock, TickShowsTheContextsTime)
{
    main_window::Window window{0};
    MainForm& form = window.form;
    EXPECT_EQ(form.Timer1.interval(), 1000);
    EXPECT_EQ(form.StatusBar.panel(5).text, QStringLiteral("12:00:00"));
    form.load();
    ASSERT_TRUE(form.Timer1.tick());
    EXPECT_EQ(form.StatusBar.panel(5).text, QStringLiteral("09:30:15"));
    window.program.clock().time = QDateTime(QDate(2002, 3, 14), QTime(23, 59, 59));
    form.Timer1.tick();
    EXPECT_EQ(form.StatusBar.panel(5).text, QStringLiteral("23:59:59"));
}

TEST(Clock, EnglishTickUsesTheSystemsFormat)
{
    main_window::Window window{1};
    window.form.load();
    window.form.Timer1.tick();
    EXPECT_EQ(window.form.StatusBar.panel(5).text,
              mainwindow::clock_text(window.program.clock().time, 1, QLocale::system()));
    EXPECT_TRUE(window.form.StatusBar.panel(5).text.contains(QStringLiteral("30:15")));
}

} // namespace
