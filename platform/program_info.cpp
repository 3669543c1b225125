#include "platform/program_info.h"

namespace platform {

ProgramInfo program_info(const Machine& machine, const QStringList& arguments)
{
    ProgramInfo info;
    info.folder = machine.facts().program_dir;
    info.file_name = QStringLiteral("GATR2002");
    info.major = GATRISK_VERSION_MAJOR;
    info.minor = GATRISK_VERSION_MINOR;
    info.revision = GATRISK_VERSION_REVISION;
    info.command_line = arguments.join(QLatin1Char(' '));
    return info;
}

QString version_text(const ProgramInfo& info)
{
    return QStringLiteral("%1.%2.%3").arg(info.major).arg(info.minor).arg(info.revision);
}

} // namespace platform
