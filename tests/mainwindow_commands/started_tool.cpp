// Appends its process id, one a line, to <GATRISK_MACHINE>/started-tools.txt and ends with code 0. The
// test looks the id up in the process table to see the command line and window style it was started with.

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

int main()
{
    const char* machine = std::getenv("GATRISK_MACHINE");
    if (!machine)
        return 2;
    const std::string report = std::string(machine) + "/started-tools.txt";
    std::FILE* f = std::fopen(report.c_str(), "a");
    if (!f)
        return 3;
    std::fprintf(f, "%ld\n", static_cast<long>(::getpid()));
    std::fclose(f);
    return 0;
}
