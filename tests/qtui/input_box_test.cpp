#include "qtui/input_box.h"
#include "qtui/qt_ui_services.h"

#include "tests/qtui/qt_app.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

QInputDialog* shownInputBox()
{
    return qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
}

TEST(InputBox, PromptTitleAndDefault)
{
    qt_app::app();
    const auto box = qtui::buildInputBox({"Von welchem Laufwerk?\r\rACHTUNG", "ALLE *.EXE auflisten...", "C:\\"});
    EXPECT_EQ(box->labelText(), "Von welchem Laufwerk?\n\nACHTUNG");
    EXPECT_EQ(box->windowTitle(), "ALLE *.EXE auflisten...");
    EXPECT_EQ(box->textValue(), "C:\\");
}

TEST(InputBox, AnswersTheTextOrEmptyOnCancel)
{
    qt_app::app();
    qtui::QtUiServices ui;
    QTimer::singleShot(0, [] {
        QInputDialog* box = shownInputBox();
        ASSERT_NE(box, nullptr);
        box->setTextValue("C:\\WINDOWS");
        box->accept();
    });
    EXPECT_EQ(ui.inputBox("Pfad?"), "C:\\WINDOWS");
    QTimer::singleShot(0, [] {
        QInputDialog* box = shownInputBox();
        ASSERT_NE(box, nullptr);
        box->setTextValue("typed, then cancelled");
        box->reject();
    });
    EXPECT_EQ(ui.inputBox("Pfad?", std::nullopt, "default"), "");
}

} // namespace
