#pragma once
// Small helpers for laying out a form in its constructor.

#include "controls/control.h"

namespace mainwindow {

// Puts `c` into `container` (page `tab` of a tab control, -1 otherwise) at a design position in twips.
inline void place(controls::Control& c, controls::Control* container, int tab, int left, int top, int width, int height)
{
    c.setContainer(container, tab);
    c.move(left, top, width, height);
}

inline void place(controls::Control& c, controls::Control& container, int left, int top, int width, int height)
{
    place(c, &container, -1, left, top, width, height);
}

// The designed caption: the control's name, an underscore and its German text.
inline QString designed(const controls::Control& c, const QString& german)
{
    return c.name() + QLatin1Char('_') + german;
}

} // namespace mainwindow
