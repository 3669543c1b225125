#include "test_form.h"
#include "testsupport/ui/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using controls_test::TestForm;

TEST(CommonDialog, TheChosenNameIsWhatTheNextUseOpensWith)
{
    scripted_ui::ScriptedUi ui;
    TestForm form;
    controls::CommonDialog dialog{form, "dialog", ui};
    ui.choose("C:\\Programme\\Word\\WINWORD.EXE", "Anwendung");
    ui.choose("C:\\Daten\\schule.gtr");
    ui.cancelDialog();

    dialog.setDialogTitle("Anwendung auswählen");
    dialog.setFilter("*.EXE (Programmdatei)|*.exe");
    dialog.setInitDir("C:\\");
    ASSERT_TRUE(dialog.showOpen());
    EXPECT_EQ(dialog.fileName(), "C:\\Programme\\Word\\WINWORD.EXE");
    EXPECT_EQ(dialog.fileTitle(), "WINWORD.EXE");

    dialog.setDialogTitle("Save Settings");
    dialog.setFilter("*.GTR (Gatrisk)|*.gtr");
    dialog.setInitDir("");
    ASSERT_TRUE(dialog.showSave());
    EXPECT_FALSE(dialog.showOpen());
    EXPECT_EQ(dialog.fileName(), "");
    EXPECT_EQ(dialog.fileTitle(), "");

    ASSERT_EQ(ui.dialogs().size(), 3u);
    EXPECT_EQ(ui.dialogs()[0].request.fileName, "");
    EXPECT_EQ(ui.dialogs()[1].kind, scripted_ui::DialogKind::Save);
    EXPECT_EQ(ui.dialogs()[1].request.fileName, "C:\\Programme\\Word\\WINWORD.EXE");
    EXPECT_EQ(ui.dialogs()[1].request.title, "Save Settings");
    EXPECT_EQ(ui.dialogs()[2].request.fileName, "C:\\Daten\\schule.gtr");
    EXPECT_EQ(ui.dialogs()[2].answer, std::nullopt);
}

TEST(CommonDialog, PrinterSetUpIsShownThroughTheServices)
{
    scripted_ui::ScriptedUi ui;
    TestForm form;
    controls::CommonDialog dialog{form, "dialog", ui};
    dialog.showPrinter();
    EXPECT_EQ(ui.printerSetups(), 1);
    EXPECT_EQ(ui.transcript(), QStringList{"printer setup"});
}

TEST(FileFilter, SplitsLabelsAndPatterns)
{
    using controls::FilterEntry;
    EXPECT_EQ(controls::parseFilter("*.GTR (Gatrisk)|*.gtr"),
              (std::vector<FilterEntry>{{"*.GTR (Gatrisk)", {"*.gtr"}}}));
    EXPECT_EQ(controls::parseFilter("Pictures|*.bmp;*.gif|All|*.*"),
              (std::vector<FilterEntry>{{"Pictures", {"*.bmp", "*.gif"}}, {"All", {"*.*"}}}));
    EXPECT_EQ(controls::parseFilter("dangling"), std::vector<FilterEntry>{});
    EXPECT_EQ(controls::parseFilter(""), std::vector<FilterEntry>{});
}

} // namespace
