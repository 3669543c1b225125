// The program's start with its windows, as app/main.cpp makes them: the prompt's window first, the main
// window once the password is right, one window per form, and the end when the last form has gone.

#include "tests/main_window/main_window_fixture.h"
#include "tests/main_window/qt_application.h"

#include "app/form_renderers.h"
#include "startup/program_key.h"
#include "startup/pw_scramble.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using main_window_tests::Program;

struct Windows {
    Windows()
    {
        startup::StartupForms& f = forms();
        for (controls::Form* form : std::initializer_list<controls::Form*>{
                 &program.window, &f.getpass, &f.setpass, &f.verzeichnis, &f.update, &f.profile})
            renderers.follow(*form);
    }
    startup::StartupForms& forms() { return program.window.startup_forms(); }
    void store_password(const QString& plain)
    {
        program.set_text(platform::HKEY_LOCAL_MACHINE, startup::program_key(), startup::password_value(),
                         startup::pw_scramble(plain, startup::password_key()));
    }
    bool save(QWidget* window, const QString& name)
    {
        QTest::qWait(20);
        return window->grab().save(QDir(QStringLiteral(GATRISK_BUILD_DIR)).filePath(name));
    }

    QApplication& application = main_window_tests::app(); // before any widget
    Program program;
    int ends = 0;
    app::FormRenderers renderers{[this] { ++ends; }};
};

TEST(ProgramWindows, ThePromptHandsOverToTheMainWindowWithoutEnding)
{
    Windows w;
    w.store_password(QStringLiteral("secret1"));
    ASSERT_FALSE(w.program.ends([&w] { w.forms().getpass.show(); }));
    qtui::FormWindow* prompt = w.renderers.windowOf(w.forms().getpass);
    ASSERT_NE(prompt, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(prompt));
    EXPECT_EQ(prompt->windowTitle(), QStringLiteral("Enter Password Please !"));
    EXPECT_EQ(w.renderers.windowOf(w.program.window), nullptr);
    EXPECT_TRUE(w.save(prompt, QStringLiteral("getpass_window.png")));

    w.forms().getpass.txt_pw.setText(QStringLiteral("secret1"));
    ASSERT_FALSE(w.program.ends([&w] { w.forms().getpass.cmd_ok.userClick(); })) << w.program.transcript().toStdString();
    QTest::qWait(20);

    qtui::FormWindow* main = w.renderers.windowOf(w.program.window);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_EQ(w.ends, 0);

    // The prompt again from the developer menu comes back in its own window.
    w.forms().getpass.show();
    EXPECT_EQ(w.renderers.windowOf(w.forms().getpass), prompt);
    EXPECT_TRUE(prompt->isVisible());
}

TEST(ProgramWindows, ClosingThePromptEndsTheProgram)
{
    Windows w;
    w.store_password(QStringLiteral("secret1"));
    ASSERT_FALSE(w.program.ends([&w] { w.forms().getpass.show(); }));
    ASSERT_NE(w.renderers.windowOf(w.forms().getpass), nullptr);
    w.renderers.windowOf(w.forms().getpass)->close();
    QTest::qWait(20);
    EXPECT_FALSE(w.forms().getpass.isLoaded());
    EXPECT_EQ(w.ends, 1);
}

TEST(ProgramWindows, WithoutAPasswordTheSetPasswordWindowComesFirst)
{
    Windows w;
    ASSERT_FALSE(w.program.ends([&w] { w.forms().getpass.show(); }));
    QTest::qWait(20);
    EXPECT_EQ(w.renderers.windowOf(w.forms().getpass), nullptr);
    qtui::FormWindow* setpass = w.renderers.windowOf(w.forms().setpass);
    ASSERT_NE(setpass, nullptr);
    EXPECT_TRUE(setpass->isVisible());
    EXPECT_EQ(w.ends, 0);
}

} // namespace
