// Combo boxes: an editable text with a list, or a drop-down list only.

#include "qtui/bindings.h"

#include "qtui/typed_key.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

namespace qtui {

namespace {

using P = controls::Property;

class ComboBoxBinding : public Binding {
public:
    ComboBoxBinding(controls::ComboBox& c, FormWindow& w) : Binding(c, w), combo_(c), widget_(new QComboBox)
    {
        setWidget(widget_);
        trackFocus(widget_);
        // Choosing an entry (also the one shown already) is the click.
        on(widget_, qOverload<int>(&QComboBox::activated), [this](int index) {
            if (updating())
                return;
            combo_.userChoose(index);
            update(P::Text, -1);
        });
        // An editable box that has the focus hands keys to its line edit's event() directly, past the line
        // edit's own filter, so the key press is decided here for both kinds.
        filter(widget_, [this](QObject*, QEvent* e) {
            if (e->type() != QEvent::KeyPress)
                return false;
            QLineEdit* edit = widget_->isEditable() ? widget_->lineEdit() : nullptr;
            const bool handled = filterTypedKey(*static_cast<QKeyEvent*>(e), edit,
                                                [this](int code) { return combo_.userKeyPress(code); });
            if (handled && edit && edit->text() != combo_.text())
                combo_.userEdit(edit->text()); // a replacement character was put in
            return handled;
        });
    }

    QWidget* focusWidget() const override { return widget_; }

protected:
    void sync(P what, int) override
    {
        if (what == P::All)
            setStyle();
        // Read-only, the line edit offers no paste, cut, delete, undo or drop; typed keys still reach the
        // filters above, and so the key press handler.
        if (is(what, P::Locked) && widget_->isEditable())
            widget_->lineEdit()->setReadOnly(combo_.textLocked());
        if (is(what, P::Items)) {
            widget_->clear();
            widget_->addItems(combo_.entries());
        }
        if (is(what, P::Items) || is(what, P::ListIndex) || is(what, P::Text)) {
            if (widget_->currentIndex() != combo_.listIndex())
                widget_->setCurrentIndex(combo_.listIndex());
            if (widget_->isEditable() && widget_->currentText() != combo_.text())
                widget_->setEditText(combo_.text());
        }
    }

private:
    void setStyle()
    {
        const bool editable = combo_.style() != controls::ComboStyle::DropdownList;
        if (widget_->isEditable() == editable)
            return;
        widget_->setEditable(editable);
        if (!editable)
            return;
        // The platform's combo box neither adds typed texts to its list nor completes them.
        widget_->setInsertPolicy(QComboBox::NoInsert);
        widget_->setCompleter(nullptr);
        QLineEdit* edit = widget_->lineEdit();
        trackFocus(edit);
        on(edit, &QLineEdit::textEdited, [this, edit](const QString& text) {
            if (updating())
                return;
            combo_.userEdit(text);
            if (edit->text() != combo_.text())
                update(P::Text, -1);
        });
        filter(edit, [this, edit](QObject*, QEvent* e) {
            if (e->type() != QEvent::KeyPress)
                return false;
            const bool handled = filterTypedKey(*static_cast<QKeyEvent*>(e), edit,
                                                [this](int code) { return combo_.userKeyPress(code); });
            if (handled && edit->text() != combo_.text())
                combo_.userEdit(edit->text()); // a replacement character was put in
            return handled;
        });
    }

    controls::ComboBox& combo_;
    QComboBox* widget_;
};

} // namespace

std::unique_ptr<Binding> bindComboBox(controls::ComboBox& c, FormWindow& w)
{
    return std::make_unique<ComboBoxBinding>(c, w);
}

} // namespace qtui
