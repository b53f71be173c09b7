#pragma once

#include "framework/gl/GlslProg.h"
#include "framework/image/ImageIo.h"
#include "tests/support/GlContext.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

namespace lume::test {

// Every GL test gets a fresh context of its own, current on the test thread.
class GlTest : public ::testing::Test {
  protected:
    void SetUp() override { mContext = std::make_unique<GlContext>(64, 64); }
    void TearDown() override { mContext.reset(); }

    std::unique_ptr<GlContext> mContext;
};

// w x h pixels of the current read framebuffer from (0, 0), top row first: index y * w + x
// is window pixel (x, y) with the origin at the top left, as the window matrices count.
inline std::vector<Rgba> readTopDown(int w, int h)
{
    std::vector<Rgba> bottomUp = readPixels(0, 0, w, h);
    std::vector<Rgba> topDown(bottomUp.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            topDown[size_t(y * w + x)] = bottomUp[size_t((h - 1 - y) * w + x)];
    return topDown;
}

inline const char *passThroughVertex()
{
    return "#version 120\n"
           "void main() { gl_TexCoord[0] = gl_MultiTexCoord0; gl_Position = ftransform(); }\n";
}

// Shows the texture on unit 0 as it is sampled at the interpolated coordinate.
inline gl::GlslProg textureProgram()
{
    gl::GlslProg prog(passThroughVertex(), "#version 120\n"
                                           "uniform sampler2D tex;\n"
                                           "void main() { gl_FragColor = texture2D(tex, gl_TexCoord[0].st); }\n");
    prog.bind();
    prog.uniform("tex", 0);
    return prog;
}

// An image source over pixels given in its own layout, rows top first: uploads without a
// decoder, and layouts no test file has.
template <typename T>
class PixelSource : public ImageSource {
  public:
    static std::shared_ptr<PixelSource> create(int32_t width, int32_t height, ChannelOrder order, ColorModel model,
                                               std::vector<T> pixels)
    {
        return std::make_shared<PixelSource>(width, height, order, model, std::move(pixels));
    }

    PixelSource(int32_t width, int32_t height, ChannelOrder order, ColorModel model, std::vector<T> pixels)
        : mPixels(std::move(pixels))
    {
        setSize(width, height);
        setChannelOrder(order);
        setColorModel(model);
        if constexpr (std::is_same_v<T, uint8_t>)
            setDataType(DataType::UInt8);
        else if constexpr (std::is_same_v<T, uint16_t>)
            setDataType(DataType::UInt16);
        else
            setDataType(DataType::Float32);
    }

    void load(const ImageTargetRef &target) override
    {
        const size_t rowBytes = mPixels.size() * sizeof(T) / size_t(getHeight());
        writeRows(*target, reinterpret_cast<const uint8_t *>(mPixels.data()), rowBytes);
    }

  private:
    std::vector<T> mPixels;
};

} // namespace lume::test
