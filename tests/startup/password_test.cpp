#include "startup_fixture.h"

#include "platform/registry/machine_registry.h"

namespace {

using platform::HKEY_LOCAL_MACHINE;
using startup_tests::StartupForms;
using startup_tests::str;

TEST(PasswordCheck, WrongPasswordClearsTheFieldAndStays)
{
    StartupForms forms;
    forms.store_password(QStringLiteral("Secret1"));
    ASSERT_FALSE(forms.start());
    for (const QString& typed : {QStringLiteral("secret1"), QStringLiteral("Secret"), QStringLiteral("Secret1 ")}) {
        forms.getpass.txt_pw.userEdit(typed);
        forms.getpass.cmd_ok.userClick();
        EXPECT_TRUE(forms.getpass.isVisible()) << str(typed);
        EXPECT_EQ(forms.getpass.txt_pw.text(), QString());
    }
    ASSERT_EQ(forms.ui().messages().size(), 3u) << "no limit on attempts";
    const auto& m = forms.ui().messages()[0];
    EXPECT_EQ(m.style, 16);
    EXPECT_EQ(str(m.title), "Incorrect Password...");
    EXPECT_EQ(str(m.text), "Sorry, the password is incorrect. Pls. note that the password is case-sensitive.");
    EXPECT_EQ(forms.main_shown, 0);

    forms.getpass.txt_pw.userEdit(QStringLiteral("Secret1"));
    forms.getpass.cmd_ok.userClick();
    EXPECT_FALSE(forms.getpass.isLoaded());
    EXPECT_EQ(forms.main_shown, 1);
    EXPECT_EQ(forms.ui().messages().size(), 3u);
}

TEST(PasswordCheck, CancelEndsTheProgram)
{
    StartupForms forms;
    forms.store_password(QStringLiteral("Secret1"));
    ASSERT_FALSE(forms.start());
    EXPECT_TRUE(scripted_ui::endsProgram([&] { forms.getpass.Command2.userClick(); }));
    EXPECT_EQ(forms.main_shown, 0);
}

TEST(PasswordCheck, NoStoredPasswordHandsOverToSetpass)
{
    for (const bool empty_value : {false, true}) {
        StartupForms forms;
        if (empty_value)
            platform::REG_SetString(forms.registry(), HKEY_LOCAL_MACHINE, startup::program_key(),
                                    startup::password_value(), QString());
        ASSERT_FALSE(forms.start());
        ASSERT_EQ(forms.ui().messages().size(), 1u);
        EXPECT_EQ(forms.ui().messages()[0].style, 16);
        EXPECT_EQ(str(forms.ui().messages()[0].title), "Set a Password !");
        EXPECT_EQ(str(forms.ui().messages()[0].text),
                  "You haven't entered a password yet. Please enter now a secret password and keep it on a safe place.");
        EXPECT_FALSE(forms.getpass.isLoaded()) << "the prompt is never shown";
        EXPECT_TRUE(forms.setpass.isVisible());
        EXPECT_EQ(forms.main_shown, 0);
    }
}

// A password with key digits in place scrambles to characters of code 0; the hive keeps them, and the next
// start, reading the hive file afresh, accepts the password.
TEST(PasswordCheck, PasswordWithKeyDigitsInPlaceIsAcceptedAtTheNextStart)
{
    const QString password = QStringLiteral("61x0y");
    testsupport::TestProgram program;
    {
        int main_shown = 0;
        startup::SetPass setpass(program.context(), [&] { ++main_shown; });
        setpass.show();
        setpass.txt_newpw.userEdit(password);
        setpass.txt_wdh.userEdit(password);
        setpass.cmd_ok.userClick();
        ASSERT_EQ(main_shown, 1);
    }
    ASSERT_EQ(program.registry().flush_all(), 0);

    platform::Registry next_start(platform::registry_layout(program.machine()));
    const QString stored =
        platform::REG_GetString(next_start, HKEY_LOCAL_MACHINE, startup::program_key(), startup::password_value());
    EXPECT_EQ(stored, startup::pw_scramble(password, startup::password_key()));
    EXPECT_EQ(stored.size(), 5);
    EXPECT_EQ(stored[0], QChar(u'\0'));

    platform::Context context = program.context();
    platform::Context fresh{context.machine, next_start, context.files, context.processes, context.profile_strings,
                            context.ui, context.clock, context.tray, context.program};
    int main_shown = 0;
    startup::SetPass setpass(fresh, [&] { ++main_shown; });
    startup::GetPass getpass(fresh, setpass, [&] { ++main_shown; });
    getpass.show();
    ASSERT_TRUE(getpass.isVisible());
    getpass.txt_pw.userEdit(password);
    getpass.cmd_ok.userClick();
    EXPECT_EQ(main_shown, 1);
}

TEST(PasswordCheck, PromptDropsCharactersOutsideTheCodePage)
{
    StartupForms forms;
    forms.store_password(QStringLiteral("?bcdef"));
    ASSERT_FALSE(forms.start());
    forms.getpass.txt_pw.userEdit(QString::fromUtf8("\u03A9bcdef"));
    EXPECT_EQ(forms.getpass.txt_pw.text(), QStringLiteral("bcdef"));
    forms.getpass.cmd_ok.userClick();
    EXPECT_EQ(forms.main_shown, 0) << "\u03A9 must not pass for \"?\"";
}

struct NewPassword {
    const char* name;
    QString password;
    QString again;
    bool accepted;
    const char* refusal; // title of the refusal message
};

class SetPassword : public testing::TestWithParam<NewPassword> {};

TEST_P(SetPassword, StoresOnlyGoodPasswordsAndClearsBothBoxesOtherwise)
{
    const NewPassword& c = GetParam();
    StartupForms forms;
    forms.store_password(QStringLiteral("before"));
    forms.setpass.show();
    forms.setpass.txt_newpw.userEdit(c.password);
    forms.setpass.txt_wdh.userEdit(c.again);
    forms.setpass.cmd_ok.userClick();

    ASSERT_EQ(forms.ui().messages().size(), 1u);
    const auto& m = forms.ui().messages()[0];
    EXPECT_EQ(m.style, 64);
    if (c.accepted) {
        EXPECT_EQ(str(m.title), "Password...");
        EXPECT_EQ(str(m.text), "New Password was successfully saved.");
        EXPECT_EQ(forms.stored_password(), startup::pw_scramble(c.password, startup::password_key()));
        EXPECT_FALSE(forms.setpass.isLoaded());
        EXPECT_EQ(forms.main_shown, 1);
    } else {
        EXPECT_EQ(str(m.title), c.refusal);
        EXPECT_EQ(forms.stored_password(), startup::pw_scramble(QStringLiteral("before"), startup::password_key()));
        EXPECT_TRUE(forms.setpass.isVisible());
        EXPECT_EQ(forms.setpass.txt_newpw.text(), QString());
        EXPECT_EQ(forms.setpass.txt_wdh.text(), QString());
        EXPECT_TRUE(forms.setpass.txt_newpw.hasFocus());
        EXPECT_EQ(forms.main_shown, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SetPassword,
    testing::Values(
        NewPassword{"four_characters", QStringLiteral("abcd"), QStringLiteral("abcd"), false, "Sorry..."},
        NewPassword{"five_characters", QStringLiteral("abcde"), QStringLiteral("abcde"), true, ""},
        NewPassword{"fifteen_characters", QStringLiteral("abcdefghijklmno"), QStringLiteral("abcdefghijklmno"), true, ""},
        NewPassword{"sixteen_characters", QStringLiteral("abcdefghijklmnop"), QStringLiteral("abcdefghijklmnop"), false,
                    "Sorry..."},
        NewPassword{"differ_in_case", QStringLiteral("Secret1"), QStringLiteral("secret1"), false, "Sorry..."},
        NewPassword{"both_empty", QString(), QString(), false, "Sorry..."}),
    startup_tests::RowName());

TEST(SetPass, RefusalTextsTellLengthFromMismatch)
{
    StartupForms forms;
    forms.setpass.show();
    forms.setpass.txt_newpw.userEdit(QStringLiteral("abcdef"));
    forms.setpass.txt_wdh.userEdit(QStringLiteral("abcdeF"));
    forms.setpass.cmd_ok.userClick();
    forms.setpass.txt_newpw.userEdit(QStringLiteral("abc"));
    forms.setpass.txt_wdh.userEdit(QStringLiteral("abc"));
    forms.setpass.cmd_ok.userClick();
    ASSERT_EQ(forms.ui().messages().size(), 2u);
    EXPECT_EQ(str(forms.ui().messages()[0].text),
              "New Password and New Password (again) are not the same. Please try again !");
    EXPECT_EQ(str(forms.ui().messages()[1].text),
              "Password must be 5 or more characters long. The password must be 15 or less characters long. ");
}

TEST(SetPass, LoadSetsEnglishTextsAndClearsTheBoxesAtEachOpening)
{
    StartupForms forms;
    forms.setpass.show();
    EXPECT_EQ(str(forms.setpass.caption()), "Set New Password");
    EXPECT_EQ(str(forms.setpass.Label2.caption()), "New Password :");
    EXPECT_EQ(str(forms.setpass.Label3.caption()), "Password (again):");
    EXPECT_EQ(str(forms.setpass.cmd_abbrechen.caption()), "&Cancel");
    EXPECT_EQ(forms.setpass.txt_newpw.passwordChar(), QLatin1Char('*'));
    EXPECT_EQ(forms.setpass.txt_wdh.maxLength(), 20);
    forms.setpass.txt_newpw.userEdit(QStringLiteral("typed"));
    forms.setpass.cmd_abbrechen.userClick();
    forms.setpass.show();
    EXPECT_EQ(forms.setpass.txt_newpw.text(), QString());
}

TEST(SetPass, CancelAtTheFirstStartOpensTheMainWindowAndTheNextStartAsksAgain)
{
    StartupForms forms;
    ASSERT_FALSE(forms.start());
    ASSERT_TRUE(forms.setpass.isVisible());
    forms.setpass.txt_newpw.userEdit(QStringLiteral("abcdef"));
    forms.setpass.txt_wdh.userEdit(QStringLiteral("abcdef"));
    forms.setpass.cmd_abbrechen.userClick();
    EXPECT_EQ(forms.main_shown, 1);
    EXPECT_FALSE(forms.setpass.isLoaded());
    EXPECT_EQ(forms.stored_password(), QString());

    ASSERT_FALSE(forms.start());
    EXPECT_EQ(forms.titles(), (QStringList{QStringLiteral("Set a Password !"), QStringLiteral("Set a Password !")}));
}

TEST(SetPass, MissingProgramKeyIsMadeSoThePasswordIsStored)
{
    StartupForms forms;
    ASSERT_EQ(platform::REG_DeleteKeyRaw(forms.registry(), HKEY_LOCAL_MACHINE, startup::program_key()), 0);
    forms.setpass.show();
    forms.setpass.txt_newpw.userEdit(QStringLiteral("abcdef"));
    forms.setpass.txt_wdh.userEdit(QStringLiteral("abcdef"));
    forms.setpass.cmd_ok.userClick();
    EXPECT_EQ(forms.stored_password(), startup::pw_scramble(QStringLiteral("abcdef"), startup::password_key()));
    EXPECT_EQ(forms.main_shown, 1);
}

// Without the right to write the machine's keys nothing is stored, and the dialog says so instead of
// reporting success.
TEST(SetPass, StoreThatFailsIsReportedAndTheDialogStays)
{
    testsupport::ProgramOptions options;
    options.admin = false;
    StartupForms forms(options);
    forms.setpass.show();
    forms.setpass.txt_newpw.userEdit(QStringLiteral("abcdef"));
    forms.setpass.txt_wdh.userEdit(QStringLiteral("abcdef"));
    forms.setpass.cmd_ok.userClick();
    ASSERT_EQ(forms.ui().messages().size(), 1u);
    EXPECT_EQ(forms.ui().messages()[0].style, 16);
    EXPECT_EQ(str(forms.ui().messages()[0].text), "The new password could not be saved.");
    EXPECT_EQ(forms.stored_password(), QString());
    EXPECT_TRUE(forms.setpass.isVisible());
    EXPECT_EQ(forms.setpass.txt_newpw.text(), QString());
    EXPECT_EQ(forms.main_shown, 0);
}

} // namespace
