#pragma once
// A timer: while enabled with an interval above 0, the renderer (or a test) calls tick() every interval;
// a tick runs the handler only then, and only while the form is loaded.

#include "controls/control.h"

namespace controls {

class Timer : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::Timer; }

    int interval() const { return interval_; } // milliseconds; 0 stops the timer
    void setInterval(int ms);
    bool running() const;

    std::function<void()> onTimer;
    // One interval passed. Returns whether the handler ran.
    bool tick();

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    int interval_ = 0;
    int designInterval_ = 0;
};

} // namespace controls
