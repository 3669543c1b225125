#include "mainwindow/list_bar_pictures.h"

#include "mainwindow/bitmap_picture.h"

#include <array>
#include <cstdint>

namespace mainwindow {

namespace {

constexpr int side = 32;    // pixels
constexpr int scale = 3;    // glyph pixel to picture pixels
constexpr int glyphWidth = 5;
constexpr int glyphHeight = 7;

// 5 x 7 glyphs, one row a string, top row first: the digits 1 to 9 and "?".
using Glyph = std::array<const char*, glyphHeight>;
constexpr std::array<Glyph, 10> glyphs = {{
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."},
}};

// One colour a topic, so that neighbouring items differ.
constexpr std::array<Rgb, 10> tiles = {{
    {0x2f, 0x5f, 0xa8}, {0x3a, 0x8a, 0x4a}, {0x8a, 0x5a, 0x2a}, {0xa8, 0x2f, 0x2f}, {0x5a, 0x5a, 0x5a},
    {0x2a, 0x7a, 0x8a}, {0x2f, 0x4f, 0x98}, {0x7a, 0x3a, 0x8a}, {0x6a, 0x6a, 0x2a}, {0xc0, 0x80, 0x10},
}};

bool inGlyph(const Glyph& glyph, int x, int y)
{
    const int left = (side - glyphWidth * scale) / 2;
    const int top = (side - glyphHeight * scale) / 2;
    const int gx = (x - left) / scale;
    const int gy = (y - top) / scale;
    if (x < left || y < top || gx >= glyphWidth || gy >= glyphHeight)
        return false;
    return glyph[static_cast<std::size_t>(gy)][gx] == '#';
}

// A tile with the corners cut, so it reads as a button.
bool inTile(int x, int y)
{
    const int dx = x < 3 ? 3 - x : (x > side - 4 ? x - (side - 4) : 0);
    const int dy = y < 3 ? 3 - y : (y > side - 4 ? y - (side - 4) : 0);
    return dx + dy <= 3;
}

} // namespace

controls::Picture list_bar_picture(int i)
{
    if (i < 1 || i > 10)
        return {};
    const Glyph& glyph = glyphs[static_cast<std::size_t>(i - 1)];
    const Rgb tile = tiles[static_cast<std::size_t>(i - 1)];
    const Rgb white{0xff, 0xff, 0xff};
    const Rgb background{0xf0, 0xf0, 0xf0};

    static_assert(side % 4 == 0, "rows of 3-byte pixels need no padding");
    return bitmap_picture(side, side, [&](int x, int y) {
        return !inTile(x, y) ? background : inGlyph(glyph, x, y) ? white : tile;
    });
}

} // namespace mainwindow
