#include "test_form.h"

#include <gtest/gtest.h>

namespace {

using controls::ListBox;
using controls_test::TestForm;

TEST(ListBox, HoldsAtMost32767Entries)
{
    TestForm form;
    ListBox list{form, "List1"};
    for (int i = 0; i < controls::maxListEntries; ++i)
        ASSERT_EQ(list.addItem(QString::number(i)), i);

    EXPECT_EQ(list.addItem("ONE.EXE"), -1);
    EXPECT_EQ(list.addItem("ONE.EXE", 0), -1);
    EXPECT_EQ(list.listCount(), 32767);
    EXPECT_EQ(list.list(32766), "32766");

    ASSERT_TRUE(list.removeItem(0));
    EXPECT_EQ(list.addItem("ONE.EXE"), 32766);
}

TEST(ListBox, KeepsInsertionOrderAndTheSelectionFollowsItsEntry)
{
    TestForm form;
    ListBox list{form, "List1"};
    list.addItem("GATR2002.EXE");
    list.addItem("WINWORD.EXE");
    list.addItem("EXCEL.EXE");
    list.setListIndex(1);

    list.addItem("CALC.EXE", 0);
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(list.text(), "WINWORD.EXE");

    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(list.text(), "WINWORD.EXE");

    list.removeItem(1);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(list.entries(), (QStringList{"GATR2002.EXE", "EXCEL.EXE"}));

    EXPECT_FALSE(list.removeItem(2));
    EXPECT_FALSE(list.removeItem(-1));
    EXPECT_EQ(list.addItem("X", 5), -1);
    EXPECT_EQ(list.list(7), "");
}

TEST(ListBox, SelectingRunsTheClickOnChangeAndDoubleClickRunsItsHandler)
{
    TestForm form;
    ListBox list{form, "syslist"};
    list.addItem("Check - Screensaver");
    list.addItem("Check - Run Registry Editor");
    int clicks = 0;
    int doubles = 0;
    list.onClick = [&] { ++clicks; };
    list.onDblClick = [&] { ++doubles; };

    list.userSelect(1);
    list.userSelect(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(list.setListIndex(2));
    EXPECT_TRUE(list.setListIndex(-1));
    EXPECT_EQ(clicks, 2);
    list.userDoubleClick();
    EXPECT_EQ(doubles, 1);
}

TEST(ListBox, ClearEmptiesEntriesDataAndSelection)
{
    TestForm form;
    ListBox list{form, "list0"};
    list.addItem("C:\\A");
    list.setItemData(0, 42);
    list.setListIndex(0);
    EXPECT_EQ(list.itemData(0), 42);

    list.clear();
    EXPECT_EQ(list.listCount(), 0);
    EXPECT_EQ(list.listIndex(), -1);
    list.addItem("C:\\B");
    EXPECT_EQ(list.itemData(0), 0);
}

} // namespace
