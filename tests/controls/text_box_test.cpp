#include "test_form.h"

#include <gtest/gtest.h>

namespace {

using controls::TextBox;
using controls_test::TestForm;

TEST(TextBox, TypingIsCutToTheMaximumLengthButCodeIsNot)
{
    TestForm form;
    TextBox txt_newpw{form, "txt_newpw"};
    txt_newpw.setPasswordChar(QLatin1Char('*'));
    txt_newpw.setMaxLength(20);

    txt_newpw.userEdit("123456789012345678901234");
    EXPECT_EQ(txt_newpw.text(), "12345678901234567890");

    txt_newpw.setText("a text longer than twenty characters");
    EXPECT_EQ(txt_newpw.text(), "a text longer than twenty characters");
}

TEST(TextBox, LockedOrDisabledBoxTakesNoEdit)
{
    TestForm form;
    TextBox t810{form, "t810"};
    t810.setText("<only available for Win NT/2000/XP-Systems>");
    t810.setEnabled(false);
    t810.userEdit("C:\\x");
    EXPECT_EQ(t810.userKeyPress('x'), 0);
    t810.setEnabled(true);
    t810.setLocked(true);
    t810.userEdit("C:\\x");
    EXPECT_EQ(t810.text(), "<only available for Win NT/2000/XP-Systems>");
}

TEST(TextBox, ChangeRunsOnEveryNewTextAndClickOnlyForTheUser)
{
    TestForm form;
    TextBox t31{form, "t31"};
    int changes = 0;
    int clicks = 0;
    t31.onChange = [&] { ++changes; };
    t31.onClick = [&] { ++clicks; };

    t31.setText("C:\\WINDOWS\\wall.bmp");
    t31.setText("C:\\WINDOWS\\wall.bmp");
    t31.userEdit("C:\\WINDOWS\\wal.bmp");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(clicks, 0);
    t31.userClick();
    EXPECT_EQ(clicks, 1);
}

} // namespace
