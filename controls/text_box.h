#pragma once
// A one-line text field. Setting the text from code is not limited by maxLength (as on the platform, the
// limit holds for typing); the change handler runs whenever the text changes.

#include "controls/control.h"

#include <QChar>

namespace controls {

class TextBox : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::TextBox; }
    bool canTakeFocus() const override { return true; }

    const QString& text() const { return state_.text; }
    void setText(const QString& text);

    // Shown in place of every character; a null QChar shows the text itself.
    QChar passwordChar() const { return state_.passwordChar; }
    void setPasswordChar(QChar c);
    // Most characters the user may type; 0 is no limit.
    int maxLength() const { return state_.maxLength; }
    void setMaxLength(int n);
    // A locked box shows its text but the user cannot change it.
    bool locked() const { return state_.locked; }
    void setLocked(bool locked);
    bool multiLine() const { return state_.multiLine; }
    void setMultiLine(bool multiLine) { state_.multiLine = multiLine; }

    std::function<void()> onChange;
    std::function<void()> onClick;
    // A typed character's code; setting it to 0 discards the character.
    std::function<void(int& keyAscii)> onKeyPress;

    // The user typed a character: runs onKeyPress and returns the code to apply, 0 when it is discarded.
    int userKeyPress(int keyAscii);
    // The user's edit left this text in the field: cut to maxLength; ignored while disabled or locked.
    void userEdit(const QString& text);
    void userClick();

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    struct State {
        QString text;
        QChar passwordChar;
        int maxLength = 0;
        bool locked = false;
        bool multiLine = false;
    };
    State state_;
    State design_;
};

} // namespace controls
