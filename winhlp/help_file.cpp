#include "winhlp/help_file.h"

#include "platform/machine/machine.h"

#include <QFileInfo>

namespace winhlp {

namespace {

bool is_help_file(const QString& host_path)
{
    const QFileInfo info(host_path);
    return info.isFile() && info.suffix().compare(QLatin1String("hlp"), Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<QString> help_file_on_host(const QString& rest, const QString& machine_folder)
{
    if (rest.isEmpty())
        return std::nullopt;
    if (!machine_folder.isEmpty()) {
        if (const auto machine = platform::Machine::open(machine_folder)) {
            const platform::HostPath host = machine->to_host(rest);
            if (host.ok() && is_help_file(host.path))
                return host.path;
        }
    }
    if (is_help_file(rest))
        return QFileInfo(rest).absoluteFilePath();
    return std::nullopt;
}

} // namespace winhlp
