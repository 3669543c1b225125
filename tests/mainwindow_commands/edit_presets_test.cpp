#include "commands_window.h"

#include <gtest/gtest.h>

namespace {

using commands_tests::CommandsWindow;

QStringList names(const char* list)
{
    QStringList out = QString::fromLatin1(list).split(QLatin1Char(' '));
    out.sort();
    return out;
}

const char* const mark_all_boxes = "c11 c12 c13 c14 c15 c16 c17 c18 c19 c110 c21 c22 c23 c24 c25 c26 c27 c28 c29 "
                                   "c210 c31 c32 c33 c34 c35 c36 c37 c38 c61 c62 c63 c64 c65 c66 c67 c68 c69 c610 "
                                   "c90 c91 c93 c94 c95 c96 c98 c99";

struct PresetTest : ::testing::Test {
    PresetTest()
    {
        w.enable_drives("CD");
        w.fill_applets();
        w.form.msg_mark_all = "All restrictions exp. the restriction-list are activated...";
        w.form.t31.setText("");
    }
    CommandsWindow w;
};

TEST_F(PresetTest, MarkAllTicksTheRestrictionSetButLinksAndCensorList)
{
    w.set_every_box(0);
    w.form.mm21.userClick();
    EXPECT_EQ(w.ticked_boxes(), names(mark_all_boxes));
    EXPECT_EQ(w.ticked_boxes().size(), 46);
    EXPECT_EQ(w.ticked_drives(), "CD");
    EXPECT_EQ(w.ticked_applets(), 39);
    ASSERT_EQ(w.ui().messages().size(), 1u);
    EXPECT_EQ(w.ui().messages()[0].style, 64);
    EXPECT_EQ(w.ui().messages()[0].title, "Gatrisk 2002");
    EXPECT_EQ(w.ui().messages()[0].text, w.form.msg_mark_all);

    // Ticked before, c39 and c41 stay ticked; the censor list keeps its entries.
    w.set_censor_list({"CALC.EXE"});
    w.form.c39.setValue(1);
    w.form.c41.setValue(1);
    w.form.mm21.userClick();
    EXPECT_EQ(w.form.c39.value(), 1);
    EXPECT_EQ(w.form.c41.value(), 1);
    EXPECT_EQ(w.censor_list(), QStringList({"CALC.EXE", "GATR2002.EXE"}));
    EXPECT_EQ(w.ui().messages().size(), 2u) << "always its message";
}

TEST_F(PresetTest, UnmarkAllUnticksAllButTheLinkBox)
{
    struct Row {
        const char* name;
        void (*run)(CommandsWindow&);
        QStringList left_ticked;
    } rows[] = {
        {"Unmark all", [](CommandsWindow& cw) { cw.form.mm22.userClick(); }, {"c39"}},
        {"unmark_all", [](CommandsWindow& cw) { mainwindow::unmark_all(cw.form); },
         names("c39 c90 c91 c93 c94 c95 c96 c98 c99")},
    };
    for (const Row& r : rows) {
        CommandsWindow cw;
        cw.fill_applets();
        cw.set_every_box(1);
        for (controls::CheckBox* box : cw.form.driveBoxes())
            box->setValue(1); // present or not
        cw.set_censor_list({"GATR2002.EXE", "CALC.EXE"});
        cw.form.t31.setText("C:\\WINDOWS\\x.bmp");
        cw.form.lv1.setChecked(1, true);
        r.run(cw);
        EXPECT_EQ(cw.ticked_boxes(), r.left_ticked) << r.name;
        EXPECT_EQ(cw.ticked_drives(), "") << r.name;
        EXPECT_EQ(cw.ticked_applets(), 0) << r.name;
        EXPECT_EQ(cw.censor_list(), QStringList({"GATR2002.EXE", "CALC.EXE"})) << r.name;
        EXPECT_EQ(cw.form.t31.text(), "C:\\WINDOWS\\x.bmp") << r.name;
        EXPECT_TRUE(cw.ui().messages().empty()) << r.name;
    }
}

TEST_F(PresetTest, SuggestionsTickSeventeenBoxesOnTop)
{
    const char* const suggested = "c16 c17 c18 c110 c31 c32 c35 c36 c66 c67 c68 c98 c99 c23 c90 c91 c93";
    w.set_every_box(0);
    w.form.mm24.userClick();
    EXPECT_EQ(w.ticked_boxes(), names(suggested));
    EXPECT_EQ(w.ticked_drives(), "");
    EXPECT_EQ(w.ticked_applets(), 0);

    w.form.mm21.userClick();
    w.form.mm24.userClick();
    EXPECT_EQ(w.ticked_boxes(), names(mark_all_boxes)) << "after Mark all nothing changes";

    std::vector<QString> suggestion_boxes;
    for (const auto& m : w.ui().messages())
        if (m.title == "Suggestions...") {
            EXPECT_EQ(m.style, 64);
            EXPECT_EQ(m.text, "Suggestions by the author are set...");
            suggestion_boxes.push_back(m.text);
        }
    EXPECT_EQ(suggestion_boxes.size(), 2u);
}

TEST_F(PresetTest, ChangePasswordOpensTheDialog)
{
    w.form.mm23.userClick(); // nothing set: nothing opens
    int shown = 0;
    w.links.show_setpass = [&] { ++shown; };
    w.form.mm23.userClick();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(w.ui().messages().empty());
}

} // namespace
