#include "test_form.h"

#include <gtest/gtest.h>

namespace {

using controls::ComboBox;
using controls_test::TestForm;

struct ComboFixture : testing::Test {
    TestForm form;
    ComboBox combo{form, "Combo_user"};
    int clicks = 0;
    int changes = 0;

    void SetUp() override
    {
        combo.addItem("Administrator");
        combo.addItem("anna");
        combo.addItem("ben");
        combo.onClick = [this] { ++clicks; };
        combo.onChange = [this] { ++changes; };
    }
};

TEST_F(ComboFixture, KeyPressHandlerDiscardsEveryKey)
{
    combo.onKeyPress = [](int& keyAscii) { keyAscii = 0; };
    combo.setText("Administrator");

    for (int key : {int('x'), int('A'), 8 /* Backspace */, 13})
        EXPECT_EQ(combo.userKeyPress(key), 0) << key;
    EXPECT_EQ(combo.text(), "Administrator");
    EXPECT_EQ(clicks, 0);
}

TEST_F(ComboFixture, KeyPressWithoutHandlerKeepsTheKey)
{
    EXPECT_EQ(combo.userKeyPress('x'), 'x');
    combo.onKeyPress = [](int& keyAscii) {
        if (keyAscii == 'a')
            keyAscii = 'A';
    };
    EXPECT_EQ(combo.userKeyPress('a'), 'A');
    combo.setEnabled(false);
    EXPECT_EQ(combo.userKeyPress('a'), 0);
}

TEST_F(ComboFixture, LockedTextChangesOnlyByChoosing)
{
    int keys = 0;
    combo.onKeyPress = [&](int& keyAscii) {
        ++keys;
        keyAscii = 0;
    };
    combo.setText("Administrator");
    combo.setTextLocked(true);
    combo.userEdit("AdministratorEve"); // a paste
    combo.userEdit("");                 // a cut
    EXPECT_EQ(combo.text(), "Administrator");
    EXPECT_EQ(combo.userKeyPress('x'), 0);
    EXPECT_EQ(keys, 1) << "typed keys still reach the handler";

    combo.userChoose(1);
    EXPECT_EQ(combo.text(), "anna");
    EXPECT_EQ(clicks, 1);
    combo.setText("ben");
    EXPECT_EQ(combo.text(), "ben") << "code sets the text";

    combo.setTextLocked(false);
    combo.userEdit("bert");
    EXPECT_EQ(combo.text(), "bert");
}

TEST_F(ComboFixture, SettingTheTextRunsNoClick)
{
    combo.setText("anna");
    EXPECT_EQ(combo.text(), "anna");
    EXPECT_EQ(combo.listIndex(), 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(changes, 1);

    combo.setText("nobody");
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ComboFixture, ChoosingAnEntryPutsItsTextAndClicks)
{
    combo.userChoose(2);
    EXPECT_EQ(combo.text(), "ben");
    EXPECT_EQ(combo.listIndex(), 2);
    EXPECT_EQ(clicks, 1);

    // Choosing the same account again reads it again.
    combo.userChoose(2);
    EXPECT_EQ(clicks, 2);

    // From code the click runs only on a change of position.
    combo.setListIndex(2);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(combo.setListIndex(0));
    EXPECT_EQ(combo.text(), "Administrator");
    EXPECT_EQ(clicks, 3);
    EXPECT_FALSE(combo.setListIndex(3));
}

TEST_F(ComboFixture, DisabledComboTakesNoChoice)
{
    combo.setEnabled(false);
    combo.userChoose(1);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ComboFixture, ClickHandlerSeesTheChosenText)
{
    QString seen;
    combo.onClick = [&] { seen = combo.text(); };
    combo.userChoose(1);
    EXPECT_EQ(seen, "anna");
}

} // namespace
