#include "platform/machine/machine.h"

namespace platform {

QString Machine::config_file_name() { return QStringLiteral("machine.ini"); }

std::optional<Machine> Machine::open(const QString&, QString* error)
{
    if (error)
        *error = QStringLiteral("not built yet");
    return std::nullopt;
}

std::optional<Machine> Machine::from_facts(const QString&, MachineFacts, QString* error)
{
    if (error)
        *error = QStringLiteral("not built yet");
    return std::nullopt;
}

QString Machine::config_path() const { return folder_ + QLatin1Char('/') + config_file_name(); }
std::uint32_t Machine::logical_drives() const { return 0; }
QString Machine::drive_folder(QChar) const { return {}; }
HostPath Machine::to_host(const QString&) const { return {QString(), PathError::invalid}; }
std::optional<QString> Machine::to_windows(const QString&) const { return std::nullopt; }
QString Machine::profile_dir(const QString&) const { return {}; }
HiveFiles Machine::hive_files() const { return {}; }
QString Machine::mount_table_path() const { return folder_ + QStringLiteral("/mounts.txt"); }
QString Machine::mount_lock_path() const { return folder_ + QStringLiteral("/mounts.lock"); }

} // namespace platform
