#pragma once
// The main window over a temporary sample machine with every editing command attached, as the program's
// assembly wires it, and small helpers to set up and read its restriction set.

#include "mainwindow/main_commands.h"
#include "testsupport/context/test_program.h"

#include <QString>
#include <QStringList>

namespace commands_tests {

struct CommandsWindow {
    explicit CommandsWindow(testsupport::ProgramOptions options = {});

    testsupport::TestProgram program;
    mainwindow::MainForm form{program.context()};
    mainwindow::CommandLinks links{program.context()};

    scripted_ui::ScriptedUi& ui() { return program.ui(); }

    // Writes a file of the machine (creating its folder).
    void write(const QString& windows_path, const QByteArray& bytes);
    void make_folder(const QString& windows_path);

    void set_censor_list(const QStringList& entries);
    QStringList censor_list() const { return form.List1.entries(); }

    // The restriction check boxes (c11 ... c99, not the drive boxes) by name: ticked ones, or all of them.
    QStringList ticked_boxes() const;
    QStringList restriction_boxes() const;
    void set_every_box(int value);
    // Drive boxes by letter ("ACD"): which are enabled, which are ticked.
    void enable_drives(const QString& letters);
    QString ticked_drives();
    // n applets in lv1, and how many are ticked.
    void fill_applets(int n = 39);
    int ticked_applets() const;
};

} // namespace commands_tests
