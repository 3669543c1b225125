#include "hive_view.h"
#include "policy/make_regpaths.h"
#include "testsupport/context/test_program.h"

#include <gtest/gtest.h>

using platform::HKEY_CURRENT_USER;
using platform::HKEY_USERS;

namespace {

const QStringList policy_keys = {
    QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"),
    QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System"),
    QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network"),
    QStringLiteral("Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions"),
    QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Advanced"),
    QStringLiteral("Control Panel\\Sound"),
    QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Hide"),
    QStringLiteral("Control Panel\\don't load"),
    QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\DisallowCpl"),
    QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun"),
};

TEST(MakeRegpaths, CreatesThePolicyKeysInTheMountedAccountsHive)
{
    testsupport::TestProgram program;
    ASSERT_TRUE(program.mount(QStringLiteral("pupil")));
    // An account the program's setup never reached: no program key of its own.
    ASSERT_EQ(platform::REG_DeleteKey(program.registry(), HKEY_USERS, QStringLiteral("pupil\\Software\\Brekund\\G2002")),
              0);
    ASSERT_EQ(platform::REG_DeleteKey(program.registry(), HKEY_USERS, QStringLiteral("pupil\\Software\\Brekund")), 0);
    policy::make_regpaths(program.registry(), HKEY_USERS, QStringLiteral("pupil\\"));
    ASSERT_EQ(program.registry().flush_all(), 0);

    const auto hive = policy_tests::HiveView::read(program.account_hive(QStringLiteral("pupil")));
    for (const QString& key : policy_keys)
        EXPECT_TRUE(hive.has_key(key)) << key.toStdString();
    // Not its business: keys the writer makes itself or finds there.
    EXPECT_FALSE(hive.has_key(QStringLiteral("Software\\Policies\\Microsoft\\Windows\\System")));
    EXPECT_FALSE(hive.has_key(QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\WinOldApp")));
    EXPECT_FALSE(hive.has_key(QStringLiteral("Software\\Brekund")));

    // The logged-on user's branch is untouched.
    const auto own = policy_tests::HiveView::read(program.account_hive(QStringLiteral("Administrator")));
    EXPECT_FALSE(own.has_key(policy_keys[1]));

    const auto software = policy_tests::HiveView::read(program.host(program.machine().hive_files().software));
    EXPECT_TRUE(software.has_key(QStringLiteral("Brekund\\G2002")));
}

TEST(MakeRegpaths, CurrentUserWithEmptyPrefixAndAgainChangesNothing)
{
    testsupport::TestProgram program;
    policy::make_regpaths(program.registry(), HKEY_CURRENT_USER, QString());
    ASSERT_EQ(program.registry().flush_all(), 0);
    const QString file = program.account_hive(QStringLiteral("Administrator"));
    const auto first = policy_tests::HiveView::read(file);
    for (const QString& key : policy_keys)
        EXPECT_TRUE(first.has_key(key)) << key.toStdString();

    policy::make_regpaths(program.registry(), HKEY_CURRENT_USER, QString());
    ASSERT_EQ(program.registry().flush_all(), 0);
    EXPECT_EQ(policy_tests::HiveView::read(file).tree(), first.tree());
}

TEST(MakeRegpaths, AnAccountNotMountedGetsNothing)
{
    testsupport::TestProgram program;
    policy::make_regpaths(program.registry(), HKEY_USERS, QStringLiteral("pupil\\"));
    ASSERT_EQ(program.registry().flush_all(), 0);
    const auto hive = policy_tests::HiveView::read(program.account_hive(QStringLiteral("pupil")));
    EXPECT_FALSE(hive.has_key(policy_keys[1]));
}

} // namespace
