#pragma once
// The Window menu: one item per tab brings that tab to the front; the last item opens help.

#include "mainform/main_form.h"

namespace mainwindow {

// Selects tab `tab` (0 to 8) and brings the window forward; the tab control's change handler runs when the
// tab changes.
void show_tab(MainForm& main, int tab);

} // namespace mainwindow
