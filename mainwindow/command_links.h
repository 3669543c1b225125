#pragma once
// What the window's commands reach outside the window: the side forms that the program makes beside it,
// opened through callbacks that the program's assembly sets (an empty one opens nothing), and the desktop
// parameters of the account that runs the program, which the wallpaper chooser changes at once.
// The assembly keeps this object as long as the window.

#include "platform/context.h"
#include "platform/shell/system_parameters.h"

#include <functional>

namespace mainwindow {

struct CommandLinks {
    explicit CommandLinks(platform::Context& context) : system_parameters(context.registry) {}

    std::function<void()> show_verzeichnis; // the desktop-link folder chooser, modeless
    std::function<void()> show_setpass;     // the dialog that changes the access password, modeless
    platform::SystemParameters system_parameters;
};

} // namespace mainwindow
