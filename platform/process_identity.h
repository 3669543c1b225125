#pragma once
// A process named so that it is told apart from a later one given the same id: its id and the time it started.
// The mount table names the process that made each mount this way, and a mount whose process has ended is stale.

#include <QString>

#include <cstdint>
#include <optional>

#include <sys/types.h>

namespace platform {

struct ProcessIdentity {
    std::int64_t pid = 0;
    std::uint64_t started = 0; // clock ticks after boot, as the kernel keeps it for the process

    bool operator==(const ProcessIdentity&) const = default;
};

ProcessIdentity this_process();
// The running process of that id; std::nullopt when there is none (a zombie counts as ended).
std::optional<ProcessIdentity> running_process(pid_t pid);
// True while that very process runs: its id is taken and by a process that started at the same time.
bool is_running(const ProcessIdentity& process);

// "<pid>:<started>", and back; std::nullopt for any other text.
QString to_text(const ProcessIdentity& process);
std::optional<ProcessIdentity> process_from_text(const QString& text);

} // namespace platform
