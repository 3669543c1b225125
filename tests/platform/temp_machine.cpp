#include "temp_machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

TempMachine::TempMachine(platform::SampleSystem system, std::vector<platform::BuiltProgram> programs)
{
    platform::SampleOptions options;
    options.system = system;
    options.programs = std::move(programs);
    QString error;
    auto m = platform::create_sample_machine(dir.path() + QStringLiteral("/machine"), options, &error);
    if (!m)
        ADD_FAILURE() << "sample machine not created: " << error.toStdString();
    else
        machine = std::make_unique<platform::Machine>(*m);
}

QString TempMachine::host(const QString& windows_path) const
{
    const platform::HostPath h = machine->to_host(windows_path);
    EXPECT_TRUE(h.ok()) << windows_path.toStdString();
    return h.path;
}

void TempMachine::write(const QString& windows_path, const QByteArray& bytes) const
{
    const QString path = host(windows_path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << windows_path.toStdString();
    f.write(bytes);
}

QByteArray TempMachine::read(const QString& windows_path) const
{
    QFile f(host(windows_path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempMachine::exists(const QString& windows_path) const { return QFileInfo::exists(host(windows_path)); }

LockHolder::LockHolder(const QString& host_path)
{
    int ready[2];
    int release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0)
        return;
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
