#pragma once
// The program's own pictures are drawn in code and handed to the controls as 24-bit bitmaps, the picture
// format every picture control takes.

#include "controls/picture.h"

#include <cstdint>
#include <functional>

namespace mainwindow {

struct Rgb {
    std::uint8_t r, g, b;
};

// A width x height bitmap whose pixel (x, y), y counted from the top, is `colour(x, y)`. The width must be a
// multiple of 4, so that rows of 3-byte pixels need no padding.
controls::Picture bitmap_picture(int width, int height, const std::function<Rgb(int x, int y)>& colour);

} // namespace mainwindow
