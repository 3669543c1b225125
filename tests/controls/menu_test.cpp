#include "controls/accelerator.h"
#include "test_form.h"

#include <gtest/gtest.h>

namespace {

using controls::Menu;
using controls_test::TestForm;

struct AccelCase {
    const char* name;
    const char* caption;
    QChar key;
    const char* shown;
};

class Accelerator : public testing::TestWithParam<AccelCase> {};

TEST_P(Accelerator, FindsTheKeyAndTheShownText)
{
    const AccelCase& c = GetParam();
    const QString caption = QString::fromUtf8(c.caption);
    EXPECT_EQ(controls::accelerator(caption), c.key);
    EXPECT_EQ(controls::withoutAccelerator(caption), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Captions, Accelerator,
    testing::Values(AccelCase{"first", "&Apply", QLatin1Char('A'), "Apply"},
                    AccelCase{"inside", "C&heck", QLatin1Char('H'), "Check"},
                    AccelCase{"digit", "&1.)", QLatin1Char('1'), "1.)"},
                    AccelCase{"none", "AUnmark all", QChar(), "AUnmark all"},
                    AccelCase{"umlaut", "Drucker &einrichten", QLatin1Char('E'), "Drucker einrichten"},
                    AccelCase{"accentedKey", "&Über", QChar(0x00DC), "Über"},
                    AccelCase{"literal", "Save && &Exit", QLatin1Char('E'), "Save & Exit"},
                    AccelCase{"onlyLiteral", "A && B", QChar(), "A & B"},
                    AccelCase{"trailing", "Exit&", QChar(), "Exit&"}),
    [](const auto& row) { return std::string(row.param.name); });

struct MenuFixture : testing::Test {
    TestForm form;
    Menu mm1{form, "mm1"};
    Menu mm14{form, "mm14", &mm1};
    Menu mm5{form, "mm5"};
    Menu mm51{form, "mm51", &mm5};
    Menu sep{form, "mm56", &mm5};
    Menu mm6{form, "mm6"};
    Menu sub{form, "m_tes3", &mm6};
    int helpClicks = 0;
    int subClicks = 0;

    void SetUp() override
    {
        mm51.setShortcut("F1");
        mm51.onClick = [this] { ++helpClicks; };
        sub.onClick = [this] { ++subClicks; };
        sep.setCaption("-");
    }
};

TEST_F(MenuFixture, MenusNestAndListInOrder)
{
    EXPECT_EQ(form.menus(), (std::vector<Menu*>{&mm1, &mm5, &mm6}));
    EXPECT_EQ(mm5.items(), (std::vector<Menu*>{&mm51, &sep}));
    EXPECT_EQ(mm51.parentMenu(), &mm5);
    EXPECT_EQ(mm1.parentMenu(), nullptr);
    EXPECT_TRUE(sep.isSeparator());
}

TEST_F(MenuFixture, ShortcutClicksTheItemThatCanBeChosen)
{
    EXPECT_TRUE(form.userShortcut("F1"));
    EXPECT_TRUE(form.userShortcut("f1"));
    EXPECT_EQ(helpClicks, 2);
    EXPECT_FALSE(form.userShortcut("F2"));

    mm5.setEnabled(false);
    EXPECT_FALSE(form.userShortcut("F1"));
    EXPECT_EQ(helpClicks, 2);
}

TEST_F(MenuFixture, ItemsOfAHiddenMenuCannotBeChosen)
{
    mm6.setVisible(false);
    sub.userClick();
    EXPECT_EQ(subClicks, 0);
    EXPECT_FALSE(sub.canBeChosen());
    mm6.setVisible(true);
    sub.userClick();
    EXPECT_EQ(subClicks, 1);
    sep.userClick();
    EXPECT_FALSE(sep.canBeChosen());
}

} // namespace
