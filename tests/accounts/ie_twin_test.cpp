// The Internet Explorer restrictions of the running account and their twin under HKEY_USERS: below the
// account's name, and below ".Default" for the account named exactly "Standard".

#include "platform/machine/mount_table.h"
#include "policy/ie_restrictions.h"
#include "tests/accounts/own_window.h"
#include "tests/accounts/qt_print.h"

#include <gtest/gtest.h>

using namespace accounts_tests;
using platform::HKEY_CURRENT_USER;
using platform::HKEY_USERS;

namespace {

const char* const ie_policy_keys[] = {
    "Software\\Policies\\Microsoft",
    "Software\\Policies\\Microsoft\\Internet Explorer",
    "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions",
    "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel",
};

struct TwinCase {
    const char* user;   // the logged-on account
    const char* twin;   // its key under HKEY_USERS
    const char* other;  // a key under HKEY_USERS that must stay untouched
    const char* name;
};

void PrintTo(const TwinCase& c, std::ostream* os) { *os << c.name; }

class IeTwin : public ::testing::TestWithParam<TwinCase> {
protected:
    IeTwin() : w(options())
    {
        // A hive mounted under the lower-case name, as the helper program would mount an account "standard".
        const QString hive =
            w.program.machine().profile_dir(QStringLiteral("Schueler")) + QStringLiteral("\\NTUSER.DAT");
        if (platform::MountTable(w.program.machine()).add({QStringLiteral("standard"), hive, false}) ==
            platform::MountChange::failed)
            ADD_FAILURE() << "can't mount a hive as standard";
    }
    static testsupport::ProgramOptions options()
    {
        testsupport::ProgramOptions o;
        o.user = QString::fromLatin1(GetParam().user);
        return o;
    }
    QString under(const char* account, const char* key) const
    {
        return QString::fromLatin1(account) + QLatin1Char('\\') + QString::fromLatin1(key);
    }

    OwnWindow w;
};

TEST_P(IeTwin, ReadCreatesThePolicyKeysBelowTheTwin)
{
    policy::ie_get_restriction(w.program.context(), QStringLiteral("NoPrinting"));
    for (const char* key : ie_policy_keys) {
        EXPECT_TRUE(w.key_exists(HKEY_CURRENT_USER, QString::fromLatin1(key))) << key;
        EXPECT_TRUE(w.key_exists(HKEY_USERS, under(GetParam().twin, key))) << key;
        EXPECT_FALSE(w.key_exists(HKEY_USERS, under(GetParam().other, key))) << key;
    }
}

TEST_P(IeTwin, WriteLandsInTheRunningAccountAndItsTwin)
{
    policy::ie_set_restriction(w.program.context(), QStringLiteral("NoPrinting"), QStringLiteral("1"));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, ie_key, "NoPrinting"), dword(1));
    EXPECT_EQ(w.stored(HKEY_USERS, under(GetParam().twin, ie_policy_keys[2]), "NoPrinting"), dword(1));
    EXPECT_EQ(w.stored(HKEY_USERS, under(GetParam().other, ie_policy_keys[2]), "NoPrinting"), platform::Variant());
}

INSTANTIATE_TEST_SUITE_P(Accounts, IeTwin,
                         ::testing::Values(TwinCase{"Standard", ".Default", "standard", "Standard"},
                                           TwinCase{"standard", "standard", ".Default", "LowerCaseStandard"}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
