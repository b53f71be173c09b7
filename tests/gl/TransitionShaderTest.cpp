// The player's wipe, built from the same embedded texts, against its formula:
// wipe = clamp(2 t + 3 fade - 2, 0, 1) ^ 20, colour = src (1 - wipe) + dst wipe.
#include "framework/app/Resources.h"
#include "framework/gl/Draw.h"
#include "framework/gl/Matrices.h"
#include "framework/gl/Texture.h"
#include "tests/gl/GlTest.h"

#include <algorithm>
#include <cmath>

namespace lume::test {
namespace {

gl::Texture solid(uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    return gl::Texture(
        PixelSource<uint8_t>::create(1, 1, ImageIo::ChannelOrder::RGBA, ImageIo::ColorModel::RGB, {r, g, b, a}));
}

TEST_F(GlTest, TransitionShaderFollowsItsWipeFormula)
{
    gl::GlslProg prog(app::loadResource(65, "FRAG"), app::loadResource(66, "FRAG"));
    const Rgba src{200, 40, 10, 255}, dst{20, 180, 240, 100};
    gl::Texture srcTexture = solid(src.r, src.g, src.b, src.a);
    gl::Texture dstTexture = solid(dst.r, dst.g, dst.b, dst.a);
    srcTexture.bind(0);
    dstTexture.bind(1);
    prog.bind();
    prog.uniform("iSrc", 0);
    prog.uniform("iDst", 1);

    const int w = 4, h = 64;
    gl::setViewport(Area(0, 0, w, h));
    gl::setMatricesWindowPersp(w, h);
    for (float fade : {0.0f, 0.5f, 1.0f}) {
        SCOPED_TRACE(fade);
        prog.uniform("iFade", fade);
        gl::clear(ColorA{0, 0, 0, 0});
        gl::drawSolidRect(Rectf{0, 0, float(w), float(h)});
        std::vector<Rgba> shown = readTopDown(w, h);
        for (int y = 0; y < h; ++y) {
            const double t = (y + 0.5) / h; // texture t at this row's pixel centres
            const double wipe = std::pow(std::clamp(2.0 * t + (3.0 * fade - 2.0), 0.0, 1.0), 20.0);
            auto mix = [&](uint8_t s, uint8_t d) { return uint8_t(std::lround(s * (1.0 - wipe) + d * wipe)); };
            const Rgba expected{mix(src.r, dst.r), mix(src.g, dst.g), mix(src.b, dst.b), mix(src.a, dst.a)};
            EXPECT_PRED3(closeTo, shown[size_t(y * w + 1)], expected, 2) << "row " << y << " t " << t;
        }
        if (fade == 0.5f) {
            // The front: full destination from t = 0.75 on, full source up to t = 0.25.
            EXPECT_EQ(shown[size_t(63 * w)], dst);
            EXPECT_EQ(shown[0], src);
        }
    }
}

} // namespace
} // namespace lume::test
