#pragma once
// The shell's "Open" on a web address: Explorer takes the address and hands it to the browser, as the shell
// does. The start is not waited for.

#include "platform/context.h"

#include <QString>

namespace mainwindow {

// false when nothing could be started; callers that ignore the shell's result ignore it.
bool shell_open(platform::Context& context, const QString& address, int show_command);

} // namespace mainwindow
