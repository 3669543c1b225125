#include "platform/process_identity.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <unistd.h>

namespace platform {

namespace {

// /proc/<pid>/stat: "pid (name) state ppid ...", the start time is its 22nd field. The name may hold blanks and
// parentheses, so the fields are counted from the last ')'.
constexpr int fields_after_name_to_start_time = 19; // field 3 (the state) is the first after the name

} // namespace

std::optional<ProcessIdentity> running_process(pid_t pid)
{
    if (pid <= 0)
        return std::nullopt;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = stat.readAll();
    const qsizetype name_end = line.lastIndexOf(')');
    if (name_end < 0)
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(name_end + 1).simplified().split(' ');
    if (fields.size() <= fields_after_name_to_start_time)
        return std::nullopt;
    const QByteArray& state = fields[0];
    if (state == "Z" || state == "X")
        return std::nullopt;
    bool ok = false;
    const std::uint64_t started = fields[fields_after_name_to_start_time].toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return ProcessIdentity{pid, started};
}

ProcessIdentity this_process()
{
    const pid_t pid = ::getpid();
    return running_process(pid).value_or(ProcessIdentity{pid, 0});
}

bool is_running(const ProcessIdentity& process)
{
    const auto now = running_process(static_cast<pid_t>(process.pid));
    return now && *now == process;
}

QString to_text(const ProcessIdentity& process)
{
    return QStringLiteral("%1:%2").arg(process.pid).arg(process.started);
}

std::optional<ProcessIdentity> process_from_text(const QString& text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    bool pid_ok = false;
    bool started_ok = false;
    const qint64 pid = text.left(colon).toLongLong(&pid_ok);
    const quint64 started = text.mid(colon + 1).toULongLong(&started_ok);
    if (!pid_ok || !started_ok || pid <= 0)
        return std::nullopt;
    return ProcessIdentity{pid, started};
}

} // namespace platform
