#pragma once
// One QApplication for the widget tests of this folder, made on first use and kept to the end.

#include <QApplication>

namespace main_window_tests {

inline QApplication& app()
{
    static int argc = 1;
    static char name[] = "main_window_render_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

} // namespace main_window_tests
