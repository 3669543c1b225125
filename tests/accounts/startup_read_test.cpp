#include "policy/click_reactions.h"
#include "policy/drive_probe.h"
#include "policy/ie_restrictions.h"
#include "policy/older_version.h"
#include "policy/own_settings_read.h"

#include "platform/vb_files.h"
#include "tests/accounts/own_window.h"
#include "tests/accounts/qt_print.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace accounts_tests;
using platform::HKEY_CURRENT_USER;
using platform::HKEY_LOCAL_MACHINE;
using platform::SampleSystem;
using Box = controls::CheckBox mainwindow::MainForm::*;
using mainwindow::MainForm;

namespace {

// The boxes that the start-up read decides, and those it leaves alone.
const Box read_boxes[] = {&MainForm::c11, &MainForm::c12, &MainForm::c13, &MainForm::c14, &MainForm::c16,
                          &MainForm::c17, &MainForm::c18, &MainForm::c19, &MainForm::c110, &MainForm::c21,
                          &MainForm::c22, &MainForm::c23, &MainForm::c24, &MainForm::c25, &MainForm::c26,
                          &MainForm::c27, &MainForm::c28, &MainForm::c29, &MainForm::c210, &MainForm::c31,
                          &MainForm::c32, &MainForm::c33, &MainForm::c34, &MainForm::c35, &MainForm::c36,
                          &MainForm::c37, &MainForm::c38, &MainForm::c61, &MainForm::c62, &MainForm::c63,
                          &MainForm::c64, &MainForm::c65, &MainForm::c66, &MainForm::c67, &MainForm::c68,
                          &MainForm::c69, &MainForm::c610, &MainForm::c95};
const Box kept_boxes[] = {&MainForm::c15, &MainForm::c39, &MainForm::c41, &MainForm::c90, &MainForm::c91,
                          &MainForm::c93, &MainForm::c94, &MainForm::c96, &MainForm::c98, &MainForm::c99};

QByteArray bitmap()
{
    QByteArray bytes("BM");
    bytes += QByteArray(64, '\0');
    return bytes;
}

TEST(StartupRead, AccountWithoutValuesUnticksAndShowsTheMachinesNames)
{
    OwnWindow w;
    for (Box b : read_boxes)
        (w.form.*b).setValue(1);
    for (Box b : kept_boxes)
        (w.form.*b).setValue(1);

    policy::settings_get(w.engine);

    for (Box b : read_boxes)
        EXPECT_EQ((w.form.*b).value(), 0) << (w.form.*b).name().toStdString();
    for (Box b : kept_boxes)
        EXPECT_EQ((w.form.*b).value(), 1) << (w.form.*b).name().toStdString();
    EXPECT_EQ(w.form.t31.text(), "C:\\WINDOWS\\Web\\Wallpaper\\Bliss.bmp");
    EXPECT_EQ(w.form.t81.text(), "Musterschule");
    EXPECT_EQ(w.form.t82.text(), "Administrator");
    EXPECT_TRUE(w.messages().empty());
    // The Internet Explorer policy keys are there afterwards.
    EXPECT_TRUE(w.key_exists(HKEY_CURRENT_USER, "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel"));
    EXPECT_TRUE(w.key_exists(HKEY_CURRENT_USER, ie_key));
    // No boot file appears on a system that has none.
    EXPECT_FALSE(QFile::exists(w.program.host("C:\\MSDOS.SYS")));
}

struct ValueRow {
    const char* name;
    const QString* key;
    const char* value_name;
    platform::Variant stored;
    Box box;
    int expected;
};

class StartupValue : public testing::TestWithParam<ValueRow> {};

TEST_P(StartupValue, DecidesItsBox)
{
    const ValueRow& r = GetParam();
    OwnWindow w;
    (w.form.*r.box).setValue(r.expected == 1 ? 0 : 1);
    if (r.stored.is_int())
        w.set_dword(HKEY_CURRENT_USER, *r.key, r.value_name, r.stored.int_value());
    else
        w.set_text(HKEY_CURRENT_USER, *r.key, r.value_name, r.stored.text_value());

    policy::settings_get(w.engine);

    EXPECT_EQ((w.form.*r.box).value(), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StartupValue,
    testing::Values(ValueRow{"NameInOtherCase", &explorer_key, "NoChangeStartMenu", dword(1), &MainForm::c110, 1},
                    ValueRow{"ExplorerTwo", &explorer_key, "NoClose", dword(2), &MainForm::c11, 0},
                    ValueRow{"ExplorerTextOne", &explorer_key, "NoClose", text("1"), &MainForm::c11, 1},
                    ValueRow{"ExplorerTextYes", &explorer_key, "NoRun", text("yes"), &MainForm::c13, 0},
                    ValueRow{"InternetTwo", &ie_key, "NoPrinting", dword(2), &MainForm::c29, 1},
                    ValueRow{"InternetAllBits", &ie_key, "NoPrinting", dword(-1), &MainForm::c29, 1},
                    ValueRow{"InternetTextZero", &ie_key, "NoPrinting", text("0"), &MainForm::c29, 0},
                    ValueRow{"InternetTextThree", &ie_key, "NoBrowserClose", text("3"), &MainForm::c210, 1},
                    ValueRow{"DisplayInSystemKey", &system_key, "NoDispCpl", dword(1), &MainForm::c32, 1},
                    ValueRow{"DisplayInExplorerKey", &explorer_key, "NoDispCpl", dword(1), &MainForm::c32, 0},
                    ValueRow{"RegistryTools", &system_key, "DisableRegistryTools", dword(1), &MainForm::c38, 1},
                    ValueRow{"WindowsUpdate", &explorer_key, "NoWindowsUpdate", dword(1), &MainForm::c95, 1},
                    ValueRow{"PasswordPage", &system_key, "NoPwdPage", dword(1), &MainForm::c68, 1},
                    ValueRow{"PrintSharing", &network_key, "NoPrintSharingControl", dword(1), &MainForm::c610, 1},
                    ValueRow{"SharingInWrongKey", &explorer_key, "NoFileSharingControl", dword(1), &MainForm::c69,
                             0}),
    [](const testing::TestParamInfo<ValueRow>& row) { return std::string(row.param.name); });

TEST(StartupRead, SettingsPagesTickedLeaveTaskbarToItsOwnValue)
{
    OwnWindow w;
    policy::attach_click_reactions(w.form); // ticking c16 ticks c31 too
    w.set_dword(HKEY_CURRENT_USER, explorer_key, "NoSetFolders", 1);
    policy::settings_get(w.engine);
    EXPECT_EQ(w.form.c16.value(), 1);
    EXPECT_EQ(w.form.c31.value(), 0);
}

TEST(StartupRead, FixedWallpaperComesFromItsOwnValueAndIsPreviewed)
{
    OwnWindow w;
    ASSERT_TRUE(QDir().mkpath(w.program.host("C:\\Bilder")));
    QFile f(w.program.host("C:\\Bilder\\fest.bmp"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bitmap());
    f.close();
    w.set_dword(HKEY_CURRENT_USER, explorer_key, "FixedWallpaper", 1);
    w.set_text(HKEY_CURRENT_USER, explorer_key, "WallpaperName", "C:\\Bilder\\fest.bmp");

    policy::settings_get(w.engine);

    EXPECT_EQ(w.form.c37.value(), 1);
    EXPECT_EQ(w.form.t31.text(), "C:\\Bilder\\fest.bmp");
    EXPECT_EQ(w.form.pic31.picture().format, controls::PictureFormat::Bitmap);
}

TEST(StartupRead, FixedWallpaperWithoutNameEmptiesTheFieldAndKeepsThePreview)
{
    OwnWindow w;
    controls::Picture shown;
    shown.data = bitmap();
    shown.format = controls::PictureFormat::Bitmap;
    w.form.pic31.setPicture(shown);
    w.form.t31.setText("before");
    w.set_dword(HKEY_CURRENT_USER, explorer_key, "FixedWallpaper", 1);

    policy::settings_get(w.engine);

    EXPECT_EQ(w.form.t31.text(), QString());
    EXPECT_EQ(w.form.pic31.picture(), shown);
}

TEST(StartupRead, Windows98ReadsTheBootFileAndThe9xNames)
{
    OwnWindow w(on(SampleSystem::win98));
    w.set_text(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner", "Lehrer");
    auto& files = w.program.context().files;
    ASSERT_NE(files.get_attr("C:\\MSDOS.SYS").value, 0u);

    policy::settings_get(w.engine);

    EXPECT_EQ(w.form.t82.text(), "Lehrer");
    EXPECT_EQ(w.form.t81.text(), "Musterschule");
    // The sample's line is "AutoScan=1": the name compares with regard to case.
    EXPECT_EQ(w.form.c61.value(), 0);
    EXPECT_EQ(w.form.c62.value(), 0);
    EXPECT_EQ(files.get_attr("C:\\MSDOS.SYS").value, 0u); // the flags are gone for good

    ASSERT_TRUE(w.program.context().profile_strings.write(QString("Options"), QString("Autoscan"), QString("0"),
                                                          "C:\\MSDOS.SYS"));
    ASSERT_TRUE(w.program.context().profile_strings.write(QString("Options"), QString("Bootkeys"), QString("0"),
                                                          "C:\\MSDOS.SYS"));
    policy::settings_get(w.engine);
    EXPECT_EQ(w.form.c61.value(), 1);
    EXPECT_EQ(w.form.c62.value(), 1);
}

TEST(StartupRead, Windows98InternetValuesTickTheirBoxes)
{
    OwnWindow w(on(SampleSystem::win98));
    w.set_dword(HKEY_CURRENT_USER, ie_key, "NoFileOpen", 1);
    w.set_dword(HKEY_CURRENT_USER, explorer_key, "NoFind", 1);
    policy::settings_get(w.engine);
    EXPECT_EQ(w.form.c27.value(), 1);
    EXPECT_EQ(w.form.c14.value(), 1);
    EXPECT_EQ(w.form.c26.value(), 0);
    EXPECT_TRUE(w.messages().empty());
}

TEST(StartupRead, InternetRestrictionTextForms)
{
    OwnWindow w;
    const struct {
        platform::Variant stored;
        const char* expected;
    } rows[] = {{dword(1), " 1"}, {dword(0), " 0"}, {dword(-1), "-1"}, {text("42"), " 42"},
                {text("abc"), " 0"}, {platform::Variant(), " 0"}};
    for (const auto& r : rows) {
        platform::REG_DeleteValue(w.registry(), HKEY_CURRENT_USER, ie_key, "NoPrinting");
        if (r.stored.is_int())
            w.set_dword(HKEY_CURRENT_USER, ie_key, "NoPrinting", r.stored.int_value());
        else if (r.stored.is_text())
            w.set_text(HKEY_CURRENT_USER, ie_key, "NoPrinting", r.stored.text_value());
        EXPECT_EQ(policy::ie_get_restriction(w.program.context(), "NoPrinting"), QString(r.expected)) << r.expected;
    }
}

TEST(StartupDrives, PresentDrivesEnabledAndHiddenOnesTicked)
{
    OwnWindow w;
    const auto boxes = w.form.driveBoxes();
    for (controls::CheckBox* b : boxes)
        ASSERT_FALSE(b->enabled()) << b->name().toStdString();
    w.set_dword(HKEY_CURRENT_USER, hide_key, "C", 1);
    w.set_dword(HKEY_CURRENT_USER, hide_key, "Z", 1);
    w.set_dword(HKEY_CURRENT_USER, hide_key, "D", 2);
    boxes[0]->setValue(1); // A: no value stored, so it is unticked

    policy::get_drives(w.engine);
    policy::settings_get_drives(w.engine);

    for (int i = 0; i < 26; ++i) {
        const char letter = static_cast<char>('A' + i);
        EXPECT_EQ(boxes[static_cast<std::size_t>(i)]->enabled(), letter == 'C' || letter == 'D') << letter;
        EXPECT_EQ(boxes[static_cast<std::size_t>(i)]->value(), letter == 'C' || letter == 'Z' ? 1 : 0) << letter;
    }
}

TEST(OlderVersion, RunEntryOfTheMachineCounts)
{
    OwnWindow w;
    const QString run = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    EXPECT_EQ(policy::checkgatr99(w.engine), 0.0f);
    w.set_text(HKEY_CURRENT_USER, run, "Gatrisk 99", "C:\\GATR99\\GATR99.EXE");
    EXPECT_EQ(policy::checkgatr99(w.engine), 0.0f);
    w.set_text(HKEY_LOCAL_MACHINE, run, "Gatrisk 99", "");
    EXPECT_EQ(policy::checkgatr99(w.engine), 0.0f);
    w.set_text(HKEY_LOCAL_MACHINE, run, "Gatrisk 99", "C:\\GATR99\\GATR99.EXE");
    EXPECT_EQ(policy::checkgatr99(w.engine), -1.0f);
    w.set_dword(HKEY_LOCAL_MACHINE, run, "Gatrisk 99", 0);
    EXPECT_EQ(policy::checkgatr99(w.engine), -1.0f);
    EXPECT_EQ(w.stored(HKEY_LOCAL_MACHINE, run, "Gatrisk 99"), dword(0)); // only read
}

} // namespace
