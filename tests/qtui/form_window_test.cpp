#include "qtui/form_window.h"

#include "controls/controls.h"
#include "tests/qtui/qt_app.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Types `text` into `w` as key events carrying each character (QTest knows only ASCII keys).
void typeText(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

struct SmallForm : controls::Form {
    SmallForm() : Form("small")
    {
        setCaption("Kennwort");
        setClientSize(4800, 3600);
        setSizable(true);
        txt_pw.move(120, 120, 3000, 285);
        txt_pw.setPasswordChar('*');
        txt_pw.setMaxLength(20);
        txt_name.move(120, 480, 3000, 285);
        combo.move(120, 840, 3000, 315);
        frame.move(120, 1320, 3000, 1200);
        inFrame.setContainer(&frame);
        inFrame.move(120, 300, 2000, 255);
        inFrame.setCaption("&Im Rahmen");
        cmd_ok.move(120, 2700, 1200, 375);
        cmd_ok.setCaption("&OK");
        cmd_ok.setDefault(true);
        cmd_cancel.move(1440, 2700, 1200, 375);
        cmd_cancel.setCaption("Abbrechen");
        cmd_cancel.setCancel(true);
        Timer1.setInterval(20);
        cmd_ok.onClick = [this] { ++okClicks; };
        cmd_cancel.onClick = [this] { ++cancelClicks; };
        Timer1.onTimer = [this] { ++ticks; };
    }
    controls::TextBox txt_pw{*this, "txt_pw"};
    controls::TextBox txt_name{*this, "txt_name"};
    controls::ComboBox combo{*this, "combo"};
    controls::Frame frame{*this, "frame"};
    controls::CheckBox inFrame{*this, "inFrame"};
    controls::CommandButton cmd_ok{*this, "cmd_ok"};
    controls::CommandButton cmd_cancel{*this, "cmd_cancel"};
    controls::Timer Timer1{*this, "Timer1"};

    bool refuseClose = false;
    int loads = 0;
    int okClicks = 0;
    int cancelClicks = 0;
    int ticks = 0;
    controls::UnloadMode lastMode = controls::UnloadMode::Code;

protected:
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(bool& cancel, controls::UnloadMode mode) override
    {
        lastMode = mode;
        cancel = refuseClose;
    }
};

struct FormWindowTest : ::testing::Test {
    static void SetUpTestSuite() { qt_app::app(); }
    void SetUp() override
    {
        form.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    template <class W>
    W* widget(const char* name)
    {
        return window.findChild<W*>(QString::fromLatin1(name));
    }
    SmallForm form;
    qtui::FormWindow window{form};
};

TEST_F(FormWindowTest, TypingKeepsToPasswordAndLimit)
{
    auto* edit = widget<QLineEdit>("txt_pw");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    QTest::keyClicks(edit, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(form.txt_pw.text(), "abcdefghijklmnopqrst");
    // A longer text from code is kept whole: the limit is for typing.
    form.txt_pw.setText(QString(25, 'x'));
    EXPECT_EQ(edit->text(), QString(25, 'x'));
}

TEST_F(FormWindowTest, KeyPressHandlerDiscardsOrReplaces)
{
    int changes = 0;
    form.txt_name.onChange = [&] { ++changes; };
    form.txt_name.onKeyPress = [](int& key) {
        if (key == 'x')
            key = 0;
        else if (key >= 'a' && key <= 'z')
            key -= 32;
    };
    auto* edit = widget<QLineEdit>("txt_name");
    typeText(edit, QString::fromUtf8("axbä"));
    EXPECT_EQ(form.txt_name.text(), QString::fromUtf8("ABä"));
    EXPECT_EQ(edit->text(), QString::fromUtf8("ABä"));
    EXPECT_EQ(changes, 3);
}

TEST_F(FormWindowTest, ComboDiscardsEveryKeyAndChoosesFromItsList)
{
    form.combo.addItem("Anna");
    form.combo.addItem("Bert");
    form.combo.setText("Anna");
    int clicks = 0;
    form.combo.onClick = [&] { ++clicks; };
    form.combo.onKeyPress = [](int& key) { key = 0; };
    auto* combo = widget<QComboBox>("combo");
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->count(), 2);
    QTest::keyClicks(combo->lineEdit(), "zz");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(form.combo.text(), "Anna");
    EXPECT_EQ(combo->currentText(), "Anna");
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form.combo.text(), "Bert");
    EXPECT_EQ(form.combo.listIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormWindowTest, TimerTicksOnlyWhileLoaded)
{
    QTest::qWait(150);
    EXPECT_GT(form.ticks, 0);
    form.unload();
    const int ticks = form.ticks;
    QTest::qWait(100);
    EXPECT_EQ(form.ticks, ticks);
}

TEST_F(FormWindowTest, CloseBoxAsksTheFormAndUnloads)
{
    form.refuseClose = true;
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(form.lastMode, controls::UnloadMode::ControlMenu);

    form.txt_name.setText("vergessen");
    form.refuseClose = false;
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(form.isLoaded());

    // Shown again, it loads afresh from its design.
    form.show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(widget<QLineEdit>("txt_name")->text(), "");
    form.hide();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FormWindowTest, EnterAndEscapePressTheDefaultAndCancelButtons)
{
    QTest::keyClick(widget<QLineEdit>("txt_name"), Qt::Key_Return);
    EXPECT_EQ(form.okClicks, 1);
    QTest::keyClick(widget<QLineEdit>("txt_name"), Qt::Key_Escape);
    EXPECT_EQ(form.cancelClicks, 1);
    form.cmd_ok.setEnabled(false);
    QTest::keyClick(widget<QLineEdit>("txt_name"), Qt::Key_Return);
    EXPECT_EQ(form.okClicks, 1) << "a disabled default button is not pressed";
}

TEST_F(FormWindowTest, FocusEventsReachTheControls)
{
    widget<QLineEdit>("txt_name")->setFocus();
    QStringList events;
    form.txt_pw.onGotFocus = [&] { events << "pw got"; };
    form.txt_pw.onLostFocus = [&] { events << "pw lost"; };
    form.txt_name.onGotFocus = [&] { events << "name got"; };
    widget<QLineEdit>("txt_pw")->setFocus();
    widget<QLineEdit>("txt_name")->setFocus();
    EXPECT_EQ(events, QStringList({"pw got", "pw lost", "name got"}));
    // From code: the widget follows.
    form.txt_pw.setFocus();
    EXPECT_TRUE(widget<QLineEdit>("txt_pw")->hasFocus());
}

TEST_F(FormWindowTest, ContainedControlsSitInTheirContainer)
{
    auto* box = widget<QCheckBox>("inFrame");
    auto* frame = widget<QGroupBox>("frame");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->parentWidget(), frame);
    EXPECT_EQ(box->geometry(), QRect(8, 20, 133, 17));
    EXPECT_EQ(box->text(), "&Im Rahmen");
    form.frame.setVisible(false);
    EXPECT_FALSE(box->isVisible()) << "a hidden container hides what it holds";
    form.frame.setVisible(true);
    form.inFrame.setContainer(nullptr);
    EXPECT_EQ(box->parentWidget(), window.clientArea());
    EXPECT_TRUE(box->isVisible());
}

TEST_F(FormWindowTest, ResizingScalesPositionsButNotFonts)
{
    auto* edit = widget<QLineEdit>("txt_name");
    const QRect designed = edit->geometry();
    const QFont font = edit->font();
    EXPECT_EQ(window.clientArea()->size(), QSize(320, 240));
    window.resize(window.width() + 320, window.height() + 240);
    QTest::qWait(20);
    ASSERT_EQ(window.clientArea()->size(), QSize(640, 480));
    EXPECT_EQ(edit->geometry(), QRect(designed.x() * 2, designed.y() * 2, designed.width() * 2, designed.height() * 2));
    EXPECT_EQ(edit->font(), font);
    // Smaller than designed it does not get.
    window.resize(100, 100);
    QTest::qWait(20);
    EXPECT_GE(window.clientArea()->width(), 320);
}

TEST_F(FormWindowTest, CaptionAndBusyPointer)
{
    EXPECT_EQ(window.windowTitle(), "Kennwort");
    form.setCaption("Neu");
    EXPECT_EQ(window.windowTitle(), "Neu");
    form.setMousePointer(platform::MousePointer::Hourglass);
    EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);
    form.setMousePointer(platform::MousePointer::Default);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

} // namespace
