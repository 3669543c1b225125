#include "mainwindow/bitmap_picture.h"

#include <QByteArray>

namespace mainwindow {

namespace {

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

} // namespace

controls::Picture bitmap_picture(int width, int height, const std::function<Rgb(int x, int y)>& colour)
{
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
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x) {
            const Rgb c = colour(x, y);
            bmp.append(static_cast<char>(c.b));
            bmp.append(static_cast<char>(c.g));
            bmp.append(static_cast<char>(c.r));
        }
    return {bmp, controls::PictureFormat::Bitmap};
}

} // namespace mainwindow
