// regg: mounts a hive file under HKEY_USERS of the machine that GATRISK_MACHINE names, or dismounts it.
//   regg load "<hive file>" HKU\<name>
//   regg unload HKU\<name>
// The name runs to the end of the command line, blanks included. Only an administrator may mount or dismount.
// A mount belongs to the program that started the helper (its parent process) for as long as that program runs.
// Exit codes tell what happened but nobody needs them: 0 done, 1 refused, 2 bad command line or machine.

#include "mount_commands.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

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
    // Taken first: should the program end meanwhile, the mount is made for a process that has ended, so stale.
    const pid_t parent = ::getppid();
    const platform::ProcessIdentity program =
        platform::running_process(parent).value_or(platform::ProcessIdentity{parent, 0});
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
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(QString::fromLocal8Bit(argv[i]));
    const QString command = arguments.value(0);
    const bool load = command.compare(QLatin1String("load"), Qt::CaseInsensitive) == 0 && arguments.size() >= 3;
    const bool unload = command.compare(QLatin1String("unload"), Qt::CaseInsensitive) == 0 && arguments.size() >= 2;
    if (!load && !unload)
        return usage();
    const QString name = regg::mount_name(regg::target_text(arguments, load ? 2 : 1));
    if (name.isEmpty())
        return usage();
    QString why;
    if (load)
        return report(regg::load(*machine, arguments[1], name, program, &why), why);
    return report(regg::unload(*machine, name, program, &why), why);
}
