#pragma once
// The main window over a temporary sample machine, its bars built and its texts set as the load does.

#include "mainwindow/localize.h"
#include "mainwindow/list_bar.h"
#include "mainwindow/main_bars_and_menus.h"
#include "mainform/main_form.h"
#include "mainwindow/status_bar.h"
#include "testsupport/context/test_program.h"

#include <QString>

#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace main_window {

struct Window {
    explicit Window(int language, testsupport::ProgramOptions options = {}) : program(std::move(options))
    {
        mainwindow::land_menu(form);
        mainwindow::menu1(form, language);
        mainwindow::status_init(form, language);
        mainwindow::localize(form, language);
        mainwindow::attach_main_bars_and_menus(form, language);
    }

    testsupport::TestProgram program;
    mainwindow::MainForm form{program.context()};
};

} // namespace main_window
