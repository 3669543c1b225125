// The desktop-link start entry: written while c39 is ticked, deleted by the first apply without it.

#include "policy/operations.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

using namespace policy_tests;

namespace {

const QString run = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString system_value = QStringLiteral("System");

TEST(RunValue, UntickingTheDesktopLinksDeletesTheStartEntry)
{
    Window w;
    w.set_text(run, QStringLiteral("Other"), QStringLiteral("C:\\other.exe"));
    w.form.c39.setValue(1);
    policy::REG_Save32(w.engine);
    ASSERT_EQ(w.branch().text(run, system_value), QStringLiteral("C:\\Programme\\Gatrisk 2002\\gatr2002.exe /icon"));

    w.form.c39.setValue(0);
    policy::REG_Save32(w.engine);
    const HiveView hive = w.branch();
    EXPECT_FALSE(hive.has_value(run, system_value));
    EXPECT_EQ(hive.text(run, QStringLiteral("Other")), QStringLiteral("C:\\other.exe"));
    EXPECT_EQ(hive.dword(QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"),
                         QStringLiteral("FixedLNK")),
              0u);
}

} // namespace
