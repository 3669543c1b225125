#pragma once
// The ten pictures of the list bar: a coloured tile with the number of the tab it opens (1 to 9), and a
// question mark for help (10). Drawn here as small bitmaps, so the program needs no image files.

#include "controls/picture.h"

namespace mainwindow {

// Picture i of the list bar, i = 1 to 10; an empty picture for any other number.
controls::Picture list_bar_picture(int i);

} // namespace mainwindow
