#include "testsupport/ui/scripted_ui.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using platform::Answer;
using scripted_ui::ScriptedUi;

TEST(ScriptedUi, ChoicesTakeTheScriptInOrderAndOkBoxesAnswerThemselves)
{
    ScriptedUi ui;
    ui.answer(Answer::No, "Attention");
    ui.answer(Answer::Yes);
    ui.type("C:\\WINDOWS");

    EXPECT_EQ(ui.msgBox("Change these settings only...", 276, "Attention !!!!"), Answer::No);
    EXPECT_EQ(ui.msgBox("Hier kommt link zur Page"), Answer::Ok);
    EXPECT_EQ(ui.msgBox("Use directory C:\\x", 292, "Sure ?"), Answer::Yes);
    EXPECT_EQ(ui.inputBox("Von welchem Laufwerk/Pfad", "ALLE *.EXE auflisten..."), "C:\\WINDOWS");
    EXPECT_EQ(ui.pending(), 0);

    ASSERT_EQ(ui.messages().size(), 3u);
    EXPECT_EQ(ui.messages()[0].style, 276);
    EXPECT_EQ(ui.messages()[0].title, "Attention !!!!");
    EXPECT_EQ(ui.messages()[0].answer, Answer::No);
    // A box without a title of its own shows the program's title.
    EXPECT_EQ(ui.messages()[1].title, "Gatrisk 2002");
    EXPECT_EQ(ui.messages()[1].text, "Hier kommt link zur Page");
    ASSERT_EQ(ui.inputs().size(), 1u);
    EXPECT_EQ(ui.inputs()[0].title, "ALLE *.EXE auflisten...");
    EXPECT_EQ(ui.transcript(), (QStringList{"message 276 |Attention !!!!| Change these settings only...",
                                            "message 0 |Gatrisk 2002| Hier kommt link zur Page",
                                            "message 292 |Sure ?| Use directory C:\\x",
                                            "input |ALLE *.EXE auflisten...| Von welchem Laufwerk/Pfad"}));
}

TEST(ScriptedUi, CancelledInputIsEmpty)
{
    ScriptedUi ui;
    ui.cancelInput();
    EXPECT_EQ(ui.inputBox("Filename MIT PFAD eingeben:", std::nullopt, "x"), "");
    EXPECT_EQ(ui.inputs()[0].title, "Gatrisk 2002");
    EXPECT_EQ(ui.inputs()[0].defaultText, "x");
}

TEST(ScriptedUi, UnexpectedPromptFailsTheTestShowingThePrompt)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            EXPECT_EQ(ui.msgBox("Really sure to change this settings?", 292, "Sure ?"), Answer::No);
        },
        "Really sure to change this settings?");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.answer(Answer::Yes);
            EXPECT_EQ(ui.inputBox("Filename MIT PFAD eingeben:"), "");
            ui.msgBox("x", 4);
        },
        "Filename MIT PFAD eingeben:");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.answer(Answer::Retry);
            EXPECT_EQ(ui.msgBox("Delete?", 292), Answer::No);
        },
        "not a button of this box");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.answer(Answer::Yes, "Sure ?");
            ui.msgBox("Mark all?", 4, "Question");
        },
        "does not contain \"Sure ?\"");
}

TEST(ScriptedUi, LeftOverAnswersFailTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.choose("C:\\a.gtr", "Save Settings");
        },
        "expecting \"Save Settings\"");
}

TEST(ScriptedUi, StrictScriptMustAnswerOkBoxesToo)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.setStrict(true);
            ui.msgBox("Neues Passwort erfolgreich gesetzt.", 64, "Passwort...");
        },
        "Neues Passwort erfolgreich gesetzt.");
    ScriptedUi ui;
    ui.setStrict(true);
    ui.answer(Answer::Ok, "erfolgreich");
    EXPECT_EQ(ui.msgBox("Neues Passwort erfolgreich gesetzt.", 64, "Passwort..."), Answer::Ok);
}

TEST(ScriptedUi, EndOfProgramUnwindsToTheTest)
{
    ScriptedUi ui;
    bool afterEnd = false;
    const bool ended = scripted_ui::endsProgram([&] {
        ui.msgBox("Abbruch...Bitte Programm neu starten!", 16, "Info");
        ui.endProgram();
        afterEnd = true;
    });
    EXPECT_TRUE(ended);
    EXPECT_TRUE(ui.ended());
    EXPECT_FALSE(afterEnd);
    EXPECT_EQ(ui.transcript().last(), "end of program");
    EXPECT_EQ(ui.messages().size(), 1u);

    EXPECT_FALSE(scripted_ui::endsProgram([&] { ui.beep(); }));
    EXPECT_EQ(ui.beeps(), 1);
}

TEST(ScriptedUi, DoEventsRunsTheTestsHookOnceAtATime)
{
    ScriptedUi ui;
    int hookRuns = 0;
    ui.onDoEvents = [&] {
        ++hookRuns;
        ui.doEvents(); // events that let events run do not recurse into the hook
    };
    ui.doEvents();
    ui.doEvents();
    EXPECT_EQ(hookRuns, 2);
    EXPECT_EQ(ui.doEventsCalls(), 4);
}

TEST(ScriptedPrinter, PrintsRunsAtTheirPositionsAndJoinsThemIntoLines)
{
    ScriptedUi ui;
    platform::Printer& p = ui.printer();
    p.setScaleTop(-1000);
    p.setFontName("Arial");
    p.setFontSize(14);
    p.setFontBold(true);
    p.print("");
    p.print("Gatrisk 2002");
    p.setFontSize(10);
    p.setFontBold(false);
    p.print("No Run", false);
    p.tab(10);
    p.print(": YES");
    p.print("A long caption", false);
    p.tab(5); // past column 5: that column of the next line
    p.print(": No");
    p.setCurrentY(15500);
    p.setCurrentX(1);
    p.print("notice");
    p.newPage();
    p.print("page two");
    EXPECT_TRUE(ui.scriptedPrinter().documents().empty());
    p.endDoc();

    ASSERT_EQ(ui.scriptedPrinter().documents().size(), 1u);
    const scripted_ui::PrintedDocument& doc = ui.scriptedPrinter().documents()[0];
    EXPECT_EQ(doc.pages, 2);
    EXPECT_EQ(doc.pageText(1), (QStringList{"", "Gatrisk 2002", "No Run   : YES", "A long caption", "    : No",
                                            "notice"}));
    EXPECT_EQ(doc.pageText(2), QStringList{"page two"});

    ASSERT_GE(doc.runs.size(), 3u);
    EXPECT_EQ(doc.runs[0].text, "Gatrisk 2002");
    EXPECT_EQ(doc.runs[0].y, 14 * 24.0);
    EXPECT_TRUE(doc.runs[0].bold);
    EXPECT_EQ(doc.runs[0].fontSize, 14);
    EXPECT_EQ(doc.runs[2].text, ": YES");
    EXPECT_EQ(doc.runs[2].x, 9 * 100.0);
    EXPECT_FALSE(doc.runs[2].bold);
    EXPECT_EQ(doc.runs.back().page, 2);
    EXPECT_EQ(doc.runs.back().y, 0);
}

TEST(ScriptedPrinter, ALineBelowTheFootStartsANewPage)
{
    ScriptedUi ui;
    platform::Printer& p = ui.printer();
    p.setFontSize(10); // 240 twips a line: 70 lines fill 16800 of 16838
    for (int i = 0; i < 71; ++i)
        p.print(QString::number(i));
    p.endDoc();
    const auto& doc = ui.scriptedPrinter().documents()[0];
    EXPECT_EQ(doc.pages, 2);
    EXPECT_EQ(doc.pageText(1).size(), 70);
    EXPECT_EQ(doc.pageText(2), QStringList{"70"});
}

} // namespace
