// The localized main window rendered offscreen, with a picture of it (and of each tab) in the build folder.

#include "tests/mainwindow_texts/main_window.h"

#include "qtui/form_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QApplication& app()
{
    static int argc = 1;
    static char name[] = "mainwindow_texts_render_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

struct RenderedWindow {
    explicit RenderedWindow(int language) : window(language)
    {
        window.form.show();
        rendered.activateWindow();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&rendered); }
    bool save(const QString& name)
    {
        QTest::qWait(20);
        return rendered.grab().save(QDir(QStringLiteral(GATRISK_BUILD_DIR)).filePath(name));
    }
    QApplication& application = app(); // before any widget
    main_window::Window window;
    qtui::FormWindow rendered{window.form};
};

TEST(RenderedTexts, EnglishWindow)
{
    RenderedWindow w(1);
    ASSERT_TRUE(w.exposed());
    ASSERT_TRUE(w.save(QStringLiteral("main_window_english.png")));
    for (int k = 1; k < 9; ++k) {
        w.window.form.tab.setTab(k);
        EXPECT_TRUE(w.save(QStringLiteral("main_window_english_tab%1.png").arg(k)));
    }
    const auto* label = w.rendered.findChild<QLabel*>(QStringLiteral("l01"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Settings"));
    const auto* box = w.rendered.findChild<QCheckBox*>(QStringLiteral("c91"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Disable right-click Desktop/Explorer"));
}

TEST(RenderedTexts, GermanWindow)
{
    RenderedWindow w(0);
    ASSERT_TRUE(w.exposed());
    ASSERT_TRUE(w.save(QStringLiteral("main_window_german.png")));
    for (int k = 1; k < 9; ++k) {
        w.window.form.tab.setTab(k);
        EXPECT_TRUE(w.save(QStringLiteral("main_window_german_tab%1.png").arg(k)));
    }
}

} // namespace
