#include "controls/label.h"

namespace controls {

void Label::setAlignment(Alignment a)
{
    if (alignment_ == a)
        return;
    alignment_ = a;
    changed(Property::Alignment);
}

void Label::userClick()
{
    if (enabled() && onClick)
        onClick();
}

} // namespace controls
