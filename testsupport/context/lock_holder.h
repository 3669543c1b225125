#pragma once
// Another process that holds an advisory lock on a host file until this object goes: what the program meets
// as a file that another program has open.

#include <QString>

#include <sys/types.h>

namespace testsupport {

class LockHolder {
public:
    explicit LockHolder(const QString& host_path);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    bool locked() const { return locked_; }

private:
    pid_t pid_ = -1;
    int release_fd_ = -1;
    bool locked_ = false;
};

} // namespace testsupport
