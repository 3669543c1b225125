// The settings file: what the writer puts into it, byte for byte, and what the reader sets from it.

#include "test_window.h"

#include "settingsfile/settings_file.h"
#include "settingsfile/window_set.h"

#include <gtest/gtest.h>

#include <functional>

namespace settingsfile_tests {

namespace {

using settingsfile::dateiöffnen;
using settingsfile::dateispeichern;
using settingsfile::StoredSet;
using settingsfile::take_from;

QByteArray lines(std::initializer_list<const char*> records)
{
    QByteArray out;
    for (const char* r : records)
        out += QByteArray(r) + "\r\n";
    return out;
}

QByteArray applet_lines(std::initializer_list<int> ticked)
{
    QByteArray out;
    for (int i = 1; i <= 39; ++i)
        out += (std::find(ticked.begin(), ticked.end(), i) != ticked.end() ? "1" : "0") + QByteArray("\r\n");
    return out;
}

// A small set in which every record tells its fields apart.
void small_set(mainwindow::MainForm& f)
{
    f.c12.setValue(1);
    f.c110.setValue(1); // stored tenth, behind c19, though it stands above c19 on its tab
    f.lv1.setChecked(1, true);
    f.lv1.setChecked(7, true);
    f.c23.setValue(1);
    f.c38.setValue(1);
    f.t31.setText(QStringLiteral("C:\\WINDOWS\\Bild.bmp"));
    f.List1.addItem(QStringLiteral("A.EXE"));
    f.List1.addItem(QStringLiteral("b.exe"));
    f.d_c.setValue(1);
    f.d_t.setValue(2);
    f.c610.setValue(1);
    f.c99.setValue(1);
    f.c61.setValue(1);
    f.c96.setValue(1);
    f.t81.setText(QStringLiteral("Schule, Abteilung, Raum 3"));
    f.t82.setText(QStringLiteral("Müller"));
    f.t810.setText(QStringLiteral("C:\\Documents and Settings\\"));
}

QByteArray small_set_bytes()
{
    return lines({"\"G2002\"", "\"NEVER EDIT THIS FILE!\"", "0,1,0,0,0,0,0,0,0,1"})
        + applet_lines({1, 7})
        + lines({"0,0,1,0,0,0,0,0,0,0", "0,0,0,0,0,0,0,1", "\"C:\\WINDOWS\\Bild.bmp\"", "0", "2",
                 "\"A.EXE\"", "\"b.exe\"", "0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2,0,0,0,0,0,0",
                 "0,0,0,0,0,1,0,1", "1,0,0,0,0,0,0,0,0,1", "\"Schule, Abteilung, Raum 3\",\"M\xfcller\"",
                 "\"C:\\Documents and Settings\\\""});
}

TEST(SettingsFileWrite, GivesTheRecordsInFileOrderWithCrLf)
{
    Window w;
    small_set(w.form);
    ASSERT_TRUE(dateispeichern(w.form, set_path("small.gtr")));
    const QByteArray bytes = w.file(set_path("small.gtr"));
    EXPECT_EQ(bytes, small_set_bytes());
    EXPECT_EQ(bytes.count("\r\n"), 52 + 2);
    EXPECT_TRUE(w.ui().messages().empty());
}

TEST(SettingsFileWrite, ReplacesALongerFileWhole)
{
    Window w;
    w.write(set_path("old.gtr"), QByteArray(5000, 'x'));
    ASSERT_TRUE(dateispeichern(w.form, set_path("old.gtr")));
    EXPECT_TRUE(w.file(set_path("old.gtr")).startsWith("\"G2002\"\r\n"));
    EXPECT_FALSE(w.file(set_path("old.gtr")).contains('x'));
}

TEST(SettingsFileWrite, DoubleQuoteInATextBecomesAnApostrophe)
{
    Window w;
    w.form.t81.setText(QStringLiteral("Firma \"Nord\", Kiel"));
    w.form.t82.setText(QStringLiteral("Owner"));
    ASSERT_TRUE(dateispeichern(w.form, set_path("q.gtr")));
    EXPECT_TRUE(w.file(set_path("q.gtr")).contains("\"Firma 'Nord', Kiel\",\"Owner\"\r\n"));

    FormOn other(w.program.context());
    dateiöffnen(other.form, set_path("q.gtr"));
    EXPECT_EQ(other.form.t81.text(), QStringLiteral("Firma 'Nord', Kiel"));
    EXPECT_EQ(other.form.t82.text(), QStringLiteral("Owner"));
}

TEST(SettingsFileRead, SetsEveryControlOfTheSmallFile)
{
    Window w;
    w.write(set_path("small.gtr"), small_set_bytes());
    fill_distinct(w.form);
    dateiöffnen(w.form, set_path("small.gtr"));

    FormOn expected(w.program.context());
    small_set(expected.form);
    EXPECT_EQ(take_from(w.form), take_from(expected.form));
    EXPECT_EQ(w.form.d_t.value(), 2); // a drive keeps its stored state, greyed too
    EXPECT_TRUE(w.ui().messages().empty());
}

struct RoundTrip {
    const char* name;
    std::function<void(mainwindow::MainForm&)> set;
};

class SettingsFileRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(SettingsFileRoundTrip, OpenRestoresWhatSaveStored)
{
    Window w;
    GetParam().set(w.form);
    const StoredSet saved = take_from(w.form);
    ASSERT_TRUE(dateispeichern(w.form, set_path("set.gtr")));

    // A second window that holds other values everywhere.
    FormOn other(w.program.context());
    fill_distinct(other.form);
    dateiöffnen(other.form, set_path("set.gtr"));
    EXPECT_EQ(take_from(other.form), saved);
    EXPECT_TRUE(w.ui().messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sets, SettingsFileRoundTrip,
    ::testing::Values(
        RoundTrip{"cleared", [](mainwindow::MainForm&) {}},
        RoundTrip{"every_box_ticked",
                  [](mainwindow::MainForm& f) {
                      fill_distinct(f);
                      f.List1.clear();
                      for (const char* name : {"GATR2002.EXE", "WORD.EXE", "Calc.exe"})
                          f.List1.addItem(QString::fromLatin1(name));
                      f.t31.setText(QStringLiteral("C:\\WINDOWS\\Wolken.bmp"));
                      f.t81.setText(QStringLiteral("Eins, Zwei, Drei"));
                      f.t82.setText(QStringLiteral("  Blanks around  "));
                      f.t810.setText(QStringLiteral("D:\\Profile\\"));
                  }},
        // c16 ticks c31 when it is set; the file's c31 comes later and wins.
        RoundTrip{"start_menu_off_without_taskbar",
                  [](mainwindow::MainForm& f) {
                      f.c16.setValue(1);
                      f.c31.setValue(0);
                  }},
        // c41 adds the program to the censor list when it is set; the file's list comes later and wins.
        RoundTrip{"censor_list_on_without_own_program",
                  [](mainwindow::MainForm& f) {
                      f.c41.setValue(1);
                      f.List1.clear();
                      f.List1.addItem(QStringLiteral("NOTEPAD.EXE"));
                  }},
        RoundTrip{"censor_list_on_and_empty",
                  [](mainwindow::MainForm& f) {
                      f.c41.setValue(1);
                      f.List1.clear();
                  }},
        RoundTrip{"entries_as_typed_twice",
                  [](mainwindow::MainForm& f) {
                      for (const char* name : {"a.exe", "A.EXE", "a.exe"})
                          f.List1.addItem(QString::fromLatin1(name));
                  }},
        RoundTrip{"drives_ticked_and_greyed",
                  [](mainwindow::MainForm& f) {
                      f.d_a.setValue(1);
                      f.d_m.setValue(2);
                      f.d_z.setValue(1);
                  }},
        RoundTrip{"last_applets_and_texts_in_code_page",
                  [](mainwindow::MainForm& f) {
                      f.lv1.setChecked(38, true);
                      f.lv1.setChecked(39, true);
                      f.t81.setText(QStringLiteral("Grüße €"));
                      f.t31.setText(QString());
                  }}),
    [](const ::testing::TestParamInfo<RoundTrip>& row) { return std::string(row.param.name); });

TEST(SettingsFileRead, OnlyAStoredOneTicksButADriveTakesItsNumber)
{
    Window w;
    QByteArray bytes = lines({"\"G2002\"", "\"x\"", "1,2,-1,0,1,7,1,1,1,1"}) + applet_lines({})
        + lines({"2,2,2,2,2,2,2,2,2,2", "-1,-1,-1,-1,-1,-1,-1,1", "\"\"", "2", "0",
                 "2,1,0,2,1,0,2,1,0,2,1,0,2,1,0,2,1,0,2,1,0,2,1,0,2,1", "1,1,1,1,1,1,1,1",
                 "1,0,1,0,1,0,1,0,1,0", "\"\",\"\"", "\"\""});
    w.write(set_path("odd.gtr"), bytes);
    fill_distinct(w.form);
    dateiöffnen(w.form, set_path("odd.gtr"));
    const StoredSet got = take_from(w.form);
    EXPECT_EQ(got.start_menu, (std::array<int, 10>{1, 0, 0, 0, 1, 0, 1, 1, 1, 1}));
    EXPECT_EQ(got.explorer, (std::array<int, 10>{}));
    EXPECT_EQ(got.desktop, (std::array<int, 8>{0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(got.censor_on, 0);
    EXPECT_TRUE(got.censor_list.isEmpty());
    EXPECT_EQ(got.drives, (std::array<int, 26>{2, 1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0, 2,
                                               1, 0, 2, 1}));
    EXPECT_EQ(got.misc, (std::array<int, 10>{1, 0, 1, 0, 1, 0, 1, 0, 1, 0}));
}

// The reader goes by fields, not lines: a file with the fields put on lines of their own reads the same.
TEST(SettingsFileRead, TakesFieldsWhereverTheLinesBreak)
{
    Window w;
    QByteArray bytes = small_set_bytes();
    bytes.replace("0,1,0,0,0,0,0,0,0,1\r\n", "0,1,0,0,0\r\n0,0,0,0,1\r\n");
    w.write(set_path("split.gtr"), bytes);
    dateiöffnen(w.form, set_path("split.gtr"));

    FormOn expected(w.program.context());
    small_set(expected.form);
    EXPECT_EQ(take_from(w.form), take_from(expected.form));
}

// The last record is whole when its closing quote is there, even without the line end behind it.
TEST(SettingsFileRead, LastLineEndMissingStillReadsWhole)
{
    Window w;
    w.write(set_path("short.gtr"), small_set_bytes().chopped(2));
    dateiöffnen(w.form, set_path("short.gtr"));

    EXPECT_TRUE(w.ui().messages().empty());
    FormOn expected(w.program.context());
    small_set(expected.form);
    EXPECT_EQ(take_from(w.form), take_from(expected.form));
}

// The ticks go by position in the applet list, whichever applet stands there.
TEST(SettingsFileRead, AppletTicksGoByPosition)
{
    Window w;
    QByteArray bytes = small_set_bytes();
    w.write(set_path("small.gtr"), bytes);
    dateiöffnen(w.form, set_path("small.gtr"));
    for (int i = 1; i <= 39; ++i)
        EXPECT_EQ(w.form.lv1.checked(i), i == 1 || i == 7) << "item " << i << " " << w.form.lv1.text(i).toStdString();
}

struct Refused {
    const char* name;
    std::function<QByteArray()> bytes;
    const char* message;
};

const char* not_ours = "This is not a Gatrisk 2002-File.";
const char* damaged = "This Gatrisk 2002-File is damaged or incomplete. No setting was changed.";

QByteArray cut(int records_kept)
{
    const QList<QByteArray> parts = small_set_bytes().split('\n');
    QByteArray out;
    for (int i = 0; i < records_kept; ++i)
        out += parts[i] + '\n';
    return out;
}

QByteArray replaced(const char* from, const char* to)
{
    QByteArray b = small_set_bytes();
    EXPECT_TRUE(b.contains(from));
    b.replace(from, to);
    return b;
}

class SettingsFileRefused : public ::testing::TestWithParam<Refused> {};

TEST_P(SettingsFileRefused, ShowsItsMessageAndChangesNoControl)
{
    Window w;
    w.write(set_path("bad.gtr"), GetParam().bytes());
    fill_distinct(w.form);
    const StoredSet before = take_from(w.form);
    dateiöffnen(w.form, set_path("bad.gtr"));

    EXPECT_EQ(take_from(w.form), before);
    ASSERT_EQ(w.ui().messages().size(), 1u);
    EXPECT_EQ(w.ui().messages()[0].style, 16);
    EXPECT_EQ(w.ui().messages()[0].title, QStringLiteral("Error..."));
    EXPECT_EQ(w.ui().messages()[0].text, QString::fromLatin1(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsFileRefused,
    ::testing::Values(
        Refused{"magic_in_other_case", [] { return replaced("\"G2002\"", "\"g2002\""); }, not_ours},
        Refused{"magic_unquoted_other", [] { return replaced("\"G2002\"", "G2001"); }, not_ours},
        Refused{"empty_file", [] { return QByteArray(); }, not_ours},
        Refused{"foreign_text", [] { return QByteArray("[Settings]\r\nA=1\r\n"); }, not_ours},
        Refused{"magic_only", [] { return cut(1); }, damaged},
        Refused{"ends_in_the_applets", [] { return cut(20); }, damaged},
        Refused{"ends_in_the_censor_list", [] { return cut(48); }, damaged},
        Refused{"last_record_missing", [] { return cut(53); }, damaged},
        Refused{"cut_in_the_last_text", [] { return small_set_bytes().chopped(5); }, damaged},
        Refused{"cut_after_its_first_letter", [] { return small_set_bytes().chopped(28); }, damaged},
        Refused{"cut_after_the_opening_quote", [] { return small_set_bytes().chopped(29); }, damaged},
        Refused{"last_text_without_closing_quote", [] { return replaced("Settings\\\"\r\n", "Settings\\\r\n"); },
                damaged},
        Refused{"count_beyond_the_entries", [] { return replaced("\r\n2\r\n", "\r\n9\r\n"); }, damaged},
        Refused{"negative_count", [] { return replaced("\r\n2\r\n", "\r\n-2\r\n"); }, damaged},
        Refused{"text_for_a_box", [] { return replaced("0,1,0,0,0,0,0,0,0,1", "0,yes,0,0,0,0,0,0,0,1"); },
                damaged},
        Refused{"text_for_the_count", [] { return replaced("\r\n2\r\n", "\r\ntwo\r\n"); }, damaged},
        Refused{"drive_state_3", [] { return replaced("0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2",
                                                     "0,0,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2"); },
                damaged},
        Refused{"negative_drive_state", [] { return replaced("0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2",
                                                            "0,0,-1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2"); },
                damaged}),
    [](const ::testing::TestParamInfo<Refused>& row) { return std::string(row.param.name); });

TEST(SettingsFileRead, FileThatCannotBeOpenedIsNamedAndChangesNothing)
{
    Window w;
    fill_distinct(w.form);
    const StoredSet before = take_from(w.form);
    dateiöffnen(w.form, set_path("missing.gtr"));
    EXPECT_EQ(take_from(w.form), before);
    ASSERT_EQ(w.ui().messages().size(), 1u);
    EXPECT_EQ(w.ui().messages()[0].style, 16);
    EXPECT_EQ(w.ui().messages()[0].text,
              QStringLiteral("This file could not be opened:\rC:\\Sets\\missing.gtr"));
    EXPECT_FALSE(w.exists(set_path("missing.gtr"))); // opening to read makes no file
}

TEST(SettingsFileRead, LeavesTheFileClosed)
{
    Window w;
    w.write(set_path("small.gtr"), small_set_bytes());
    dateiöffnen(w.form, set_path("small.gtr"));
    w.write(set_path("bad.gtr"), cut(20));
    dateiöffnen(w.form, set_path("bad.gtr"));
    for (int n = 1; n <= 255; ++n)
        EXPECT_FALSE(w.program.context().files.is_open(n)) << n;
}

// Every tick that runs a click reaction, and still not one byte of the machine changes.
TEST(SettingsFileRead, NeverWritesTheRegistry)
{
    Window w;
    fill_distinct(w.form);
    w.form.List1.addItem(QStringLiteral("GATR2002.EXE"));
    ASSERT_TRUE(dateispeichern(w.form, set_path("all.gtr")));
    FormOn cleared(w.program.context());
    ASSERT_EQ(w.program.registry().flush_all(), 0);
    const auto before = w.machine_files();

    dateiöffnen(cleared.form, set_path("all.gtr"));
    EXPECT_EQ(cleared.form.c16.value(), 1);
    ASSERT_EQ(w.program.registry().flush_all(), 0);
    const auto after = w.machine_files();
    EXPECT_EQ(after.size(), before.size());
    for (const auto& [path, bytes] : after)
        EXPECT_TRUE(before.count(path) && before.at(path) == bytes) << "written: " << path.toStdString();
}

// The reader does not refresh what depends on the controls it sets.
TEST(SettingsFileRead, LeavesTheCountLabelAlone)
{
    Window w;
    w.form.gesamtfiles.setCaption(QStringLiteral("3 Files"));
    w.write(set_path("small.gtr"), small_set_bytes());
    dateiöffnen(w.form, set_path("small.gtr"));
    EXPECT_EQ(w.form.gesamtfiles.caption(), QStringLiteral("3 Files"));
    EXPECT_EQ(w.form.List1.listCount(), 2);
}

} // namespace

} // namespace settingsfile_tests
