#pragma once
// The status bar at the window's foot: the maker's address, the status, the user, the Windows version and a
// clock that a one-second timer keeps current. A left click on the address shows what the link will be.

#include "mainform/main_form.h"
#include "platform/system_queries.h"

#include <QDateTime>
#include <QLocale>

namespace mainwindow {

// Widths, font and texts of the five designed panels for the language.
void status_init(MainForm& main, int language = platform::get_language());

// The placeholder of the address link.
void homepage(MainForm& main);

// A mouse button went down on the status bar; `x` and `y` in twips from its top left corner.
void StatusBar_MouseDown(MainForm& main, int button, int shift, double x, double y);

// The clock's tick: the time of the context's clock into panel 5.
void Timer1_Timer(MainForm& main, int language = platform::get_language());

// What the clock shows at `now`: English the locale's long time format, German "hh:mm:ss".
QString clock_text(const QDateTime& now, int language, const QLocale& locale = QLocale::system());

} // namespace mainwindow
