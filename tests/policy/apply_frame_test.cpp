// Apply through the account frame when an earlier run left the account's hive mounted under its name.

#include "platform/accounts/profiles.h"
#include "platform/machine/mount_table.h"
#include "policy/account_frame.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

using namespace policy_tests;

namespace {

const QString E = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");

TEST(ApplyFrame, AStaleMountOfTheSameAccountIsClearedFirst)
{
    // The fixture mounts the chosen account's hive as the helper program would, and leaves it mounted.
    Window w;
    QString folder = w.form.t810.text();
    platform::get_profiles(w.program.context(), w.engine.profiles, folder);
    w.form.t810.setText(folder);
    w.form.c13.setValue(1);

    policy::hive(w.engine, policy::hive_apply);

    EXPECT_TRUE(w.program.ui().messages().empty()) << w.program.ui().transcript().join("\n").toStdString();
    const auto mounts = platform::MountTable(w.program.machine()).list();
    ASSERT_TRUE(mounts);
    EXPECT_TRUE(mounts->empty());
    const HiveView pupil_hive = HiveView::read(w.program.account_hive(pupil));
    EXPECT_EQ(pupil_hive.dword(E, QStringLiteral("NoRun")), 1u);
    EXPECT_EQ(pupil_hive.dword(E, QStringLiteral("NoClose")), 0u);
}

} // namespace
