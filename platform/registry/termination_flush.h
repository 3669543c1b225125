#pragma once
// The registry's pending edits written when the program is told to end (SIGTERM, SIGINT, SIGHUP). The signal
// handler only writes the signal's number into a pipe; the Qt event loop reads it, flushes the registry and then
// ends the program. Needs a running QCoreApplication; one object at a time.

#include <functional>
#include <memory>

class QSocketNotifier;

namespace platform {

class Registry;

class TerminationFlush {
public:
    // `end_program` runs after the flush, with the signal's number. By default the signal's own default action
    // ends the process, so its parent sees how it ended.
    explicit TerminationFlush(Registry& registry, std::function<void(int signal)> end_program = {});
    TerminationFlush(const TerminationFlush&) = delete;
    TerminationFlush& operator=(const TerminationFlush&) = delete;
    // Restores the signals' earlier handlers.
    ~TerminationFlush();

    bool active() const { return notifier_ != nullptr; }

private:
    void on_signal();

    Registry& registry_;
    std::function<void(int)> end_program_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace platform
