#include "policy/operations.h"
#include "policy/save_refused.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

using namespace policy_tests;

namespace {

const QString E = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");

void tick_and_save(Window& w)
{
    w.tick_all(true);
    w.form.List1.addItem(QStringLiteral("CALC.EXE"));
    w.form.lv1.setChecked(1, true);
    policy::REG_Save32(w.engine);
}

TEST(DeinstallRegistry, SwitchesTheRestrictionsOffAndLeavesTheRest)
{
    Window w;
    tick_and_save(w);
    policy::Deinstall_Registry(w.engine, pupil);
    const HiveView hive = w.branch();

    for (int n : {11, 12, 13, 14, 15, 16, 17, 18, 19, 110, 21, 22, 23, 24, 25, 26, 27, 28, 29, 210, 31, 32, 33, 34,
                  35, 36, 37, 38, 63, 64, 65, 66, 67, 68, 69, 610, 91, 92, 93, 94, 95, 96, 97, 98, 99})
        EXPECT_EQ(hive.dword(w.engine.KP[static_cast<std::size_t>(n)], w.engine.VN[static_cast<std::size_t>(n)]), 0u)
            << "restriction " << n;
    EXPECT_EQ(hive.dword(E, QStringLiteral("RestrictRun")), 0u);
    EXPECT_EQ(hive.dword(E, QStringLiteral("NoDrives")), 0u);
    EXPECT_EQ(hive.text(QStringLiteral("Control Panel\\Sound"), QStringLiteral("Beep")), QStringLiteral("Yes"));

    // Not the reset's business.
    EXPECT_EQ(hive.dword(E, QStringLiteral("NoControlPanel")), 1u);
    EXPECT_EQ(hive.dword(E, QStringLiteral("FixedLNK")), 1u);
    EXPECT_EQ(hive.dword(E, QStringLiteral("ForceClassicControlPanel")), 1u);
    EXPECT_EQ(hive.dword(QStringLiteral("Software\\Policies\\Microsoft\\Windows\\System"), QStringLiteral("DisableCMD")), 1u);
    EXPECT_EQ(hive.dword(E + QStringLiteral("\\Hide"), QStringLiteral("C")), 1u);
    EXPECT_EQ(hive.dword(E + QStringLiteral("\\RestrictRun"), QStringLiteral("Gesamt")), 2u);
    EXPECT_EQ(hive.text(QStringLiteral("Control Panel\\don't load"), QStringLiteral("ACCESS.CPL")), QStringLiteral("No"));
    EXPECT_TRUE(hive.has_value(QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run"), QStringLiteral("System")));
    EXPECT_TRUE(w.program.ui().messages().empty());
}

TEST(DeinstallRegistry, AnAccountNotMountedGetsTheMessageAndNothingElse)
{
    Window w({.mount = false});
    policy::Deinstall_Registry(w.engine, pupil);
    ASSERT_EQ(w.program.ui().messages().size(), 1u);
    EXPECT_EQ(w.program.ui().messages()[0].style, 16);
    EXPECT_EQ(w.program.ui().messages()[0].title, QStringLiteral("Could not save settings..."));
    EXPECT_FALSE(w.branch().has_value(E, QStringLiteral("NoLogOff")));
    EXPECT_FALSE(HiveView::read(w.program.account_hive(QStringLiteral("Administrator"))).has_value(E, QStringLiteral("NoLogOff")));
}

TEST(DeinstallRegistry, Windows98WritesTheCurrentUserWhateverTheName)
{
    Window w({.system = platform::SampleSystem::win98});
    w.form.c12.setValue(1);
    policy::REG_Save32(w.engine);
    policy::Deinstall_Registry(w.engine, QStringLiteral("nobody"));
    const HiveView hive = w.branch();
    EXPECT_EQ(hive.dword(E, QStringLiteral("NoLogOff")), 0u);
    EXPECT_TRUE(w.program.ui().messages().empty());
}

TEST(SaveRefused, TheGermanTextNamesTheAccountWhenGiven)
{
    scripted_ui::ScriptedUi ui;
    policy::show_save_refused(ui, 0, QStringLiteral("pupil"));
    policy::show_save_refused(ui, 0);
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("Kann Einschr\u00e4nkung nicht setzen..."));
    EXPECT_TRUE(ui.messages()[0].text.startsWith(
        QStringLiteral("Ihre \u00c4nderungen k\u00f6nnen nicht f\u00fcr den Benutzer pupil gesetzt werden. Stellen Sie")));
    EXPECT_TRUE(ui.messages()[1].text.startsWith(
        QStringLiteral("Ihre \u00c4nderungen k\u00f6nnen nicht f\u00fcr den Benutzer gesetzt werden. Stellen Sie")));
    EXPECT_TRUE(ui.messages()[1].text.endsWith(QStringLiteral("starten dieses Programm erneut.")));
    EXPECT_EQ(ui.messages()[1].style, 16);
}

} // namespace
