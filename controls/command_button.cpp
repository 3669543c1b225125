#include "controls/command_button.h"

namespace controls {

void CommandButton::userClick()
{
    if (enabled() && visible() && onClick)
        onClick();
}

} // namespace controls
