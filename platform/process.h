#pragma once
// Starting programs of the machine from Windows command lines, and their exit codes. A machine program that is a
// host executable (or a link to one) runs as a host process with the remaining arguments and GATRISK_MACHINE set
// to this machine, and with the arguments part as written, which a Windows program reads whole from its command
// line; other files (a .lnk, a .cpl, a data file) can't be started. A host process has no window: the window style
// is recorded.

#include "platform/machine/machine.h"
#include "platform/vb_errors.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace platform {

inline constexpr std::uint32_t still_active = 259;

inline constexpr int window_hidden = 0;
inline constexpr int window_normal = 1;    // normal with focus
inline constexpr int window_minimized = 2; // minimised with focus

struct ResolvedProgram {
    QString windows_path; // the program's Windows path
    QString host_path;    // what it maps to on the host
    QStringList arguments; // the rest of the command line, split as CommandLineToArgvW splits it
    QString argument_text; // the rest of the command line as written
};

class Processes {
public:
    explicit Processes(const Machine& machine);
    Processes(const Processes&) = delete;
    Processes& operator=(const Processes&) = delete;
    // Processes still running go on running; they are not waited for.
    ~Processes();

    // Run before every start, e.g. so that the registry store flushes its hives first.
    std::function<void()> before_start;

    // The program of a command line. The program token is a quoted name, or, unquoted, the shortest blank-ended
    // prefix that names an existing file (as CreateProcess tries "C:\Program" before "C:\Program Files\x.exe").
    // A name with a folder is a path (relative ones from the program folder); a bare name is searched in the
    // program folder, the system folder and the Windows folder; ".exe" is added to a name without extension.
    // std::nullopt when no such file exists.
    std::optional<ResolvedProgram> resolve(const QString& command_line) const;

    // VB's Shell: the process id, or error 53 when the program can't be found or started, 5 for an empty
    // command line or a window style other than 0 to 4 and 6.
    VbResult<std::uint32_t> shell(const QString& command_line, int window_style);

    // GetExitCodeProcess for a process started here: 259 while it runs, then its exit code (128 + the signal for
    // a process ended by a signal). std::nullopt for an id this table did not start.
    std::optional<std::uint32_t> exit_code(std::uint32_t pid);
    // The window style the process was started with; std::nullopt for an unknown id.
    std::optional<int> window_style(std::uint32_t pid) const;
    // The command line the process was started with.
    QString command_line(std::uint32_t pid) const;

private:
    struct Started {
        QString command_line;
        int window_style = 0;
        bool ended = false;
        std::uint32_t exit_code = still_active;
    };
    std::optional<QString> find_program(const QString& name) const;

    Machine machine_;
    std::map<std::uint32_t, Started> started_;
};

// In a program that Processes::shell started: the arguments part of its command line as written, when that splits
// into exactly `arguments` (its own argv without the program), so that text inherited through a start of another
// kind is not taken for it; std::nullopt otherwise.
std::optional<QString> own_argument_text(const QStringList& arguments);

} // namespace platform
