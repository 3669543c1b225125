// Until the main window exists, the program's first step: open the administered machine (creating the default
// sample machine at the first start) and say what it is.

#include "installation.h"

#include "platform/machine/default_machine.h"
#include "platform/system_queries.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gatrisk"));

    QString error;
    bool created = false;
    const auto machine = platform::open_chosen_machine(
        app::installation(platform::SampleSystem::winxp, QCoreApplication::applicationDirPath()), &error, &created);
    if (!machine) {
        std::fprintf(stderr, "gatrisk: %s\n", qPrintable(error));
        return 1;
    }
    const platform::MachineFacts& f = machine->facts();
    if (created)
        std::printf("Created a sample Windows XP machine.\n");
    std::printf("Machine: %s\n", qPrintable(machine->folder()));
    std::printf("System: %s (%u.%u.%u %s)\n", qPrintable(platform::get_os(*machine)), f.major, f.minor, f.build,
                qPrintable(f.csd));
    std::printf("User: %s\n", qPrintable(f.user));
    std::printf("Gatrisk 2002: the main window is not part of this build yet.\n");
    return 0;
}
