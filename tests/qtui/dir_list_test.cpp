// The folder list of the desktop-link folder chooser on screen: the drive's root and every folder down to
// the current one, then its subfolders; a double click on any of them goes there.

#include "qtui/form_window.h"

#include "mainform/main_form.h"
#include "startup/verzeichnis_form.h"
#include "testsupport/context/test_program.h"

#include "tests/qtui/qt_app.h"

#include <QDir>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Chooser {
    Chooser()
    {
        QDir().mkpath(program.host("C:\\Links\\Schule"));
        main.t32.setText("C:\\Documents and Settings\\Administrator");
        chooser.show();
        list = window.findChild<QListWidget*>("Dir1");
    }
    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    QRect rowRect(const QString& text) const
    {
        const auto found = list->findItems(text, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << qPrintable(text);
        return found.isEmpty() ? QRect() : list->visualItemRect(found.front());
    }

    QApplication& application = qt_app::app(); // before any widget
    testsupport::TestProgram program;
    mainwindow::MainForm main{program.context()};
    startup::Verzeichnis chooser{main, 1};
    qtui::FormWindow window{chooser};
    QListWidget* list = nullptr;
};

TEST(FolderListOnScreen, ShowsTheWayDownThenTheSubfolders)
{
    Chooser c;
    ASSERT_NE(c.list, nullptr);
    ASSERT_EQ(c.chooser.Dir1.path(), "C:\\Documents and Settings\\Administrator");
    const QStringList rows = c.rows();
    ASSERT_GE(rows.size(), 3);
    EXPECT_EQ(rows.mid(0, 3), (QStringList{"C:\\", "Documents and Settings", "Administrator"}));
    EXPECT_EQ(rows.size(), 3 + c.chooser.Dir1.listCount());
    for (int i = 0; i < c.chooser.Dir1.listCount(); ++i)
        EXPECT_TRUE(c.chooser.Dir1.list(i).endsWith("\\" + rows[3 + i])) << qPrintable(rows[3 + i]);
    EXPECT_EQ(c.list->currentRow(), 2) << "the current folder is the one selected";
    // Each level a step further in; the subfolders one further than their folder.
    for (int i = 0; i < rows.size(); ++i)
        EXPECT_EQ(c.list->item(i)->data(Qt::UserRole).toInt(), std::min(i, 3)) << qPrintable(rows[i]);

    // A click on a folder above selects it without going there.
    QTest::mouseClick(c.list->viewport(), Qt::LeftButton, {}, c.rowRect("C:\\").center());
    EXPECT_EQ(c.chooser.Dir1.listIndex(), -3);
    EXPECT_EQ(c.chooser.Dir1.path(), "C:\\Documents and Settings\\Administrator");
}

struct OpenRow {
    const char* name;
    const char* start;
    const char* clicked; // the row's text
    const char* reached;
};

class FolderListDoubleClick : public ::testing::TestWithParam<OpenRow> {};

TEST_P(FolderListDoubleClick, GoesToTheFolderOfTheRow)
{
    const OpenRow& row = GetParam();
    Chooser c;
    ASSERT_EQ(c.chooser.Dir1.setPath(QString::fromUtf8(row.start)), 0);
    // As a mouse does it: the view takes the double click only on the row the press before it was on.
    const QPoint at = c.rowRect(QString::fromUtf8(row.clicked)).center();
    QTest::mouseClick(c.list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(c.list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(c.list->viewport(), Qt::LeftButton, {}, at);
    const QString reached = QString::fromUtf8(row.reached);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.chooser.Dir1.path() == reached; }, 5000))
        << qPrintable(c.chooser.Dir1.path());
    EXPECT_EQ(c.chooser.Label1.caption(), reached) << "the chooser follows";
    const QString name = reached.endsWith('\\') ? reached : reached.mid(reached.lastIndexOf('\\') + 1);
    EXPECT_EQ(c.rows().value(c.chooser.Dir1.levels() - 1), name) << "the way down ends at the folder reached";
    EXPECT_EQ(c.list->currentRow(), c.chooser.Dir1.levels() - 1);
}

const OpenRow openRows[] = {
    {"theRoot", "C:\\Documents and Settings\\Administrator", "C:\\", "C:\\"},
    {"aFolderAbove", "C:\\Documents and Settings\\Administrator", "Documents and Settings",
     "C:\\Documents and Settings"},
    {"theParentOfASubfolder", "C:\\Links\\Schule", "Links", "C:\\Links"},
    {"aSubfolder", "C:\\", "Links", "C:\\Links"},
};

INSTANTIATE_TEST_SUITE_P(Rows, FolderListDoubleClick, ::testing::ValuesIn(openRows),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
