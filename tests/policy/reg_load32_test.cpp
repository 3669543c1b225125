#include "policy/operations.h"
#include "policy/restriction_boxes.h"
#include "window_fixture.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using namespace policy_tests;
using platform::SampleSystem;

namespace {

const QString E = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
const QString restrict_run = E + QStringLiteral("\\RestrictRun");
const QString dont_load = QStringLiteral("Control Panel\\don't load");
const QString sound = QStringLiteral("Control Panel\\Sound");
const QString desktop = QStringLiteral("Control Panel\\Desktop");
const QString own = QStringLiteral("GATR2002.EXE");

QByteArray bitmap(char fill) { return QByteArray("BM") + QByteArray(60, fill); }

void write_file(Window& w, const QString& windows_path, const QByteArray& bytes)
{
    QFile f(w.program.host(windows_path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << windows_path.toStdString();
    f.write(bytes);
}

struct LoadCase {
    const char* name;
    WindowOptions window;
    std::function<void(Window&)> arrange;
    std::function<void(Window&)> check;
};

// Every box ticked, texts and lists filled, so that the reader has to clear what it does not find.
void fill_window(Window& w)
{
    w.tick_all(true);
    w.form.List1.addItem(QStringLiteral("OLD.EXE"));
    for (int i = 1; i <= w.form.lv1.count(); ++i)
        w.form.lv1.setChecked(i, true);
    w.form.t31.setText(QStringLiteral("old wallpaper"));
    w.form.t32.setText(QStringLiteral("old links"));
    w.form.t81.setText(QStringLiteral("kept organisation"));
}

void checked_items(Window& w, const QStringList& expected)
{
    QStringList ticked;
    for (int i = 1; i <= w.form.lv1.count(); ++i)
        if (w.form.lv1.checked(i))
            ticked.push_back(w.form.lv1.text(i));
    EXPECT_EQ(ticked, expected);
}

const LoadCase cases[] = {
    {.name = "EmptyBranchClearsTheWindow",
     .window = {},
     .arrange = fill_window,
     .check = [](Window& w) {
         for (int n : {11, 12, 13, 14, 15, 16, 17, 18, 19, 110, 21, 22, 23, 24, 25, 26, 27, 28, 29, 210, 31, 32, 33,
                       34, 35, 36, 37, 38, 39, 41, 61, 62, 63, 64, 65, 66, 67, 68, 69, 610, 90, 91, 93, 94, 95, 96, 98, 99})
             EXPECT_EQ(policy::restriction_box(w.form, n)->value(), 0) << "c" << n;
         for (controls::CheckBox* box : w.form.driveBoxes())
             EXPECT_EQ(box->value(), 0) << box->name().toStdString();
         // The sample branch holds the shell's own wallpaper.
         EXPECT_EQ(w.form.t31.text(), QStringLiteral("C:\\WINDOWS\\Web\\Wallpaper\\Bliss.bmp"));
         EXPECT_EQ(w.form.t32.text(), QString());
         EXPECT_EQ(w.form.List1.entries(), QStringList{own});
         checked_items(w, {});
         EXPECT_EQ(w.form.t81.text(), QStringLiteral("kept organisation"));
     }},
    {.name = "EqualsOneTest",
     .window = {},
     .arrange = [](Window& w) {
         w.set_text(E, QStringLiteral("NoClose"), QStringLiteral("1"));
         w.set_dword(E, QStringLiteral("NoLogOff"), 1);
         w.set_dword(E, QStringLiteral("NoRun"), 2);
         w.set_text(E, QStringLiteral("NoFind"), QStringLiteral("yes"));
         w.set_dword(E, QStringLiteral("NoHelp"), 0);
         w.set_dword(E + QStringLiteral("\\Hide"), QStringLiteral("Q"), 1);
         w.set_text(E + QStringLiteral("\\Hide"), QStringLiteral("R"), QStringLiteral("1"));
         w.form.c13.setValue(1);
     },
     .check = [](Window& w) {
         EXPECT_EQ(w.form.c11.value(), 1);
         EXPECT_EQ(w.form.c12.value(), 1);
         EXPECT_EQ(w.form.c13.value(), 0);
         EXPECT_EQ(w.form.c14.value(), 0);
         EXPECT_EQ(w.form.c15.value(), 0);
         EXPECT_EQ(w.form.d_q.value(), 1);
         EXPECT_EQ(w.form.d_r.value(), 1);
         EXPECT_EQ(w.form.d_s.value(), 0);
     }},
    {.name = "C16FollowsNoControlPanel",
     .window = {},
     .arrange = [](Window& w) { w.set_dword(E, QStringLiteral("NoSetFolders"), 1); },
     .check = [](Window& w) {
         EXPECT_EQ(w.form.c16.value(), 0);
         EXPECT_EQ(w.form.c31.value(), 0);
     }},
    {.name = "NoSetTaskbarAloneTicksOnlyC31",
     .window = {},
     .arrange = [](Window& w) { w.set_dword(E, QStringLiteral("NoSetTaskbar"), 1); },
     .check = [](Window& w) {
         EXPECT_EQ(w.form.c16.value(), 0);
         EXPECT_EQ(w.form.c31.value(), 1);
     }},
    {.name = "NoControlPanelTicksC16ButC31KeepsItsOwnValue",
     .window = {},
     .arrange = [](Window& w) { w.set_dword(E, QStringLiteral("NoControlPanel"), 1); },
     .check = [](Window& w) {
         EXPECT_EQ(w.form.c16.value(), 1);
         EXPECT_EQ(w.form.c31.value(), 0);
     }},
    {.name = "BeepExactNo",
     .window = {},
     .arrange = [](Window& w) { w.set_text(sound, QStringLiteral("Beep"), QStringLiteral("No")); },
     .check = [](Window& w) { EXPECT_EQ(w.form.c90.value(), 1); }},
    {.name = "BeepLowerCaseNo",
     .window = {},
     .arrange = [](Window& w) { w.set_text(sound, QStringLiteral("Beep"), QStringLiteral("no")); w.form.c90.setValue(1); },
     .check = [](Window& w) { EXPECT_EQ(w.form.c90.value(), 0); }},
    {.name = "BeepDwordZero",
     .window = {},
     .arrange = [](Window& w) { w.set_dword(sound, QStringLiteral("Beep"), 0); w.form.c90.setValue(1); },
     .check = [](Window& w) { EXPECT_EQ(w.form.c90.value(), 0); }},
    {.name = "DontLoadUpperCaseNo",
     .window = {},
     .arrange = [](Window& w) {
         w.set_text(dont_load, QStringLiteral("DESK.CPL"), QStringLiteral("no"));
         w.set_text(dont_load, QStringLiteral("JOY.CPL"), QStringLiteral("nO"));
         w.set_text(dont_load, QStringLiteral("MAIN.CPL"), QString());
         w.set_text(dont_load, QStringLiteral("MMSYS.CPL"), QStringLiteral("yes"));
         w.set_text(dont_load, QStringLiteral("UNKNOWN.CPL"), QStringLiteral("No"));
         w.set_text(dont_load, QStringLiteral("Geplante Tasks"), QStringLiteral("NO"));
     },
     .check = [](Window& w) {
         checked_items(w, {QStringLiteral("Display"), QStringLiteral("Game Controllers"),
                           QStringLiteral("Scheduled Tasks (2000/XP)")});
     }},
    {.name = "CensorListAsStored",
     .window = {},
     .arrange = [](Window& w) {
         w.set_text(restrict_run, QStringLiteral("Gesamt"), QStringLiteral("3"));
         w.set_text(restrict_run, QStringLiteral(" 0"), QStringLiteral("CALC.EXE"));
         w.set_text(restrict_run, QStringLiteral(" 1"), own);
         w.form.List1.addItem(QStringLiteral("OLD.EXE"));
     },
     .check = [](Window& w) {
         EXPECT_EQ(w.form.List1.entries(), (QStringList{own, QStringLiteral("CALC.EXE"), QString()}));
     }},
    {.name = "CensorListKeepsTheOwnNameInAnotherCase",
     .window = {},
     .arrange = [](Window& w) {
         w.set_dword(restrict_run, QStringLiteral("Gesamt"), 1);
         w.set_text(restrict_run, QStringLiteral(" 0"), QStringLiteral("gatr2002.exe"));
         w.set_dword(E, QStringLiteral("RestrictRun"), 1);
     },
     .check = [](Window& w) {
         EXPECT_EQ(w.form.List1.entries(), (QStringList{own, QStringLiteral("gatr2002.exe")}));
         EXPECT_EQ(w.form.c41.value(), 1);
     }},
    {.name = "CensorListCountBeyondWhatAListHolds",
     .window = {},
     .arrange = [](Window& w) {
         w.set_text(restrict_run, QStringLiteral("Gesamt"), QStringLiteral("4000000000"));
         w.set_text(restrict_run, QStringLiteral(" 0"), QStringLiteral("CALC.EXE"));
     },
     .check = [](Window& w) {
         EXPECT_EQ(w.form.List1.listCount(), controls::maxListEntries);
         EXPECT_EQ(w.form.List1.list(0), own);
         EXPECT_EQ(w.form.List1.list(1), QStringLiteral("CALC.EXE"));
     }},
    {.name = "CommandPromptFromTheWindowsSystemPolicyKey",
     .window = {},
     .arrange = [](Window& w) {
         w.set_dword(QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System"),
                     QStringLiteral("DisableCMD"), 1);
     },
     .check = [](Window& w) { EXPECT_EQ(w.form.c96.value(), 0); }},
    {.name = "WallpaperThatIsMissingKeepsThePreview",
     .window = {},
     .arrange = [](Window& w) {
         write_file(w, QStringLiteral("C:\\first.bmp"), bitmap('1'));
         ASSERT_EQ(w.form.pic31.loadPicture(w.program.host(QStringLiteral("C:\\first.bmp"))), controls::PictureStatus::Ok);
         w.set_text(desktop, QStringLiteral("Wallpaper"), QStringLiteral("C:\\gone.bmp"));
     },
     .check = [](Window& w) {
         EXPECT_EQ(w.form.t31.text(), QStringLiteral("C:\\gone.bmp"));
         EXPECT_EQ(w.form.pic31.picture().data, bitmap('1'));
         EXPECT_FALSE(QFile::exists(w.program.host(QStringLiteral("C:\\gone.bmp"))));
     }},
    {.name = "WallpaperThatIsNoPictureKeepsThePreview",
     .window = {},
     .arrange = [](Window& w) {
         write_file(w, QStringLiteral("C:\\first.bmp"), bitmap('1'));
         write_file(w, QStringLiteral("C:\\notes.bmp"), "just text, not a picture");
         ASSERT_EQ(w.form.pic31.loadPicture(w.program.host(QStringLiteral("C:\\first.bmp"))), controls::PictureStatus::Ok);
         w.set_text(desktop, QStringLiteral("Wallpaper"), QStringLiteral("C:\\notes.bmp"));
     },
     .check = [](Window& w) {
         EXPECT_EQ(w.form.t31.text(), QStringLiteral("C:\\notes.bmp"));
         EXPECT_EQ(w.form.pic31.picture().data, bitmap('1'));
     }},
    {.name = "WallpaperThatExistsIsShown",
     .window = {},
     .arrange = [](Window& w) {
         write_file(w, QStringLiteral("C:\\WINDOWS\\second.bmp"), bitmap('2'));
         w.set_text(desktop, QStringLiteral("Wallpaper"), QStringLiteral("c:\\windows\\SECOND.BMP"));
     },
     .check = [](Window& w) { EXPECT_EQ(w.form.pic31.picture().data, bitmap('2')); }},
    {.name = "Windows98ControlIni",
     .window = {.system = SampleSystem::win98},
     .arrange = [](Window& w) {
         auto& ini = w.program.context().profile_strings;
         ini.write(QStringLiteral("don't load"), QStringLiteral("DESK.CPL"), QStringLiteral("no"), QStringLiteral("control.ini"));
         ini.write(QStringLiteral("don't load"), QStringLiteral("JOY.CPL"), QString(), QStringLiteral("control.ini"));
         ini.write(QStringLiteral("don't load"), QStringLiteral("MAIN.CPL"), QStringLiteral("yes"), QStringLiteral("control.ini"));
         w.set_dword(QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\WinOldApp"),
                     QStringLiteral("Disabled"), 1);
     },
     .check = [](Window& w) {
         // Any value hides the applet there; only an empty one does not.
         checked_items(w, {QStringLiteral("Display"), QStringLiteral("Mouse,Keyboard,Fonts,Printers")});
         EXPECT_EQ(w.form.c96.value(), 1);
         // The sample MSDOS.SYS has AutoScan=1, which is not the spelling the program writes.
         EXPECT_EQ(w.form.c61.value(), 0);
     }},
    {.name = "Windows98BootOptions",
     .window = {.system = SampleSystem::win98},
     .arrange = [](Window& w) {
         write_file(w, QStringLiteral("C:\\MSDOS.SYS"), "[Options]\r\nAutoscan=2\r\nBootKeys=0\r\n");
     },
     .check = [](Window& w) {
         EXPECT_EQ(w.form.c61.value(), 1);
         EXPECT_EQ(w.form.c62.value(), 0);
     }},
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }

class RegLoad32 : public testing::TestWithParam<LoadCase> {};

TEST_P(RegLoad32, SetsTheWindowFromTheBranch)
{
    const LoadCase& c = GetParam();
    Window w(c.window);
    c.arrange(w);
    policy::REG_Load32(w.engine);
    c.check(w);
    EXPECT_TRUE(w.program.ui().messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Branches, RegLoad32, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<LoadCase>& row) { return std::string(row.param.name); });

TEST(RegLoad32Paths, OnTheNtFamilyEveryReadGoesBelowTheChosenAccount)
{
    Window w;
    // The same values in the logged-on user's own branch must not be seen.
    platform::REG_SetDWORD(w.registry(), platform::HKEY_CURRENT_USER, E, QStringLiteral("NoClose"), QStringLiteral("1"));
    platform::REG_SetString(w.registry(), platform::HKEY_CURRENT_USER, sound, QStringLiteral("Beep"), QStringLiteral("No"));
    w.set_dword(E, QStringLiteral("NoLogOff"), 1);
    policy::REG_Load32(w.engine);
    EXPECT_EQ(w.form.c11.value(), 0);
    EXPECT_EQ(w.form.c90.value(), 0);
    EXPECT_EQ(w.form.c12.value(), 1);
}

} // namespace
