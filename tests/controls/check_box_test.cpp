#include "test_form.h"

#include <gtest/gtest.h>

namespace {

using controls::CheckBox;
using controls_test::TestForm;

struct SetCase {
    const char* name;
    int start;
    int set;
    int expectedValue;
    int expectedClicks;
};

class CheckBoxSet : public testing::TestWithParam<SetCase> {};

TEST_P(CheckBoxSet, RunsTheClickHandlerOnlyWhenTheValueChanges)
{
    const SetCase& c = GetParam();
    TestForm form;
    CheckBox box{form, "c11"};
    box.setValue(c.start);
    int clicks = 0;
    box.onClick = [&] { ++clicks; };

    box.setValue(c.set);

    EXPECT_EQ(box.value(), c.expectedValue);
    EXPECT_EQ(clicks, c.expectedClicks);
}

INSTANTIATE_TEST_SUITE_P(Values, CheckBoxSet,
                         testing::Values(SetCase{"tick", 0, 1, 1, 1}, SetCase{"untick", 1, 0, 0, 1},
                                         SetCase{"grey", 0, 2, 2, 1}, SetCase{"greyToTicked", 2, 1, 1, 1},
                                         SetCase{"tickedAgain", 1, 1, 1, 0}, SetCase{"untickedAgain", 0, 0, 0, 0},
                                         SetCase{"greyAgain", 2, 2, 2, 0}, SetCase{"threeIgnored", 1, 3, 1, 0},
                                         SetCase{"negativeIgnored", 0, -1, 0, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CheckBox, HandlerThatTicksAnotherBoxChainsLikeAClick)
{
    // Ticking c16 ticks c31; setting c31 afterwards from a stored value wins.
    TestForm form;
    CheckBox c16{form, "c16"};
    CheckBox c31{form, "c31"};
    int c31Clicks = 0;
    c16.onClick = [&] {
        if (c16.value() == 1)
            c31.setValue(1);
    };
    c31.onClick = [&] { ++c31Clicks; };

    c16.setValue(1);
    EXPECT_EQ(c31.value(), 1);
    EXPECT_EQ(c31Clicks, 1);

    c16.setValue(0);
    EXPECT_EQ(c31.value(), 1);

    c16.setValue(1); // c31 already ticked: no second click
    c31.setValue(0);
    EXPECT_EQ(c31.value(), 0);
    EXPECT_EQ(c31Clicks, 2);
}

TEST(CheckBox, UserClickTogglesAndIsIgnoredWhileDisabled)
{
    TestForm form;
    CheckBox d_c{form, "d_c"};
    int clicks = 0;
    d_c.onClick = [&] { ++clicks; };

    d_c.userClick();
    EXPECT_EQ(d_c.value(), 1);
    d_c.userClick();
    EXPECT_EQ(d_c.value(), 0);
    d_c.setValue(2);
    d_c.userClick();
    EXPECT_EQ(d_c.value(), 1);
    EXPECT_EQ(clicks, 4);

    d_c.setEnabled(false);
    d_c.userClick();
    EXPECT_EQ(d_c.value(), 1);
    EXPECT_EQ(clicks, 4);
    // Code still sets a disabled box (the drive boxes of absent drives keep a loaded tick).
    d_c.setValue(0);
    EXPECT_EQ(d_c.value(), 0);
}

TEST(CheckBox, ObserverSeesTheNewValueBeforeTheHandlerRuns)
{
    TestForm form;
    CheckBox box{form, "c41"};
    std::vector<std::string> order;
    box.observe([&](controls::Property p, int) {
        if (p == controls::Property::Value)
            order.push_back("observer " + std::to_string(box.value()));
    });
    box.onClick = [&] { order.push_back("click " + std::to_string(box.value())); };

    box.setValue(1);
    EXPECT_EQ(order, (std::vector<std::string>{"observer 1", "click 1"}));
}

} // namespace
