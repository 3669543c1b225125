#include "mainwindow/window/program_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace mainwindow {

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

void put16(QByteArray& out, std::uint16_t v)
{
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

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

    const auto row_bytes = static_cast<std::uint32_t>(width * 3);
    const std::uint32_t pixel_bytes = row_bytes * static_cast<std::uint32_t>(height);
    constexpr std::uint32_t headers = 14 + 40;
    QByteArray bmp;
    bmp.reserve(static_cast<int>(headers + pixel_bytes));
    bmp.append("BM", 2);
    put32(bmp, headers + pixel_bytes);
    put32(bmp, 0);
    put32(bmp, headers);
    put32(bmp, 40);
    put32(bmp, static_cast<std::uint32_t>(width));
    put32(bmp, static_cast<std::uint32_t>(height)); // positive: rows bottom up
    put16(bmp, 1);
    put16(bmp, 24);
    put32(bmp, 0);
    put32(bmp, pixel_bytes);
    put32(bmp, 2835); // 72 dpi
    put32(bmp, 2835);
    put32(bmp, 0);
    put32(bmp, 0);
    for (int row = height - 1; row >= 0; --row) {
        const double t = height > 1 ? static_cast<double>(row) / (height - 1) : 0.0;
        const Rgb tile{static_cast<std::uint8_t>(top.r + (bottom.r - top.r) * t),
                       static_cast<std::uint8_t>(top.g + (bottom.g - top.g) * t),
                       static_cast<std::uint8_t>(top.b + (bottom.b - top.b) * t)};
        for (int x = 0; x < width; ++x) {
            const bool border = x == 0 || row == 0 || x == width - 1 || row == height - 1;
            const Rgb c = border ? edge : pixel(x + 0.5 - centre_x, row + 0.5 - centre_y, size, tile);
            bmp.append(static_cast<char>(c.b));
            bmp.append(static_cast<char>(c.g));
            bmp.append(static_cast<char>(c.r));
        }
    }
    return {bmp, controls::PictureFormat::Bitmap};
}

} // namespace mainwindow
