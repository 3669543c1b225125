#pragma once
// Advisory locks that other processes of the machine take too (flock): waited for a short, bounded time only,
// so that a stopped or hung process holding one can't hold this one up for longer.

#include <chrono>
#include <string>

namespace platform {

// Far longer than any write of a hive or of the mount table under the lock takes, short enough that a window
// waiting for it does not seem to hang.
inline constexpr std::chrono::milliseconds lock_wait{2000};

// The wait lock_exclusive gives another process: lock_wait unless set otherwise (tests that meet a held lock
// set it short). Per process.
std::chrono::milliseconds current_lock_wait();
void set_lock_wait(std::chrono::milliseconds wait);

enum class LockResult {
    locked,
    busy,   // another process held it for the whole wait
    failed, // any other error; errno tells
};

// Takes the exclusive lock on an open descriptor, trying again without blocking until the wait is up. It is
// released when the descriptor is closed.
LockResult lock_exclusive(int fd);

// A folder, open and exclusively locked (as lock_exclusive) for as long as the object lives. Writers that replace
// a file through a fixed temporary name beside it take turns on its folder this way, across processes.
class LockedFolder {
public:
    explicit LockedFolder(const std::string& folder);
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;
    ~LockedFolder();

    bool opened() const { return fd_ >= 0; }
    // failed also when the folder could not be opened.
    LockResult result() const { return result_; }
    int fd() const { return fd_; }

private:
    int fd_;
    LockResult result_ = LockResult::failed;
};

} // namespace platform
