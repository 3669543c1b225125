#pragma once
// Advisory locks that other processes of the machine take too (flock): waited for a short, bounded time only,
// so that a stopped or hung process holding one can't hold this one up for longer.

#include <chrono>

namespace platform {

// Far longer than any write of a hive or of the mount table under the lock takes, short enough that a window
// waiting for it does not seem to hang.
inline constexpr std::chrono::milliseconds lock_wait{2000};

enum class LockResult {
    locked,
    busy,   // another process held it for the whole wait
    failed, // any other error; errno tells
};

// Takes the exclusive lock on an open descriptor, trying again without blocking until `lock_wait` is up. It is
// released when the descriptor is closed.
LockResult lock_exclusive(int fd);

} // namespace platform
