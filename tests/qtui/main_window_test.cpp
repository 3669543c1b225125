// The main window rendered offscreen: a Qt object for every control, and changes in both directions.

#include "qtui/form_window.h"

#include "mainform/main_form.h"
#include "mainwindow/main_window.h"
#include "tests/mainform/main_inventory.h"
#include "tests/qtui/qt_app.h"
#include "testsupport/context/test_program.h"

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBox>

#include <gtest/gtest.h>

#include <optional>

namespace {

struct MainWindowTest : ::testing::Test {
    static void SetUpTestSuite() { qt_app::app(); }
    void SetUp() override
    {
        form.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    template <class W>
    W* widget(const QString& name)
    {
        W* w = window.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << qPrintable(name);
        return w;
    }
    // The list bar as the load builds it: one group of ten items.
    void fillListBar()
    {
        const int g = form.SSListBar1.addGroup("G1", "Einschränkungen");
        const char* titles[] = {"Startmenü", "Sys-Steuerung", "Desktop", "Zensur", "Laufwerke", "Netz/Drucker",
                                "IE Explorer", "Diverses", "Einstellungen", "Hilfe"};
        for (int i = 1; i <= 10; ++i)
            form.SSListBar1.addItem(g, i, QStringLiteral("L %1").arg(i), QString::fromUtf8(titles[i - 1]));
    }

    testsupport::TestProgram program;
    mainwindow::MainForm form{program.context()};
    qtui::FormWindow window{form};
};

TEST_F(MainWindowTest, EveryControlHasItsQtObject)
{
    for (const auto& e : main_inventory::entries()) {
        const controls::Control* c = form.find(e.name);
        ASSERT_NE(c, nullptr) << qPrintable(e.name);
        QObject* o = window.findChild<QObject*>(e.name);
        ASSERT_NE(o, nullptr) << qPrintable(e.name);
        EXPECT_EQ(o, window.objectFor(*c)) << qPrintable(e.name);
    }
    // Some kinds by their widget class.
    EXPECT_NE(window.findChild<QCheckBox*>("c11"), nullptr);
    EXPECT_NE(window.findChild<QComboBox*>("Combo_user"), nullptr);
    EXPECT_NE(window.findChild<QTabWidget*>("tab"), nullptr);
    EXPECT_NE(window.findChild<QListWidget*>("lv1"), nullptr);
    EXPECT_NE(window.findChild<QTimer*>("Timer1"), nullptr);
    EXPECT_NE(window.findChild<QMenu*>("mm1"), nullptr);
    EXPECT_NE(window.findChild<QAction*>("mm11"), nullptr);
    EXPECT_NE(window.findChild<QGroupBox*>("f9"), nullptr);
    EXPECT_TRUE(window.findChild<QAction*>("m1x1")->isSeparator());
}

TEST_F(MainWindowTest, WhatIsShownAtStart)
{
    const QTabWidget* tab = widget<QTabWidget>("tab");
    ASSERT_EQ(tab->count(), 9);
    EXPECT_EQ(tab->tabText(0), "&1.)");
    EXPECT_EQ(tab->tabText(8), "&9.)");
    EXPECT_EQ(tab->currentIndex(), 0);
    // Tab 0's controls are on screen, those of other tabs are not.
    EXPECT_TRUE(widget<QCheckBox>("c11")->isVisible());
    EXPECT_EQ(widget<QCheckBox>("c11")->text(), "c11_Kein Beenden");
    EXPECT_FALSE(widget<QCheckBox>("c31")->isVisible());
    EXPECT_TRUE(widget<QGroupBox>("f0")->isVisible());
    EXPECT_TRUE(widget<QComboBox>("Combo_user")->isVisible());
    EXPECT_EQ(widget<QComboBox>("Combo_user")->currentText(), "Combo_user");
    EXPECT_FALSE(widget<QLineEdit>("txttooltip")->isVisible());
    EXPECT_FALSE(widget<QListWidget>("File1")->isVisibleTo(&window));
    EXPECT_FALSE(widget<QCheckBox>("d_c")->isEnabled());
    EXPECT_EQ(widget<QCheckBox>("d_c")->text(), "C:");
    EXPECT_TRUE(widget<QTimer>("Timer1")->isActive());
    EXPECT_EQ(widget<QTimer>("Timer1")->interval(), 1000);
    EXPECT_EQ(widget<QLabel>("StatusBar.panel5")->text(), "12:00:00");
    EXPECT_FALSE(widget<QMenu>("mm4")->menuAction()->isVisible());
    EXPECT_FALSE(widget<QMenu>("mm6")->menuAction()->isVisible());
    EXPECT_TRUE(widget<QMenu>("mm1")->menuAction()->isVisible());
    EXPECT_EQ(widget<QMenu>("mm1")->title(), "mm1_&Datei");
    EXPECT_TRUE(widget<QAction>("mm51")->text().endsWith("\tF1"));
    // The user row and the information panel lie over the tab control.
    const QWidget* client = window.clientArea();
    const QObjectList& order = client->children();
    EXPECT_GT(order.indexOf(widget<QGroupBox>("f0")), order.indexOf(tab));
    EXPECT_GT(order.indexOf(widget<QPushButton>("cmd_set")), order.indexOf(tab));
    EXPECT_GT(order.indexOf(window.findChild<QLabel*>("Picture8")), order.indexOf(tab));
}

TEST_F(MainWindowTest, CodeChangesShowInTheWidgets)
{
    form.c11.setValue(1);
    EXPECT_EQ(widget<QCheckBox>("c11")->checkState(), Qt::Checked);
    form.c11.setValue(2);
    EXPECT_EQ(widget<QCheckBox>("c11")->checkState(), Qt::PartiallyChecked);
    form.c11.setValue(0);
    EXPECT_EQ(widget<QCheckBox>("c11")->checkState(), Qt::Unchecked);

    form.t31.setText("C:\\WINDOWS\\Wolken.bmp");
    EXPECT_EQ(widget<QLineEdit>("t31")->text(), "C:\\WINDOWS\\Wolken.bmp");

    form.List1.addItem("GATR2002.EXE");
    form.List1.addItem("WINWORD.EXE");
    form.List1.setListIndex(1);
    auto* list = widget<QListWidget>("List1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "WINWORD.EXE");
    EXPECT_EQ(list->currentRow(), 1);
    form.List1.removeItem(0);
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "WINWORD.EXE");

    form.lv1.add("Maus");
    form.lv1.add("Anzeige");
    form.lv1.setChecked(2, true);
    auto* view = widget<QListWidget>("lv1");
    ASSERT_EQ(view->count(), 2);
    EXPECT_EQ(view->item(0)->text(), "Anzeige");
    EXPECT_EQ(view->item(1)->checkState(), Qt::Checked);

    form.Combo_user.addItem("pupil");
    form.Combo_user.addItem("Schueler");
    form.Combo_user.setText("Schueler");
    auto* combo = widget<QComboBox>("Combo_user");
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), "Schueler");
    EXPECT_EQ(combo->currentIndex(), 1);

    form.c12.setEnabled(false);
    EXPECT_FALSE(widget<QCheckBox>("c12")->isEnabled());
    form.cmd_set.setVisible(false);
    EXPECT_FALSE(widget<QPushButton>("cmd_set")->isVisible());
    form.d_c.setEnabled(true);
    EXPECT_TRUE(widget<QCheckBox>("d_c")->isEnabled());

    form.l01.setCaption("Desktop");
    EXPECT_EQ(widget<QLabel>("l01")->text(), "Desktop");
    form.StatusBar.setPanelText(3, "Administrator");
    EXPECT_EQ(widget<QLabel>("StatusBar.panel3")->text(), "Administrator");

    form.mm6.setVisible(true);
    EXPECT_TRUE(widget<QMenu>("mm6")->menuAction()->isVisible());
    form.mm23.setEnabled(false);
    EXPECT_FALSE(widget<QAction>("mm23")->isEnabled());
    form.mm41.setChecked(true);
    EXPECT_TRUE(widget<QAction>("mm41")->isChecked());

    form.tab.setTab(8);
    EXPECT_EQ(widget<QTabWidget>("tab")->currentIndex(), 8);
    EXPECT_TRUE(widget<QLineEdit>("t810")->isVisible());
    EXPECT_FALSE(widget<QCheckBox>("c11")->isVisible());

    const QRect before = widget<QCheckBox>("c11")->geometry();
    form.c11.setTop(form.c11.top() + 150);
    EXPECT_EQ(widget<QCheckBox>("c11")->geometry().top(), before.top() + 10);
}

TEST_F(MainWindowTest, UserActionsReachTheControlsAndHandlers)
{
    QStringList ran;
    form.c11.onClick = [&] { ran << "c11_Click"; };
    form.t81.onChange = [&] { ran << "t81_Change"; };
    form.Combo_user.onClick = [&] { ran << "Combo_user_Click"; };
    form.lv1.onItemCheck = [&](int position) { ran << QStringLiteral("lv1_ItemCheck %1").arg(position); };
    form.tab.onClick = [&](int previous) { ran << QStringLiteral("tab_Click %1").arg(previous); };
    form.mm21.onClick = [&] { ran << "mm21_Click"; };
    form.mm51.onClick = [&] { ran << "mm51_Click"; };
    form.SSListBar1.onItemClick = [&](int group, int item) { ran << QStringLiteral("ItemClick %1 %2").arg(group).arg(item); };
    form.cm01.onClick = [&] { ran << "cm01_Click"; };
    form.StatusBar.onMouseDown = [&](int button, int, double x, double) {
        ran << QStringLiteral("StatusBar_MouseDown %1 %2").arg(button).arg(x > 0 && x < 1500);
    };

    QTest::mouseClick(widget<QCheckBox>("c11"), Qt::LeftButton);
    EXPECT_EQ(form.c11.value(), 1);
    EXPECT_EQ(widget<QCheckBox>("c11")->checkState(), Qt::Checked);
    form.c12.setEnabled(false);
    QTest::mouseClick(widget<QCheckBox>("c12"), Qt::LeftButton);
    EXPECT_EQ(form.c12.value(), 0) << "a disabled box takes no click";
    QTest::mouseClick(widget<QPushButton>("cm01"), Qt::LeftButton);
    EXPECT_EQ(ran, QStringList({"c11_Click", "cm01_Click"}));

    form.lv1.add("Anzeige");
    form.lv1.add("Maus");
    auto* view = widget<QListWidget>("lv1");
    form.tab.setTab(1);
    ran.clear();
    view->setFocus();
    view->setCurrentRow(1);
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_TRUE(form.lv1.checked(2));
    EXPECT_FALSE(form.lv1.checked(1));

    form.tab.setTab(8);
    auto* t81 = widget<QLineEdit>("t81");
    t81->selectAll();
    QTest::keyClicks(t81, "Schule");
    EXPECT_EQ(form.t81.text(), "Schule");

    form.Combo_user.addItem("Administrator");
    form.Combo_user.addItem("pupil");
    form.Combo_user.setText("Administrator");
    QTest::keyClick(widget<QComboBox>("Combo_user"), Qt::Key_Down);
    EXPECT_EQ(form.Combo_user.text(), "pupil");

    auto* tabBar = widget<QTabWidget>("tab")->tabBar();
    QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(2).center());
    EXPECT_EQ(form.tab.tab(), 2);

    widget<QAction>("mm21")->trigger();
    QTest::keyClick(&window, Qt::Key_F1);

    fillListBar();
    auto* group = widget<QListWidget>("SSListBar1.group1");
    ASSERT_EQ(group->count(), 10);
    QTest::mouseClick(group->viewport(), Qt::LeftButton, {}, group->visualItemRect(group->item(3)).center());

    QTest::mousePress(widget<QFrame>("StatusBar"), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(widget<QFrame>("StatusBar"), Qt::LeftButton, {}, QPoint(10, 5));

    EXPECT_EQ(ran, QStringList({"lv1_ItemCheck 2", "tab_Click 1", "t81_Change", "t81_Change", "t81_Change",
                                "t81_Change", "t81_Change", "t81_Change", "Combo_user_Click",
                                "tab_Click 8", "mm21_Click", "mm51_Click", "ItemClick 1 4", "StatusBar_MouseDown 1 1"}));
}

TEST_F(MainWindowTest, PicturesPanelsAndFolderLists)
{
    // A picture the control holds shows in its widget.
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    form.pic31.setPicture({bytes, controls::recogniseFormat(bytes)});
    const QLabel* preview = widget<QLabel>("pic31");
    ASSERT_FALSE(preview->pixmap().isNull());
    EXPECT_EQ(preview->pixmap().size(), QSize(40, 30));
    EXPECT_TRUE(preview->hasScaledContents()) << "the preview is stretched over the control";

    // Panels at their widths in twips.
    EXPECT_EQ(widget<QLabel>("StatusBar.panel1")->width(), qRound(1850 / 15.0));
    EXPECT_EQ(widget<QLabel>("StatusBar.panel5")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    form.StatusBar.setPanelWidth(2, 3200);
    EXPECT_EQ(widget<QLabel>("StatusBar.panel2")->width(), qRound(3200 / 15.0));

    // The hidden folder list shows the way down to where it is, then the subfolders by name.
    auto* dirs = widget<QListWidget>("Dir1");
    EXPECT_EQ(dirs->count(), form.Dir1.levels() + form.Dir1.listCount());
    ASSERT_EQ(form.Dir1.setPath(form.Dir1.list(0)), 0);
    ASSERT_EQ(form.Dir1.levels(), 2);
    ASSERT_EQ(dirs->count(), 2 + form.Dir1.listCount());
    EXPECT_EQ(dirs->item(0)->text(), form.Dir1.list(-2));
    for (int i = 0; i < form.Dir1.listCount(); ++i)
        EXPECT_EQ(form.Dir1.list(-1) + "\\" + dirs->item(2 + i)->text(), form.Dir1.list(i));
}

TEST_F(MainWindowTest, OpeningAMenuRunsItsClick)
{
    int opened = 0;
    form.mm1.onClick = [&] { ++opened; };
    auto* file = widget<QMenu>("mm1");
    file->popup(QPoint(0, 0));
    EXPECT_EQ(opened, 1);
    file->hide();
}

TEST_F(MainWindowTest, UsableLarger)
{
    window.resize(window.width() * 3 / 2, window.height() * 3 / 2);
    QTest::qWait(20);
    const QWidget* tab = widget<QTabWidget>("tab");
    const QWidget* f0 = widget<QGroupBox>("f0");
    EXPECT_NEAR(tab->width(), 462 * 1.5, 3);
    EXPECT_NEAR(f0->x(), 6250 / 15.0 * 1.5, 3);
    // The frames on the tabs follow the page's own origin at every size.
    const QWidget* f1 = widget<QGroupBox>("f1");
    EXPECT_NEAR(f1->mapTo(tab, QPoint(0, 0)).y(), 480 / 15.0 * 1.5, 3);
}

// What a widget shows as its text, for the widgets that show one.
std::optional<QString> shown_text(const QWidget* w)
{
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    if (const auto* c = qobject_cast<const QComboBox*>(w))
        return c->currentText();
    if (const auto* e = qobject_cast<const QLineEdit*>(w); e && !qobject_cast<const QComboBox*>(w->parentWidget()))
        return e->text();
    if (const auto* m = qobject_cast<const QMenu*>(w))
        return m->title();
    return std::nullopt;
}

// Screenshots for a look at the layout: the window as its load leaves it, each tab, and the window larger. No
// designed placeholder shows: no caption "<name>_<German text>", no field holding its own name.
TEST(LoadedMainWindow, Screenshot)
{
    qt_app::app();
    testsupport::TestProgram program;
    mainwindow::MainWindow main{program.context()};
    ASSERT_FALSE(scripted_ui::endsProgram([&] { main.show(); }))
        << program.ui().transcript().join(QLatin1Char('\n')).toStdString();
    qtui::FormWindow window(main);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    const auto expect_no_placeholder = [&](int tab) {
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            const auto text = shown_text(w);
            if (!w->isVisible() || !text || w->objectName().isEmpty())
                continue;
            EXPECT_NE(*text, w->objectName()) << "tab " << tab;
            EXPECT_FALSE(text->startsWith(w->objectName() + QLatin1Char('_'))) << "tab " << tab << ": "
                                                                               << qPrintable(*text);
        }
    };
    const QString folder = QStringLiteral(GATRISK_BUILD_DIR);
    ASSERT_TRUE(window.grab().save(QDir(folder).filePath("main_window.png")));
    expect_no_placeholder(0);
    for (int k = 1; k < 9; ++k) {
        main.tab.setTab(k);
        QTest::qWait(10);
        window.grab().save(QDir(folder).filePath(QStringLiteral("main_window_tab%1.png").arg(k)));
        expect_no_placeholder(k);
    }
    main.tab.setTab(2);
    window.resize(window.width() * 3 / 2, window.height() * 3 / 2);
    QTest::qWait(20);
    window.grab().save(QDir(folder).filePath("main_window_larger.png"));
}

} // namespace
