#pragma once
// One QApplication for the widget tests of this program, made on first use and kept to the end.

#include <QApplication>
#include <QString>

#include <ostream>

// Test failures show texts as texts.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace qt_app {

inline QApplication& app()
{
    static int argc = 1;
    static char name[] = "qtui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

} // namespace qt_app
