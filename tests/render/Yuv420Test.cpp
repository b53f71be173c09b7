// The colour conversion the video is encoded from: BT.709 limited-range values, the rows
// turned top-down, the planes in order and each chroma sample its block's mean.
#include "app/render/Yuv420.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace fraglume;

namespace {

using Rgb = std::array<uint8_t, 3>;
using Yuv = std::array<int, 3>;

// A frame as GL reads it (rows bottom-up) from rows given top-down.
std::vector<uint8_t> glFrame(const std::vector<std::vector<Rgb>> &topDown)
{
    std::vector<uint8_t> rgba;
    for (auto row = topDown.rbegin(); row != topDown.rend(); ++row)
        for (const Rgb &p : *row)
            rgba.insert(rgba.end(), {p[0], p[1], p[2], 255});
    return rgba;
}

} // namespace

TEST(Yuv420, PlainColoursGetTheirBt709LimitedRangeValues)
{
    struct Case {
        Rgb rgb;
        Yuv yuv;
    };
    // The standard's own table of 8-bit values for the primaries, black and white.
    // clang-format off
    const Case cases[] = {
        {{0, 0, 0},       {16, 128, 128}},
        {{255, 255, 255}, {235, 128, 128}},
        {{255, 0, 0},     {63, 102, 240}},
        {{0, 255, 0},     {173, 42, 26}},
        {{0, 0, 255},     {32, 240, 118}},
        {{255, 255, 0},   {219, 16, 138}},
        {{128, 128, 128}, {126, 128, 128}},
    };
    // clang-format on
    for (const Case &c : cases) {
        const std::vector<uint8_t> rgba = glFrame({{c.rgb, c.rgb}, {c.rgb, c.rgb}});
        std::array<uint8_t, 6> planes{};
        rgbaToYuv420(rgba.data(), 2, 2, planes.data());
        const Yuv got = {planes[0], planes[4], planes[5]};
        EXPECT_EQ(got, c.yuv) << int(c.rgb[0]) << "," << int(c.rgb[1]) << "," << int(c.rgb[2]);
        EXPECT_TRUE(planes[0] == planes[1] && planes[1] == planes[2] && planes[2] == planes[3]);
    }
}

TEST(Yuv420, LumaRowsRunTopDownAndEachChromaSampleIsTheMeanOfItsBlock)
{
    const Rgb k{0, 0, 0}, w{255, 255, 255}, r{255, 0, 0}, b{0, 0, 255};
    // Two blocks side by side over two block rows: black/white and red/blue mixes.
    const std::vector<uint8_t> rgba = glFrame({
        {k, k, r, r},
        {k, k, r, r},
        {w, w, k, k},
        {w, k, b, b},
    });
    std::vector<uint8_t> planes(4 * 4 * 3 / 2);
    rgbaToYuv420(rgba.data(), 4, 4, planes.data());

    const std::vector<uint8_t> luma(planes.begin(), planes.begin() + 16);
    const std::vector<uint8_t> expectedLuma = {16, 16, 63, 63, 16, 16, 63, 63, 235, 235, 16, 16, 235, 16, 32, 32};
    EXPECT_EQ(luma, expectedLuma);
    // Cb then Cr, two samples a row. Black blocks and grey ones have no colour; the red
    // block's are red's; the bottom right block is half black, half blue.
    const std::vector<uint8_t> cb(planes.begin() + 16, planes.begin() + 20);
    const std::vector<uint8_t> cr(planes.begin() + 20, planes.end());
    EXPECT_EQ(cb, (std::vector<uint8_t>{128, 102, 128, 184}));
    EXPECT_EQ(cr, (std::vector<uint8_t>{128, 240, 128, 123}));
}
