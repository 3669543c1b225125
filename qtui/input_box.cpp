#include "qtui/input_box.h"

#include "qtui/message_box.h"

namespace qtui {

std::unique_ptr<QInputDialog> buildInputBox(const platform::InputBoxRequest& request, QWidget* parent)
{
    auto box = std::make_unique<QInputDialog>(parent);
    box->setInputMode(QInputDialog::TextInput);
    box->setWindowTitle(request.title.isEmpty() ? platform::programTitle() : request.title);
    box->setLabelText(withLineBreaks(request.prompt));
    box->setTextValue(request.defaultText);
    return box;
}

QString inputBoxAnswer(const QInputDialog& box, int result)
{
    return result == QDialog::Accepted ? box.textValue() : QString();
}

} // namespace qtui
