#include "policy/click_reactions.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

using namespace policy_tests;

namespace {

TEST(ClickReactions, TickingC16TicksC31AndUntickingLeavesIt)
{
    Window w;
    w.form.c16.setValue(1);
    EXPECT_EQ(w.form.c31.value(), 1);
    w.form.c16.setValue(0);
    EXPECT_EQ(w.form.c31.value(), 1);
    w.form.c31.setValue(0);
    w.form.c16.userClick();
    EXPECT_EQ(w.form.c31.value(), 1);
}

TEST(ClickReactions, TickingC41KeepsTheProgramsOwnFileInTheList)
{
    Window w;
    w.form.c41.setValue(1);
    EXPECT_EQ(w.form.List1.entries(), QStringList{QStringLiteral("GATR2002.EXE")});
    w.form.c41.setValue(0);
    EXPECT_EQ(w.form.List1.entries(), QStringList{QStringLiteral("GATR2002.EXE")});

    w.form.List1.clear();
    w.form.List1.addItem(QStringLiteral("gatr2002.exe"));
    w.form.c41.setValue(1);
    EXPECT_EQ(w.form.List1.entries(), (QStringList{QStringLiteral("gatr2002.exe"), QStringLiteral("GATR2002.EXE")}));
    // Already there: ticking again adds nothing.
    w.form.c41.setValue(0);
    w.form.c41.setValue(1);
    EXPECT_EQ(w.form.List1.listCount(), 2);
}

} // namespace
