#pragma once
// A main window over a temporary sample machine as its load leaves it for the File menu: the restriction
// table and the applet list filled, the click reactions of c16 and c41 attached, the designed field texts
// cleared. A folder C:\Sets is there for settings files.

#include "qt_print.h"

#include "mainform/main_form.h"
#include "policy/engine.h"
#include "settingsfile/stored_set.h"
#include "testsupport/context/test_program.h"

#include <QByteArray>
#include <QString>

#include <map>

namespace settingsfile_tests {

inline const QString sets_folder = QStringLiteral("C:\\Sets");
inline QString set_path(const QString& name) { return sets_folder + QLatin1Char('\\') + name; }

// One more window over a program's context (a second window shows what a read sets from scratch).
struct FormOn {
    explicit FormOn(platform::Context& context);
    mainwindow::MainForm form;
    policy::Engine engine;
};

class Window {
public:
    explicit Window(testsupport::ProgramOptions options = {});

    testsupport::TestProgram program;
    FormOn main;
    mainwindow::MainForm& form = main.form;
    scripted_ui::ScriptedUi& ui() { return program.ui(); }

    QByteArray file(const QString& windows_path) const;
    void write(const QString& windows_path, const QByteArray& bytes) const;
    bool exists(const QString& windows_path) const;

    // Every file of the machine with its bytes (but the mount table's), for "nothing else was written".
    std::map<QString, QByteArray> machine_files() const;
};

// Every restriction control set to a value that differs from a fresh window's, texts included.
void fill_distinct(mainwindow::MainForm& form);

} // namespace settingsfile_tests
