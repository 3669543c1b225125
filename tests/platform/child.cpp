// Test child: child <exit code> <seconds to sleep> <report file> [arguments...]
// Writes its arguments, one a line, and then GATRISK_MACHINE into the report file, sleeps, and ends with the code.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv)
{
    if (argc < 4)
        return 99;
    if (std::FILE* f = std::fopen(argv[3], "w")) {
        for (int i = 4; i < argc; ++i)
            std::fprintf(f, "%s\n", argv[i]);
        const char* machine = std::getenv("GATRISK_MACHINE");
        std::fprintf(f, "GATRISK_MACHINE=%s\n", machine ? machine : "");
        std::fclose(f);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<int>(std::atof(argv[2]) * 1000)));
    return std::atoi(argv[1]);
}
