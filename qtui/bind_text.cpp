// Labels and text boxes.

#include "qtui/bindings.h"

#include "qtui/look.h"
#include "qtui/typed_key.h"

#include "controls/accelerator.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace qtui {

namespace {

using P = controls::Property;

bool isLeftRelease(QEvent* e)
{
    return e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
}

class LabelBinding : public Binding {
public:
    LabelBinding(controls::Label& c, FormWindow& w) : Binding(c, w), label_(c), widget_(new QLabel)
    {
        setWidget(widget_);
        widget_->setTextFormat(Qt::PlainText);
        filter(widget_, [this](QObject*, QEvent* e) {
            if (isLeftRelease(e))
                label_.userClick();
            return false;
        });
    }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Caption))
            widget_->setText(controls::withoutAccelerator(label_.caption()));
        if (is(what, P::Alignment) || what == P::All) {
            // A label's text starts at its top, as on the platform.
            const Qt::Alignment across = toQtAlignment(label_.alignment()) & Qt::AlignHorizontal_Mask;
            widget_->setAlignment(across | Qt::AlignTop);
            widget_->setWordWrap(label_.wordWrap());
        }
    }

private:
    controls::Label& label_;
    QLabel* widget_;
};

class TextBoxBinding : public Binding {
public:
    TextBoxBinding(controls::TextBox& c, FormWindow& w) : Binding(c, w), box_(c), widget_(new QLineEdit)
    {
        setWidget(widget_);
        trackFocus(widget_);
        // textChanged, not textEdited: a character that a key press handler replaced is put in by code.
        on(widget_, &QLineEdit::textChanged, [this](const QString& text) {
            if (updating())
                return;
            box_.userEdit(text);
            if (widget_->text() != box_.text())
                update(P::Text, -1); // cut to the limit, or refused
        });
        filter(widget_, [this](QObject*, QEvent* e) {
            if (e->type() == QEvent::KeyPress)
                return filterTypedKey(*static_cast<QKeyEvent*>(e), widget_,
                                      [this](int code) { return box_.userKeyPress(code); });
            if (isLeftRelease(e))
                box_.userClick();
            return false;
        });
    }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Text) || is(what, P::MaxLength)) {
            // The limit holds for typing only: a longer text set from code is shown whole.
            const int limit = box_.maxLength() > 0 ? box_.maxLength() : 32767;
            widget_->setMaxLength(std::max(limit, static_cast<int>(box_.text().size())));
        }
        if (is(what, P::Text) && widget_->text() != box_.text()) {
            widget_->setText(box_.text());
            widget_->setCursorPosition(0);
        }
        if (is(what, P::PasswordChar)) {
            const QChar c = box_.passwordChar();
            widget_->setEchoMode(c.isNull() ? QLineEdit::Normal : QLineEdit::Password);
            widget_->setStyleSheet(c.isNull() ? QString()
                                              : QStringLiteral("QLineEdit { lineedit-password-character: %1; }")
                                                    .arg(c.unicode()));
        }
        if (is(what, P::Locked))
            widget_->setReadOnly(box_.locked());
    }

private:
    controls::TextBox& box_;
    QLineEdit* widget_;
};

} // namespace

std::unique_ptr<Binding> bindLabel(controls::Label& c, FormWindow& w)
{
    return std::make_unique<LabelBinding>(c, w);
}

std::unique_ptr<Binding> bindTextBox(controls::TextBox& c, FormWindow& w)
{
    return std::make_unique<TextBoxBinding>(c, w);
}

} // namespace qtui
