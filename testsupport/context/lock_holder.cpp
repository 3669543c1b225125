#include "testsupport/context/lock_holder.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

LockHolder::LockHolder(const QString& host_path)
{
    int ready[2];
    int release[2];
    if (::pipe(ready) != 0)
        return;
    if (::pipe(release) != 0) {
        ::close(ready[0]);
        ::close(ready[1]);
        return;
    }
    const QByteArray name = QFile::encodeName(host_path);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(ready[0]);
        ::close(release[1]);
        const int fd = ::open(name.constData(), O_RDONLY);
        const char ok = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? '1' : '0';
        (void)!::write(ready[1], &ok, 1);
        char c;
        (void)!::read(release[0], &c, 1); // until the parent closes its end
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    release_fd_ = release[1];
    char c = '0';
    locked_ = ::read(ready[0], &c, 1) == 1 && c == '1';
    ::close(ready[0]);
}

LockHolder::~LockHolder()
{
    if (release_fd_ >= 0)
        ::close(release_fd_);
    if (pid_ > 0)
        ::waitpid(pid_, nullptr, 0);
}

} // namespace testsupport
