#include "tests/image/LayoutTable.h"

#include <map>

namespace lume::test {

using Order = ImageIo::ChannelOrder;
using Type = ImageIo::DataType;
using namespace content;

namespace content {
const uint8_t kPalette[9] = {255, 0, 0, 0, 255, 0, 0, 0, 255};
const uint8_t kPaletteAlpha[3] = {0, 128, 255};

Px paletteAt(int x, int y, bool withAlpha)
{
    int i = (x + y) % 3;
    return {double(kPalette[3 * i]), double(kPalette[3 * i + 1]), double(kPalette[3 * i + 2]),
            withAlpha ? double(kPaletteAlpha[i]) : 255.0, 0};
}

Px jpegColorAt(int, int y)
{
    return y < 8 ? Px{200, 40, 90, 255, 0} : Px{20, 120, 240, 255, 0};
}
double jpegGrayAt(int, int y)
{
    return y < 8 ? 77 : 180;
}
} // namespace content

namespace {

Px rgb8(int x, int y)
{
    return {double(R(x, y)), double(G(x, y)), double(B(x, y)), 255, 0};
}
Px rgba8(int x, int y)
{
    return {double(R(x, y)), double(G(x, y)), double(B(x, y)), double(A(x, y)), 0};
}
Px rgb16(int x, int y)
{
    return {double(wide(R(x, y), x)), double(wide(G(x, y), x)), double(wide(B(x, y), x)), 65535, 0};
}
Px rgba16(int x, int y)
{
    return {double(wide(R(x, y), x)), double(wide(G(x, y), x)), double(wide(B(x, y), x)), double(wide(A(x, y), x)), 0};
}
Px gray(double v, double a = 255)
{
    return {v, v, v, a, v};
}

} // namespace

// clang-format off
std::vector<LayoutCase> layoutCases()
{
    return {
        {"jpeg_colour", "colour.jpg", Order::BGR, Type::UInt8, kJpegW, kJpegH, jpegColorAt, 3},
        {"jpeg_progressive", "progressive.jpg", Order::BGR, Type::UInt8, kJpegW, kJpegH, jpegColorAt, 3},
        {"jpeg_grey", "grey.jpg", Order::Y, Type::UInt8, kJpegW, kJpegH, [](int x, int y) { return gray(jpegGrayAt(x, y)); }, 2},
        {"png_rgb8", "rgb8.png", Order::BGR, Type::UInt8, 3, 2, rgb8},
        {"png_rgba8", "rgba8.png", Order::BGRA, Type::UInt8, 3, 2, rgba8},
        {"png_rgb8_key", "rgb8-key.png", Order::BGRA, Type::UInt8, 3, 2,
         [](int x, int y) {
             Px p = rgb8(x, y);
             p.a = (x == 0 && y == 0) ? 0 : 255;
             return p;
         }},
        {"png_rgb16", "rgb16.png", Order::RGB, Type::UInt16, 3, 2, rgb16},
        {"png_rgba16", "rgba16.png", Order::RGBA, Type::UInt16, 3, 2, rgba16},
        {"png_palette", "palette.png", Order::RGB, Type::UInt8, 3, 2, [](int x, int y) { return paletteAt(x, y, false); }},
        {"png_palette_alpha", "palette-alpha.png", Order::RGBA, Type::UInt8, 3, 2, [](int x, int y) { return paletteAt(x, y, true); }},
        {"png_grey8", "grey8.png", Order::Y, Type::UInt8, 3, 2, [](int x, int y) { return gray(Y(x, y)); }},
        {"png_grey16", "grey16.png", Order::Y, Type::UInt16, 3, 2, [](int x, int y) { return gray(wide(Y(x, y), x), 65535); }},
        {"png_grey1", "grey1.png", Order::Y, Type::UInt8, 5, 3, [](int x, int y) { return gray(lowGray(x, y, 1) * 255); }},
        {"png_grey2", "grey2.png", Order::Y, Type::UInt8, 5, 3, [](int x, int y) { return gray(lowGray(x, y, 2) * 85); }},
        {"png_grey4", "grey4.png", Order::Y, Type::UInt8, 5, 3, [](int x, int y) { return gray(lowGray(x, y, 4) * 17); }},
        {"png_grey8_key", "grey8-key.png", Order::BGRA, Type::UInt8, 3, 2,
         [](int x, int y) { return gray(Y(x, y), (x == 0 && y == 0) ? 0 : 255); }},
        {"png_grey_alpha8", "grey-alpha8.png", Order::BGRA, Type::UInt8, 3, 2, [](int x, int y) { return gray(Y(x, y), A(x, y)); }},
        {"png_grey_alpha16", "grey-alpha16.png", Order::RGBA, Type::UInt16, 3, 2,
         [](int x, int y) { return gray(wide(Y(x, y), x), wide(A(x, y), x)); }},
        {"png_rgb8_interlaced", "rgb8-interlaced.png", Order::BGR, Type::UInt8, 3, 2, rgb8},
    };
}
// clang-format on

const std::string &orderLetters(Order order)
{
    static const std::map<Order, std::string> letters = {
        {Order::RGBA, "RGBA"}, {Order::BGRA, "BGRA"}, {Order::RGB, "RGB"},
        {Order::BGR, "BGR"},   {Order::Y, "Y"},       {Order::YA, "YA"},
    };
    return letters.at(order);
}

double pick(const Px &p, char letter)
{
    switch (letter) {
    case 'R': return p.r;
    case 'G': return p.g;
    case 'B': return p.b;
    case 'A': return p.a;
    default: return p.y;
    }
}

} // namespace lume::test
