#include "platform/process.h"

#include "platform/command_line.h"
#include "platform/machine/windows_path.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

// The arguments part of the command line as written, handed to the started program.
constexpr char arguments_variable[] = "GATRISK_ARGUMENTS";

bool has_folder(const QString& name)
{
    return name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char(':'));
}

bool has_extension(const QString& name)
{
    const qsizetype slash = std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    return name.indexOf(QLatin1Char('.'), slash + 1) >= 0;
}

QString join(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('\\')) ? folder + name : folder + QLatin1Char('\\') + name;
}

// A host program: a regular file with the execute bit, reached directly or through links.
bool host_executable(const QString& host_path)
{
    const QFileInfo info(host_path);
    return info.exists() && info.isFile() && info.isExecutable();
}

} // namespace

Processes::Processes(const Machine& machine) : machine_(machine) {}

Processes::~Processes() = default;

std::optional<QString> Processes::find_program(const QString& name) const
{
    QStringList candidates;
    const QString with_exe = has_extension(name) ? name : name + QStringLiteral(".exe");
    if (has_folder(name)) {
        const bool full = name.size() >= 2 && name[1] == QLatin1Char(':');
        candidates.push_back(full ? with_exe : join(machine_.facts().program_dir, with_exe));
    } else {
        for (const QString* folder : {&machine_.facts().program_dir, &machine_.facts().system_dir,
                                      &machine_.facts().windows_dir})
            candidates.push_back(join(*folder, with_exe));
    }
    for (const QString& candidate : candidates) {
        const HostPath host = machine_.to_host(candidate);
        if (host.ok() && QFileInfo(host.path).isFile())
            return normalize_windows_path(candidate);
    }
    return std::nullopt;
}

std::optional<ResolvedProgram> Processes::resolve(const QString& command_line) const
{
    qsizetype i = 0;
    while (i < command_line.size() && (command_line[i] == QLatin1Char(' ') || command_line[i] == QLatin1Char('\t')))
        ++i;
    if (i >= command_line.size())
        return std::nullopt;

    std::optional<QString> program;
    qsizetype rest = 0;
    if (command_line[i] == QLatin1Char('"')) {
        const qsizetype close = command_line.indexOf(QLatin1Char('"'), i + 1);
        const qsizetype end = close < 0 ? command_line.size() : close;
        program = find_program(command_line.mid(i + 1, end - i - 1));
        rest = close < 0 ? end : close + 1;
    } else {
        // Each blank ends a candidate; the first one that names a file wins.
        qsizetype end = i;
        while (!program) {
            while (end < command_line.size() && command_line[end] != QLatin1Char(' ')
                   && command_line[end] != QLatin1Char('\t'))
                ++end;
            program = find_program(command_line.mid(i, end - i));
            rest = end;
            if (end >= command_line.size())
                break;
            ++end;
        }
    }
    if (!program)
        return std::nullopt;
    const HostPath host = machine_.to_host(*program);
    if (!host.ok())
        return std::nullopt;
    const QString argument_text = command_line.mid(rest);
    return ResolvedProgram{*program, host.path, split_arguments(argument_text), argument_text};
}

VbResult<std::uint32_t> Processes::shell(const QString& command_line, int window_style)
{
    if (command_line.trimmed().isEmpty() || window_style < 0 || window_style > 6 || window_style == 5)
        return {0, vb::bad_call};
    const auto program = resolve(command_line);
    if (!program || !host_executable(program->host_path))
        return {0, vb::file_not_found};

    if (before_start)
        before_start();

    std::vector<QByteArray> arg_bytes;
    arg_bytes.push_back(QFile::encodeName(program->host_path));
    for (const QString& a : program->arguments)
        arg_bytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : arg_bytes)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const QByteArray machine_variable = "GATRISK_MACHINE=" + QFile::encodeName(machine_.folder());
    const QByteArray own_arguments = QByteArray(arguments_variable) + '=';
    std::vector<QByteArray> env_bytes;
    for (char** e = environ; e && *e; ++e)
        if (qstrncmp(*e, "GATRISK_MACHINE=", 16) != 0 && !QByteArray(*e).startsWith(own_arguments))
            env_bytes.emplace_back(*e);
    env_bytes.push_back(machine_variable);
    env_bytes.push_back(own_arguments + program->argument_text.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& e : env_bytes)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, arg_bytes.front().constData(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return {0, vb::file_not_found};
    started_[static_cast<std::uint32_t>(pid)] = Started{command_line, window_style, false, still_active};
    return {static_cast<std::uint32_t>(pid), vb::ok};
}

std::optional<std::uint32_t> Processes::exit_code(std::uint32_t pid)
{
    const auto it = started_.find(pid);
    if (it == started_.end())
        return std::nullopt;
    Started& s = it->second;
    if (!s.ended) {
        int status = 0;
        const pid_t r = ::waitpid(static_cast<pid_t>(pid), &status, WNOHANG);
        if (r == static_cast<pid_t>(pid)) {
            s.ended = true;
            s.exit_code = WIFEXITED(status)     ? static_cast<std::uint32_t>(WEXITSTATUS(status))
                          : WIFSIGNALED(status) ? 128u + static_cast<std::uint32_t>(WTERMSIG(status))
                                                : 1u;
        } else if (r < 0 && errno == ECHILD) {
            s.ended = true; // reaped elsewhere; its code is unknown
            s.exit_code = 1;
        }
    }
    return s.exit_code;
}

std::optional<int> Processes::window_style(std::uint32_t pid) const
{
    const auto it = started_.find(pid);
    if (it == started_.end())
        return std::nullopt;
    return it->second.window_style;
}

QString Processes::command_line(std::uint32_t pid) const
{
    const auto it = started_.find(pid);
    return it == started_.end() ? QString() : it->second.command_line;
}

std::optional<QString> own_argument_text(const QStringList& arguments)
{
    if (!qEnvironmentVariableIsSet(arguments_variable))
        return std::nullopt;
    const QString text = qEnvironmentVariable(arguments_variable);
    if (split_arguments(text) != arguments)
        return std::nullopt;
    return text;
}

} // namespace platform
