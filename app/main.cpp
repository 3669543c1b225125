// The program: open the administered machine (creating the default sample machine at the first start), make
// the program's context over it, and show the main window.

#include "installation.h"

#include "mainwindow/main_form.h"
#include "platform/clock.h"
#include "platform/context.h"
#include "platform/machine/default_machine.h"
#include "platform/process.h"
#include "platform/profile_strings.h"
#include "platform/registry.h"
#include "platform/registry/machine_registry.h"
#include "platform/registry/termination_flush.h"
#include "platform/system_queries.h"
#include "platform/tray.h"
#include "platform/vb_files.h"
#include "qtui/form_window.h"
#include "qtui/qt_tray.h"
#include "qtui/qt_ui_services.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    // Taken before Qt sees them: the program compares its command line as a whole, so nothing of it may be
    // taken away as an option of the toolkit.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gatrisk"));

    QString error;
    bool created = false;
    auto machine = platform::open_chosen_machine(
        app::installation(platform::SampleSystem::winxp, QCoreApplication::applicationDirPath()), &error, &created);
    if (!machine) {
        std::fprintf(stderr, "gatrisk: %s\n", qPrintable(error));
        return 1;
    }
    const platform::MachineFacts& f = machine->facts();
    if (created)
        std::printf("Created a sample Windows XP machine.\n");
    std::printf("Machine: %s\n", qPrintable(machine->folder()));
    std::printf("System: %s (%u.%u.%u %s)\n", qPrintable(platform::get_os(*machine)), f.major, f.minor, f.build,
                qPrintable(f.csd));
    std::printf("User: %s\n", qPrintable(f.user));
    std::fflush(stdout);

    platform::Registry registry(platform::registry_layout(*machine));
    platform::VbFiles files(*machine);
    platform::Processes processes(*machine);
    platform::ProfileStrings profile_strings(*machine);
    platform::flush_before_starts(registry, processes);
    platform::TerminationFlush termination_flush(registry);
    qtui::QtUiServices ui(qtui::machinePathMapping(*machine));
    ui.atProgramEnd([&registry] { registry.flush_all(); });
    platform::SystemClock clock;
    qtui::QtTraySink tray_sink;
    platform::Tray tray(tray_sink);
    platform::Context context{*machine, registry, files, processes, profile_strings, ui, clock, tray,
                              platform::program_info(*machine, arguments)};

    mainwindow::MainForm main_form(context);
    qtui::FormWindow window(main_form);
    ui.setOwner(&window);
    main_form.show();

    // For the start test only: the window comes up, and the program ends as soon as its events have run.
    if (qEnvironmentVariable("GATRISK_QUIT_AFTER_START") == QLatin1String("1"))
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    const int result = application.exec();
    ui.runEndHooks();
    return result;
}
