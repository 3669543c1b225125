#include "qtui/message_box.h"

#include <QAbstractButton>
#include <QPushButton>

namespace qtui {

namespace {

constexpr const char* answerProperty = "gatriskAnswer";

QMessageBox::StandardButton standardButton(platform::Answer a)
{
    using A = platform::Answer;
    switch (a) {
    case A::Ok:
        return QMessageBox::Ok;
    case A::Cancel:
        return QMessageBox::Cancel;
    case A::Abort:
        return QMessageBox::Abort;
    case A::Retry:
        return QMessageBox::Retry;
    case A::Ignore:
        return QMessageBox::Ignore;
    case A::Yes:
        return QMessageBox::Yes;
    case A::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon qtIcon(platform::MessageIcon icon)
{
    using I = platform::MessageIcon;
    switch (icon) {
    case I::Critical:
        return QMessageBox::Critical;
    case I::Question:
        return QMessageBox::Question;
    case I::Exclamation:
        return QMessageBox::Warning;
    case I::Information:
        return QMessageBox::Information;
    case I::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString withLineBreaks(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

std::unique_ptr<QMessageBox> buildMessageBox(const platform::MessageBoxRequest& request, QWidget* parent)
{
    const platform::MessageStyle style = platform::decodeMessageStyle(request.style);
    auto box = std::make_unique<QMessageBox>(parent);
    box->setIcon(qtIcon(style.icon));
    box->setWindowTitle(request.title.isEmpty() ? platform::programTitle() : request.title);
    box->setTextFormat(Qt::PlainText);
    box->setText(withLineBreaks(request.text));
    QAbstractButton* escape = nullptr;
    for (int i = 0; i < style.buttonCount; ++i) {
        const platform::Answer a = style.buttons[static_cast<std::size_t>(i)];
        QPushButton* b = box->addButton(standardButton(a));
        b->setProperty(answerProperty, static_cast<int>(a));
        if (i == style.defaultButton)
            box->setDefaultButton(b);
        // Escape answers Cancel where the box offers it, and OK on a box with nothing else.
        if (a == platform::Answer::Cancel || (style.buttonCount == 1 && a == platform::Answer::Ok))
            escape = b;
    }
    box->setEscapeButton(escape);
    return box;
}

platform::Answer answerOfButton(const QAbstractButton* button)
{
    return static_cast<platform::Answer>(button->property(answerProperty).toInt());
}

platform::Answer answerOf(const QMessageBox& box)
{
    if (const QAbstractButton* clicked = box.clickedButton(); clicked && clicked->property(answerProperty).isValid())
        return answerOfButton(clicked);
    if (const QPushButton* d = box.defaultButton())
        return answerOfButton(d);
    return platform::Answer::Ok;
}

} // namespace qtui
