// A second process on a test machine (GATRISK_MACHINE):
//   registry_probe get <HKCU|HKLM|HKU> <key> <value>      prints REG_GetString
//   registry_probe hold <HKCU|HKLM|HKU> <key> <value> <text>
//       sets the value without flushing, prints "pending", and waits in its event loop until a signal ends it.
//   registry_probe exit <HKCU|HKLM|HKU> <key> <value> <text>
//       sets the value without flushing and ends through exit(), the registry never destroyed.

#include "platform/registry.h"
#include "platform/registry/machine_registry.h"
#include "platform/registry/termination_flush.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

platform::HKEY root_of(const QString& text)
{
    if (text == "HKLM")
        return platform::HKEY_LOCAL_MACHINE;
    if (text == "HKU")
        return platform::HKEY_USERS;
    return platform::HKEY_CURRENT_USER;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto machine = platform::Machine::open(qEnvironmentVariable("GATRISK_MACHINE"));
    if (!machine || args.size() < 5)
        return 2;
    platform::Registry registry(platform::registry_layout(*machine));
    const platform::HKEY root = root_of(args[2]);
    if (args[1] == "get") {
        std::printf("%s\n", platform::REG_GetString(registry, root, args[3], args[4]).toUtf8().constData());
        return 0;
    }
    if (args[1] == "exit" && args.size() == 6) {
        if (platform::REG_SetString(registry, root, args[3], args[4], args[5]) != 0)
            return 3;
        std::exit(0);
    }
    if (args[1] == "hold" && args.size() == 6) {
        platform::TerminationFlush on_signal(registry);
        if (!on_signal.active() || platform::REG_SetString(registry, root, args[3], args[4], args[5]) != 0)
            return 3;
        std::printf("pending\n");
        std::fflush(stdout);
        return app.exec();
    }
    return 2;
}
