#include "controls/timer.h"

#include "controls/form.h"

namespace controls {

void Timer::setInterval(int ms)
{
    ms = std::max(ms, 0);
    if (interval_ == ms)
        return;
    interval_ = ms;
    changed(Property::Interval);
}

bool Timer::running() const
{
    return enabled() && interval_ > 0 && form().isLoaded();
}

bool Timer::tick()
{
    if (!running() || !onTimer)
        return false;
    onTimer();
    return true;
}

void Timer::saveDesign()
{
    Control::saveDesign();
    designInterval_ = interval_;
}

void Timer::restoreDesign()
{
    Control::restoreDesign();
    interval_ = designInterval_;
}

} // namespace controls
