#include "platform/accounts/shell_and_wait.h"

#include "platform/process.h"
#include "platform/ui_services.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {

// Long enough that the wait does not keep a processor busy, short enough that the window stays lively.
constexpr auto poll_interval = std::chrono::milliseconds(2);

} // namespace

VbResult<std::int32_t> ShellAndWait(Context& ctx, const QString& command_line, int window_style, bool pump_events)
{
    const VbResult<std::uint32_t> started = ctx.processes.shell(command_line, window_style);
    if (!started.ok())
        return {0, started.error};

    std::uint32_t code = 0;
    for (;;) {
        if (pump_events)
            ctx.ui.doEvents();
        const auto read = ctx.processes.exit_code(started.value);
        if (!read)
            break; // the last value read stands
        code = *read;
        if (code != still_active)
            break;
        std::this_thread::sleep_for(poll_interval);
    }
    return {static_cast<std::int32_t>(code), vb::ok};
}

} // namespace platform
