#include "commands_window.h"

#include <gtest/gtest.h>

namespace {

using commands_tests::CommandsWindow;
using platform::Answer;

const QString own = QStringLiteral("GATR2002.EXE");
const QString old = QStringLiteral("GATR99.EXE");

TEST(CensorOwnFile, TickingKeepsTheProgramsOwnFileInTheList)
{
    struct Row {
        const char* name;
        QStringList before;
        std::vector<int> values; // set one after the other
        QStringList after;
    } rows[] = {
        {"empty list", {}, {1}, {own}},
        {"present", {"WINWORD.EXE", own}, {1}, {"WINWORD.EXE", own}},
        {"lower case counts as missing", {"gatr2002.exe"}, {1}, {"gatr2002.exe", own}},
        {"unticking changes nothing", {}, {1, 0}, {own}},
        {"greyed is not ticked", {"X.EXE"}, {2}, {"X.EXE"}},
        {"ticked again", {}, {1, 0, 1}, {own}},
    };
    for (const Row& r : rows) {
        CommandsWindow w;
        w.set_censor_list(r.before);
        for (int v : r.values)
            w.form.c41.setValue(v);
        EXPECT_EQ(w.censor_list(), r.after) << r.name;
        EXPECT_EQ(w.form.gesamtfiles.caption(), "gesfiles") << r.name;
    }
}

TEST(CensorAdd, AddsTheChosenProgramUpperCasedAndNeverTwice)
{
    struct Row {
        const char* name;
        QStringList before;
        QString chosen;
        QStringList after;
    } rows[] = {
        {"new name at the end", {"EXCEL.EXE"}, "C:\\Programme\\Office\\WinWord.exe", {"EXCEL.EXE", "WINWORD.EXE"}},
        {"present in upper case", {"WINWORD.EXE"}, "C:\\Office\\winword.exe", {"WINWORD.EXE"}},
        // The test compares with the entries as stored: a lower-case entry read from an account stays beside it.
        {"present in lower case", {"winword.exe"}, "C:\\Office\\winword.exe", {"winword.exe", "WINWORD.EXE"}},
        {"into an empty list", {}, "D:\\tool.exe", {"TOOL.EXE"}},
        // One character at a time, the length kept: "STRASSE.EXE" would name another file.
        {"sharp s kept", {"STRASSE.EXE"}, "C:\\Tools\\straße.exe", {"STRASSE.EXE", "STRAßE.EXE"}},
        {"ligature kept", {}, "C:\\Tools\\ﬁnd.exe", {"ﬁND.EXE"}},
    };
    for (const Row& r : rows) {
        CommandsWindow w;
        w.set_censor_list(r.before);
        w.ui().choose(r.chosen);
        w.form.cm41.userClick();
        EXPECT_EQ(w.censor_list(), r.after) << r.name;
        EXPECT_EQ(w.form.gesamtfiles.caption(), QStringLiteral("Total: %1").arg(r.after.size())) << r.name;
    }
}

TEST(CensorAdd, AsksForOneProgramAndKeepsTheDialogsFileName)
{
    CommandsWindow w;
    w.ui().choose("C:\\Apps\\calc.exe");
    w.form.cm41.userClick();
    w.ui().cancelDialog();
    w.form.cm41.userClick();

    const auto& dialogs = w.ui().dialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].kind, scripted_ui::DialogKind::Open);
    EXPECT_EQ(dialogs[0].request.title, "Anwendung auswählen");
    EXPECT_EQ(dialogs[0].request.filter, "*.EXE (Programmdatei)|*.exe");
    EXPECT_EQ(dialogs[0].request.initDir, w.program.context().files.current_dir());
    EXPECT_EQ(dialogs[1].request.fileName, "C:\\Apps\\calc.exe") << "the last choice is offered again";
    // The cancelled second use changed nothing, the label included.
    EXPECT_EQ(w.censor_list(), QStringList{"CALC.EXE"});
    EXPECT_EQ(w.form.gesamtfiles.caption(), "Total: 1");
}

TEST(CensorAdd, CancelledAtFirstUseChangesNothing)
{
    CommandsWindow w;
    w.set_censor_list({"A.EXE"});
    w.ui().cancelDialog();
    w.form.cm41.userClick();
    EXPECT_EQ(w.censor_list(), QStringList{"A.EXE"});
    EXPECT_EQ(w.form.gesamtfiles.caption(), "gesfiles");
}

TEST(CensorRemove, RemovesTheSelectedEntryButNotTheProgramsOwnNames)
{
    struct Row {
        const char* name;
        QStringList before;
        int selected;
        QStringList after;
        QString label;
        int beeps;
        QString message; // "style |title| text", empty for none
    } rows[] = {
        {"plain entry", {own, "CALC.EXE", "WINWORD.EXE"}, 1, {own, "WINWORD.EXE"}, "Total: 2", 0, ""},
        {"nothing selected", {own, "CALC.EXE"}, -1, {own, "CALC.EXE"}, "Total: 2", 1, ""},
        {"older version", {own, old}, 1, {own, old}, "gesfiles", 0,
         "16 |Can't remove...| You can't remove this program, cause it is an older version of Gatrisk"},
        {"own file", {"CALC.EXE", own}, 1, {"CALC.EXE", own}, "gesfiles", 0,
         "16 |Can't remove...| You can't remove the actual version of this program from your restriction-list..."},
        {"own names in lower case are plain entries", {"gatr99.exe", "gatr2002.exe"}, 0, {"gatr2002.exe"},
         "Total: 1", 0, ""},
        {"empty list", {}, -1, {}, "gesfiles", 0, "0 |Gatrisk 2002| No more entries to delete."},
    };
    for (const Row& r : rows) {
        CommandsWindow w;
        w.set_censor_list(r.before);
        w.form.List1.setListIndex(r.selected);
        w.form.cm42.userClick();
        EXPECT_EQ(w.censor_list(), r.after) << r.name;
        EXPECT_EQ(w.form.gesamtfiles.caption(), r.label) << r.name;
        EXPECT_EQ(w.ui().beeps(), r.beeps) << r.name;
        QStringList shown;
        for (const auto& m : w.ui().messages())
            shown << QStringLiteral("%1 |%2| %3").arg(m.style).arg(m.title, m.text);
        EXPECT_EQ(shown, r.message.isEmpty() ? QStringList() : QStringList{r.message}) << r.name;
    }
}

TEST(CensorSuggestions, AddsTheMissingNamesAndLeavesTheBoxAndLabel)
{
    CommandsWindow w;
    w.set_censor_list({"winword.exe", "CALC.EXE"});
    w.form.cm43.userClick();
    w.form.cm43.userClick(); // the second run adds nothing

    EXPECT_EQ(w.censor_list(), QStringList({"winword.exe", "CALC.EXE", "OUTLOOK.EXE", "EXPLORER.EXE", "EXCEL.EXE",
                                            "MSACCESS.EXE", "WINWORD.EXE", "IEXPLORE.EXE", "CORELDRW.EXE",
                                            "ONLINE.EXE"}));
    ASSERT_EQ(w.ui().messages().size(), 2u);
    for (const auto& m : w.ui().messages()) {
        EXPECT_EQ(m.style, 64);
        EXPECT_EQ(m.title, "Some suggestions...");
        EXPECT_EQ(m.text, "Find some suggestions from the author in the list box below. The list was not activated "
                          "automatically.");
    }
    EXPECT_EQ(w.form.c41.value(), 0);
    EXPECT_EQ(w.form.gesamtfiles.caption(), "gesfiles");
}

TEST(CensorRemoveAll, LeavesOnlyTheProgramsOwnFile)
{
    CommandsWindow w;
    w.set_censor_list({old, "CALC.EXE", own, "gatr2002.exe"});
    w.form.c41.setValue(1);
    w.form.cm44.userClick();
    EXPECT_EQ(w.censor_list(), QStringList{own});
    EXPECT_EQ(w.form.gesamtfiles.caption(), "Total: 1");
    EXPECT_EQ(w.form.c41.value(), 1);
    EXPECT_TRUE(w.ui().messages().empty()) << "no question";
}

} // namespace
