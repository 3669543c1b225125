#include "mainwindow/window_menu.h"

namespace mainwindow {

void show_tab(MainForm& main, int tab)
{
    main.tab.setTab(tab);
    main.show();
}

} // namespace mainwindow
