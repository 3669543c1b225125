#pragma once
// Starting a program from a command line and waiting for it to end, letting window events run meanwhile.

#include "platform/context.h"
#include "platform/vb_errors.h"

#include <QString>

#include <cstdint>

namespace platform {

// Starts `command_line` with `window_style` (0 hidden) and waits, with no time limit, until the process has
// ended; with `pump_events` pending window events run between the polls. The value is the exit code (0 when it
// could not be read); the error is the start's (53 when the program can't be found or started).
VbResult<std::int32_t> ShellAndWait(Context& ctx, const QString& command_line, int window_style, bool pump_events);

} // namespace platform
