#include "policy/account_discovery.h"

#include "platform/system_queries.h"
#include "tests/accounts/own_window.h"
#include "tests/accounts/qt_print.h"

#include <gtest/gtest.h>

using namespace accounts_tests;

namespace {

TEST(WindowAccounts, ProfilesFolderShowsInTheProfilesField)
{
    OwnWindow w(on(platform::SampleSystem::win2000));
    policy::get_profiles(w.engine);
    EXPECT_EQ(w.form.t810.text(), "C:\\Documents and Settings\\");
    EXPECT_EQ(w.engine.profiles.profile_folder, "C:\\Documents and Settings\\");
    EXPECT_EQ(w.engine.profiles.profile_count, 3);
}

TEST(WindowAccounts, IdentifierOfAnAccountFromTheEnginesTables)
{
    OwnWindow w;
    policy::GET_SIDS(w.engine);
    EXPECT_TRUE(policy::NameToSID(w.engine, "Schueler").endsWith("-1004"));
    EXPECT_TRUE(w.messages().empty());
}

} // namespace
