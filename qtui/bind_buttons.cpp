// Check boxes and push buttons.

#include "qtui/bindings.h"

#include "qtui/look.h"

#include <QCheckBox>
#include <QEvent>
#include <QPushButton>
#include <QStyle>

namespace qtui {

namespace {

using P = controls::Property;

// The whole of a check box takes the click, as on the platform, not only its tick and text.
class WideCheckBox : public QCheckBox {
protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class CheckBoxBinding : public Binding {
public:
    CheckBoxBinding(controls::CheckBox& c, FormWindow& w) : Binding(c, w), box_(c), widget_(new WideCheckBox)
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
        filter(widget_, [this](QObject*, QEvent* e) {
            if (e->type() == QEvent::Resize)
                fit();
            return false;
        });
    }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Caption))
            widget_->setText(box_.caption());
        if (is(what, P::Caption) || is(what, P::Font))
            fit();
        if (is(what, P::Value)) {
            widget_->setTristate(box_.value() == 2);
            widget_->setCheckState(box_.value() == 1 ? Qt::Checked
                                   : box_.value() == 2 ? Qt::PartiallyChecked
                                                       : Qt::Unchecked);
        }
    }

private:
    void fit()
    {
        const QFont design = toQFont(box_.font());
        const QString text = widget_->text();
        widget_->setFont(design);
        const int overhead = widget_->sizeHint().width() - QFontMetrics(design).size(Qt::TextShowMnemonic, text).width();
        widget_->setFont(fittingFont(design, text, widget_->width() - overhead));
    }

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
        filter(widget_, [this](QObject*, QEvent* e) {
            if (e->type() == QEvent::Resize)
                fit();
            return false;
        });
    }

protected:
    void sync(P what, int) override
    {
        if (is(what, P::Caption))
            widget_->setText(button_.caption());
        if (is(what, P::Caption) || is(what, P::Font))
            fit();
        if (what == P::All)
            widget_->setDefault(button_.isDefault());
    }

private:
    void fit()
    {
        QStyle* style = widget_->style();
        const int overhead = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget_)
                                  + style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget_));
        widget_->setFont(fittingFont(toQFont(button_.font()), widget_->text(), widget_->width() - overhead));
    }

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
