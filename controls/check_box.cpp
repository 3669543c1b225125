#include "controls/check_box.h"

namespace controls {

void CheckBox::setValue(int value)
{
    if (value < 0 || value > 2 || value == value_)
        return;
    value_ = value;
    changed(Property::Value);
    if (onClick)
        onClick();
}

void CheckBox::userClick()
{
    if (!enabled())
        return;
    setValue(value_ == 1 ? 0 : 1);
}

void CheckBox::saveDesign()
{
    Control::saveDesign();
    designValue_ = value_;
}

void CheckBox::restoreDesign()
{
    Control::restoreDesign();
    value_ = designValue_;
}

} // namespace controls
