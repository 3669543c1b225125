#include "platform/accounts/account_lookup.h"

#include "testsupport/context/test_program.h"
#include "tests/accounts/qt_print.h"

#include <gtest/gtest.h>

#include <map>

using platform::HKEY_LOCAL_MACHINE;
using platform::HKEY_USERS;

namespace {

class AccountLookup : public testing::Test {
protected:
    void add_profile(const QString& sid, const QString& image_path)
    {
        const QString key = platform::profile_list_key() + "\\" + sid;
        ASSERT_GT(platform::REG_CreateKey(program.registry(), HKEY_LOCAL_MACHINE, key), 0);
        ASSERT_EQ(platform::REG_SetString(program.registry(), HKEY_LOCAL_MACHINE, key, "ProfileImagePath", image_path), 0);
    }
    std::map<QString, QString> found() const
    {
        std::map<QString, QString> map;
        for (std::size_t i = 1; i < sids.size() && !sids[i].isEmpty(); ++i)
            map[sids[i]] = users[i];
        return map;
    }

    testsupport::TestProgram program;
    platform::SidTable sids;
    platform::SidTable users;
};

const QString domain = "S-1-5-21-1844237615-1960408961-1801674531";

TEST_F(AccountLookup, SidsOfTheSampleMachineWithoutTheServiceIdentifiers)
{
    platform::GET_SIDS(program.registry(), program.ui(), sids, users);
    const std::map<QString, QString> expected{
        {domain + "-500", "Administrator"}, {domain + "-1003", "pupil"}, {domain + "-1004", "Schueler"}};
    EXPECT_EQ(found(), expected);
    EXPECT_TRUE(program.ui().messages().empty());
    EXPECT_EQ(program.registry().open_handle_count(), 0u);

    EXPECT_EQ(platform::NameToSID(program.ui(), sids, users, "pupil"), domain + "-1003");
    EXPECT_TRUE(program.ui().messages().empty());
}

TEST_F(AccountLookup, NameToSidComparesExactlyAndTellsWhenNothingMatches)
{
    platform::GET_SIDS(program.registry(), program.ui(), sids, users);
    EXPECT_EQ(platform::NameToSID(program.ui(), sids, users, "Pupil"), QString());
    ASSERT_EQ(program.ui().messages().size(), 1u);
    EXPECT_EQ(program.ui().messages()[0].style, 16);
    EXPECT_EQ(program.ui().messages()[0].title, platform::programTitle());
    EXPECT_EQ(program.ui().messages()[0].text, "SID not found.");
}

TEST_F(AccountLookup, NameToSidOnAFullTableWithoutTheNameTellsToo)
{
    for (std::size_t i = 1; i < sids.size(); ++i) {
        sids[i] = QString("S-1-5-21-7-%1").arg(i);
        users[i] = QString("user%1").arg(i);
    }
    EXPECT_EQ(platform::NameToSID(program.ui(), sids, users, "user100"), "S-1-5-21-7-100");
    EXPECT_EQ(platform::NameToSID(program.ui(), sids, users, "nobody"), QString());
    EXPECT_EQ(program.ui().messages().size(), 1u);
}

TEST_F(AccountLookup, MoreIdentifiersThanTheTableHoldsAreLeftOut)
{
    for (int i = 0; i < platform::sid_capacity + 5; ++i)
        add_profile(QString("S-1-5-21-9-%1").arg(i + 2000), QString("C:\\Profiles\\u%1").arg(i));
    platform::GET_SIDS(program.registry(), program.ui(), sids, users);
    EXPECT_EQ(found().size(), static_cast<std::size_t>(platform::sid_capacity));
    EXPECT_FALSE(users[platform::sid_capacity].isEmpty());
    EXPECT_TRUE(program.ui().messages().empty());
}

struct ImagePathRow {
    const char* name;
    bool make_key;
    const char* value; // nullptr: no value
    const char* expected;
    const char* message; // "" for none
};

class ProfileImagePath : public testing::WithParamInterface<ImagePathRow>, public AccountLookup {};

TEST_P(ProfileImagePath, LastComponentOrMessage)
{
    const ImagePathRow& r = GetParam();
    const QString key = platform::profile_list_key() + "\\S-1-5-21-5-5";
    if (r.make_key) {
        ASSERT_GT(platform::REG_CreateKey(program.registry(), HKEY_LOCAL_MACHINE, key), 0);
    }
    if (r.value) {
        ASSERT_EQ(platform::REG_SetString(program.registry(), HKEY_LOCAL_MACHINE, key, "ProfileImagePath", r.value), 0);
    }

    EXPECT_EQ(platform::REG_GetUserProfileList(program.registry(), program.ui(), key), QString(r.expected));
    if (*r.message == 0) {
        EXPECT_TRUE(program.ui().messages().empty());
    } else {
        ASSERT_EQ(program.ui().messages().size(), 1u);
        EXPECT_EQ(program.ui().messages()[0].style, 0);
        EXPECT_EQ(program.ui().messages()[0].title, platform::programTitle());
        EXPECT_EQ(program.ui().messages()[0].text, QString(r.message));
    }
    EXPECT_EQ(program.registry().open_handle_count(), 0u);
}

const std::string long_path = "C:\\" + std::string(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Rows, ProfileImagePath,
    testing::Values(ImagePathRow{"Unexpanded", true, "%SystemDrive%\\Documents and Settings\\pupil", "pupil", ""},
                    ImagePathRow{"TrailingBackslash", true, "C:\\Profiles\\", "", ""},
                    ImagePathRow{"NoBackslash", true, "pupil", "", ""},
                    ImagePathRow{"TooLongForTheBuffer", true, long_path.c_str(), "",
                                 "Registry entry could not be read/found."},
                    ImagePathRow{"NoValue", true, nullptr, "", "Registry entry could not be read/found."},
                    ImagePathRow{"NoKey", false, nullptr, "", "Registry could not be opened."}),
    [](const testing::TestParamInfo<ImagePathRow>& row) { return std::string(row.param.name); });

TEST_F(AccountLookup, RegWaitShowsEveryKeyUnderTheRoot)
{
    ASSERT_TRUE(program.mount("pupil"));
    platform::Reg_Wait(program.registry(), program.ui(), HKEY_USERS);
    QStringList shown;
    for (const auto& m : program.ui().messages()) {
        EXPECT_EQ(m.style, 0);
        shown.push_back(m.text);
    }
    EXPECT_TRUE(shown.contains(".DEFAULT")) << shown.join(",").toStdString();
    EXPECT_TRUE(shown.contains("pupil")) << shown.join(",").toStdString();
    EXPECT_TRUE(shown.contains(domain + "-500")) << shown.join(",").toStdString();
    EXPECT_EQ(program.registry().open_handle_count(), 0u);
}

TEST(AccountLookupOn98, NoProfileRegistryChangesNothing)
{
    testsupport::ProgramOptions options;
    options.system = platform::SampleSystem::win98;
    testsupport::TestProgram program(options);
    platform::SidTable sids, users;
    sids[1] = "kept";
    platform::GET_SIDS(program.registry(), program.ui(), sids, users);
    EXPECT_EQ(sids[1], "kept");
    EXPECT_TRUE(program.ui().messages().empty());
}

} // namespace
