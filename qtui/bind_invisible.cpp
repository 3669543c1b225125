// Controls without a widget: the timer and the common dialog (whose dialogs the UI services show).

#include "qtui/bindings.h"

#include "qtui/form_window.h"

#include <QTimer>

namespace qtui {

namespace {

using P = controls::Property;

class TimerBinding : public Binding {
public:
    TimerBinding(controls::Timer& c, FormWindow& w) : Binding(c, w), timer_(c), qtimer_(new QTimer(&w))
    {
        setObject(qtimer_);
        on(qtimer_, &QTimer::timeout, [this] { timer_.tick(); });
    }

protected:
    // Also called when the form loads or unloads: a timer runs only on a loaded form.
    void sync(P, int) override
    {
        if (!timer_.running()) {
            qtimer_->stop();
            return;
        }
        if (!qtimer_->isActive() || qtimer_->interval() != timer_.interval())
            qtimer_->start(timer_.interval());
    }

private:
    controls::Timer& timer_;
    QTimer* qtimer_;
};

class PlainBinding : public Binding {
public:
    PlainBinding(controls::Control& c, FormWindow& w) : Binding(c, w), object_(new QObject(&w)) { setObject(object_); }

protected:
    void sync(P, int) override {}

private:
    QObject* object_;
};

} // namespace

std::unique_ptr<Binding> bindTimer(controls::Timer& c, FormWindow& w)
{
    return std::make_unique<TimerBinding>(c, w);
}

std::unique_ptr<Binding> bindWithoutWidget(controls::Control& c, FormWindow& w)
{
    return std::make_unique<PlainBinding>(c, w);
}

} // namespace qtui
