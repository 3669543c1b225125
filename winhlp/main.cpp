// Appends the command line it was started with, one line a start, to "<own name>.log" beside itself: started
// from a machine as C:\WINDOWS\winhlp32.exe, it writes C:\WINDOWS\winhlp32.exe.log. The arguments are joined
// by single blanks, which gives back the Windows command line's rest as it was typed (without quotes).

#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 1 || argv[0] == nullptr)
        return 1;
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    std::ofstream log{std::string(argv[0]) + ".log", std::ios::app | std::ios::binary};
    log << line << "\r\n";
    return log ? 0 : 1;
}
