#include "policy/click_reactions.h"
#include "policy/ie_restrictions.h"
#include "policy/own_settings_write.h"

#include "platform/accounts/account_lookup.h"
#include "tests/accounts/own_window.h"
#include "tests/accounts/qt_print.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace accounts_tests;
using platform::HKEY_CURRENT_USER;
using platform::HKEY_LOCAL_MACHINE;
using platform::HKEY_USERS;
using platform::SampleSystem;

namespace {

const QString program_key = "Software\\Brekund\\G2002";

TEST(OwnCensorList, SavedEmptyRemovesTheKeyAndKeepsTheSwitch)
{
    OwnWindow w;
    w.set_text(HKEY_CURRENT_USER, restrict_run_key, " 0", "OLD.EXE");
    w.form.c41.setValue(1);
    policy::settings_save_restrict(w.engine);
    EXPECT_FALSE(w.key_exists(HKEY_CURRENT_USER, restrict_run_key));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "RestrictRun"), dword(1));
}

TEST(OwnCensorList, SavedEntriesAreTextsWithTheirCountAsText)
{
    OwnWindow w;
    w.set_text(HKEY_CURRENT_USER, restrict_run_key, " 5", "OLD.EXE");
    for (const char* name : {"GATR2002.EXE", "WINWORD.EXE", "calc.exe"})
        w.form.List1.addItem(name);
    policy::settings_save_restrict(w.engine);
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, restrict_run_key, " 0"), text("GATR2002.EXE"));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, restrict_run_key, " 1"), text("WINWORD.EXE"));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, restrict_run_key, " 2"), text("calc.exe"));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, restrict_run_key, "Gesamt"), text("3"));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, restrict_run_key, " 5"), platform::Variant());
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "RestrictRun"), dword(0));
}

TEST(OwnCensorList, ReadAppendsToTheListEachTime)
{
    OwnWindow w;
    w.form.List1.addItem("KEPT.EXE");
    w.set_text(HKEY_CURRENT_USER, restrict_run_key, "Gesamt", "3");
    w.set_text(HKEY_CURRENT_USER, restrict_run_key, " 0", "A.EXE");
    w.set_text(HKEY_CURRENT_USER, restrict_run_key, " 2", "C.EXE");
    w.form.c41.setValue(1);

    policy::settings_get_restrict(w.engine);
    EXPECT_EQ(w.form.List1.entries(), QStringList({"KEPT.EXE", "A.EXE", "", "C.EXE", "GATR2002.EXE"}));
    EXPECT_EQ(w.form.c41.value(), 1); // no "RestrictRun": the box keeps its state

    w.set_dword(HKEY_CURRENT_USER, explorer_key, "RestrictRun", 0);
    policy::settings_get_restrict(w.engine);
    EXPECT_EQ(w.form.List1.entries(),
              QStringList({"KEPT.EXE", "A.EXE", "", "C.EXE", "GATR2002.EXE", "A.EXE", "", "C.EXE"}));
    EXPECT_EQ(w.form.c41.value(), 0);
}

TEST(OwnCensorList, TickFromTheStoredSwitchAddsNoSecondProgramEntry)
{
    OwnWindow w;
    policy::attach_click_reactions(w.form); // ticking c41 puts the program's own file into the list
    w.set_text(HKEY_CURRENT_USER, restrict_run_key, "Gesamt", "1");
    w.set_text(HKEY_CURRENT_USER, restrict_run_key, " 0", "A.EXE");
    w.set_dword(HKEY_CURRENT_USER, explorer_key, "RestrictRun", 1);
    policy::settings_get_restrict(w.engine);
    EXPECT_EQ(w.form.List1.entries(), QStringList({"A.EXE", "GATR2002.EXE"}));
    EXPECT_EQ(w.form.c41.value(), 1);
}

TEST(OwnCensorList, CountFarBeyondTheListStopsWhenTheListIsFull)
{
    OwnWindow w;
    w.set_text(HKEY_CURRENT_USER, restrict_run_key, "Gesamt", "4000000000");
    w.set_dword(HKEY_CURRENT_USER, explorer_key, "RestrictRun", 7);
    w.form.c41.setValue(1);
    policy::settings_get_restrict(w.engine);
    EXPECT_EQ(w.form.List1.listCount(), 32767);
    EXPECT_EQ(w.form.c41.value(), 1); // 7 is no state of a check box
}

TEST(OwnDrives, MaskAndLetters)
{
    OwnWindow w;
    platform::REG_CreateKey(w.registry(), HKEY_CURRENT_USER, hide_key);
    w.form.d_c.setValue(1);
    w.form.d_d.setValue(1);
    policy::settings_save_drives(w.engine);
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoDrives"), dword(12));
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        EXPECT_EQ(w.stored(HKEY_CURRENT_USER, hide_key, QString(QChar(letter))),
                  dword(letter == 'C' || letter == 'D' ? 1 : 0))
            << letter;
}

TEST(OwnDrives, WithoutTheHideKeyOnlyTheMaskIsWritten)
{
    OwnWindow w;
    w.form.d_z.setValue(1);
    policy::settings_save_drives(w.engine);
    EXPECT_FALSE(w.key_exists(HKEY_CURRENT_USER, hide_key));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoDrives"), dword(33554432));
}

TEST(OwnInternetExplorer, SetWritesTheRunningAccountsValue)
{
    OwnWindow w;
    policy::ie_set_restriction(w.program.context(), "NoPrinting", "1");
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, ie_key, "NoPrinting"), dword(1));
    EXPECT_TRUE(w.key_exists(HKEY_CURRENT_USER, "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel"));
    policy::ie_set_restriction(w.program.context(), "NoPrinting", "0");
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, ie_key, "NoPrinting"), dword(0));
}

class OwnSave : public testing::Test {
protected:
    // The running account chosen: its branch under HKEY_USERS is HKEY_CURRENT_USER, so the keys made below
    // its identifier are those the values are written into.
    explicit OwnSave(SampleSystem system = SampleSystem::winxp) : w(on(system))
    {
        w.form.Combo_user.setText("Administrator");
        platform::GET_SIDS(w.registry(), w.program.ui(), w.engine.SidList, w.engine.SidUser);
    }
    OwnWindow w;
    platform::SystemParameters desktop{w.registry()};
};

TEST_F(OwnSave, SettingsPagesBoxAndTaskbarBox)
{
    w.form.c16.setValue(1);
    w.form.c31.setValue(0);
    w.form.c32.setValue(1);
    w.form.c12.setValue(1);
    w.form.c23.setValue(1);
    policy::settings_save(w.engine, desktop);
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoControlPanel"), dword(1));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoSetFolders"), dword(1));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoSetTaskbar"), dword(0));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoDispCpl"), dword(1));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoLogOff"), dword(1));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoClose"), dword(0));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, ie_key, "NoBrowserOptions"), dword(1));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, ie_key, "NoPrinting"), dword(0));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, system_key, "DisableRegistryTools"), dword(0));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, network_key, "NoNetSetup"), dword(0));
    EXPECT_TRUE(w.messages().empty()) << w.program.ui().transcript().join("\n").toStdString();
}

TEST_F(OwnSave, ValuesWithoutControlsAndTheRegisteredNames)
{
    w.form.c95.setValue(1);
    w.form.t81.setText("Gymnasium");
    w.form.t82.setText("Hausmeister");
    policy::settings_save(w.engine, desktop);
    EXPECT_EQ(w.stored(HKEY_LOCAL_MACHINE, program_key, "PWHide"), dword(1));
    EXPECT_EQ(w.stored(HKEY_LOCAL_MACHINE, program_key, "Trayicon"), dword(0));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoWindowsUpdate"), dword(1));
    const QString nt = "Software\\Microsoft\\Windows NT\\CurrentVersion";
    EXPECT_EQ(w.stored(HKEY_LOCAL_MACHINE, nt, "RegisteredOrganization"), text("Gymnasium"));
    EXPECT_EQ(w.stored(HKEY_LOCAL_MACHINE, nt, "RegisteredOwner"), text("Hausmeister"));

    w.form.c95.setValue(0);
    policy::settings_save(w.engine, desktop);
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoWindowsUpdate"), dword(0));
}

TEST_F(OwnSave, WallpaperUntickedLeavesItsNamesAlone)
{
    w.set_text(HKEY_CURRENT_USER, explorer_key, "WallpaperName", "C:\\alt.bmp");
    policy::settings_save(w.engine, desktop);
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "FixedWallpaper"), dword(0));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "WallpaperName"), text("C:\\alt.bmp"));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, desktop_key, "Wallpaper"), text("C:\\WINDOWS\\Web\\Wallpaper\\Bliss.bmp"));
    EXPECT_TRUE(desktop.calls().empty());

    w.form.c37.setValue(1);
    w.form.t31.setText(QString::fromUtf8("C:\\Bilder\\Grüße.bmp"));
    policy::settings_save(w.engine, desktop);
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "FixedWallpaper"), dword(1));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "WallpaperName"), text("C:\\Bilder\\Grüße.bmp"));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, desktop_key, "Wallpaper"), text("C:\\Bilder\\Grüße.bmp"));
    // The running account's desktop is told at once, and the change stored in its profile.
    EXPECT_EQ(desktop.calls(), (std::vector<platform::SystemParametersCall>{
                                   {platform::SPI_SETDESKWALLPAPER, 0, "C:\\Bilder\\Gr\xfc\xdf" "e.bmp", 3}}));
}

TEST_F(OwnSave, FindBoxShowsItsPathAndWritesBelowTheChosenAccount)
{
    ASSERT_TRUE(w.program.mount("pupil"));
    w.form.Combo_user.setText("pupil");
    w.form.c14.setValue(1);
    policy::settings_save(w.engine, desktop);
    ASSERT_EQ(w.messages().size(), 1u);
    EXPECT_EQ(w.messages()[0].style, 64);
    EXPECT_EQ(w.messages()[0].title, "Registry-Pfad");
    EXPECT_EQ(w.messages()[0].text, "pupil\\" + explorer_key + "NoFind");
    EXPECT_EQ(w.stored(HKEY_USERS, "pupil\\" + explorer_key, "NoFind"), dword(1));
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoFind"), platform::Variant());
}

TEST_F(OwnSave, NoBootFileIsMadeWhereThereIsNone)
{
    w.form.c61.setValue(1);
    policy::settings_save(w.engine, desktop);
    EXPECT_FALSE(QFile::exists(w.program.host("C:\\MSDOS.SYS")));
}

TEST_F(OwnSave, AccountWithoutIdentifierIsTold)
{
    w.form.Combo_user.setText("Gast");
    policy::settings_save(w.engine, desktop);
    ASSERT_EQ(w.messages().size(), 1u);
    EXPECT_EQ(w.messages()[0].text, "SID not found.");
    EXPECT_EQ(w.stored(HKEY_CURRENT_USER, explorer_key, "NoClose"), dword(0)); // the save goes on
}

class OwnSaveOn98 : public OwnSave {
protected:
    OwnSaveOn98() : OwnSave(SampleSystem::win98) {}
    QString boot_file()
    {
        QFile f(w.program.host("C:\\MSDOS.SYS"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }
};

TEST_F(OwnSaveOn98, BootOptionsAndThe9xNames)
{
    w.form.c61.setValue(1);
    w.form.t82.setText("Lehrer");
    policy::settings_save(w.engine, desktop);
    EXPECT_TRUE(boot_file().contains("Autoscan=0\r\n"));
    EXPECT_FALSE(boot_file().contains("Bootkeys"));
    EXPECT_EQ(w.program.context().files.get_attr("C:\\MSDOS.SYS").value, 0u);
    EXPECT_EQ(w.stored(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner"),
              text("Lehrer"));
    EXPECT_TRUE(w.messages().empty());

    w.form.c61.setValue(0);
    w.form.c62.setValue(1);
    policy::settings_save(w.engine, desktop);
    EXPECT_FALSE(boot_file().contains("Autoscan="));
    EXPECT_TRUE(boot_file().contains("Bootkeys=0\r\n"));
}

} // namespace
