// The main window's load: the developer menu, the user chooser, the texts and help panel, the older-version
// warning, and what it reads on Windows 98 beside the NT family.

#include "tests/main_window/main_window_fixture.h"

#include "policy/value_names.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using main_window_tests::on;
using main_window_tests::Program;
using main_window_tests::with_arguments;
using platform::HKEY_CURRENT_USER;
using platform::HKEY_LOCAL_MACHINE;
using platform::SampleSystem;

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    bool developer_menu;
    bool deinstall;
};

class DeveloperWord : public testing::TestWithParam<CommandLineCase> {};

TEST_P(DeveloperWord, ShowsTheDeveloperMenuOnlyForTheWholeWord)
{
    Program p(with_arguments(GetParam().arguments));
    if (GetParam().deinstall)
        p.ui().answer(platform::Answer::No, QStringLiteral("Start Uninstall now ?"));
    ASSERT_FALSE(p.load()) << p.transcript().toStdString();
    EXPECT_EQ(p.window.mm6.visible(), GetParam().developer_menu);
    EXPECT_EQ(p.window.m_tes_getsys.canBeChosen(), GetParam().developer_menu);
    // Any question of the de-install that was not scripted fails the test by itself.
    EXPECT_EQ(p.messages().size(), GetParam().deinstall ? 1u : 0u) << p.transcript().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, DeveloperWord,
    testing::Values(CommandLineCase{"none", {}, false, false},
                    CommandLineCase{"upper_case", {QStringLiteral("ZAV")}, true, false},
                    CommandLineCase{"lower_case", {QStringLiteral("zav")}, true, false},
                    CommandLineCase{"mixed_case", {QStringLiteral("zAv")}, true, false},
                    CommandLineCase{"with_uninstall", {QStringLiteral("ZAV"), QStringLiteral("/uninstall")}, false,
                                    false},
                    CommandLineCase{"longer_word", {QStringLiteral("ZAVX")}, false, false},
                    CommandLineCase{"uninstall", {QStringLiteral("/uninstall")}, false, true},
                    CommandLineCase{"uninstall_upper_case", {QStringLiteral("/UNINSTALL")}, false, false},
                    CommandLineCase{"uninstall_and_more", {QStringLiteral("/uninstall"), QStringLiteral("x")}, false,
                                    false}),
    main_window_tests::RowName());

TEST(MainWindowLoad, NtChooserListsEveryProfileAndShowsTheLoggedOnUser)
{
    Program p;
    ASSERT_FALSE(p.load()) << p.transcript().toStdString();
    const platform::ProfileList& profiles = p.window.engine().profiles;
    ASSERT_GT(profiles.profile_count, 0);
    QStringList expected;
    for (int i = 1; i <= profiles.profile_count; ++i)
        expected << profiles.profile_names[static_cast<std::size_t>(i)];
    EXPECT_EQ(p.window.Combo_user.entries(), expected);
    EXPECT_TRUE(expected.contains(QStringLiteral("pupil")));
    // The name without the NUL that the user-name query ends with: the apply road must recognise it.
    EXPECT_EQ(p.window.Combo_user.text(), QStringLiteral("Administrator"));
    EXPECT_TRUE(p.window.t810.enabled());
    EXPECT_TRUE(p.window.t810.text().endsWith(QLatin1Char('\\'))) << p.window.t810.text().toStdString();
}

TEST(MainWindowLoad, NtWithoutProfilesLeavesAnEmptyChooserWithTheUsersName)
{
    Program p;
    ASSERT_TRUE(QDir().mkpath(p.program.host(QStringLiteral("C:\\Leer"))));
    p.set_text(HKEY_LOCAL_MACHINE, main_window_tests::program_key, QStringLiteral("ProfileMainPath"),
               QStringLiteral("C:\\Leer\\"));
    ASSERT_FALSE(p.load()) << p.transcript().toStdString();
    EXPECT_EQ(p.window.Combo_user.listCount(), 0);
    EXPECT_EQ(p.window.Combo_user.text(), QStringLiteral("Administrator"));
    EXPECT_EQ(p.window.t810.text(), QStringLiteral("C:\\Leer\\"));
}

struct StoredSetCase {
    const char* name;
    SampleSystem system;
    bool censor_list_read; // only Windows 95/98/ME reads the whole set at load
};

class StoredSet : public testing::TestWithParam<StoredSetCase> {};

TEST_P(StoredSet, TheRunningAccountsValuesShow)
{
    Program p(on(GetParam().system));
    p.set_dword(HKEY_CURRENT_USER, main_window_tests::explorer_key, QStringLiteral("NoClose"), 1);
    const QString restrict_run = main_window_tests::explorer_key + QStringLiteral("\\RestrictRun");
    p.set_text(HKEY_CURRENT_USER, restrict_run, QStringLiteral("Gesamt"), QStringLiteral("1"));
    p.set_text(HKEY_CURRENT_USER, restrict_run, policy::numbered_value_name(0), QStringLiteral("WINWORD.EXE"));

    ASSERT_FALSE(p.load()) << p.transcript().toStdString();

    EXPECT_EQ(p.window.c11.value(), 1);
    EXPECT_EQ(p.window.List1.entries().contains(QStringLiteral("WINWORD.EXE")), GetParam().censor_list_read)
        << p.window.List1.entries().join(",").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Systems, StoredSet,
                         testing::Values(StoredSetCase{"windows_xp", SampleSystem::winxp, false},
                                         StoredSetCase{"windows_98", SampleSystem::win98, true}),
                         main_window_tests::RowName());

TEST(MainWindowLoad, Windows98HasOneUserAndNoProfilesField)
{
    Program p(on(SampleSystem::win98));
    ASSERT_FALSE(p.load()) << p.transcript().toStdString();
    const QString user = platform::trim_null(platform::get_username(p.program.machine()));
    EXPECT_EQ(p.window.Combo_user.entries(), QStringList{user});
    EXPECT_EQ(p.window.Combo_user.text(), user);
    EXPECT_EQ(p.window.t810.text(), QStringLiteral("<only available for Win NT/2000/XP-Systems>"));
    EXPECT_FALSE(p.window.t810.enabled());
}

TEST(MainWindowLoad, HelpPanelShowsTheFirstTabsHelpUnderTheStartTitle)
{
    Program p;
    ASSERT_FALSE(p.load());
    EXPECT_FALSE(p.window.tab_help_texts[1].isEmpty());
    EXPECT_EQ(p.window.l02.caption(), p.window.tab_help_texts[1]);
    EXPECT_EQ(p.window.l01.caption(), QStringLiteral("Start"));
    EXPECT_EQ(p.window.caption(), QStringLiteral("Gatrisk 2002"));
    EXPECT_FALSE(p.window.mm4.visible());
    EXPECT_EQ(p.window.t32.text(), QString());
    // The first change of tab gives the title label its tab's title.
    p.window.tab.setTab(1);
    EXPECT_EQ(p.window.l01.caption(), p.window.tab_titles[2]);
    EXPECT_EQ(p.window.l02.caption(), p.window.tab_help_texts[2]);
}

TEST(MainWindowLoad, TextsAndBarsAreBuilt)
{
    Program p;
    ASSERT_FALSE(p.load());
    EXPECT_EQ(p.window.cmd_set.caption(), QStringLiteral("&Apply"));
    EXPECT_EQ(p.window.cm01.caption(), QStringLiteral("&Cancel"));
    EXPECT_EQ(p.window.SSListBar1.groupCount(), 1);
    EXPECT_EQ(p.window.StatusBar.panelCount(), 5);
    EXPECT_GT(p.window.lv1.count(), 0);
    EXPECT_TRUE(p.window.d_c.enabled());
    EXPECT_FALSE(p.window.d_q.enabled());
}

TEST(MainWindowLoad, OlderVersionIsWarnedOfAndTheLoadGoesOn)
{
    Program p;
    p.set_text(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"),
               QStringLiteral("Gatrisk 99"), QStringLiteral("C:\\GATR99\\GATR99.EXE"));
    ASSERT_FALSE(p.load());
    ASSERT_EQ(p.messages().size(), 1u) << p.transcript().toStdString();
    const auto& m = p.messages()[0];
    EXPECT_EQ(m.style, 48);
    EXPECT_EQ(m.title, QStringLiteral("Old Gatrisk 99 found!"));
    EXPECT_EQ(m.text, QStringLiteral("A older version of Gatrisk was found on this computer. We recommend you to "
                                     "deinstall the old Gatrisk 99-Version."));
    EXPECT_EQ(p.window.l02.caption(), p.window.tab_help_texts[1]);
}

TEST(MainWindowLoad, NoMessageWithoutTheOlderVersion)
{
    Program p;
    ASSERT_FALSE(p.load());
    EXPECT_TRUE(p.messages().empty()) << p.transcript().toStdString();
}

TEST(MainWindowLoad, UninstallRunsTheWholeLoadFirst)
{
    Program p(with_arguments({QStringLiteral("/uninstall")}));
    p.set_text(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"),
               QStringLiteral("Gatrisk 99"), QStringLiteral("C:\\GATR99\\GATR99.EXE"));
    p.ui().answer(platform::Answer::No, QStringLiteral("Start Uninstall now ?"));
    ASSERT_FALSE(p.load()) << p.transcript().toStdString();
    ASSERT_EQ(p.messages().size(), 2u) << p.transcript().toStdString();
    // The older-version warning of the load comes before the de-install's question.
    EXPECT_EQ(p.messages()[0].title, QStringLiteral("Old Gatrisk 99 found!"));
    EXPECT_EQ(p.messages()[1].title, QStringLiteral("Uninstall ?"));
    EXPECT_EQ(p.window.l02.caption(), p.window.tab_help_texts[1]);
}

TEST(MainWindowLoad, UninstallAnsweredYesClearsEveryAccountAndEnds)
{
    Program p(with_arguments({QStringLiteral("/uninstall")}));
    p.ui().answer(platform::Answer::Yes, QStringLiteral("Start Uninstall now ?"));
    EXPECT_TRUE(p.load()) << p.transcript().toStdString();
    EXPECT_TRUE(p.window.Combo_user.listCount() > 0);
    EXPECT_TRUE(p.ui().ended());
}

TEST(MainWindowClose, EndsTheProgram)
{
    Program p;
    ASSERT_FALSE(p.load());
    EXPECT_TRUE(p.ends([&p] { p.window.userClose(); }));
}

} // namespace
