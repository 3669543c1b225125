#pragma once
// The program's own pictures: a padlock on a blue tile, as the information panel's picture and as the program's
// icon. Drawn here as bitmaps, so the program needs no image files.

#include "controls/picture.h"

namespace mainwindow {

// A tile of `width` by `height` pixels (width a multiple of 4) with the padlock in its middle.
controls::Picture program_emblem(int width, int height);

} // namespace mainwindow
