#include "qtui/binding.h"

#include "qtui/form_window.h"
#include "qtui/look.h"

#include "controls/form.h"

#include <QEvent>

namespace qtui {

namespace {

class EventFilter : public QObject {
public:
    explicit EventFilter(std::function<bool(QObject*, QEvent*)> handler) : handler_(std::move(handler)) {}
    bool eventFilter(QObject* watched, QEvent* event) override { return handler_(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> handler_;
};

} // namespace

Binding::Binding(controls::Control& control, FormWindow& window) : control_(control), window_(window)
{
    observer_ = control_.observe([this](controls::Property what, int index) { update(what, index); });
}

Binding::~Binding()
{
    control_.unobserve(observer_);
    for (const auto& c : connections_)
        QObject::disconnect(c);
    // The filters go with the binding; Qt forgets a filter object when it is destroyed.
}

QObject* Binding::object() const
{
    return object_ ? object_.data() : static_cast<QObject*>(widget_);
}

QWidget* Binding::area(int)
{
    return widget_;
}

QPoint Binding::areaOrigin(int)
{
    return {0, 0};
}

void Binding::setWidget(QWidget* widget)
{
    widget_ = widget;
    widget_->setObjectName(control_.name());
    widget_->setAttribute(Qt::WA_MacShowFocusRect, false);
}

void Binding::setObject(QObject* object)
{
    object_ = object;
    object_->setObjectName(control_.name());
}

void Binding::update(controls::Property what, int index)
{
    using P = controls::Property;
    const bool wasUpdating = updating_;
    updating_ = true;
    if (widget_) {
        if (is(what, P::Enabled))
            widget_->setEnabled(control_.enabled());
        if (is(what, P::Font))
            widget_->setFont(toQFont(control_.font()));
        if (is(what, P::Visible))
            widget_->setVisible(control_.visible());
    }
    sync(what, index);
    updating_ = wasUpdating;
    if (what == P::Geometry || what == P::Container || what == P::All)
        window_.place(*this);
}

void Binding::filter(QObject* target, std::function<bool(QObject*, QEvent*)> handler)
{
    auto f = std::make_unique<EventFilter>(std::move(handler));
    target->installEventFilter(f.get());
    filters_.push_back(std::move(f));
}

void Binding::trackFocus(QWidget* w)
{
    filter(w, [this](QObject*, QEvent* e) {
        if (e->type() == QEvent::FocusIn && !updating_ && !control_.hasFocus())
            control_.setFocus();
        return false;
    });
}

} // namespace qtui
