// The File menu through its items: the dialogs it shows, what it asks, and which file it writes.

#include "test_window.h"

#include "settingsfile/file_menu.h"
#include "settingsfile/settings_file.h"

#include <gtest/gtest.h>

#include <functional>

namespace settingsfile_tests {

namespace {

using platform::Answer;
using scripted_ui::DialogKind;
using scripted_ui::endsProgram;

const QString filter = QStringLiteral("*.GTR (Gatrisk)|*.gtr");
const QString overwrite_text = QStringLiteral("This file already exists.\rOverwrite existing file ?");

class FileMenu : public ::testing::Test {
protected:
    FileMenu()
    {
        settingsfile::attach_file_menu(w.main.engine);
        f.save_dialog_title = QStringLiteral("Save Settings");
    }

    void click(controls::Menu& item)
    {
        ASSERT_TRUE(item.onClick) << item.name().toStdString();
        item.onClick();
    }
    bool saved_here(const QString& path) const { return w.exists(path) && w.file(path).startsWith("\"G2002\"\r\n"); }
    std::size_t dialogs() { return w.ui().dialogs().size(); }

    Window w;
    mainwindow::MainForm& f = w.form;
};

TEST_F(FileMenu, OpenShowsTheOpenDialogAndLoadsTheChosenFile)
{
    f.c12.setValue(1);
    f.t81.setText(QStringLiteral("Stored"));
    ASSERT_TRUE(settingsfile::dateispeichern(f, set_path("a.gtr")));
    f.c12.setValue(0);
    f.t81.setText(QString());

    w.ui().choose(set_path("a.gtr"));
    click(f.mm11);
    ASSERT_EQ(dialogs(), 1u);
    const auto& shown = w.ui().dialogs()[0];
    EXPECT_EQ(shown.kind, DialogKind::Open);
    EXPECT_EQ(shown.request.title, QStringLiteral("Open File..."));
    EXPECT_EQ(shown.request.filter, filter);
    EXPECT_EQ(shown.request.initDir, QString());
    EXPECT_EQ(f.c12.value(), 1);
    EXPECT_EQ(f.t81.text(), QStringLiteral("Stored"));
    EXPECT_TRUE(w.ui().messages().empty());
}

TEST_F(FileMenu, CancelledDialogsChangeNothing)
{
    fill_distinct(f);
    const auto before = w.machine_files();
    const QString t81 = f.t81.text();
    w.ui().cancelDialog();
    click(f.mm11);
    w.ui().cancelDialog();
    click(f.mm13);
    w.ui().cancelDialog();
    click(f.mm12); // nothing saved yet: Save asks as Save as does
    EXPECT_EQ(dialogs(), 3u);
    EXPECT_EQ(w.ui().dialogs()[2].kind, DialogKind::Save);
    EXPECT_EQ(f.t81.text(), t81);
    EXPECT_EQ(w.machine_files(), before);
    EXPECT_TRUE(w.ui().messages().empty());
    EXPECT_EQ(w.ui().beeps(), 0);
}

TEST_F(FileMenu, SaveAsksOnceThenWritesToTheSameFileWithoutAsking)
{
    w.ui().choose(set_path("first.gtr"));
    click(f.mm12);
    ASSERT_EQ(dialogs(), 1u);
    const auto& shown = w.ui().dialogs()[0];
    EXPECT_EQ(shown.kind, DialogKind::Save);
    EXPECT_EQ(shown.request.title, QStringLiteral("Save Settings"));
    EXPECT_EQ(shown.request.filter, filter);
    EXPECT_EQ(shown.request.initDir, QString());
    ASSERT_TRUE(saved_here(set_path("first.gtr")));

    f.t82.setText(QStringLiteral("Changed"));
    click(f.mm12);
    EXPECT_EQ(dialogs(), 1u);
    EXPECT_TRUE(w.file(set_path("first.gtr")).contains("\"Changed\""));
    EXPECT_TRUE(w.ui().messages().empty()); // a non-empty file, and still no question
}

TEST_F(FileMenu, TheDialogOpensWithItsLastChoice)
{
    w.ui().choose(set_path("one.gtr"));
    click(f.mm13);
    w.ui().cancelDialog();
    click(f.mm11);
    ASSERT_EQ(dialogs(), 2u);
    EXPECT_EQ(w.ui().dialogs()[1].request.fileName, set_path("one.gtr"));
}

TEST_F(FileMenu, OverwritingAskedAndRefused)
{
    w.write(set_path("old.gtr"), "keep me");
    w.ui().choose(set_path("old.gtr"));
    w.ui().answer(Answer::No, overwrite_text);
    click(f.mm13);
    ASSERT_EQ(w.ui().messages().size(), 1u);
    EXPECT_EQ(w.ui().messages()[0].style, 52);
    EXPECT_EQ(w.ui().messages()[0].title, QStringLiteral("Save settings..."));
    EXPECT_EQ(w.ui().beeps(), 1);
    EXPECT_EQ(w.file(set_path("old.gtr")), QByteArray("keep me"));

    // Refused, so Save still has no file of its own and asks for one.
    w.ui().cancelDialog();
    click(f.mm12);
    EXPECT_EQ(dialogs(), 2u);
}

TEST_F(FileMenu, OverwritingAskedAndAccepted)
{
    w.write(set_path("old.gtr"), "replace me");
    w.ui().choose(set_path("old.gtr"));
    w.ui().answer(Answer::Yes, overwrite_text);
    click(f.mm13);
    EXPECT_TRUE(saved_here(set_path("old.gtr")));
    click(f.mm12);
    EXPECT_EQ(dialogs(), 1u);
}

TEST_F(FileMenu, NewOrEmptyFileIsWrittenWithoutAQuestionUnderItsExactName)
{
    w.write(set_path("empty.gtr"), QByteArray());
    w.ui().choose(set_path("empty.gtr"));
    click(f.mm13);
    w.ui().choose(set_path("noextension"));
    click(f.mm13);
    EXPECT_TRUE(saved_here(set_path("empty.gtr")));
    EXPECT_TRUE(saved_here(set_path("noextension")));
    EXPECT_FALSE(w.exists(set_path("noextension.gtr")));
    EXPECT_TRUE(w.ui().messages().empty());
    EXPECT_EQ(w.ui().beeps(), 0);
}

TEST_F(FileMenu, SaveAfterOpenWritesTheLastSavedFile)
{
    ASSERT_TRUE(settingsfile::dateispeichern(f, set_path("other.gtr")));
    const QByteArray other = w.file(set_path("other.gtr"));
    w.ui().choose(set_path("mine.gtr"));
    click(f.mm13);
    w.ui().choose(set_path("other.gtr"));
    click(f.mm11);
    f.t81.setText(QStringLiteral("After open"));
    click(f.mm12);
    EXPECT_EQ(w.file(set_path("other.gtr")), other);
    EXPECT_TRUE(w.file(set_path("mine.gtr")).contains("\"After open\""));
}

// A save that failed gives Save no file to write to without asking.
TEST_F(FileMenu, FailedSaveLeavesSaveAsking)
{
    w.ui().choose(QStringLiteral("C:\\NoSuchFolder\\x.gtr"));
    click(f.mm13);
    ASSERT_EQ(w.ui().messages().size(), 1u);
    EXPECT_EQ(w.ui().messages()[0].style, 16);
    w.ui().cancelDialog();
    click(f.mm12);
    EXPECT_EQ(dialogs(), 2u);
}

TEST_F(FileMenu, PrintPrintsTheReport)
{
    click(f.mm14);
    ASSERT_EQ(w.ui().scriptedPrinter().documents().size(), 1u);
    EXPECT_EQ(w.ui().scriptedPrinter().documents()[0].pages, 3);
    EXPECT_TRUE(w.ui().dialogs().empty());
}

TEST_F(FileMenu, PrinterSetUpShowsOnlyThePrinterDialog)
{
    click(f.mm15);
    EXPECT_EQ(w.ui().printerSetups(), 1);
    EXPECT_EQ(w.ui().transcript(), QStringList{QStringLiteral("printer setup")});
}

TEST_F(FileMenu, ExitEndsTheProgramAtOnce)
{
    fill_distinct(f);
    const auto before = w.machine_files();
    EXPECT_TRUE(endsProgram([&] { click(f.mm16); }));
    EXPECT_TRUE(w.ui().messages().empty());
    EXPECT_EQ(w.machine_files(), before);
}

// The menu attached in German speaks German all the way down: in its dialogs, its questions and the
// messages of the reader, the writer and de-install.
TEST(FileMenuInGerman, EveryTextIsTheGermanOne)
{
    struct Row {
        const char* name;
        std::function<void(Window&)> script;
        controls::Menu mainwindow::MainForm::*item;
        const char* title; // of the dialog or the message box shown last
        const char* text;  // of that message box; nullptr: a dialog
    };
    const Row rows[] = {
        {"open", [](Window& w) { w.ui().cancelDialog(); }, &mainwindow::MainForm::mm11, "Datei öffnen...", nullptr},
        {"overwrite",
         [](Window& w) {
             w.write(set_path("old.gtr"), "keep me");
             w.ui().choose(set_path("old.gtr"));
             w.ui().answer(Answer::No);
         },
         &mainwindow::MainForm::mm13, "Einschränkungen speichern",
         "Diese Datei ist bereits vorhanden. \rBestehende Datei überschreiben ?"},
        {"not_ours",
         [](Window& w) {
             w.write(set_path("foreign.gtr"), "[Settings]\r\n");
             w.ui().choose(set_path("foreign.gtr"));
         },
         &mainwindow::MainForm::mm11, "Fehler...", "Dies ist keine Gatrisk 2002 Datei."},
        {"damaged",
         [](Window& w) {
             w.write(set_path("cut.gtr"), "\"G2002\"\r\n\"NEVER EDIT THIS FILE!\"\r\n0,1,0");
             w.ui().choose(set_path("cut.gtr"));
         },
         &mainwindow::MainForm::mm11, "Fehler...",
         "Diese Gatrisk 2002 Datei ist beschädigt oder unvollständig. Es wurde keine Einstellung geändert."},
        {"not_written", [](Window& w) { w.ui().choose(QStringLiteral("C:\\NoSuchFolder\\x.gtr")); },
         &mainwindow::MainForm::mm13, "Fehler...",
         "Die Einstellungen konnten nicht in diese Datei gespeichert werden:\rC:\\NoSuchFolder\\x.gtr\r"
         "Die Datei wurde nicht verändert."},
        {"uninstall", [](Window& w) { w.ui().answer(Answer::No); }, &mainwindow::MainForm::mm132,
         "DE-Installieren ?",
         "Je nach Umfang der Benutzerkonten (W2000/XP) kann die Deinstallation einige Sekunden dauern. Wollen Sie "
         "nun mit der DE-Installation beginnen ?"},
    };
    for (const Row& r : rows) {
        Window w;
        settingsfile::attach_file_menu(w.main.engine, 0);
        r.script(w);
        (w.form.*r.item).onClick();
        if (!r.text) {
            ASSERT_EQ(w.ui().dialogs().size(), 1u) << r.name;
            EXPECT_EQ(w.ui().dialogs()[0].request.title, QString::fromUtf8(r.title)) << r.name;
            continue;
        }
        ASSERT_FALSE(w.ui().messages().empty()) << r.name;
        EXPECT_EQ(w.ui().messages().back().title, QString::fromUtf8(r.title)) << r.name;
        EXPECT_EQ(w.ui().messages().back().text, QString::fromUtf8(r.text)) << r.name;
    }
}

TEST(FileMenuInGerman, PrintsTheGermanWords)
{
    Window w;
    settingsfile::attach_file_menu(w.main.engine, 0);
    w.form.c11.setValue(1);
    w.form.mm14.onClick();
    ASSERT_EQ(w.ui().scriptedPrinter().documents().size(), 1u);
    const auto& doc = w.ui().scriptedPrinter().documents()[0];
    const QStringList page1 = doc.pageText(1);
    EXPECT_TRUE(page1.filter(QStringLiteral(": AKTIVIERT")).size() == 1) << page1.join('\n').toStdString();
    EXPECT_TRUE(page1.last().endsWith(QStringLiteral("Gatrisk 2002 - Bericht der Einschränkungen")));
    EXPECT_TRUE(doc.pageText(2).contains(QStringLiteral("Dateiliste:")));
}

} // namespace

} // namespace settingsfile_tests
