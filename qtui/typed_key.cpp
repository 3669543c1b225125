#include "qtui/typed_key.h"

#include "platform/codepage.h"

namespace qtui {

int typedCode(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    switch (event.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text[0].isPrint())
        return 0;
    const QByteArray code = platform::to_cp1252(text.left(text[0].isHighSurrogate() ? 2 : 1));
    return code.isEmpty() ? 0 : static_cast<unsigned char>(code[0]);
}

bool filterTypedKey(QKeyEvent& event, QLineEdit* edit, const std::function<int(int)>& keyPress)
{
    const int code = typedCode(event);
    if (code == 0)
        return false;
    const int result = keyPress(code);
    if (result == code)
        return false;
    if (result == 0 || !edit || edit->isReadOnly())
        return true;
    if (result == 8)
        edit->backspace();
    else if (result >= 32 && result < 256)
        edit->insert(platform::from_cp1252(QByteArray(1, static_cast<char>(result))));
    return true;
}

} // namespace qtui
