#pragma once
// A check box: value 0 (unticked), 1 (ticked) or 2 (greyed). Setting the value, from code or by a click,
// runs the click handler whenever the value changes, as the program relies on (ticking c16 ticks c31).

#include "controls/control.h"

namespace controls {

class CheckBox : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::CheckBox; }
    bool canTakeFocus() const override { return true; }

    int value() const { return value_; }
    // Values other than 0, 1 and 2 are ignored. Runs onClick when the value changes.
    void setValue(int value);

    std::function<void()> onClick;

    // The user clicked the box: ticked becomes unticked, unticked or greyed becomes ticked.
    // Ignored while the box is disabled.
    void userClick();

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    int value_ = 0;
    int designValue_ = 0;
};

} // namespace controls
