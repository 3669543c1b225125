#include "platform/registry/termination_flush.h"

#include "platform/registry/win32_registry.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::array<int, 3> ending_signals = {SIGTERM, SIGINT, SIGHUP};

// The pipe the handler writes into. A signal handler can reach nothing else.
int signal_pipe[2] = {-1, -1};
struct sigaction earlier[ending_signals.size()];

extern "C" void note_signal(int signal)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(signal_pipe[1], &number, 1);
    errno = saved;
}

} // namespace

TerminationFlush::TerminationFlush(Registry& registry, std::function<void(int)> end_program)
    : registry_(registry), end_program_(std::move(end_program))
{
    if (signal_pipe[0] >= 0 || ::pipe2(signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(signal_pipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { on_signal(); });
    for (std::size_t i = 0; i < ending_signals.size(); ++i) {
        struct sigaction action {};
        action.sa_handler = note_signal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(ending_signals[i], &action, &earlier[i]);
    }
}

TerminationFlush::~TerminationFlush()
{
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < ending_signals.size(); ++i)
        ::sigaction(ending_signals[i], &earlier[i], nullptr);
    notifier_.reset();
    ::close(signal_pipe[0]);
    ::close(signal_pipe[1]);
    signal_pipe[0] = signal_pipe[1] = -1;
}

void TerminationFlush::on_signal()
{
    unsigned char number = 0;
    if (::read(signal_pipe[0], &number, 1) != 1)
        return;
    // The program is told to end: nobody is left to tell a failure, and what can't be written stays as the
    // files had it.
    (void)registry_.flush_all();
    const int signal = number;
    if (end_program_) {
        end_program_(signal);
        return;
    }
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

} // namespace platform
