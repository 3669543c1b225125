#pragma once
// A push button. The default button is pressed by Enter, the cancel button by Escape.

#include "controls/control.h"

namespace controls {

class CommandButton : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::CommandButton; }
    bool canTakeFocus() const override { return true; }

    bool isDefault() const { return default_; }
    void setDefault(bool d) { default_ = d; }
    bool isCancel() const { return cancel_; }
    void setCancel(bool c) { cancel_ = c; }

    std::function<void()> onClick;
    // Runs onClick unless the button is disabled or hidden.
    void userClick();

private:
    bool default_ = false;
    bool cancel_ = false;
};

} // namespace controls
