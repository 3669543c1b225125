#include "mainwindow/main_bars_and_menus.h"

#include "mainwindow/help_menu.h"
#include "mainwindow/language_menu.h"
#include "mainwindow/list_bar.h"
#include "mainwindow/status_bar.h"
#include "mainwindow/window_menu.h"

namespace mainwindow {

void attach_main_bars_and_menus(MainForm& main, int language)
{
    MainForm* m = &main;
    main.SSListBar1.onItemClick = [m](int group, int item) {
        if (group == 1)
            SSListBar1_ItemClick(*m, item);
    };
    main.tab.onClick = [m](int) { tab_Click(*m); };
    main.StatusBar.onMouseDown = [m](int button, int shift, double x, double y) {
        StatusBar_MouseDown(*m, button, shift, x, y);
    };
    main.Timer1.onTimer = [m, language] { Timer1_Timer(*m, language); };

    controls::Menu* const window_items[] = {&main.mm31, &main.mm32, &main.mm33, &main.mm34, &main.mm35,
                                            &main.mm36, &main.mm37, &main.mm38, &main.mm39};
    for (int k = 0; k < 9; ++k)
        window_items[k]->onClick = [m, k] { show_tab(*m, k); };
    main.mm310.onClick = [m] { mm51_Click(*m); };

    main.mm41.onClick = [m, language] { mm41_Click(*m, language); };
    main.mm42.onClick = [m, language] { mm42_Click(*m, language); };

    main.mm51.onClick = [m] { mm51_Click(*m); };
    main.mm52.onClick = [m] { mm51_Click(*m); };
    main.mm53.onClick = [m, language] { mm53_Click(*m, language); };
    main.mm54.onClick = [m] { mm54_Click(*m); };
    main.mm57.onClick = [m, language] { mm57_Click(*m, language); };
}

} // namespace mainwindow
