#pragma once
// Navigation of the main window: the list bar down its left edge (nine items select the tabs, the tenth opens
// help) and the tab control's change, which sets the help context and the information panel's labels.

#include "mainform/main_form.h"
#include "platform/system_queries.h"

namespace mainwindow {

// Fills tab_titles (elements 1 to 10) and builds the list bar's one group of ten items with their pictures.
void menu1(MainForm& main, int language = platform::get_language());

// Steps of the load sequence and display set-ups that have nothing to do here.
void land_menu(MainForm& main);
void menu2(MainForm& main);
void m_normal(MainForm& main);

// A click on list-bar item `item` (1 to 10).
void SSListBar1_ItemClick(MainForm& main, int item);

// The tab control changed its tab: help context 10 + tab, title and help text of the tab.
void tab_Click(MainForm& main);

} // namespace mainwindow
