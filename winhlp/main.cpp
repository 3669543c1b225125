// Appends the command line it was started with, one line a start, to "<own name>.log" beside itself: started
// from a machine as C:\WINDOWS\winhlp32.exe, it writes C:\WINDOWS\winhlp32.exe.log. The arguments are joined
// by single blanks, which gives back the Windows command line's rest as it was typed (without quotes).
// When that rest names a help file, the file is shown in a window until the user closes it.

#include "winhlp/help_file.h"
#include "winhlp/help_window.h"

#include <QApplication>

#include <fstream>
#include <string>

namespace {

// Without a screen Qt can't open a window and aborts the process; a viewer started so only records.
bool has_screen()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

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
    {
        std::ofstream log{std::string(argv[0]) + ".log", std::ios::app | std::ios::binary};
        log << line << "\r\n";
        if (!log)
            return 1;
    }

    const auto help = winhlp::help_file_on_host(QString::fromLocal8Bit(line), qEnvironmentVariable("GATRISK_MACHINE"));
    if (!help || !has_screen())
        return 0;
    // Qt gets the program's name alone: the rest is the viewer's, not options for Qt.
    int qt_argc = 1;
    QApplication app(qt_argc, argv);
    const auto window = winhlp::open_help_window(*help);
    if (!window)
        return 0;
    window->show();
    return app.exec();
}
