// The program: open the administered machine (creating the default sample machine at the first start), make
// the program's context over it, and start at the password prompt, which opens the main window.

#include "app/form_renderers.h"
#include "installation.h"

#include "mainwindow/main_window.h"
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

    // Qt gets the program's name alone: its own options (-platform, -reverse, -stylesheet, ...) are words of
    // the program's command line here. The platform still comes from QT_QPA_PLATFORM.
    int qt_argc = argc > 0 ? 1 : 0;
    QApplication application(qt_argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gatrisk"));
    // The program ends when its last form has gone (see FormRenderers), not when the password prompt hides
    // on its way to the main window.
    QApplication::setQuitOnLastWindowClosed(false);

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
    // At the end nobody is left to tell a failure; what can't be written stays as the files had it.
    ui.atProgramEnd([&registry] { (void)registry.flush_all(); });
    platform::SystemClock clock;
    qtui::QtTraySink tray_sink;
    platform::Tray tray(tray_sink);
    platform::Context context{*machine, registry, files, processes, profile_strings, ui, clock, tray,
                              platform::program_info(*machine, arguments)};

    mainwindow::MainWindow main_window(context);
    startup::StartupForms& forms = main_window.startup_forms();
    app::FormRenderers renderers([] { QCoreApplication::quit(); });
    for (controls::Form* form : std::initializer_list<controls::Form*>{
             &main_window, &forms.getpass, &forms.setpass, &forms.verzeichnis, &forms.update, &forms.profile})
        renderers.follow(*form);

    // The first form shows once the event loop runs, so that everything that may end the program (a message
    // box's own loop included) finds it running.
    QTimer::singleShot(0, &application, [&forms] { forms.getpass.show(); });

    // For the start test only: the program ends as soon as its first window is up. Kept firing, so that a
    // message box shown on the way closes too and the start goes on to its end.
    QTimer quit_after_start;
    if (qEnvironmentVariable("GATRISK_QUIT_AFTER_START") == QLatin1String("1")) {
        QObject::connect(&quit_after_start, &QTimer::timeout, &application, &QCoreApplication::quit);
        quit_after_start.start(0);
    }

    const int result = application.exec();
    ui.runEndHooks();
    return result;
}
