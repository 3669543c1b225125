#include "commands_window.h"

#include "controls/item_list.h"
#include "platform/vb_files.h"

#include <gtest/gtest.h>

namespace {

using commands_tests::CommandsWindow;

// C:\Apps with two subfolders, one of which holds a third: breadth first visits Sub1, Sub2, then Sub1\Inner.
struct ScanTest : ::testing::Test {
    void SetUp() override
    {
        w.write("C:\\Apps\\a.exe", "MZ");
        w.write("C:\\Apps\\README.EXE", "MZ");
        w.write("C:\\Apps\\SETUPEXE", "MZ");
        w.write("C:\\Apps\\notes.txt", "x");
        w.write("C:\\Apps\\secret.exe", "MZ");
        ASSERT_EQ(w.program.context().files.set_attr("C:\\Apps\\secret.exe", 2), 0); // hidden
        w.write("C:\\Apps\\Sub1\\tool.exe", "MZ");
        w.write("C:\\Apps\\Sub1\\Inner\\y.exe", "MZ");
        w.write("C:\\Apps\\Sub2\\TOOL.EXE", "MZ");
        w.write("C:\\Apps\\Sub2\\z.exe", "MZ");
        w.make_folder("C:\\Flat");
        w.write("C:\\Flat\\only.exe", "MZ");
    }

    void scan(const QString& answer)
    {
        w.ui().type(answer, QStringLiteral("ALLE *.EXE auflisten..."));
        w.form.cm45.userClick();
    }

    CommandsWindow w;
};

TEST_F(ScanTest, AddsEveryProgramFileOfTheTreeBreadthFirst)
{
    w.set_censor_list({"GATR2002.EXE"});
    scan("C:\\Apps");

    EXPECT_EQ(w.censor_list(), QStringList({"GATR2002.EXE", "A.EXE", "README.EXE", "SETUPEXE", "TOOL.EXE", "Z.EXE",
                                            "Y.EXE"}))
        << "hidden files are not listed; tool.exe and TOOL.EXE give one entry";
    EXPECT_EQ(w.form.list0.entries(), QStringList({"C:\\Apps\\Sub1", "C:\\Apps\\Sub2", "C:\\Apps\\Sub1\\Inner"}))
        << "the queue keeps every folder visited";
    EXPECT_EQ(w.form.gesamtfiles.caption(), "Total: 7");
    EXPECT_EQ(w.ui().doEventsCalls(), 0) << "the walk lets no events run";
    EXPECT_TRUE(w.ui().messages().empty());
}

TEST_F(ScanTest, AsksForTheStartFolderInGerman)
{
    scan("C:\\Flat");
    ASSERT_EQ(w.ui().inputs().size(), 1u);
    const auto& input = w.ui().inputs()[0];
    EXPECT_EQ(input.title, "ALLE *.EXE auflisten...");
    EXPECT_EQ(input.prompt, "Von welchem Laufwerk/Pfad sollen die *.EXE-Dateien übernommen werden ? (z.B. "
                            "'C:\\WINDOWS')\r\rACHTUNG: Es werden auch alle Unterverzeichnisse mit untersucht, wenn "
                            "Sie z.B. 'C:\\' wählen, kann diese Aktion einige Minuten dauern...");
    EXPECT_EQ(input.defaultText, "");
}

TEST_F(ScanTest, FolderWithoutSubfoldersAndEntriesInAnyCase)
{
    w.set_censor_list({"only.exe"});
    w.form.list0.addItem("C:\\Left\\Over");
    scan("C:\\Flat");
    EXPECT_EQ(w.censor_list(), QStringList{"only.exe"}) << "the scan's duplicate test ignores case";
    EXPECT_TRUE(w.form.list0.entries().isEmpty());
    EXPECT_EQ(w.form.gesamtfiles.caption(), "Total: 1");
}

// The duplicate test upper-cases one character at a time: straße.exe and STRASSE.EXE are two programs.
TEST_F(ScanTest, UpperCasesEachCharacterOnItsOwn)
{
    w.write("C:\\Sharp\\straße.exe", "MZ");
    w.write("C:\\Sharp\\ÿ.exe", "MZ");
    w.set_censor_list({"strasse.exe"});
    scan("C:\\Sharp");
    EXPECT_EQ(w.censor_list(), QStringList({"strasse.exe", "STRAßE.EXE", "Ÿ.EXE"}));

    w.write("C:\\Sharp2\\STRASSE.EXE", "MZ");
    w.set_censor_list({"straße.exe"});
    scan("C:\\Sharp2");
    EXPECT_EQ(w.censor_list(), QStringList({"straße.exe", "STRASSE.EXE"}));
}

TEST_F(ScanTest, NoAnswerChangesNothing)
{
    for (bool cancel : {true, false}) {
        w.set_censor_list({"A.EXE"});
        if (cancel)
            w.ui().cancelInput();
        else
            w.ui().type("");
        w.form.cm45.userClick();
        EXPECT_EQ(w.censor_list(), QStringList{"A.EXE"}) << cancel;
        EXPECT_EQ(w.form.gesamtfiles.caption(), "gesfiles") << cancel;
    }
    EXPECT_TRUE(w.ui().messages().empty());
}

TEST_F(ScanTest, UnreadableStartEndsTheCommand)
{
    struct Row {
        const char* answer;
        int messages;
    } rows[] = {
        {"Q:\\", 1},           // a drive the machine lacks: reported
        {"C:\\Nowhere", 0},    // a folder that does not exist: ends quietly
        {"Apps", 0},           // no full path
    };
    for (const Row& r : rows) {
        CommandsWindow fresh;
        fresh.set_censor_list({"A.EXE"});
        fresh.ui().type(r.answer);
        fresh.form.cm45.userClick();
        EXPECT_EQ(fresh.censor_list(), QStringList{"A.EXE"}) << r.answer;
        EXPECT_EQ(fresh.form.gesamtfiles.caption(), "gesfiles") << r.answer;
        ASSERT_EQ(static_cast<int>(fresh.ui().messages().size()), r.messages) << r.answer;
        if (r.messages) {
            EXPECT_EQ(fresh.ui().messages()[0].style, 16);
            EXPECT_EQ(fresh.ui().messages()[0].title, "Error");
            EXPECT_EQ(fresh.ui().messages()[0].text, "File/Path not found.");
        }
    }
}

TEST_F(ScanTest, FullCensorListStopsTheWalkInOrder)
{
    QStringList many;
    for (int i = 0; i < controls::maxListEntries - 2; ++i)
        many << QStringLiteral("P%1.EXE").arg(i);
    w.set_censor_list(many);
    scan("C:\\Apps");
    EXPECT_EQ(w.form.List1.listCount(), controls::maxListEntries);
    EXPECT_EQ(w.form.List1.list(controls::maxListEntries - 2), "A.EXE");
    EXPECT_EQ(w.form.List1.list(controls::maxListEntries - 1), "README.EXE");
    EXPECT_EQ(w.form.gesamtfiles.caption(), QStringLiteral("Total: %1").arg(controls::maxListEntries));
}

} // namespace
