#include "mainwindow/program_pictures.h"

#include "mainwindow/bitmap_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace mainwindow {

namespace {

// The padlock in units of its own size s: body 0.70 s wide and 0.46 s high at the bottom, the shackle a half
// ring above it, the keyhole a dot with a slot.
Rgb pixel(double x, double y, double s, Rgb tile)
{
    const Rgb body{0xe8, 0xb0, 0x20};
    const Rgb shackle{0xd8, 0xdc, 0xe4};
    const Rgb keyhole{0x40, 0x30, 0x10};
    const double half_width = 0.35 * s;
    const double body_top = 0.04 * s;
    const double body_bottom = 0.50 * s;
    if (std::abs(x) <= half_width && y >= body_top && y <= body_bottom) {
        const bool hole = std::hypot(x, y - 0.22 * s) <= 0.07 * s || (std::abs(x) <= 0.03 * s && y >= 0.22 * s && y <= 0.38 * s);
        return hole ? keyhole : body;
    }
    const double r = std::hypot(x, y - body_top);
    if (y <= body_top && r <= 0.28 * s && r >= 0.17 * s)
        return shackle;
    return tile;
}

} // namespace

controls::Picture program_emblem(int width, int height)
{
    width = std::max(4, width - width % 4); // rows of 3-byte pixels then need no padding
    height = std::max(1, height);
    const Rgb top{0x2f, 0x5f, 0xa8};
    const Rgb bottom{0x1c, 0x3a, 0x70};
    const Rgb edge{0x14, 0x28, 0x50};
    const double size = 0.9 * std::min(width, height);
    const double centre_x = width / 2.0;
    const double centre_y = height / 2.0 - 0.04 * size; // the lock's shackle and body around the middle

    return bitmap_picture(width, height, [&](int x, int y) {
        const double t = height > 1 ? static_cast<double>(y) / (height - 1) : 0.0;
        const Rgb tile{static_cast<std::uint8_t>(top.r + (bottom.r - top.r) * t),
                       static_cast<std::uint8_t>(top.g + (bottom.g - top.g) * t),
                       static_cast<std::uint8_t>(top.b + (bottom.b - top.b) * t)};
        const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
        return border ? edge : pixel(x + 0.5 - centre_x, y + 0.5 - centre_y, size, tile);
    });
}

} // namespace mainwindow
