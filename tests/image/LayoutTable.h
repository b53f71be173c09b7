#pragma once

// What the built-in decoder must deliver for each kind of file: the layout (channel order, data
// type, size) and every pixel's logical content. Shared by the decoder tests of both platforms:
// Linux encodes the files on the fly, Windows decodes the same files committed under
// fixtures/layout/ (written from the Linux encoders, see ImageLayoutTest.cpp).

#include "framework/image/ImageIo.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace lume::test {

// The logical content of a fixture pixel; a decoded pixel is checked against it letter by
// letter of its channel order.
struct Px {
    double r, g, b, a, y;
};

// Fixture content: every component differs across x and y, so a swapped channel, a flipped
// row order or a shifted pixel all show.
namespace content {
inline int R(int x, int y)
{
    return 10 + 30 * x + 100 * y;
}
inline int G(int x, int y)
{
    return 200 - 20 * x - 50 * y;
}
inline int B(int x, int y)
{
    return 5 + x + 7 * y;
}
inline int A(int x, int y)
{
    return 255 - 40 * x - 60 * y;
}
inline int Y(int x, int y)
{
    return 30 + 50 * x + 20 * y;
}
// 16-bit samples with distinct high and low bytes, so a wrong byte order shows.
inline int wide(int v8, int x)
{
    return v8 * 256 + 1 + x;
}
// Grey samples of 1, 2 or 4 bits.
inline int lowGray(int x, int y, int depth)
{
    return (x + 3 * y) % (1 << depth);
}

// Palette images: three entries, each pixel's index (x + y) % 3.
extern const uint8_t kPalette[9];
extern const uint8_t kPaletteAlpha[3];
Px paletteAt(int x, int y, bool withAlpha);

// JPEGs: two solid 8-row bands (one per row of 8x8 blocks), so the loss stays tiny and a
// flipped picture still shows.
constexpr int kJpegW = 13, kJpegH = 16;
Px jpegColorAt(int x, int y);
double jpegGrayAt(int x, int y);
} // namespace content

struct LayoutCase {
    const char *name;
    const char *file; // under fixtures/layout/
    ImageIo::ChannelOrder order;
    ImageIo::DataType type;
    int width, height;
    std::function<Px(int, int)> expect;
    double tolerance = 0;
};

inline void PrintTo(const LayoutCase &c, std::ostream *os)
{
    *os << c.name;
}

std::vector<LayoutCase> layoutCases();

// The component letters of an order ("BGRA"), for the orders a decoder delivers.
const std::string &orderLetters(ImageIo::ChannelOrder order);
double pick(const Px &p, char letter);

} // namespace lume::test
