#include "mainwindow/shell_open.h"

#include "platform/process.h"

namespace mainwindow {

bool shell_open(platform::Context& context, const QString& address, int show_command)
{
    return context.processes.shell(QStringLiteral("explorer.exe ") + address, show_command).ok();
}

} // namespace mainwindow
