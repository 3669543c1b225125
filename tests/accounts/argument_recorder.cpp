// Writes its arguments, one a line, to <GATRISK_MACHINE>/helper-arguments.txt, waits a little so that the
// caller's wait loop runs, and ends with code 0.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

int main(int argc, char** argv)
{
    const char* machine = std::getenv("GATRISK_MACHINE");
    if (!machine)
        return 2;
    const std::string report = std::string(machine) + "/helper-arguments.txt";
    if (std::FILE* f = std::fopen(report.c_str(), "a")) {
        for (int i = 1; i < argc; ++i)
            std::fprintf(f, "%s\n", argv[i]);
        std::fclose(f);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return 0;
}
