#include "qtui/qt_ui_services.h"

#include "tests/qtui/qt_app.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(EndProgram, RunsTheEndHooksLastFirstThenExits)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            qt_app::app();
            qtui::QtUiServices ui;
            ui.atProgramEnd([] { std::fputs("first registered\n", stderr); });
            ui.atProgramEnd([] { std::fputs("second registered\n", stderr); });
            ui.endProgram();
        },
        ::testing::ExitedWithCode(0), "second registered\nfirst registered\n");
}

TEST(EndProgram, HooksRunOnceAtTheNormalEnd)
{
    qt_app::app();
    int runs = 0;
    {
        qtui::QtUiServices ui;
        ui.atProgramEnd([&] { ++runs; });
        ui.runEndHooks();
        EXPECT_EQ(runs, 1);
    }
    EXPECT_EQ(runs, 1) << "not again when the services go";
}

TEST(MousePointer, HourglassOverridesTheCursorUntilDefault)
{
    qt_app::app();
    qtui::QtUiServices ui;
    ui.setMousePointer(platform::MousePointer::Hourglass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.setMousePointer(platform::MousePointer::Hourglass);
    ui.setMousePointer(platform::MousePointer::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "one restore for every override";
    EXPECT_EQ(ui.mousePointer(), platform::MousePointer::Default);
}

} // namespace
