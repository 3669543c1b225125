#include "startup_fixture.h"

#include "startup/profile_form.h"

namespace {

using platform::HKEY_LOCAL_MACHINE;
using startup_tests::str;

const QString profile_list = QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList");

struct ProfileDialog : testing::Test {
    testsupport::TestProgram program;
    startup::Profile profile{program.context()};
    void SetUp() override { profile.show(); }
    scripted_ui::ScriptedUi& ui() { return program.ui(); }
};

TEST_F(ProfileDialog, ListsEverySidWithItsFolderNameAndEachClickAppends)
{
    EXPECT_EQ(str(profile.caption()), "Form1");
    profile.Command2.userClick();
    const QStringList first = profile.List1.entries();
    ASSERT_FALSE(program.machine().facts().accounts.empty());
    for (const platform::Account& account : program.machine().facts().accounts) {
        const qsizetype at = first.indexOf(account.sid);
        ASSERT_GE(at, 0) << str(account.sid);
        ASSERT_EQ(at % 2, 0) << "identifiers on the even lines";
        EXPECT_EQ(first.at(at + 1), account.name);
    }
    const qsizetype system = first.indexOf(QStringLiteral("S-1-5-18"));
    ASSERT_GE(system, 0);
    EXPECT_EQ(str(first.at(system + 1)), "systemprofile");
    ASSERT_EQ(ui().messages().size(), 1u);
    EXPECT_EQ(str(ui().messages()[0].text), "ende");
    EXPECT_EQ(str(ui().messages()[0].title), "Gatrisk 2002");

    profile.Command2.userClick();
    EXPECT_EQ(profile.List1.entries(), first + first);
}

TEST_F(ProfileDialog, UnreadableFolderGivesItsMessageAndAnEmptyLine)
{
    const QString sid = program.machine().facts().accounts.front().sid;
    ASSERT_EQ(platform::REG_DeleteValue(program.registry(), HKEY_LOCAL_MACHINE, profile_list + QLatin1Char('\\') + sid,
                                        QStringLiteral("ProfileImagePath")),
              0);
    profile.Command2.userClick();
    const QStringList lines = profile.List1.entries();
    const qsizetype at = lines.indexOf(sid);
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines.at(at + 1), QString());
    ASSERT_EQ(ui().messages().size(), 2u);
    EXPECT_EQ(str(ui().messages()[0].text), "The registry value could not be read or found.");
}

TEST_F(ProfileDialog, LookupTakesWhatFollowsTheLastBackslash)
{
    const QString key = profile_list + QStringLiteral("\\S-1-5-21-1");
    ASSERT_NE(platform::REG_CreateKey(program.registry(), HKEY_LOCAL_MACHINE, key), 0);
    const std::vector<std::pair<QString, QString>> rows{{QStringLiteral("C:\\Profiles\\anna"), QStringLiteral("anna")},
                                                        {QStringLiteral("C:\\Profiles\\anna\\"), QString()},
                                                        {QStringLiteral("anna"), QString()}};
    for (const auto& [folder, name] : rows) {
        platform::REG_SetString(program.registry(), HKEY_LOCAL_MACHINE, key, QStringLiteral("ProfileImagePath"), folder);
        QString path = key;
        EXPECT_EQ(profile.REG_GetUserProfileList(path), name) << str(folder);
    }
    QString missing = profile_list + QStringLiteral("\\S-1-5-21-9");
    EXPECT_EQ(profile.REG_GetUserProfileList(missing), QString());
    ASSERT_EQ(ui().messages().size(), 1u);
    EXPECT_EQ(str(ui().messages()[0].text), "The Registry Entry could not be opened.");
}

TEST_F(ProfileDialog, WertHolenShowsTheWholeFolderOfTheSystemAccount)
{
    // The sample keeps the folder unexpanded, as Windows writes it (REG_EXPAND_SZ).
    profile.Command1.userClick();
    ASSERT_EQ(ui().messages().size(), 1u);
    EXPECT_EQ(str(ui().messages()[0].title), "Produkt Key");
    const QString text = ui().messages()[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Der Produkt Key ist: %"))) << str(text);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\\config\\systemprofile"))) << str(text);
    profile.Command3.userClick();
    EXPECT_EQ(ui().messages().size(), 1u);
}

TEST(ProfileDialogOnWin98, NoProfileListEndsTheWalkWithTheOpenMessage)
{
    testsupport::ProgramOptions options;
    options.system = platform::SampleSystem::win98;
    testsupport::TestProgram program(options);
    startup::Profile profile(program.context());
    profile.show();
    profile.Command2.userClick();
    profile.Command1.userClick();
    EXPECT_EQ(profile.List1.listCount(), 0);
    ASSERT_EQ(program.ui().messages().size(), 2u);
    EXPECT_EQ(str(program.ui().messages()[0].text), "Der Registryeintrag konnte nicht geöffnet werden.");
    EXPECT_EQ(str(program.ui().messages()[1].text), "Der Registryeintrag konnte nicht geöffnet werden.");
}

} // namespace
