// The program's start as its forms run it: the password prompt first, then the main window with its load.

#include "tests/main_window/main_window_fixture.h"

#include "startup/program_key.h"
#include "startup/pw_scramble.h"

#include <gtest/gtest.h>

namespace {

using main_window_tests::Program;
using platform::HKEY_LOCAL_MACHINE;

struct Start : Program {
    using Program::Program;

    startup::StartupForms& forms() { return window.startup_forms(); }
    void store_password(const QString& plain)
    {
        set_text(HKEY_LOCAL_MACHINE, startup::program_key(), startup::password_value(),
                 startup::pw_scramble(plain, startup::password_key()));
    }
    // The program's first window; true when its load ended the program.
    bool start() { return ends([this] { forms().getpass.show(); }); }
    bool type_password(const QString& text)
    {
        forms().getpass.txt_pw.setText(text);
        return ends([this] { forms().getpass.cmd_ok.userClick(); });
    }
};

TEST(Start, TheRightPasswordOpensTheLoadedMainWindow)
{
    Start p;
    p.store_password(QStringLiteral("secret1"));
    ASSERT_FALSE(p.start());
    EXPECT_TRUE(p.forms().getpass.isVisible());
    EXPECT_FALSE(p.window.isLoaded());

    ASSERT_FALSE(p.type_password(QStringLiteral("secret1"))) << p.transcript().toStdString();

    EXPECT_FALSE(p.forms().getpass.isLoaded());
    EXPECT_TRUE(p.window.isVisible());
    EXPECT_GT(p.window.Combo_user.listCount(), 0);
    EXPECT_EQ(p.window.Combo_user.text(), QStringLiteral("Administrator"));
    EXPECT_TRUE(p.messages().empty()) << p.transcript().toStdString();
}

TEST(Start, AWrongPasswordKeepsTheMainWindowClosed)
{
    Start p;
    p.store_password(QStringLiteral("secret1"));
    ASSERT_FALSE(p.start());
    ASSERT_FALSE(p.type_password(QStringLiteral("Secret1")));
    EXPECT_FALSE(p.window.isLoaded());
    EXPECT_TRUE(p.forms().getpass.isVisible());
    ASSERT_EQ(p.messages().size(), 1u);
    EXPECT_EQ(p.messages()[0].title, QStringLiteral("Incorrect Password..."));
}

TEST(Start, WithoutAPasswordTheSetPasswordDialogLeadsToTheMainWindow)
{
    Start p;
    ASSERT_FALSE(p.start());
    EXPECT_FALSE(p.forms().getpass.isLoaded());
    EXPECT_TRUE(p.forms().setpass.isVisible());
    EXPECT_FALSE(p.window.isLoaded());

    ASSERT_FALSE(p.ends([&p] { p.forms().setpass.cmd_abbrechen.userClick(); }));

    EXPECT_FALSE(p.forms().setpass.isLoaded());
    EXPECT_TRUE(p.window.isVisible());
    EXPECT_GT(p.window.lv1.count(), 0);
}

TEST(Start, CancelAtThePromptEndsBeforeTheMainWindow)
{
    Start p;
    p.store_password(QStringLiteral("secret1"));
    ASSERT_FALSE(p.start());
    EXPECT_TRUE(p.ends([&p] { p.forms().getpass.Command2.userClick(); }));
    EXPECT_FALSE(p.window.isLoaded());
}

TEST(Start, OnlineUpdateOpensFromTheHelpMenu)
{
    Start p;
    ASSERT_FALSE(p.load());
    p.window.mm55.userClick();
    EXPECT_TRUE(p.forms().update.isVisible());
}

} // namespace
