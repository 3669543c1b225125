#include "policy/operations.h"
#include "window_fixture.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>

using namespace policy_tests;
using platform::SampleSystem;

namespace {

const QString E = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
const QString hide = E + QStringLiteral("\\Hide");
const QString restrict_run = E + QStringLiteral("\\RestrictRun");
const QString disallow = E + QStringLiteral("\\DisallowCpl");
const QString dont_load = QStringLiteral("Control Panel\\don't load");
const QString run = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString windows_system = QStringLiteral("Software\\Policies\\Microsoft\\Windows\\System");
const QString nt_current_version = QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion");

// Every restriction of the table that is a REG_DWORD.
const int dword_entries[] = {11, 12, 13, 14, 15, 16, 161, 162, 17, 18, 19, 110, 21, 22, 23, 24, 25, 26, 27, 28, 29,
                             210, 31, 32, 33, 34, 35, 36, 37, 38, 39, 63, 64, 65, 66, 67, 68, 69, 610,
                             91, 92, 93, 94, 95, 96, 97, 98, 99};

std::optional<std::uint32_t> entry(Window& w, const HiveView& hive, int n)
{
    return hive.dword(w.engine.KP[static_cast<std::size_t>(n)], w.engine.VN[static_cast<std::size_t>(n)]);
}

QByteArray file_bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct SaveCase {
    const char* name;
    WindowOptions window;
    std::function<void(Window&)> arrange = [](Window&) {};
    std::function<void(Window&, const HiveView&)> check;
    int messages = 0;
};

void nothing_ticked(Window& w, const HiveView& hive)
{
    for (int n : dword_entries)
        EXPECT_EQ(entry(w, hive, n), 0u) << "restriction " << n;
    EXPECT_EQ(hive.dword(windows_system, QStringLiteral("DisableCMD")), 0u);
    EXPECT_EQ(hive.text(QStringLiteral("Control Panel\\Sound"), QStringLiteral("Beep")), QStringLiteral("Yes"));
    EXPECT_EQ(hive.dword(E, QStringLiteral("RestrictRun")), 0u);
    EXPECT_EQ(hive.dword(E, QStringLiteral("NoDrives")), 0u);
    for (char c = 'A'; c <= 'Z'; ++c)
        EXPECT_EQ(hive.dword(hide, QString(QLatin1Char(c))), 0u) << c;
    EXPECT_FALSE(hive.has_key(restrict_run));
    EXPECT_EQ(hive.dword(E, QStringLiteral("ForceClassicControlPanel")), 0u);
    EXPECT_FALSE(hive.has_value(run, QStringLiteral("System")));
    EXPECT_TRUE(hive.has_key(dont_load));
    EXPECT_EQ(hive.value_names(dont_load), QStringList());
    EXPECT_EQ(hive.value_names(disallow), QStringList());
    // Written on every save, into the program key that the account's branch holds.
    EXPECT_EQ(hive.dword(QStringLiteral("Software\\Brekund\\G2002"), QStringLiteral("PWHide")), 1u);
    EXPECT_FALSE(QFile::exists(w.program.host(QStringLiteral("C:\\MSDOS.SYS"))));
}

void tick_everything(Window& w)
{
    w.tick_all(true); // c41 puts GATR2002.EXE into the list
    w.form.List1.addItem(QStringLiteral("CALC.EXE"));
    for (int i = 1; i <= w.form.lv1.count(); ++i)
        w.form.lv1.setChecked(i, true);
    w.form.t31.setText(QStringLiteral("C:\\WINDOWS\\Web\\Wallpaper\\Schule.bmp"));
    w.form.t32.setText(QStringLiteral("C:\\Links"));
    w.form.t81.setText(QStringLiteral("Gymnasium"));
    w.form.t82.setText(QStringLiteral("Hausmeister"));
    // Keys a lived-in branch has and the writer does not make.
    w.set_text(QStringLiteral("Software\\Brekund\\G2002"), QStringLiteral("Seen"), QStringLiteral("1"));
    w.set_text(nt_current_version, QStringLiteral("Seen"), QStringLiteral("1"));
}

void everything_ticked(Window& w, const HiveView& hive)
{
    for (int n : dword_entries)
        EXPECT_EQ(entry(w, hive, n), n == 96 ? 0u : 1u) << "restriction " << n;
    EXPECT_EQ(hive.dword(windows_system, QStringLiteral("DisableCMD")), 1u);
    EXPECT_EQ(hive.text(QStringLiteral("Control Panel\\Sound"), QStringLiteral("Beep")), QStringLiteral("No"));
    EXPECT_EQ(hive.dword(E, QStringLiteral("RestrictRun")), 1u);
    EXPECT_EQ(hive.dword(E, QStringLiteral("NoDrives")), 67108863u);
    for (char c = 'A'; c <= 'Z'; ++c)
        EXPECT_EQ(hive.dword(hide, QString(QLatin1Char(c))), 1u) << c;
    EXPECT_EQ(hive.text(QStringLiteral("Control Panel\\Desktop"), QStringLiteral("Wallpaper")),
              QStringLiteral("C:\\WINDOWS\\Web\\Wallpaper\\Schule.bmp"));
    EXPECT_EQ(hive.text(E, QStringLiteral("FixedLNKUrl")), QStringLiteral("C:\\Links"));
    EXPECT_EQ(hive.text(run, QStringLiteral("System")), QStringLiteral("C:\\Programme\\Gatrisk 2002\\gatr2002.exe /icon"));
    EXPECT_EQ(hive.value_names(restrict_run), (QStringList{QStringLiteral(" 0"), QStringLiteral(" 1"), QStringLiteral("Gesamt")}));
    EXPECT_EQ(hive.text(restrict_run, QStringLiteral(" 0")), QStringLiteral("GATR2002.EXE"));
    EXPECT_EQ(hive.text(restrict_run, QStringLiteral(" 1")), QStringLiteral("CALC.EXE"));
    EXPECT_EQ(hive.dword(restrict_run, QStringLiteral("Gesamt")), 2u);
    EXPECT_EQ(hive.dword(E, QStringLiteral("ForceClassicControlPanel")), 1u);
    EXPECT_EQ(hive.value_names(dont_load).size(), 39);
    EXPECT_EQ(hive.text(dont_load, QStringLiteral("Taskleiste und Startmen\u00fc")), QStringLiteral("No"));
    // The XP list goes in the order of the items: the first is the alphabetically first label.
    EXPECT_EQ(hive.value_names(disallow).size(), 39);
    EXPECT_EQ(hive.text(disallow, QStringLiteral(" 1")), QStringLiteral("ACCESS.CPL"));
    EXPECT_EQ(hive.text(disallow, QStringLiteral(" 2")), QStringLiteral("APPWIZ.CPL"));
    EXPECT_EQ(hive.dword(QStringLiteral("Software\\Brekund\\G2002"), QStringLiteral("PWHide")), 1u);
    EXPECT_EQ(hive.text(nt_current_version, QStringLiteral("RegisteredOrganization")), QStringLiteral("Gymnasium"));
    EXPECT_EQ(hive.text(nt_current_version, QStringLiteral("RegisteredOwner")), QStringLiteral("Hausmeister"));
    // c61 and c62 are ticked, yet a system without MSDOS.SYS does not get one.
    EXPECT_FALSE(QFile::exists(w.program.host(QStringLiteral("C:\\MSDOS.SYS"))));
}

void tick_applet_rows(Window& w, std::initializer_list<int> rows)
{
    for (int row : rows)
        w.form.lv1.setChecked(w.applet_item(row), true);
}

const SaveCase cases[] = {
    {.name = "NothingTicked", .window = {}, .check = nothing_ticked},
    {.name = "EverythingTicked", .window = {}, .arrange = tick_everything, .check = everything_ticked},
    {.name = "ProbeFailsOnAReadOnlyMount",
     .window = {.read_only = true},
     .arrange = [](Window& w) { w.tick_all(true); },
     .check = [](Window& w, const HiveView& hive) { EXPECT_FALSE(hive.has_value(E, QStringLiteral("NoClose"))); (void)w; },
     .messages = 1},
    {.name = "ProbeFailsWithoutAMount",
     .window = {.mount = false},
     .arrange = [](Window& w) { w.tick_all(true); },
     .check = [](Window&, const HiveView& hive) { EXPECT_FALSE(hive.has_value(E, QStringLiteral("NoClose"))); },
     .messages = 1},
    {.name = "C16SetsAllThreeStartMenuValues",
     .window = {},
     .arrange = [](Window& w) { w.form.c16.setValue(1); w.form.c31.setValue(0); },
     .check = [](Window&, const HiveView& hive) {
         for (const char* name : {"NoSetFolders", "NoSetTaskbar", "NoControlPanel"})
             EXPECT_EQ(hive.dword(E, QString::fromLatin1(name)), 1u) << name;
     }},
    {.name = "C90TickedMeansNoBeep",
     .window = {},
     .arrange = [](Window& w) { w.form.c90.setValue(1); },
     .check = [](Window&, const HiveView& hive) {
         EXPECT_EQ(hive.text(QStringLiteral("Control Panel\\Sound"), QStringLiteral("Beep")), QStringLiteral("No"));
     }},
    {.name = "CensorListOfThreeThenOne",
     .window = {},
     .arrange = [](Window& w) {
         for (const char* name : {"A.EXE", "B.EXE", "C.EXE"})
             w.form.List1.addItem(QString::fromLatin1(name));
         policy::REG_Save32(w.engine);
         EXPECT_EQ(w.branch().value_names(restrict_run).size(), 4);
         w.form.List1.clear();
         w.form.List1.addItem(QStringLiteral("D.EXE"));
     },
     .check = [](Window&, const HiveView& hive) {
         EXPECT_EQ(hive.value_names(restrict_run), (QStringList{QStringLiteral(" 0"), QStringLiteral("Gesamt")}));
         EXPECT_EQ(hive.text(restrict_run, QStringLiteral(" 0")), QStringLiteral("D.EXE"));
         EXPECT_EQ(hive.dword(restrict_run, QStringLiteral("Gesamt")), 1u);
         EXPECT_EQ(hive.dword(E, QStringLiteral("RestrictRun")), 0u);
     }},
    {.name = "DrivesCAndD",
     .window = {},
     .arrange = [](Window& w) { w.form.d_c.setValue(1); w.form.d_d.setValue(1); },
     .check = [](Window&, const HiveView& hive) {
         EXPECT_EQ(hive.dword(E, QStringLiteral("NoDrives")), 12u);
         for (char c = 'A'; c <= 'Z'; ++c)
             EXPECT_EQ(hive.dword(hide, QString(QLatin1Char(c))), c == 'C' || c == 'D' ? 1u : 0u) << c;
     }},
    {.name = "XpAppletsGoToBothLists",
     .window = {},
     .arrange = [](Window& w) { tick_applet_rows(w, {2, 5}); },
     .check = [](Window&, const HiveView& hive) {
         EXPECT_EQ(hive.value_names(dont_load), (QStringList{QStringLiteral("DESK.CPL"), QStringLiteral("JOY.CPL")}));
         EXPECT_EQ(hive.text(dont_load, QStringLiteral("DESK.CPL")), QStringLiteral("No"));
         EXPECT_EQ(hive.text(dont_load, QStringLiteral("JOY.CPL")), QStringLiteral("No"));
         EXPECT_EQ(hive.value_names(disallow), (QStringList{QStringLiteral(" 1"), QStringLiteral(" 2")}));
         EXPECT_EQ(hive.text(disallow, QStringLiteral(" 1")), QStringLiteral("DESK.CPL"));
         EXPECT_EQ(hive.text(disallow, QStringLiteral(" 2")), QStringLiteral("JOY.CPL"));
         EXPECT_EQ(hive.dword(E, QStringLiteral("ForceClassicControlPanel")), 1u);
     }},
    {.name = "Win2000AppletsOnlyInDontLoad",
     .window = {.system = SampleSystem::win2000},
     .arrange = [](Window& w) {
         w.set_text(disallow, QStringLiteral(" 1"), QStringLiteral("OLD.CPL"));
         tick_applet_rows(w, {2, 5});
     },
     .check = [](Window&, const HiveView& hive) {
         EXPECT_EQ(hive.value_names(dont_load).size(), 39);
         EXPECT_EQ(hive.text(dont_load, QStringLiteral("DESK.CPL")), QStringLiteral("No"));
         EXPECT_EQ(hive.text(dont_load, QStringLiteral("JOY.CPL")), QStringLiteral("No"));
         EXPECT_EQ(hive.text(dont_load, QStringLiteral("APPWIZ.CPL")), QString());
         EXPECT_EQ(hive.value_names(disallow), QStringList{QStringLiteral(" 1")});
         EXPECT_EQ(hive.text(disallow, QStringLiteral(" 1")), QStringLiteral("OLD.CPL"));
         EXPECT_EQ(hive.dword(E, QStringLiteral("ForceClassicControlPanel")), 0u);
     }},
    {.name = "EmptyLinkFolderKeepsTheStoredOne",
     .window = {},
     .arrange = [](Window& w) { w.set_text(E, QStringLiteral("FixedLNKUrl"), QStringLiteral("C:\\Alt")); },
     .check = [](Window&, const HiveView& hive) {
         EXPECT_EQ(hive.text(E, QStringLiteral("FixedLNKUrl")), QStringLiteral("C:\\Alt"));
     }},
    {.name = "UnfixedWallpaperKeepsTheStoredOne",
     .window = {},
     .arrange = [](Window& w) { w.form.t31.setText(QStringLiteral("C:\\x.bmp")); },
     .check = [](Window&, const HiveView& hive) {
         EXPECT_EQ(hive.text(QStringLiteral("Control Panel\\Desktop"), QStringLiteral("Wallpaper")),
                   QStringLiteral("C:\\WINDOWS\\Web\\Wallpaper\\Bliss.bmp"));
     }},
    {.name = "NoPWHideWhereTheBranchLacksTheProgramKey",
     .window = {},
     .arrange = [](Window& w) {
         for (const char* key : {"Software\\Brekund\\G2002", "Software\\Brekund"})
             ASSERT_EQ(platform::REG_DeleteKey(w.registry(), w.root(), w.key(QString::fromLatin1(key))), 0) << key;
     },
     .check = [](Window&, const HiveView& hive) { EXPECT_FALSE(hive.has_key(QStringLiteral("Software\\Brekund"))); }},
    {.name = "LoggedOnAccountWritesTheCurrentUser",
     .window = {.account = QStringLiteral("Administrator"), .mount = false},
     .arrange = [](Window& w) { w.form.c12.setValue(1); },
     .check = [](Window& w, const HiveView& hive) {
         EXPECT_EQ(hive.dword(E, QStringLiteral("NoLogOff")), 1u);
         EXPECT_FALSE(HiveView::read(w.program.account_hive(pupil)).has_value(E, QStringLiteral("NoLogOff")));
     }},
    {.name = "Windows98",
     .window = {.system = SampleSystem::win98},
     .arrange = [](Window& w) {
         w.program.context().profile_strings.write(QStringLiteral("don't load"), QStringLiteral("JOY.CPL"),
                                                   QStringLiteral("no"), QStringLiteral("control.ini"));
         w.program.context().profile_strings.write(QStringLiteral("don't load"), QStringLiteral("OTHER.CPL"),
                                                   QStringLiteral("no"), QStringLiteral("control.ini"));
         tick_applet_rows(w, {2});
         w.form.c96.setValue(1);
         w.form.c61.setValue(1);
     },
     .check = [](Window& w, const HiveView& hive) {
         const QString ini = QString::fromLatin1(file_bytes(w.program.host(QStringLiteral("C:\\WINDOWS\\CONTROL.INI"))));
         EXPECT_TRUE(ini.contains(QStringLiteral("DESK.CPL=no\r\n"))) << ini.toStdString();
         EXPECT_FALSE(ini.contains(QStringLiteral("JOY.CPL"))) << ini.toStdString();
         EXPECT_TRUE(ini.contains(QStringLiteral("OTHER.CPL=no"))) << ini.toStdString();
         EXPECT_EQ(hive.value_names(dont_load), QStringList());
         EXPECT_EQ(hive.dword(E, QStringLiteral("ForceClassicControlPanel")), 0u);
         EXPECT_EQ(hive.dword(QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\WinOldApp"),
                              QStringLiteral("Disabled")), 1u);
         EXPECT_FALSE(hive.has_key(windows_system));
         const QByteArray msdos = file_bytes(w.program.host(QStringLiteral("C:\\MSDOS.SYS")));
         EXPECT_TRUE(msdos.contains("\r\nAutoscan=0\r\n"));
         EXPECT_FALSE(msdos.contains("Bootkeys"));
     }},
};

void PrintTo(const SaveCase& c, std::ostream* out) { *out << c.name; }

class RegSave32 : public testing::TestWithParam<SaveCase> {};

TEST_P(RegSave32, WritesTheAccountsHiveFile)
{
    const SaveCase& c = GetParam();
    Window w(c.window);
    c.arrange(w);
    ASSERT_EQ(w.registry().flush_all(), 0);
    const QByteArray before = file_bytes(w.branch_file());

    policy::REG_Save32(w.engine);

    const HiveView hive = w.branch();
    c.check(w, hive);
    ASSERT_EQ(static_cast<int>(w.program.ui().messages().size()), c.messages);
    if (c.messages == 1) {
        const auto& shown = w.program.ui().messages().front();
        EXPECT_EQ(shown.style, 16);
        EXPECT_EQ(shown.title, QStringLiteral("Could not save settings..."));
        EXPECT_TRUE(shown.text.startsWith(QStringLiteral("Your settings could not be saved.")));
        EXPECT_EQ(file_bytes(w.branch_file()), before) << "the branch changed after the failed first write";
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, RegSave32, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<SaveCase>& row) { return std::string(row.param.name); });

TEST(RegSave32Files, AnMsdosSysHeldByAnotherProgramIsLeftAndTheRestIsSaved)
{
    Window w({.system = SampleSystem::win98});
    const QString msdos = w.program.host(QStringLiteral("C:\\MSDOS.SYS"));
    const QByteArray before = file_bytes(msdos);
    const int fd = ::open(QFile::encodeName(msdos).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    w.form.c61.setValue(1);
    w.form.c63.setValue(1);
    w.form.c90.setValue(1);
    w.form.c98.setValue(1);
    policy::REG_Save32(w.engine);
    ::close(fd);

    EXPECT_EQ(file_bytes(msdos), before);
    const HiveView hive = w.branch();
    EXPECT_EQ(hive.dword(E, QStringLiteral("NoActiveDesktop")), 1u);
    EXPECT_EQ(hive.text(QStringLiteral("Control Panel\\Sound"), QStringLiteral("Beep")), QStringLiteral("No"));
    EXPECT_EQ(hive.dword(E, QStringLiteral("NoAddPrinter")), 1u);
    EXPECT_TRUE(w.program.ui().messages().empty());
}

} // namespace
