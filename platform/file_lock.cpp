#include "platform/file_lock.h"

#include <atomic>
#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {
namespace {

// Short beside the wait, long enough that trying again does not keep a processor busy.
constexpr auto retry_interval = std::chrono::milliseconds(10);

std::atomic<std::chrono::milliseconds::rep> wait_ms{lock_wait.count()};

} // namespace

std::chrono::milliseconds current_lock_wait() { return std::chrono::milliseconds(wait_ms.load()); }

void set_lock_wait(std::chrono::milliseconds wait) { wait_ms.store(wait.count()); }

LockResult lock_exclusive(int fd)
{
    const auto give_up = std::chrono::steady_clock::now() + current_lock_wait();
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return LockResult::locked;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return LockResult::failed;
        if (std::chrono::steady_clock::now() >= give_up)
            return LockResult::busy;
        std::this_thread::sleep_for(retry_interval);
    }
}

LockedFolder::LockedFolder(const std::string& folder)
    : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (fd_ >= 0)
        result_ = lock_exclusive(fd_);
}

LockedFolder::~LockedFolder()
{
    if (fd_ >= 0)
        ::close(fd_); // closing releases the lock
}

} // namespace platform
