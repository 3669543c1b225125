#pragma once
// A frame: a container with an optional caption on its border.

#include "controls/control.h"

namespace controls {

class Frame : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::Frame; }
};

} // namespace controls
