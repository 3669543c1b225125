#include "mainwindow/settings_tab_commands.h"

#include "platform/process.h"
#include "platform/ui_services.h"

#include <array>

namespace mainwindow {

namespace {

struct Tool {
    const char* command_line;
    int window_style;
};

// By position in syslist: the display pages open minimised, the programs in a normal window.
constexpr std::array<Tool, 10> tools = {{
    {"control desk.cpl,,1", platform::window_minimized},
    {"control desk.cpl,,3", platform::window_minimized},
    {"control desk.cpl,,0", platform::window_minimized},
    {"control sysdm.cpl,,0", platform::window_minimized},
    {"explorer.exe", platform::window_normal},
    {"msconfig.exe", platform::window_normal},
    {"scandskw.exe", platform::window_normal},
    {"scanregw.exe", platform::window_normal},
    {"cleanmgr.exe", platform::window_normal},
    {"regedit.exe", platform::window_normal},
}};

} // namespace

void syslist_DblClick(MainForm& form, int language)
{
    const int position = form.syslist.listIndex();
    if (position < 0 || position >= static_cast<int>(tools.size()))
        return;
    const Tool& tool = tools[static_cast<std::size_t>(position)];
    platform::Context& ctx = form.context();
    // The tool runs on its own; only a tool that cannot be started is reported.
    if (ctx.processes.shell(QString::fromLatin1(tool.command_line), tool.window_style).ok())
        return;
    if (language == 1)
        ctx.ui.msgBox(QStringLiteral("Sorry, the requested Win Tool was not found/installed."), 16,
                      QStringLiteral("Error..."));
    else
        ctx.ui.msgBox(QStringLiteral("Das gesuchte Windows-Tool ist auf Ihrem Rechner leider nicht installiert."), 16);
}

} // namespace mainwindow
