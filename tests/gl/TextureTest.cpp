#include "framework/gl/Texture.h"
#include "framework/app/Resources.h"
#include "framework/gl/Draw.h"
#include "framework/gl/Fbo.h"
#include "framework/gl/Matrices.h"
#include "tests/gl/GlTest.h"
#include "tests/support/GlOverride.h"

#include <optional>
#include <string>
#include <vector>

namespace lume::test {
namespace {

using gl::Texture;
using Order = ImageIo::ChannelOrder;
using Model = ImageIo::ColorModel;

// Nearest filtering so every texel shows exactly.
Texture::Format nearest()
{
    Texture::Format format;
    format.setMinFilter(GL_NEAREST);
    format.setMagFilter(GL_NEAREST);
    return format;
}

// Draws the texture through a sampling program over a whole width x height framebuffer under
// window matrices and returns what landed there, top row first.
std::vector<Rgba> sampleTopDown(const Texture &texture, int width, int height)
{
    gl::Fbo fbo(width, height);
    fbo.bindFramebuffer();
    gl::GlslProg prog = textureProgram();
    texture.bind(0);
    gl::setViewport(Area(0, 0, width, height));
    gl::setMatricesWindowPersp(width, height);
    gl::clear(ColorA{0, 0, 0, 0});
    gl::drawSolidRect(Rectf{0, 0, float(width), float(height)});
    std::vector<Rgba> shown = readTopDown(width, height);
    gl::Fbo::unbindFramebuffer();
    return shown;
}

struct Upload {
    GLint internalFormat = 0;
    GLenum dataFormat = 0;
    GLenum type = 0;
};
Upload sLastUpload;

void GLAD_API_PTR recordingTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                                      GLint border, GLenum format, GLenum type, const void *pixels)
{
    static auto real = reinterpret_cast<PFNGLTEXIMAGE2DPROC>(glProc("glTexImage2D"));
    sLastUpload = Upload{internalFormat, format, type};
    real(target, level, internalFormat, width, height, border, format, type, pixels);
}

struct LayoutCase {
    const char *name;
    ImageSourceRef source;
    Upload expected;
    Rgba colour; // what sampling the single texel gives
};

TEST_F(GlTest, DecodedLayoutsUploadWithMatchingFormatsAndColours)
{
    const float f = 200.0f / 255.0f, g = 100.0f / 255.0f, b = 50.0f / 255.0f, a = 128.0f / 255.0f;
    // clang-format off
    const LayoutCase cases[] = {
        {"BGR 8", PixelSource<uint8_t>::create(1, 1, Order::BGR, Model::RGB, {50, 100, 200}),
         {GL_RGB8, GL_RGB, GL_UNSIGNED_BYTE}, {200, 100, 50, 255}},
        {"BGRA 8", PixelSource<uint8_t>::create(1, 1, Order::BGRA, Model::RGB, {50, 100, 200, 128}),
         {GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE}, {200, 100, 50, 128}},
        {"BGRX 8", PixelSource<uint8_t>::create(1, 1, Order::BGRX, Model::RGB, {50, 100, 200, 7}),
         {GL_RGB8, GL_RGB, GL_UNSIGNED_BYTE}, {200, 100, 50, 255}},
        {"Y 8", PixelSource<uint8_t>::create(1, 1, Order::Y, Model::Gray, {77}),
         {GL_LUMINANCE8, GL_LUMINANCE, GL_UNSIGNED_BYTE}, {77, 77, 77, 255}},
        {"YA 8", PixelSource<uint8_t>::create(1, 1, Order::YA, Model::Gray, {77, 128}),
         {GL_LUMINANCE8_ALPHA8, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE}, {77, 77, 77, 128}},
        {"RGB 16", PixelSource<uint16_t>::create(1, 1, Order::RGB, Model::RGB, {200 * 257, 100 * 257, 50 * 257}),
         {GL_RGB16, GL_RGB, GL_UNSIGNED_SHORT}, {200, 100, 50, 255}},
        {"RGBA 16", PixelSource<uint16_t>::create(1, 1, Order::RGBA, Model::RGB, {200 * 257, 100 * 257, 50 * 257, 128 * 257}),
         {GL_RGBA16, GL_RGBA, GL_UNSIGNED_SHORT}, {200, 100, 50, 128}},
        {"Y 16", PixelSource<uint16_t>::create(1, 1, Order::Y, Model::Gray, {77 * 257}),
         {GL_LUMINANCE16, GL_LUMINANCE, GL_UNSIGNED_SHORT}, {77, 77, 77, 255}},
        {"RGB float", PixelSource<float>::create(1, 1, Order::RGB, Model::RGB, {f, g, b}),
         {GL_RGB32F_ARB, GL_RGB, GL_FLOAT}, {200, 100, 50, 255}},
        {"RGBA float", PixelSource<float>::create(1, 1, Order::RGBA, Model::RGB, {f, g, b, a}),
         {GL_RGBA32F_ARB, GL_RGBA, GL_FLOAT}, {200, 100, 50, 128}},
        {"Y float", PixelSource<float>::create(1, 1, Order::Y, Model::Gray, {g}),
         {GL_LUMINANCE32F_ARB, GL_LUMINANCE, GL_FLOAT}, {100, 100, 100, 255}},
    };
    // clang-format on
    for (const LayoutCase &c : cases) {
        SCOPED_TRACE(c.name);
        sLastUpload = Upload{};
        std::optional<Texture> texture;
        {
            GlOverride<PFNGLTEXIMAGE2DPROC> spy(glad_glTexImage2D, recordingTexImage2D);
            texture.emplace(c.source, nearest());
        }
        EXPECT_EQ(texture->getInternalFormat(), c.expected.internalFormat);
        EXPECT_EQ(sLastUpload.internalFormat, c.expected.internalFormat);
        EXPECT_EQ(sLastUpload.dataFormat, c.expected.dataFormat);
        EXPECT_EQ(sLastUpload.type, c.expected.type);
        EXPECT_PRED3(closeTo, sampleTopDown(*texture, 4, 4)[5], c.colour, 1);
    }
}

// Rows are tightly packed: 101 RGB pixels make 303-byte rows, which a 4-byte unpack
// alignment would shear.
TEST_F(GlTest, OddRowLengthsUploadUnsheared)
{
    const int w = 101, h = 3;
    std::vector<uint8_t> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.insert(pixels.end(), {uint8_t(x), uint8_t(y * 100), uint8_t(255 - x)});
    Texture texture(PixelSource<uint8_t>::create(w, h, Order::RGB, Model::RGB, pixels), nearest());
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 1);

    std::vector<Rgba> shown = sampleTopDown(texture, w, h);
    for (int y = 0; y < h; ++y)
        for (int x : {0, 50, 100})
            EXPECT_EQ(shown[size_t(y * w + x)], (Rgba{uint8_t(x), uint8_t(y * 100), uint8_t(255 - x), 255}))
                << "x " << x << " y " << y;
}

struct FileCase {
    int resourceId;
    int width, height;
    std::vector<std::pair<int, Rgba>> probes; // (top-down pixel index, colour)
    int tolerance;
};

// Decoded files arrive with their top row at t = 0, which the window matrices draw at the top.
TEST_F(GlTest, DecodedFilesShowTheirRowsInPlace)
{
    const Rgba red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255}, white{255, 255, 255, 255},
        yellow{255, 255, 0, 255};
    const FileCase cases[] = {
        // rows.png, 5 x 4 RGB: red, green, blue, white rows; the top row ends in yellow.
        {1, 5, 4, {{0, red}, {4, yellow}, {5, green}, {12, blue}, {19, white}}, 0},
        // alpha.png, 3 x 2 RGBA.
        {2, 3, 2, {{0, {200, 100, 50, 64}}, {5, {10, 20, 30, 255}}}, 0},
        // grey.png, 3 x 2 luminance.
        {3, 3, 2, {{1, {40, 40, 40, 255}}, {4, {220, 220, 220, 255}}}, 0},
        // halves.jpg, 16 x 16: red top half, blue bottom half (lossy: compare loosely).
        {4, 16, 16, {{2 * 16 + 8, red}, {13 * 16 + 8, blue}}, 12},
    };
    for (const FileCase &c : cases) {
        SCOPED_TRACE("IMAGE " + std::to_string(c.resourceId));
        Texture texture(loadImage(app::loadResource(c.resourceId, "IMAGE")), nearest());
        ASSERT_EQ(texture.getWidth(), c.width);
        ASSERT_EQ(texture.getHeight(), c.height);
        std::vector<Rgba> shown = sampleTopDown(texture, c.width, c.height);
        for (const auto &[index, colour] : c.probes)
            EXPECT_PRED3(closeTo, shown[size_t(index)], colour, c.tolerance) << "pixel " << index;
    }
}

TEST_F(GlTest, ExplicitInternalFormatWinsAndUnknownModelsAreRefused)
{
    Texture::Format format = nearest();
    format.setInternalFormat(GL_RGBA8);
    Texture texture(PixelSource<uint8_t>::create(1, 1, Order::Y, Model::Gray, {90}), format);
    GLint internal = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &internal);
    EXPECT_EQ(internal, GL_RGBA8);
    EXPECT_EQ(texture.getInternalFormat(), GL_RGBA8);
    EXPECT_PRED3(closeTo, sampleTopDown(texture, 2, 2)[0], (Rgba{90, 90, 90, 255}), 0);

    EXPECT_THROW(Texture(PixelSource<uint8_t>::create(1, 1, Order::RGB, Model::Unknown, {1, 2, 3})),
                 ImageIoExceptionIllegalColorModel);
}

TEST_F(GlTest, BindingAndOwnership)
{
    Texture texture(8, 4);
    texture.bind(3);
    GLint active = 0, bound = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(active, GL_TEXTURE0);
    glActiveTexture(GL_TEXTURE3);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glActiveTexture(GL_TEXTURE0);
    EXPECT_EQ(GLuint(bound), texture.getId());

    GLuint borrowed = 0, owned = 0, shared = 0;
    glGenTextures(1, &borrowed);
    glBindTexture(GL_TEXTURE_2D, borrowed);
    glGenTextures(1, &owned);
    glBindTexture(GL_TEXTURE_2D, owned);
    {
        Texture keep(GL_TEXTURE_2D, borrowed, 4, 4, true);
        Texture release(GL_TEXTURE_2D, owned, 4, 4, false);
        Texture copy = texture;
        shared = texture.getId();
        texture = Texture();
        EXPECT_TRUE(glIsTexture(shared)) << "a copy still holds it";
    }
    EXPECT_TRUE(glIsTexture(borrowed));
    EXPECT_FALSE(glIsTexture(owned));
    EXPECT_FALSE(glIsTexture(shared));
}

TEST(TextureCoords, AreaCoordsNormaliseAndFlip)
{
    // Wrapping makes no GL call, so no context is needed.
    Texture plain(GL_TEXTURE_2D, 0, 200, 100, true);
    EXPECT_EQ(plain.getAreaTexCoords(Area(0, 0, 200, 100)), (Rectf{0, 0, 1, 1}));
    EXPECT_EQ(plain.getAreaTexCoords(Area(50, 25, 100, 50)), (Rectf{0.25f, 0.25f, 0.5f, 0.5f}));
    plain.setFlipped(true);
    EXPECT_TRUE(plain.isFlipped());
    EXPECT_EQ(plain.getAreaTexCoords(Area(0, 0, 200, 100)), (Rectf{0, 1, 1, 0}));

    Texture rectangle(0x84F5 /* GL_TEXTURE_RECTANGLE_ARB */, 0, 200, 100, true);
    EXPECT_EQ(rectangle.getAreaTexCoords(Area(0, 0, 200, 100)), (Rectf{0, 0, 200, 100}));
}

} // namespace
} // namespace lume::test
