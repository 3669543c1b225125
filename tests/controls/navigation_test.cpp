// The tab control, the list bar, the status bar and the timer.
#include "test_form.h"

#include <gtest/gtest.h>

namespace {

using controls_test::TestForm;

TEST(TabControl, ChangingTheTabRunsTheHandlerWithThePreviousTab)
{
    TestForm form;
    controls::TabControl tab{form, "tab"};
    tab.setTabs(9);
    std::vector<int> previous;
    tab.onClick = [&](int p) { previous.push_back(p); };

    EXPECT_TRUE(tab.setTab(8));
    EXPECT_TRUE(tab.setTab(8)); // the tab already selected: no change event
    tab.userSelect(3);
    EXPECT_FALSE(tab.setTab(9));
    EXPECT_FALSE(tab.setTab(-1));
    EXPECT_EQ(tab.tab(), 3);
    EXPECT_EQ(previous, (std::vector<int>{0, 8}));
}

TEST(TabControl, HandlerSeesTheNewTab)
{
    TestForm form;
    controls::TabControl tab{form, "tab"};
    tab.setTabs(9);
    for (int k = 0; k < 9; ++k)
        tab.setTabCaption(k, QStringLiteral("&%1.)").arg(k + 1));
    int help = 0;
    tab.onClick = [&](int) { help = 10 + tab.tab(); };
    tab.setTab(8);
    EXPECT_EQ(help, 18);
    EXPECT_EQ(tab.tabCaption(8), "&9.)");
    EXPECT_EQ(tab.tabCaption(9), "");
}

TEST(ListBar, ItemsInsertAtTheirPositionAndClicksNameGroupAndItem)
{
    TestForm form;
    controls::ListBar bar{form, "SSListBar1"};
    const int g = bar.addGroup("G", "Restrictions");
    for (int i = 1; i <= 10; ++i) {
        const QString n = QStringLiteral(" %1").arg(i);
        ASSERT_EQ(bar.addItem(g, i, "L" + n, QStringLiteral("item%1").arg(i)), i);
        bar.setItemPicture(g, i, "PicKey" + n);
    }
    EXPECT_EQ(bar.addItem(g, 1, "first", "First"), 1);
    EXPECT_EQ(bar.item(g, 2).key, "L 1");
    EXPECT_EQ(bar.findItem(g, "L 10"), 11);
    EXPECT_EQ(bar.item(g, 11).pictureKey, "PicKey 10");
    EXPECT_EQ(bar.addItem(2, 1, "x", "x"), 0);

    std::vector<std::pair<int, int>> clicks;
    bar.onItemClick = [&](int group, int item) { clicks.emplace_back(group, item); };
    bar.userClickItem(g, 11);
    bar.userClickItem(g, 12);
    bar.userClickItem(2, 1);
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{1, 11}}));
}

TEST(StatusBar, StartsWithOnePanelAndGrowsByNumber)
{
    TestForm form;
    controls::StatusBar bar{form, "StatusBar"};
    EXPECT_EQ(bar.panelCount(), 1);
    for (int i = 0; i < 4; ++i)
        bar.addPanel();
    ASSERT_EQ(bar.panelCount(), 5);
    EXPECT_TRUE(bar.setPanelText(5, "12:00:00"));
    EXPECT_TRUE(bar.setPanelWidth(5, 1500));
    EXPECT_TRUE(bar.setPanelAlignment(5, controls::Alignment::Center));
    EXPECT_FALSE(bar.setPanelText(6, "x"));
    EXPECT_FALSE(bar.setPanelText(0, "x"));
    EXPECT_EQ(bar.panel(5).text, "12:00:00");
    EXPECT_EQ(bar.panel(5).width, 1500);
    EXPECT_EQ(bar.panel(5).alignment, controls::Alignment::Center);

    std::vector<int> changedPanels;
    bar.observe([&](controls::Property p, int index) {
        if (p == controls::Property::Panels)
            changedPanels.push_back(index);
    });
    bar.setPanelText(2, "Loading");
    bar.setPanelText(2, "Loading");
    EXPECT_EQ(changedPanels, std::vector<int>{2});
}

TEST(Timer, TicksRunTheHandlerOnlyWhileEnabledWithAnIntervalOnALoadedForm)
{
    TestForm form;
    controls::Timer timer{form, "Timer1"};
    timer.setInterval(1000);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };

    EXPECT_FALSE(timer.tick()); // form not loaded
    form.show();
    EXPECT_TRUE(timer.tick());
    EXPECT_TRUE(timer.tick());
    timer.setEnabled(false);
    EXPECT_FALSE(timer.tick());
    timer.setEnabled(true);
    timer.setInterval(0);
    EXPECT_FALSE(timer.running());
    EXPECT_FALSE(timer.tick());
    EXPECT_EQ(ticks, 2);

    form.unload(); // back to the design: interval 1000, enabled
    form.show();
    EXPECT_EQ(timer.interval(), 1000);
    EXPECT_TRUE(timer.tick());
    EXPECT_EQ(ticks, 3);
}

} // namespace
