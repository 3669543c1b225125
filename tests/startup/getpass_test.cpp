#include "startup_fixture.h"

#include "platform/registry/machine_registry.h"

#include <QDir>
#include <QFile>

namespace {

using platform::HKEY_CURRENT_USER;
using platform::HKEY_LOCAL_MACHINE;
using startup_tests::StartupForms;
using startup_tests::str;

const QString uninstall_key = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Gatrisk 2002");

testsupport::ProgramOptions with_arguments(QStringList arguments)
{
    testsupport::ProgramOptions options;
    options.arguments = std::move(arguments);
    return options;
}

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    bool uninstall_notice;
};

class CommandLine : public testing::TestWithParam<CommandLineCase> {};

// Only the exact switches count; anything else starts the program normally, at the password prompt.
TEST_P(CommandLine, StartsAtThePasswordPrompt)
{
    StartupForms forms(with_arguments(GetParam().arguments));
    forms.store_password(QStringLiteral("secret1"));
    ASSERT_FALSE(forms.start());
    EXPECT_TRUE(forms.getpass.isVisible());
    EXPECT_EQ(forms.titles().contains(QStringLiteral("How to uninstall ?")), GetParam().uninstall_notice);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, CommandLine,
    testing::Values(CommandLineCase{"none", {}, false},
                    CommandLineCase{"icon_upper_case", {QStringLiteral("/ICON")}, false},
                    CommandLineCase{"icon_with_blank", {QStringLiteral("/icon ")}, false},
                    CommandLineCase{"icon_and_more", {QStringLiteral("/icon"), QStringLiteral("x")}, false},
                    CommandLineCase{"uninstall", {QStringLiteral("/uninstall")}, true},
                    CommandLineCase{"uninstall_mixed_case", {QStringLiteral("/Uninstall")}, false}),
    startup_tests::RowName());

TEST(StartUp, UninstallNoticeComesBeforeThePrompt)
{
    StartupForms forms(with_arguments({QStringLiteral("/uninstall")}));
    forms.store_password(QStringLiteral("secret1"));
    ASSERT_FALSE(forms.start());
    ASSERT_EQ(forms.ui().messages().size(), 1u);
    const auto& m = forms.ui().messages()[0];
    EXPECT_EQ(m.style, 64);
    EXPECT_EQ(str(m.text), "To uninstall this program type in your password and select the menu File/Uninstall.");
    EXPECT_TRUE(forms.getpass.isVisible());
}

TEST(StartUp, PromptShowsItsEnglishTextsAndAnEmptyMaskedField)
{
    StartupForms forms;
    forms.store_password(QStringLiteral("secret1"));
    forms.getpass.txt_pw.setText(QStringLiteral("left over"));
    ASSERT_FALSE(forms.start());
    EXPECT_TRUE(forms.ui().messages().empty());
    EXPECT_EQ(str(forms.getpass.caption()), "Enter Password Please !");
    EXPECT_EQ(str(forms.getpass.Label1.caption()), "Enter your password:");
    EXPECT_EQ(str(forms.getpass.Command2.caption()), "&Cancel");
    EXPECT_EQ(str(forms.getpass.cmd_ok.caption()), "&OK");
    EXPECT_EQ(forms.getpass.txt_pw.text(), QString());
    EXPECT_EQ(forms.getpass.txt_pw.passwordChar(), QLatin1Char('*'));
    EXPECT_EQ(forms.getpass.txt_pw.maxLength(), 20);
    EXPECT_TRUE(forms.getpass.txt_pw.enabled());
    EXPECT_FALSE(forms.setpass.isLoaded());
    EXPECT_EQ(forms.main_shown, 0);
}

TEST(StartUp, WritesTheUninstallEntryWithTheQuotedProgramPath)
{
    StartupForms forms;
    forms.store_password(QStringLiteral("secret1"));
    platform::REG_SetString(forms.registry(), HKEY_LOCAL_MACHINE, uninstall_key, QStringLiteral("UninstallString"),
                            QStringLiteral("old"));
    ASSERT_FALSE(forms.start());
    const QString folder = forms.program.context().program.folder;
    EXPECT_EQ(platform::REG_GetString(forms.registry(), HKEY_LOCAL_MACHINE, uninstall_key,
                                      QStringLiteral("UninstallString")),
              QStringLiteral("\"") + folder + QStringLiteral("\\GATR2002.exe\" /uninstall"));
}

TEST(StartUp, UninstallEntryIsNotWrittenWithoutItsKey)
{
    StartupForms forms;
    forms.store_password(QStringLiteral("secret1"));
    ASSERT_EQ(platform::REG_DeleteKeyRaw(forms.registry(), HKEY_LOCAL_MACHINE, uninstall_key), 0);
    ASSERT_FALSE(forms.start());
    platform::Variant value;
    EXPECT_EQ(platform::REG_QueryValueRaw(forms.registry(), HKEY_LOCAL_MACHINE, uninstall_key,
                                          QStringLiteral("UninstallString"), value),
              2)
        << "the key must not be made";
    EXPECT_TRUE(forms.ui().messages().empty());
}

TEST(StartUp, MissingHelperEndsTheProgramAfterTheUninstallEntryBeforeAnyPassword)
{
    testsupport::ProgramOptions options;
    options.install_regg = false;
    StartupForms forms(options);
    ASSERT_EQ(platform::REG_SetString(forms.registry(), HKEY_LOCAL_MACHINE, uninstall_key,
                                      QStringLiteral("UninstallString"), QStringLiteral("old")),
              0);
    EXPECT_TRUE(forms.start());
    ASSERT_EQ(forms.ui().messages().size(), 1u);
    const auto& m = forms.ui().messages()[0];
    EXPECT_EQ(m.style, 16);
    EXPECT_EQ(str(m.title), "Required files are missing. Run Setup again !");
    EXPECT_EQ(str(m.text), "Some files required by this program are missing. Please run Setup again. (REGG.EXE)");
    EXPECT_NE(platform::REG_GetString(forms.registry(), HKEY_LOCAL_MACHINE, uninstall_key,
                                      QStringLiteral("UninstallString")),
              QStringLiteral("old"));
    EXPECT_FALSE(forms.getpass.isVisible());
    EXPECT_FALSE(forms.setpass.isLoaded());
}

TEST(StartUp, EmptyHelperCountsAsMissingAndIsRemoved)
{
    testsupport::ProgramOptions options;
    options.install_regg = false;
    StartupForms forms(options);
    const QString regg = forms.program.host(forms.program.context().program.folder + QStringLiteral("\\regg.exe"));
    QFile empty(regg);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_TRUE(forms.start());
    EXPECT_FALSE(QFile::exists(regg));
}

struct AdminCase {
    const char* name;
    platform::SampleSystem system;
    bool admin;
    bool warned;
};

class AdminWarning : public testing::TestWithParam<AdminCase> {};

TEST_P(AdminWarning, OnlyNonAdministratorsOfTheNtFamilyAreWarnedAndGoOn)
{
    testsupport::ProgramOptions options;
    options.system = GetParam().system;
    options.admin = GetParam().admin;
    StartupForms forms(options);
    forms.store_password_as_admin(QStringLiteral("secret1"));
    ASSERT_FALSE(forms.start());
    EXPECT_EQ(forms.titles().contains(QStringLiteral("Admin privileges required !")), GetParam().warned);
    EXPECT_TRUE(forms.getpass.isVisible()) << "the warning only informs";
    if (GetParam().warned) {
        const auto& m = forms.ui().messages().back();
        EXPECT_EQ(m.style, 16);
        EXPECT_EQ(str(m.text), "You need Administrator privileges/rights to run this program correctly.  "
                               "Please login as admin and start this program again.");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Systems, AdminWarning,
    testing::Values(AdminCase{"xp_admin", platform::SampleSystem::winxp, true, false},
                    AdminCase{"xp_not_admin", platform::SampleSystem::winxp, false, true},
                    AdminCase{"nt4_not_admin", platform::SampleSystem::nt4, false, true},
                    AdminCase{"win98_not_admin", platform::SampleSystem::win98, false, false}),
    startup_tests::RowName());

} // namespace
