#include "framework/gl/Draw.h"
#include "framework/gl/Matrices.h"
#include "framework/gl/Texture.h"
#include "tests/gl/GlTest.h"

#include <vector>

namespace lume::test {
namespace {

using gl::Texture;

const char *kShowTexCoord = "#version 120\nvoid main() { gl_FragColor = vec4(gl_TexCoord[0].st, 0.0, 1.0); }\n";
const char *kWhite = "#version 120\nvoid main() { gl_FragColor = vec4(1.0); }\n";

struct CornerCase {
    const char *name;
    Rectf rect;
    Rgba topLeft, bottomRight; // texture coordinate seen at those window corners, as colour
};

TEST_F(GlTest, SolidRectCoordinatesUnderWindowMatrices)
{
    gl::GlslProg prog(passThroughVertex(), kShowTexCoord);
    prog.bind();
    gl::setMatricesWindowPersp(64, 64);
    // Pixel centres sit half a pixel in: 0.5 / 64 of 255 is 2, 63.5 / 64 is 253.
    const CornerCase cases[] = {
        {"window form", {0, 0, 64, 64}, {2, 2, 0, 255}, {253, 253, 0, 255}},
        {"the player's form", {0, 64, 64, 0}, {2, 253, 0, 255}, {253, 2, 0, 255}},
    };
    for (const CornerCase &c : cases) {
        SCOPED_TRACE(c.name);
        gl::clear(ColorA{0, 0, 1, 1});
        gl::drawSolidRect(c.rect);
        std::vector<Rgba> shown = readTopDown(64, 64);
        for (const Rgba &p : shown)
            ASSERT_EQ(p.b, 0) << "a pixel was not covered";
        EXPECT_PRED3(closeTo, shown.front(), c.topLeft, 1);
        EXPECT_PRED3(closeTo, shown.back(), c.bottomRight, 1);
    }
}

struct PixelCase {
    const char *name;
    bool originUpperLeft;
    int expectedTopDownRow;
};

TEST_F(GlTest, WindowMatricesMapPointsOntoPixelsOneToOne)
{
    gl::GlslProg prog(passThroughVertex(), kWhite);
    prog.bind();
    const PixelCase cases[] = {
        {"origin top left", true, 20},
        {"origin bottom left", false, 64 - 1 - 20},
    };
    for (const PixelCase &c : cases) {
        SCOPED_TRACE(c.name);
        gl::setMatricesWindowPersp(64, 64, 60.0f, 0.0f, 0.0f, c.originUpperLeft);
        gl::clear(ColorA{0, 0, 0, 1});
        gl::drawSolidRect(Rectf{10, 20, 11, 21});
        std::vector<Rgba> shown = readTopDown(64, 64);
        int lit = 0;
        for (const Rgba &p : shown)
            lit += p.r == 255;
        EXPECT_EQ(lit, 1);
        EXPECT_EQ(shown[size_t(c.expectedTopDownRow * 64 + 10)].r, 255);
    }

    // No camera fits a window without height: the matrices stay as they were.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gl::setMatricesWindowPersp(64, 0);
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_EQ(projection[0], 1.0f);
    EXPECT_EQ(projection[15], 1.0f);
}

TEST_F(GlTest, SolidRectLeavesClientArraysDisabled)
{
    glEnableClientState(GL_VERTEX_ARRAY);
    gl::setMatricesWindowPersp(64, 64);
    gl::drawSolidRect(Rectf{0, 0, 8, 8});
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
}

// 2 x 2 texels, top row red then green, bottom row blue then white.
Texture quadrants()
{
    Texture::Format format;
    format.setMinFilter(GL_NEAREST);
    format.setMagFilter(GL_NEAREST);
    return Texture(PixelSource<uint8_t>::create(2, 2, ImageIo::ChannelOrder::RGB, ImageIo::ColorModel::RGB,
                                                {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}),
                   format);
}

struct DrawCase {
    const char *name;
    bool flipped;
    bool wholeTexture; // the overload without an area
    Area area;
    Rgba topLeft, topRight, bottomLeft;
};

TEST_F(GlTest, DrawTextureShowsTheAreaAndRestoresState)
{
    const Rgba red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255};
    Texture texture = quadrants();
    const DrawCase cases[] = {
        {"whole", false, true, Area(), red, green, blue},
        {"flipped", true, false, Area(0, 0, 2, 2), blue, {255, 255, 255, 255}, red},
        {"one texel", false, false, Area(1, 0, 2, 1), green, green, green},
    };
    gl::setMatricesWindowPersp(64, 64);
    GLuint before = 0;
    glGenTextures(1, &before);
    for (const DrawCase &c : cases) {
        SCOPED_TRACE(c.name);
        texture.setFlipped(c.flipped);
        glBindTexture(GL_TEXTURE_2D, before);
        glDisable(GL_TEXTURE_2D);
        gl::clear(ColorA{0, 0, 0, 1});
        if (c.wholeTexture)
            gl::draw(texture, Rectf{0, 0, 64, 64});
        else
            gl::draw(texture, c.area, Rectf{0, 0, 64, 64});

        std::vector<Rgba> shown = readTopDown(64, 64);
        EXPECT_EQ(shown[size_t(8 * 64 + 8)], c.topLeft);
        EXPECT_EQ(shown[size_t(8 * 64 + 56)], c.topRight);
        EXPECT_EQ(shown[size_t(56 * 64 + 8)], c.bottomLeft);

        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(GLuint(bound), before);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    }

    // Enabled state and client arrays that were on stay on.
    glEnable(GL_TEXTURE_2D);
    glEnableClientState(GL_VERTEX_ARRAY);
    gl::draw(texture, Rectf{0, 0, 8, 8});
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_VERTEX_ARRAY));
    glDeleteTextures(1, &before);
}

TEST_F(GlTest, UnknownTargetThrowsBeforeDrawing)
{
    Texture odd(0x8C1A /* GL_TEXTURE_2D_ARRAY */, 1, 4, 4, true);
    gl::setMatricesWindowPersp(64, 64);
    gl::clear(ColorA{0, 0, 0, 1});
    EXPECT_THROW(gl::draw(odd, Rectf{0, 0, 64, 64}), gl::ExceptionUnknownTarget);
    EXPECT_EQ(readPixel(32, 32), (Rgba{0, 0, 0, 255}));
    EXPECT_STREQ(gl::ExceptionUnknownTarget().what(), "Unknown exception");
}

TEST_F(GlTest, ClearTouchesDepthOnlyWhenAsked)
{
    auto depthAt = [] {
        GLfloat depth = -1;
        glReadPixels(5, 5, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
        return depth;
    };
    glClearDepth(0.25);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    glDepthMask(GL_FALSE);

    gl::clear(ColorA{1, 0, 0, 1}, false);
    EXPECT_EQ(readPixel(5, 5), (Rgba{255, 0, 0, 255}));
    EXPECT_NEAR(depthAt(), 0.25f, 1e-3);
    GLboolean mask = GL_TRUE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    EXPECT_EQ(mask, GL_FALSE);

    gl::clear(ColorA{0, 1, 0, 1});
    EXPECT_EQ(readPixel(5, 5), (Rgba{0, 255, 0, 255}));
    EXPECT_NEAR(depthAt(), 1.0f, 1e-3);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    EXPECT_EQ(mask, GL_TRUE);
}

} // namespace
} // namespace lume::test
