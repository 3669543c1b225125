// Check boxes and push buttons.

#include "qtui/bindings.h"

#include <QCheckBox>
#include <QPushButton>

namespace qtui {

namespace {

using P = controls::Property;

class CheckBoxBinding : public Binding {
public:
    CheckBoxBinding(controls::CheckBox& c, FormWindow& w) : Binding(c, w), box_(c), widget_(new QCheckBox)
    {
        setWidget(widget_);
        trackFocus(widget_);
        // Qt has already moved the tick when `clicked` comes; the control decides, the widget follows it.
        on(widget_, &QCheckBox::clicked, [this] {
            if (updating())
                return;
            box_.userClick();
            update(P::Value, -1);
        });
    }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Caption))
            widget_->setText(box_.caption());
        if (is(what, P::Value)) {
            widget_->setTristate(box_.value() == 2);
            widget_->setCheckState(box_.value() == 1 ? Qt::Checked
                                   : box_.value() == 2 ? Qt::PartiallyChecked
                                                       : Qt::Unchecked);
        }
    }

private:
    controls::CheckBox& box_;
    QCheckBox* widget_;
};

class CommandButtonBinding : public Binding {
public:
    CommandButtonBinding(controls::CommandButton& c, FormWindow& w)
        : Binding(c, w), button_(c), widget_(new QPushButton)
    {
        setWidget(widget_);
        trackFocus(widget_);
        widget_->setAutoDefault(false);
        on(widget_, &QPushButton::clicked, [this] {
            if (!updating())
                button_.userClick();
        });
    }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Caption))
            widget_->setText(button_.caption());
        if (what == P::All)
            widget_->setDefault(button_.isDefault());
    }

private:
    controls::CommandButton& button_;
    QPushButton* widget_;
};

} // namespace

std::unique_ptr<Binding> bindCheckBox(controls::CheckBox& c, FormWindow& w)
{
    return std::make_unique<CheckBoxBinding>(c, w);
}

std::unique_ptr<Binding> bindCommandButton(controls::CommandButton& c, FormWindow& w)
{
    return std::make_unique<CommandButtonBinding>(c, w);
}

} // namespace qtui
