// gatrisk-machine: creates and shows the machines that Gatrisk administers.
//
//   gatrisk-machine create [--system xp|2000|nt4|95|98|98se|me] <folder>
//   gatrisk-machine show <folder>

#include "installation.h"

#include "platform/machine/machine.h"
#include "platform/system_queries.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr,
                 "usage: gatrisk-machine create [--system %s] <folder>\n"
                 "       gatrisk-machine show <folder>\n",
                 qPrintable(platform::sample_system_names().join(QLatin1Char('|'))));
    return 2;
}

void show(const platform::Machine& m)
{
    const platform::MachineFacts& f = m.facts();
    std::printf("Machine: %s\n", qPrintable(m.folder()));
    std::printf("System: %s (%u.%u.%u %s)\n", qPrintable(platform::get_os(m)), f.major, f.minor, f.build,
                qPrintable(f.csd));
    std::printf("User: %s\n", qPrintable(f.user));
    std::printf("Windows: %s\nSystem folder: %s\nProfiles: %s\nPrograms: %s\n", qPrintable(f.windows_dir),
                qPrintable(f.system_dir), qPrintable(f.profiles_dir.isEmpty() ? QStringLiteral("(none)") : f.profiles_dir),
                qPrintable(f.program_dir));
    for (const platform::Drive& d : f.drives)
        std::printf("Drive %c: %s\n", d.letter.toLatin1(), qPrintable(d.host_folder));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();

    if (command == QLatin1String("create")) {
        platform::SampleSystem system = platform::SampleSystem::winxp;
        QString folder;
        while (!args.isEmpty()) {
            const QString a = args.takeFirst();
            if (a == QLatin1String("--system") && !args.isEmpty()) {
                const auto chosen = platform::sample_system(args.takeFirst());
                if (!chosen)
                    return usage();
                system = *chosen;
            } else if (folder.isEmpty() && !a.startsWith(QLatin1String("--"))) {
                folder = a;
            } else {
                return usage();
            }
        }
        if (folder.isEmpty())
            return usage();
        QString error;
        const auto machine =
            platform::create_sample_machine(folder, app::installation(system, QCoreApplication::applicationDirPath()), &error);
        if (!machine) {
            std::fprintf(stderr, "gatrisk-machine: %s\n", qPrintable(error));
            return 1;
        }
        show(*machine);
        return 0;
    }
    if (command == QLatin1String("show") && args.size() == 1) {
        QString error;
        const auto machine = platform::Machine::open(args.front(), &error);
        if (!machine) {
            std::fprintf(stderr, "gatrisk-machine: %s\n", qPrintable(error));
            return 1;
        }
        show(*machine);
        return 0;
    }
    return usage();
}
