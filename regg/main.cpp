// regg: mounts a hive file under HKEY_USERS of the machine that GATRISK_MACHINE names, or dismounts it.
//   regg load "<hive file>" HKU\<name>
//   regg unload HKU\<name>
// Exit codes tell what happened but nobody needs them: 0 done, 1 refused, 2 bad command line or machine.

#include "mount_commands.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

int usage()
{
    std::fputs("usage: regg load \"<hive file>\" HKU\\<name>\n       regg unload HKU\\<name>\n", stderr);
    return 2;
}

int report(regg::Outcome outcome, const QString& why)
{
    if (outcome != regg::Outcome::done)
        std::fprintf(stderr, "regg: %s\n", why.toLocal8Bit().constData());
    return outcome == regg::Outcome::done ? 0 : outcome == regg::Outcome::refused ? 1 : 2;
}

} // namespace

int main(int argc, char** argv)
{
    const char* folder = std::getenv("GATRISK_MACHINE");
    if (!folder || !*folder) {
        std::fputs("regg: GATRISK_MACHINE does not name a machine\n", stderr);
        return 2;
    }
    QString error;
    const auto machine = platform::Machine::open(QString::fromLocal8Bit(folder), &error);
    if (!machine) {
        std::fprintf(stderr, "regg: %s\n", error.toLocal8Bit().constData());
        return 2;
    }
    if (argc < 2)
        return usage();
    const QString command = QString::fromLocal8Bit(argv[1]);
    QString why;
    if (command.compare(QLatin1String("load"), Qt::CaseInsensitive) == 0 && argc == 4) {
        const QString name = regg::mount_name(QString::fromLocal8Bit(argv[3]));
        if (name.isEmpty())
            return usage();
        return report(regg::load(*machine, QString::fromLocal8Bit(argv[2]), name, &why), why);
    }
    if (command.compare(QLatin1String("unload"), Qt::CaseInsensitive) == 0 && argc == 3) {
        const QString name = regg::mount_name(QString::fromLocal8Bit(argv[2]));
        if (name.isEmpty())
            return usage();
        return report(regg::unload(*machine, name, &why), why);
    }
    return usage();
}
