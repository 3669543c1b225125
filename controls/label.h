#pragma once
// A text on the form; its caption is what it shows.

#include "controls/control.h"

namespace controls {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

class Label : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::Label; }

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool w) { wordWrap_ = w; }

    std::function<void()> onClick;
    void userClick();

private:
    Alignment alignment_ = Alignment::Left;
    bool wordWrap_ = true;
};

} // namespace controls
