#include "controls/text_box.h"

namespace controls {

void TextBox::setText(const QString& text)
{
    if (state_.text == text)
        return;
    state_.text = text;
    changed(Property::Text);
    if (onChange)
        onChange();
}

void TextBox::setPasswordChar(QChar c)
{
    if (state_.passwordChar == c)
        return;
    state_.passwordChar = c;
    changed(Property::PasswordChar);
}

void TextBox::setMaxLength(int n)
{
    n = std::max(n, 0);
    if (state_.maxLength == n)
        return;
    state_.maxLength = n;
    changed(Property::MaxLength);
}

void TextBox::setLocked(bool locked)
{
    if (state_.locked == locked)
        return;
    state_.locked = locked;
    changed(Property::Locked);
}

int TextBox::userKeyPress(int keyAscii)
{
    if (!enabled())
        return 0;
    if (onKeyPress)
        onKeyPress(keyAscii);
    return keyAscii;
}

void TextBox::userEdit(const QString& text)
{
    if (!enabled() || state_.locked)
        return;
    if (state_.maxLength > 0 && text.size() > state_.maxLength)
        setText(text.left(state_.maxLength));
    else
        setText(text);
}

void TextBox::userClick()
{
    if (enabled() && onClick)
        onClick();
}

void TextBox::saveDesign()
{
    Control::saveDesign();
    design_ = state_;
}

void TextBox::restoreDesign()
{
    Control::restoreDesign();
    state_ = design_;
}

} // namespace controls
