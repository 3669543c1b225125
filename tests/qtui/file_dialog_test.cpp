#include "qtui/file_dialog.h"

#include "platform/machine/machine.h"
#include "platform/machine/sample_machine.h"

#include "tests/qtui/qt_app.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(FileDialogFilter, LabelPatternPairsBecomeNameFilters)
{
    EXPECT_EQ(qtui::qtNameFilters("*.GTR (Gatrisk)|*.gtr"), QStringList{"*.GTR (Gatrisk) (*.gtr)"});
    EXPECT_EQ(qtui::qtNameFilters("Bilder|*.bmp;*.jpg|Alle|*.*"), QStringList({"Bilder (*.bmp *.jpg)", "Alle (*.*)"}));
    EXPECT_EQ(qtui::qtNameFilters(""), QStringList{});
}

// A machine whose drive C is a temporary folder holding C:\Dokumente\Set.GTR.
struct MachineDialogTest : ::testing::Test {
    void SetUp() override
    {
        qt_app::app();
        ASSERT_TRUE(dir.isValid());
        platform::MachineFacts facts = platform::sample_facts(platform::SampleSystem::winxp, dir.path());
        for (const platform::Drive& d : facts.drives)
            QDir().mkpath(d.host_folder);
        drive = facts.drives.front().host_folder;
        QDir(drive).mkpath("Dokumente");
        QFile f(drive + "/Dokumente/Set.GTR");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QString error;
        machine = platform::Machine::from_facts(dir.path(), facts, &error);
        ASSERT_TRUE(machine) << qPrintable(error);
        paths = qtui::machinePathMapping(*machine);
    }
    QTemporaryDir dir;
    QString drive;
    std::optional<platform::Machine> machine;
    std::unique_ptr<qtui::PathMapping> paths;
};

TEST_F(MachineDialogTest, StartsInTheRequestedFolderWithTheFilter)
{
    platform::FileDialogRequest request{"Datei öffnen...", "*.GTR (Gatrisk)|*.gtr", 1, "c:\\dokumente", ""};
    const auto dialog = qtui::buildFileDialog(request, qtui::FileDialogMode::Open, *paths);
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(drive + "/Dokumente").canonicalPath());
    EXPECT_EQ(dialog->nameFilters(), QStringList{"*.GTR (Gatrisk) (*.gtr)"});
    EXPECT_EQ(dialog->windowTitle(), "Datei öffnen...");
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    ASSERT_FALSE(dialog->sidebarUrls().isEmpty());
    EXPECT_EQ(dialog->sidebarUrls().front().toLocalFile(), drive) << "the drives are the places offered";
}

TEST_F(MachineDialogTest, WithoutFolderStartsWhereTheLastChoiceWas)
{
    platform::FileDialogRequest request{"Save Settings", "*.GTR (Gatrisk)|*.gtr", 1, "", "C:\\Dokumente\\Set.GTR"};
    const auto dialog = qtui::buildFileDialog(request, qtui::FileDialogMode::Save, *paths);
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(drive + "/Dokumente").canonicalPath());
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite)) << "the program asks itself";
}

TEST_F(MachineDialogTest, AnswersWithTheWindowsPath)
{
    platform::FileDialogRequest request{"Open", "*.GTR (Gatrisk)|*.gtr", 1, "C:\\Dokumente", ""};
    const auto dialog = qtui::buildFileDialog(request, qtui::FileDialogMode::Open, *paths);
    dialog->selectFile(drive + "/Dokumente/Set.GTR");
    const qtui::FileDialogResult r = qtui::fileDialogResult(*dialog, QDialog::Accepted, *paths);
    ASSERT_EQ(r.choice, qtui::FileChoice::Chosen);
    EXPECT_EQ(r.answer.fileName, "C:\\Dokumente\\Set.GTR");
    EXPECT_EQ(r.answer.filterIndex, 1);
    EXPECT_EQ(qtui::fileDialogResult(*dialog, QDialog::Rejected, *paths).choice, qtui::FileChoice::Cancelled);
}

TEST_F(MachineDialogTest, RefusesAFileOutsideTheDrives)
{
    QTemporaryDir elsewhere;
    QFile f(elsewhere.filePath("x.gtr"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    platform::FileDialogRequest request{"Open", "", 1, "", ""};
    const auto dialog = qtui::buildFileDialog(request, qtui::FileDialogMode::Open, *paths);
    dialog->setDirectory(elsewhere.path());
    dialog->selectFile(elsewhere.filePath("x.gtr"));
    EXPECT_EQ(qtui::fileDialogResult(*dialog, QDialog::Accepted, *paths).choice, qtui::FileChoice::Outside);
}

} // namespace
