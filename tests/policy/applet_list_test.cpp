#include "policy/operations.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

using namespace policy_tests;

namespace {

const QString E = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
const QString disallow = E + QStringLiteral("\\DisallowCpl");

TEST(CplAll, FillsTheListSortedAndUnticked)
{
    Window w;
    w.set_text(QStringLiteral("Control Panel\\don't load"), QStringLiteral("DESK.CPL"), QStringLiteral("No"));
    w.form.lv1.add(QStringLiteral("left over"));
    policy::CPL_All(w.engine);

    EXPECT_EQ(w.engine.CplCount, 39);
    ASSERT_EQ(w.form.lv1.count(), 39);
    EXPECT_EQ(w.form.lv1.text(1), QStringLiteral("Accessibility Options"));
    EXPECT_EQ(w.form.lv1.text(2), QStringLiteral("Add/Remove Software"));
    EXPECT_EQ(w.form.lv1.text(3), QStringLiteral("Administrative Tools"));
    EXPECT_EQ(w.form.lv1.find(QStringLiteral("left over")), 0);
    for (int i = 1; i <= 39; ++i)
        EXPECT_FALSE(w.form.lv1.checked(i)) << i;
    EXPECT_EQ(w.engine.CplFile[0], QString());
    EXPECT_EQ(w.engine.CplName[0], QString());
}

TEST(CplAll, ThePositionIsTheSortedPlaceNotTheRow)
{
    Window w;
    w.form.lv1.setChecked(1, true);
    policy::REG_Save32(w.engine);
    EXPECT_EQ(w.branch().value_names(QStringLiteral("Control Panel\\don't load")), QStringList{QStringLiteral("ACCESS.CPL")});
}

TEST(CplGet, AnswersFalseForEveryApplet)
{
    Window w;
    for (const char* file : {"DESK.CPL", "ACCESS.CPL", ""}) {
        bool hidden = true;
        policy::CPL_Get(w.engine, QString::fromLatin1(file), hidden);
        EXPECT_FALSE(hidden) << file;
    }
}

TEST(CplSave, WindowsXpWritesTheTickedAppletsInListOrder)
{
    Window w;
    w.form.lv1.setChecked(w.applet_item(32), true); // Scheduled Tasks
    w.form.lv1.setChecked(w.applet_item(2), true);  // Display
    policy::Cpl_Save(w.engine);
    ASSERT_EQ(w.registry().flush_all(), 0);
    auto own = HiveView::read(w.program.account_hive(QStringLiteral("Administrator")));
    EXPECT_EQ(own.value_names(disallow), (QStringList{QStringLiteral(" 1"), QStringLiteral(" 2")}));
    EXPECT_EQ(own.text(disallow, QStringLiteral(" 1")), QStringLiteral("DESK.CPL"));
    EXPECT_EQ(own.text(disallow, QStringLiteral(" 2")), QStringLiteral("Geplante Tasks"));
    EXPECT_EQ(own.dword(E, QStringLiteral("DisallowCpl")), 1u);

    for (int i = 1; i <= w.form.lv1.count(); ++i)
        w.form.lv1.setChecked(i, false);
    policy::Cpl_Save(w.engine);
    ASSERT_EQ(w.registry().flush_all(), 0);
    own = HiveView::read(w.program.account_hive(QStringLiteral("Administrator")));
    EXPECT_TRUE(own.has_key(disallow));
    EXPECT_EQ(own.value_names(disallow), QStringList());
    EXPECT_EQ(own.dword(E, QStringLiteral("DisallowCpl")), 0u);
}

TEST(CplSave, OtherSystemsWriteNothing)
{
    Window w({.system = platform::SampleSystem::win2000});
    w.form.lv1.setChecked(w.applet_item(2), true);
    ASSERT_EQ(w.registry().flush_all(), 0);
    const auto before = HiveView::read(w.program.account_hive(QStringLiteral("Administrator"))).tree();
    policy::Cpl_Save(w.engine);
    ASSERT_EQ(w.registry().flush_all(), 0);
    EXPECT_EQ(HiveView::read(w.program.account_hive(QStringLiteral("Administrator"))).tree(), before);
}

} // namespace
