#pragma once
// The check boxes of each tab in the order that the settings file stores them and the report prints them.

#include "mainform/main_form.h"

#include <array>

namespace settingsfile {

inline std::array<controls::CheckBox*, 10> start_menu_boxes(mainwindow::MainForm& f)
{
    return {&f.c11, &f.c12, &f.c13, &f.c14, &f.c15, &f.c16, &f.c17, &f.c18, &f.c19, &f.c110};
}

inline std::array<controls::CheckBox*, 10> explorer_boxes(mainwindow::MainForm& f)
{
    return {&f.c21, &f.c22, &f.c23, &f.c24, &f.c25, &f.c26, &f.c27, &f.c28, &f.c29, &f.c210};
}

inline std::array<controls::CheckBox*, 8> desktop_boxes(mainwindow::MainForm& f)
{
    return {&f.c31, &f.c32, &f.c33, &f.c34, &f.c35, &f.c36, &f.c37, &f.c38};
}

inline std::array<controls::CheckBox*, 8> network_boxes(mainwindow::MainForm& f)
{
    return {&f.c65, &f.c66, &f.c67, &f.c68, &f.c69, &f.c610, &f.c98, &f.c99};
}

inline std::array<controls::CheckBox*, 10> misc_boxes(mainwindow::MainForm& f)
{
    return {&f.c61, &f.c62, &f.c63, &f.c64, &f.c90, &f.c91, &f.c93, &f.c94, &f.c95, &f.c96};
}

} // namespace settingsfile
