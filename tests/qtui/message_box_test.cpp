#include "qtui/message_box.h"
#include "qtui/qt_ui_services.h"

#include "tests/qtui/qt_app.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

namespace {

using platform::Answer;

struct StyleRow {
    const char* name;
    int style;
    QMessageBox::Icon icon;
    std::set<Answer> buttons;
    Answer defaultAnswer;
};

class MessageBoxStyle : public ::testing::TestWithParam<StyleRow> {
protected:
    static void SetUpTestSuite() { qt_app::app(); }
};

TEST_P(MessageBoxStyle, IconButtonsAndDefault)
{
    const StyleRow& row = GetParam();
    const auto box = qtui::buildMessageBox({row.style, "Titel", "Text"});
    EXPECT_EQ(box->icon(), row.icon);
    std::set<Answer> offered;
    for (QAbstractButton* b : box->buttons())
        offered.insert(qtui::answerOfButton(b));
    EXPECT_EQ(offered, row.buttons);
    EXPECT_EQ(box->buttons().size(), static_cast<qsizetype>(row.buttons.size())) << "a button twice";
    ASSERT_NE(box->defaultButton(), nullptr);
    EXPECT_EQ(qtui::answerOfButton(box->defaultButton()), row.defaultAnswer);
    EXPECT_EQ(box->windowTitle(), "Titel");
}

const StyleRow styleRows[] = {
    {"ok", 0, QMessageBox::NoIcon, {Answer::Ok}, Answer::Ok},
    {"critical", 16, QMessageBox::Critical, {Answer::Ok}, Answer::Ok},
    {"exclamation", 48, QMessageBox::Warning, {Answer::Ok}, Answer::Ok},
    {"information", 64, QMessageBox::Information, {Answer::Ok}, Answer::Ok},
    {"abortRetryIgnore", 50, QMessageBox::Warning, {Answer::Abort, Answer::Retry, Answer::Ignore}, Answer::Abort},
    {"yesNoYesDefault", 52, QMessageBox::Warning, {Answer::Yes, Answer::No}, Answer::Yes},
    {"criticalYesNoNoDefault", 276, QMessageBox::Critical, {Answer::Yes, Answer::No}, Answer::No},
    {"questionYesNoNoDefault", 292, QMessageBox::Question, {Answer::Yes, Answer::No}, Answer::No},
    {"exclamationYesNoNoDefault", 308, QMessageBox::Warning, {Answer::Yes, Answer::No}, Answer::No},
    {"okCancel", 1, QMessageBox::NoIcon, {Answer::Ok, Answer::Cancel}, Answer::Ok},
    {"yesNoCancelThirdDefault", 3 + 512, QMessageBox::NoIcon, {Answer::Yes, Answer::No, Answer::Cancel}, Answer::Cancel},
    {"retryCancel", 5, QMessageBox::NoIcon, {Answer::Retry, Answer::Cancel}, Answer::Retry},
};

INSTANTIATE_TEST_SUITE_P(Styles, MessageBoxStyle, ::testing::ValuesIn(styleRows),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(MessageBox, ClickedButtonIsTheAnswer)
{
    qt_app::app();
    const auto box = qtui::buildMessageBox({292, "t", "Wirklich?"});
    box->button(QMessageBox::Yes)->click();
    EXPECT_EQ(qtui::answerOf(*box), Answer::Yes);
    const auto unanswered = qtui::buildMessageBox({292, "t", "Wirklich?"});
    EXPECT_EQ(qtui::answerOf(*unanswered), Answer::No) << "closed without a button: the default";
}

TEST(MessageBox, TextsAndTitle)
{
    qt_app::app();
    // The program breaks lines with CR alone as well as with CR LF; a missing title is the program's.
    const auto box = qtui::buildMessageBox({48, "", "Diese Datei ist bereits vorhanden. \rÜberschreiben ?\r\nJa"});
    EXPECT_EQ(box->text(), "Diese Datei ist bereits vorhanden. \nÜberschreiben ?\nJa");
    EXPECT_EQ(box->windowTitle(), platform::programTitle());
    EXPECT_EQ(box->textFormat(), Qt::PlainText) << "a text like <b> is shown as typed";
}

TEST(MessageBox, ShownBoxAnswersWithTheButtonPressed)
{
    qt_app::app();
    qtui::QtUiServices ui;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(ui.msgBox("Speichern?", 52), Answer::No);
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->defaultButton()->click();
    });
    EXPECT_EQ(ui.msgBox("Speichern?", 52), Answer::Yes);
}

} // namespace
