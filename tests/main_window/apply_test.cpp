// Apply, OK and Cancel, and the user chooser, on the whole window after its load; applies and loads for
// another account go through the real hive helper program.

#include "tests/main_window/main_window_fixture.h"

#include "mainwindow/apply_commands.h"
#include "platform/in_language.h"
#include "platform/machine/mount_table.h"
#include "testsupport/regf/regf_checks.h"

#include <gtest/gtest.h>

namespace {

using main_window_tests::explorer_key;
using main_window_tests::on;
using main_window_tests::Program;
using platform::HKEY_CURRENT_USER;
using platform::HKEY_USERS;
using platform::SampleSystem;

const regf_checks::OracleValue dword_one{platform::REG_DWORD, {1, 0, 0, 0}};

struct Loaded : Program {
    explicit Loaded(testsupport::ProgramOptions options = {}) : Program(std::move(options))
    {
        EXPECT_FALSE(load()) << transcript().toStdString();
    }

    int entry_of(const QString& account) { return static_cast<int>(window.Combo_user.entries().indexOf(account)); }

    QStringList mounts()
    {
        QStringList names;
        if (const auto list = platform::MountTable(program.machine()).list())
            for (const platform::Mount& m : *list)
                names << m.name;
        return names;
    }

    // A value of an account's hive file as the hivex library reads it.
    std::optional<regf_checks::OracleValue> in_hive_file(const QString& account, const QString& key, const char* name)
    {
        EXPECT_EQ(registry().flush_all(), 0);
        std::string error;
        const auto tree = regf_checks::hivex_read(program.account_hive(account).toStdString(), &error);
        if (!tree) {
            ADD_FAILURE() << error;
            return std::nullopt;
        }
        for (const auto& [path, values] : tree->keys)
            if (QString::fromStdString(path).compare(key, Qt::CaseInsensitive) == 0) {
                const auto v = values.find(name);
                if (v != values.end())
                    return v->second;
            }
        return std::nullopt;
    }
};

TEST(Apply, OkForTheLoggedOnAccountIsRefusedWritesNothingAndEnds)
{
    Loaded p;
    ASSERT_EQ(p.window.Combo_user.text(), QStringLiteral("Administrator"));
    p.window.c11.setValue(1);

    EXPECT_TRUE(p.ends([&p] { p.window.cm02.userClick(); }));

    ASSERT_EQ(p.messages().size(), 1u) << p.transcript().toStdString();
    EXPECT_EQ(p.messages()[0].style, 16);
    EXPECT_EQ(p.messages()[0].text,
              QStringLiteral("You can not set restrictions for the user you are logged in. Please choose another one."));
    EXPECT_TRUE(p.ui().transcript().last().startsWith(QStringLiteral("end of program")));
    EXPECT_EQ(p.stored(HKEY_CURRENT_USER, explorer_key, QStringLiteral("NoClose")), platform::Variant());
    EXPECT_TRUE(p.mounts().isEmpty());
}

TEST(Apply, ToAnotherAccountReachesItsHiveFileThroughTheHelper)
{
    Loaded p;
    const int pupil = p.entry_of(QStringLiteral("pupil"));
    ASSERT_GE(pupil, 0);
    p.window.Combo_user.userChoose(pupil);
    p.window.c11.setValue(1);

    EXPECT_FALSE(p.ends([&p] { p.window.cmd_set.userClick(); }));

    EXPECT_TRUE(p.messages().empty()) << p.transcript().toStdString();
    EXPECT_TRUE(p.mounts().isEmpty()) << p.mounts().join(",").toStdString();
    EXPECT_EQ(p.in_hive_file(QStringLiteral("pupil"), explorer_key, "NoClose"), dword_one);
    // The running account is left as it was.
    EXPECT_EQ(p.stored(HKEY_CURRENT_USER, explorer_key, QStringLiteral("NoClose")), platform::Variant());
}

TEST(Apply, OkAppliesToTheChosenAccountThenEnds)
{
    Loaded p;
    p.window.Combo_user.userChoose(p.entry_of(QStringLiteral("pupil")));
    p.window.c13.setValue(1);

    EXPECT_TRUE(p.ends([&p] { p.window.cm02.userClick(); }));

    EXPECT_TRUE(p.messages().empty()) << p.transcript().toStdString();
    EXPECT_EQ(p.in_hive_file(QStringLiteral("pupil"), explorer_key, "NoRun"), dword_one);
}

TEST(Apply, ChoosingAnAccountReadsItsSetThroughTheHelper)
{
    Loaded p;
    ASSERT_TRUE(p.program.mount(QStringLiteral("pupil")));
    p.set_dword(HKEY_USERS, QStringLiteral("pupil\\") + explorer_key, QStringLiteral("NoLogOff"), 1);
    ASSERT_EQ(p.registry().flush_all(), 0);
    p.program.unmount(QStringLiteral("pupil"));
    p.window.c11.setValue(1);

    p.window.Combo_user.userChoose(p.entry_of(QStringLiteral("pupil")));

    EXPECT_TRUE(p.messages().empty()) << p.transcript().toStdString();
    EXPECT_EQ(p.window.c12.value(), 1);
    EXPECT_EQ(p.window.c11.value(), 0);
    EXPECT_TRUE(p.mounts().isEmpty());
}

TEST(UserChooser, TheLoggedOnAccountClearsTheSetWithoutReadingIt)
{
    Program p;
    p.set_dword(HKEY_CURRENT_USER, explorer_key, QStringLiteral("NoClose"), 1);
    ASSERT_FALSE(p.load());
    ASSERT_EQ(p.window.c11.value(), 1); // the running account's own value, read at load
    p.window.lv1.setChecked(1, true);
    p.window.d_c.setValue(1);
    p.window.c41.setValue(1);
    const int logged_on = static_cast<int>(p.window.Combo_user.entries().indexOf(QStringLiteral("Administrator")));
    ASSERT_GE(logged_on, 0);

    p.window.Combo_user.userChoose(logged_on);

    EXPECT_TRUE(p.messages().empty()) << p.transcript().toStdString();
    EXPECT_EQ(p.window.c11.value(), 0);
    EXPECT_EQ(p.window.c41.value(), 0);
    EXPECT_FALSE(p.window.lv1.checked(1));
    EXPECT_EQ(p.window.d_c.value(), 0);
}

TEST(Apply, CancelEndsAtOnceWithoutApplying)
{
    Loaded p;
    p.window.Combo_user.userChoose(p.entry_of(QStringLiteral("pupil")));
    p.window.c11.setValue(1);

    EXPECT_TRUE(p.ends([&p] { p.window.cm01.userClick(); }));

    EXPECT_TRUE(p.messages().empty()) << p.transcript().toStdString();
    EXPECT_EQ(p.in_hive_file(QStringLiteral("pupil"), explorer_key, "NoClose"), std::nullopt);
}

TEST(UserChooser, TypedCharactersAreDiscarded)
{
    Loaded p;
    for (const int key : {int('a'), int('Z'), int('1'), int(' '), 8 /* Backspace */})
        EXPECT_EQ(p.window.Combo_user.userKeyPress(key), 0) << key;
    EXPECT_EQ(p.window.Combo_user.text(), QStringLiteral("Administrator"));
}

struct FocusCase {
    const char* name;
    SampleSystem system;
    bool told;
};

class ChooserFocus : public testing::TestWithParam<FocusCase> {};

TEST_P(ChooserFocus, Windows98SaysOnlyTheLoggedOnUserCountsEachTime)
{
    Loaded p(on(GetParam().system));
    const QString user = p.window.Combo_user.text();
    for (int round = 0; round < 2; ++round) {
        p.window.Combo_user.setText(QStringLiteral("someone"));
        p.window.c11.setFocus();
        p.window.Combo_user.setFocus();
        EXPECT_EQ(p.window.Combo_user.text(), GetParam().told ? user : QStringLiteral("someone"));
    }
    if (!GetParam().told) {
        EXPECT_TRUE(p.messages().empty()) << p.transcript().toStdString();
        return;
    }
    ASSERT_EQ(p.messages().size(), 2u) << p.transcript().toStdString();
    for (const auto& m : p.messages()) {
        EXPECT_EQ(m.style, 16);
        EXPECT_EQ(m.title, QStringLiteral("Sorry - Changing Users only in Win2K, WinNT or WinXP-Systems..."));
        EXPECT_EQ(m.text, QStringLiteral("If you are using a Win9X or WinME System you can only set restrictions for "
                                         "the logged-in user. If you have to change settings for other users, please "
                                         "reboot and login as the name you want to restrict."));
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, ChooserFocus,
                         testing::Values(FocusCase{"windows_98", SampleSystem::win98, true},
                                         FocusCase{"windows_me", SampleSystem::winme, true},
                                         FocusCase{"windows_xp", SampleSystem::winxp, false}),
                         main_window_tests::RowName());

TEST(ChooserFocusInGerman, Windows98SaysItInGermanAndPutsTheLoggedOnUserBack)
{
    testsupport::TestProgram program(on(SampleSystem::win98));
    mainwindow::MainForm form{program.context()};
    policy::Engine engine(program.context(), form);
    mainwindow::attach_apply_commands(engine, platform::german);
    form.Combo_user.setText(QStringLiteral("someone"));
    form.Combo_user.onGotFocus();
    ASSERT_EQ(program.ui().messages().size(), 1u) << program.ui().transcript().join(QLatin1Char('\n')).toStdString();
    const auto& m = program.ui().messages()[0];
    EXPECT_EQ(m.style, 16);
    EXPECT_EQ(m.title, QStringLiteral("Benutzerverwaltung nur W2K/NT/XP"));
    EXPECT_EQ(m.text, QStringLiteral("Unter Win9X und WinME Betriebssystemen können die Einschränkungen nur für den "
                                     "aktuell angemeldeten und hier angezeigten Benutzer vorgenommen werden. Um ein "
                                     "anderes Benutzerprofil zu ändern, melden Sie sich bitte in Windows ab und "
                                     "loggen sich erneut mit dem Username ein, den Sie einschränken möchten. Starten "
                                     "Sie danach dieses Programm erneut."));
    EXPECT_EQ(form.Combo_user.text(), platform::trim_null(platform::get_username(program.machine())));
}

TEST(Apply, Windows98WritesTheCurrentUsersBranch)
{
    Loaded p(on(SampleSystem::win98));
    p.window.c11.setValue(1);
    EXPECT_FALSE(p.ends([&p] { p.window.cmd_set.userClick(); }));
    EXPECT_EQ(p.stored(HKEY_CURRENT_USER, explorer_key, QStringLiteral("NoClose")), platform::Variant(1));
}

} // namespace
