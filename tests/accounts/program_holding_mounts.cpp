// Another program of the machine: runs each Windows command line given (the hive helper's) as the program runs
// it, waiting for its end, writes "ready" and a line break, and runs on until its input ends. Whatever it mounted
// stays mounted.

#include "platform/machine/machine.h"
#include "platform/process.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include <unistd.h>

int main(int argc, char** argv)
{
    const char* folder = std::getenv("GATRISK_MACHINE");
    if (!folder)
        return 2;
    const auto machine = platform::Machine::open(QString::fromLocal8Bit(folder));
    if (!machine)
        return 2;
    platform::Processes processes(*machine);
    for (int i = 1; i < argc; ++i) {
        const auto pid = processes.shell(QString::fromLocal8Bit(argv[i]), platform::window_hidden);
        if (!pid.ok())
            return 3;
        std::optional<std::uint32_t> code;
        while ((code = processes.exit_code(pid.value)) && *code == platform::still_active)
            ::usleep(1000);
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    char buffer[64];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    return 0;
}
