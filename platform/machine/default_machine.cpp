#include "platform/machine/default_machine.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString default_machine_folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/machine");
}

std::optional<Machine> open_chosen_machine(const SampleOptions& creation, QString* error, bool* created)
{
    if (created)
        *created = false;
    const QString chosen = qEnvironmentVariable(machine_variable);
    if (!chosen.isEmpty())
        return Machine::open(chosen, error);
    const QString folder = default_machine_folder();
    if (QFileInfo::exists(folder + QLatin1Char('/') + Machine::config_file_name()))
        return Machine::open(folder, error);
    SampleOptions xp = creation;
    xp.system = SampleSystem::winxp;
    auto machine = create_sample_machine(folder, xp, error);
    if (machine && created)
        *created = true;
    return machine;
}

} // namespace platform
