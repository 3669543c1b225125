// The whole main window after its load, rendered offscreen as the program shows it, with pictures of it in the
// build folder to look at.

#include "tests/main_window/main_window_fixture.h"
#include "tests/main_window/qt_application.h"

#include "qtui/form_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using main_window_tests::on;
using main_window_tests::Program;
using platform::SampleSystem;

struct Rendered {
    explicit Rendered(SampleSystem system) : program(on(system))
    {
        EXPECT_FALSE(program.load()) << program.transcript().toStdString();
        window = std::make_unique<qtui::FormWindow>(program.window);
        window->activateWindow();
    }
    bool save(const QString& name)
    {
        QTest::qWait(20);
        return window->grab().save(QDir(QStringLiteral(GATRISK_BUILD_DIR)).filePath(name));
    }
    template <class W>
    W* widget(const char* name) { return window->findChild<W*>(QString::fromLatin1(name)); }

    QApplication& application = main_window_tests::app(); // before any widget
    Program program;
    std::unique_ptr<qtui::FormWindow> window;
};

TEST(RenderedMainWindow, WindowsXp)
{
    Rendered r(SampleSystem::winxp);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(r.window.get()));
    ASSERT_TRUE(r.save(QStringLiteral("main_window_loaded.png")));
    EXPECT_EQ(r.window->windowTitle(), QStringLiteral("Gatrisk 2002"));
    auto* chooser = r.widget<QComboBox>("Combo_user");
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->currentText(), QStringLiteral("Administrator"));
    EXPECT_EQ(chooser->count(), r.program.window.Combo_user.listCount());
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_TRUE(r.widget<QGroupBox>("f0")->isVisible());
    EXPECT_EQ(r.widget<QLabel>("l02")->text(), r.program.window.tab_help_texts[1]);
    EXPECT_FALSE(r.widget<QMenu>("mm6")->menuAction()->isVisible());
    EXPECT_FALSE(r.widget<QMenu>("mm4")->menuAction()->isVisible());
    EXPECT_TRUE(r.widget<QCheckBox>("d_c")->isEnabled());
    for (int k = 1; k < 9; ++k) {
        r.program.window.tab.setTab(k);
        EXPECT_TRUE(r.save(QStringLiteral("main_window_loaded_tab%1.png").arg(k)));
    }
}

// A click anywhere on a tab's header selects that tab: nothing lies over the headers, at either edge.
TEST(RenderedMainWindow, EveryTabHeaderTakesClicksOverItsWholeArea)
{
    Rendered r(SampleSystem::winxp);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(r.window.get()));
    auto* bar = r.widget<QTabWidget>("tab")->tabBar();
    ASSERT_EQ(bar->count(), 9);
    for (int k = 8; k >= 0; --k) {
        const QRect header = bar->tabRect(k).adjusted(1, 1, -1, -1);
        const struct {
            const char* name;
            QPoint at;
        } points[] = {{"top left", header.topLeft()},         {"top right", header.topRight()},
                      {"bottom left", header.bottomLeft()},   {"bottom right", header.bottomRight()},
                      {"bottom centre", {header.center().x(), header.bottom()}}};
        for (const auto& point : points) {
            r.program.window.tab.setTab(k == 0 ? 1 : 0);
            const QPoint at = bar->mapTo(r.window.get(), point.at);
            QWidget* hit = r.window->childAt(at);
            ASSERT_NE(hit, nullptr) << k << " " << point.name;
            EXPECT_TRUE(hit == bar) << "tab " << k << " " << point.name << ": " << hit->objectName().toStdString();
            QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(r.window.get(), at));
            EXPECT_EQ(r.program.window.tab.tab(), k) << point.name;
        }
    }
}

// The information panel lies over the right part of the tab frames, its top, bottom and right edges on theirs.
TEST(RenderedMainWindow, InformationPanelLinesUpWithTheTabFrames)
{
    Rendered r(SampleSystem::winxp);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(r.window.get()));
    auto* panel = r.widget<QGroupBox>("f0");
    ASSERT_NE(panel, nullptr);
    const QRect info(panel->mapTo(r.window.get(), QPoint(0, 0)), panel->size());
    for (int k = 0; k < 9; ++k) {
        r.program.window.tab.setTab(k);
        QTest::qWait(10);
        auto* frame = r.widget<QGroupBox>(QStringLiteral("f%1").arg(k + 1).toLatin1().constData());
        ASSERT_NE(frame, nullptr);
        const QRect f(frame->mapTo(r.window.get(), QPoint(0, 0)), frame->size());
        EXPECT_NEAR(info.top(), f.top(), 1) << k;
        EXPECT_NEAR(info.bottom(), f.bottom(), 1) << k;
        EXPECT_NEAR(info.right(), f.right(), 1) << k;
        EXPECT_GT(info.left(), f.left() + f.width() / 2) << k;
    }
}

// The account changes only by choosing it from the list: no typed key, shortcut or edit of the context menu
// changes the chooser's text, so Apply never writes into an account that was not loaded.
TEST(RenderedMainWindow, NothingButTheListChangesTheUserChooser)
{
    Rendered r(SampleSystem::winxp);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(r.window.get()));
    auto* chooser = r.widget<QComboBox>("Combo_user");
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(chooser->isEditable());
    QLineEdit* edit = chooser->lineEdit();
    r.window->activateWindow();
    QTest::mouseClick(edit, Qt::LeftButton);
    // The key events go where the application's focus is: the combo box, which hands them to its line edit.
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QApplication::clipboard()->setText(QStringLiteral("Eve"));

    const struct {
        const char* name;
        std::function<void()> edit;
    } rows[] = {
        {"typed letters", [&] { QTest::keyClicks(focused, QStringLiteral("xy")); }},
        {"backspace", [&] { QTest::keyClick(focused, Qt::Key_Backspace); }},
        {"delete", [&] { QTest::keyClick(focused, Qt::Key_Home); QTest::keyClick(focused, Qt::Key_Delete); }},
        {"ctrl+v", [&] { QTest::keyClick(focused, Qt::Key_V, Qt::ControlModifier); }},
        {"shift+insert", [&] { QTest::keyClick(focused, Qt::Key_Insert, Qt::ShiftModifier); }},
        {"ctrl+x", [&] { edit->selectAll(); QTest::keyClick(focused, Qt::Key_X, Qt::ControlModifier); }},
        {"shift+delete", [&] { edit->selectAll(); QTest::keyClick(focused, Qt::Key_Delete, Qt::ShiftModifier); }},
        {"ctrl+z", [&] { QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier); }},
        {"context menu paste", [&] { edit->paste(); }},
        {"context menu cut", [&] { edit->selectAll(); edit->cut(); }},
        {"context menu delete", [&] { edit->selectAll(); edit->del(); }},
    };
    for (const auto& row : rows) {
        r.program.window.Combo_user.setText(QStringLiteral("Administrator"));
        row.edit();
        EXPECT_EQ(chooser->currentText(), QStringLiteral("Administrator")) << row.name;
        EXPECT_EQ(r.program.window.Combo_user.text(), QStringLiteral("Administrator")) << row.name;
    }
    EXPECT_TRUE(r.program.messages().empty()) << r.program.transcript().toStdString();
    // Nor does its context menu offer an edit (Qt's own texts, untranslated here).
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    for (const QAction* action : menu->actions()) {
        const QString text = action->text().remove(QLatin1Char('&'));
        for (const char* offered : {"Undo", "Redo", "Cut", "Paste", "Delete"})
            EXPECT_FALSE(text.startsWith(QLatin1String(offered))) << text.toStdString();
    }

    // Choosing from the list still changes the account.
    const int other = chooser->findText(QStringLiteral("Administrator")) == 0 ? 1 : 0;
    ASSERT_GT(chooser->count(), other);
    QTest::keyClick(focused, other > 0 ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(r.program.window.Combo_user.text(), chooser->itemText(other));
}

// A menu item captioned "-" is drawn as a separator line, with no text of its own.
TEST(RenderedMainWindow, MenuSeparatorsAreLines)
{
    Rendered r(SampleSystem::winxp);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(r.window.get()));
    auto* file = r.widget<QMenu>("mm1");
    ASSERT_NE(file, nullptr);
    file->popup(r.window->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    EXPECT_TRUE(file->grab().save(QDir(QStringLiteral(GATRISK_BUILD_DIR)).filePath(QStringLiteral("main_window_file_menu.png"))));
    for (const char* name : {"m1x1", "m1x9", "mm1x2"}) {
        auto* separator = r.widget<QAction>(name);
        ASSERT_NE(separator, nullptr) << name;
        EXPECT_TRUE(separator->isSeparator()) << name;
        EXPECT_TRUE(separator->text().isEmpty()) << name << ": " << separator->text().toStdString();
    }
    file->hide();
}

TEST(RenderedMainWindow, Windows98)
{
    Rendered r(SampleSystem::win98);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(r.window.get()));
    r.program.window.tab.setTab(8);
    ASSERT_TRUE(r.save(QStringLiteral("main_window_loaded_98.png")));
    auto* field = r.widget<QLineEdit>("t810");
    ASSERT_NE(field, nullptr);
    EXPECT_FALSE(field->isEnabled());
    EXPECT_EQ(field->text(), QStringLiteral("<only available for Win NT/2000/XP-Systems>"));

    // The user's focus on the chooser brings the message.
    auto* chooser = r.widget<QComboBox>("Combo_user");
    ASSERT_NE(chooser, nullptr);
    r.window->activateWindow();
    chooser->setFocus(Qt::MouseFocusReason);
    QTest::qWait(20);
    ASSERT_EQ(r.program.messages().size(), 1u) << r.program.transcript().toStdString();
    EXPECT_EQ(r.program.messages()[0].title,
              QStringLiteral("Sorry - Changing Users only in Win2K, WinNT or WinXP-Systems..."));
}

} // namespace
