#include "mainwindow/help_menu.h"

#include "mainwindow/maker_sites.h"
#include "mainwindow/shell_open.h"
#include "platform/in_language.h"
#include "platform/process.h"

#include <QStringList>

namespace mainwindow {

namespace {

const QString crlf = QStringLiteral("\r\n");

} // namespace

void mm51_Click(MainForm& main)
{
    platform::Context& context = main.context();
    // The viewer takes the rest of its command line as the file, blanks and all: no quotes.
    (void)context.processes.shell(QStringLiteral("winhlp32.exe ") + context.program.folder +
                                      QStringLiteral("\\gatr2002.hlp"),
                                  platform::window_normal);
}

void mm53_Click(MainForm& main, int language)
{
    (void)shell_open(main.context(), maker_site(language), platform::window_normal);
}

void mm54_Click(MainForm& main)
{
    platform::Context& context = main.context();
    const QStringList lines = {
        QStringLiteral("Gatrisk 2002"),
        context.program.file_name,
        QString(),
        QStringLiteral("Version: ") + platform::version_text(context.program),
        QStringLiteral("WinVersion: ") + platform::get_os(context.machine),
    };
    context.ui.msgBox(lines.join(crlf), 0);
}

void mm57_Click(MainForm& main, int language)
{
    platform::Context& context = main.context();
    const QStringList lines = {
        QStringLiteral("Gatrisk 2002"),
        main.StatusBar.panel(2).text,
        QString(),
        QStringLiteral("by Brekund"),
        maker_site(language),
        QString(),
        QString(),
        QStringLiteral("Release: ") + platform::version_text(context.program),
        QString(),
        QStringLiteral("Special thanks to:"),
        QStringLiteral("all teachers, pupils and parents who tried it out and told us what they found."),
        QStringLiteral("Dedicated to all schools and parents."),
    };
    context.ui.msgBox(lines.join(crlf), 64,
                      platform::in_language(language, QStringLiteral("Über..."), QStringLiteral("About...")));
}

} // namespace mainwindow
