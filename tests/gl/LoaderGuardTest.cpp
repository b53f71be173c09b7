// The generated loader binds entry points on first use, through the context current on the
// calling thread. With no current context there is nothing to bind: such a call must do
// nothing, return 0, and try again next time. The swap interval, too, is the current
// context's.
#include "framework/gl/Context.h"
#include "framework/gl/EntryPoints.h"
#include "framework/gl/Extensions.h"
#include "framework/gl/VerticalSync.h"

#include <glad/gl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> sLookups;

GLuint GLAD_API_PTR fakeCreateProgram()
{
    return 42;
}

int sFlushes = 0;

void GLAD_API_PTR fakeFlush()
{
    ++sFlushes;
}

const GLubyte *GLAD_API_PTR fakeGetString(GLenum name)
{
    const char *text =
        name == GL_EXTENSIONS ? "GL_EXT_framebuffer_blit_scaled GL_ARB_texture_float GL_EXT_last" : "2.1 fake";
    return reinterpret_cast<const GLubyte *>(text);
}

// A pretend driver's context: three entry points, and a swap interval.
class FakeContext : public lume::gl::Context {
  public:
    Proc getProcAddress(const char *name) const override
    {
        sLookups.push_back(name);
        if (std::strcmp(name, "glCreateProgram") == 0)
            return reinterpret_cast<Proc>(fakeCreateProgram);
        if (std::strcmp(name, "glGetString") == 0)
            return reinterpret_cast<Proc>(fakeGetString);
        if (std::strcmp(name, "glFlush") == 0)
            return reinterpret_cast<Proc>(fakeFlush);
        return nullptr;
    }
    void setSwapInterval(int interval) override { intervals.push_back(interval); }
    int getSwapInterval() const override { return intervals.empty() ? 0 : intervals.back(); }

    std::vector<int> intervals;
};

class LoaderGuardTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        sLookups.clear();
        lume::gl::makeContextCurrent(nullptr);
    }
    void TearDown() override { lume::gl::makeContextCurrent(nullptr); }

    FakeContext context;
};

size_t lookupsOf(const std::string &name)
{
    size_t n = 0;
    for (const std::string &s : sLookups)
        n += s == name;
    return n;
}

TEST_F(LoaderGuardTest, CallWithoutContextDoesNothingReturnsZeroAndIsRetried)
{
    EXPECT_EQ(glCreateShader(GL_VERTEX_SHADER), 0u);
    EXPECT_EQ(glGetUniformLocation(7, "iFade"), 0);
    EXPECT_EQ(glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT), 0u);
    glClear(GL_COLOR_BUFFER_BIT);
    GLint value = 5;
    glGetIntegerv(GL_VIEWPORT, &value);
    EXPECT_EQ(value, 5); // nothing written
    EXPECT_TRUE(sLookups.empty());

    // A context that lacks the entry point: asked every time, never cached as missing.
    lume::gl::makeContextCurrent(&context);
    glCreateShader(GL_VERTEX_SHADER);
    glCreateShader(GL_VERTEX_SHADER);
    EXPECT_EQ(lookupsOf("glCreateShader"), 2u);
}

TEST_F(LoaderGuardTest, EntryPointIsBoundOnceTheCurrentContextHasIt)
{
    EXPECT_EQ(glCreateProgram(), 0u);
    lume::gl::makeContextCurrent(&context);
    EXPECT_EQ(glCreateProgram(), 42u);
    lume::gl::makeContextCurrent(nullptr);
    EXPECT_EQ(glCreateProgram(), 42u);
    EXPECT_EQ(lookupsOf("glCreateProgram"), 1u); // bound at the first call with a context
}

TEST_F(LoaderGuardTest, ExtensionsMatchWholeWordsOnly)
{
    // Asked before any context exists: "no" now, but not remembered.
    EXPECT_FALSE(lume::gl::isExtensionAvailable("GL_ARB_texture_float"));
    lume::gl::makeContextCurrent(&context);
    EXPECT_TRUE(lume::gl::isExtensionAvailable("GL_ARB_texture_float"));
    EXPECT_TRUE(lume::gl::isExtensionAvailable("GL_EXT_last"));
    EXPECT_FALSE(lume::gl::isExtensionAvailable("GL_EXT_framebuffer_blit")); // only a longer word
    EXPECT_FALSE(lume::gl::isExtensionAvailable("GL_ARB"));
    EXPECT_FALSE(lume::gl::isExtensionAvailable(""));
}

TEST_F(LoaderGuardTest, VerticalSyncIsTheCurrentContextsAndNothingWithoutOne)
{
    lume::gl::enableVerticalSync(true);
    EXPECT_FALSE(lume::gl::isVerticalSyncEnabled());
    EXPECT_TRUE(context.intervals.empty());

    lume::gl::makeContextCurrent(&context);
    lume::gl::enableVerticalSync(true);
    EXPECT_TRUE(lume::gl::isVerticalSyncEnabled());
    lume::gl::enableVerticalSync(false);
    EXPECT_FALSE(lume::gl::isVerticalSyncEnabled());
    EXPECT_EQ(context.intervals, (std::vector<int>{1, 0}));
}

// Binds for the rest of the process, so it comes last (tests run in the order written).
TEST_F(LoaderGuardTest, BindingEverythingUpFrontLeavesNoFirstCallToBind)
{
    lume::gl::makeContextCurrent(&context);
    EXPECT_EQ(lume::gl::bindEntryPoints(lume::gl::loadFromCurrentContext), 3); // all the fake driver has
    EXPECT_EQ(lookupsOf("glCreateShader"), 1u);                                // every declared entry point asked for
    EXPECT_EQ(lookupsOf("glBlitFramebufferEXT"), 1u);

    sLookups.clear();
    // Bound, though never called before: the first call writes nothing. It reaches the
    // driver even from a thread that has not recorded a context.
    lume::gl::makeContextCurrent(nullptr);
    glFlush();
    EXPECT_EQ(sFlushes, 1);
    EXPECT_EQ(lookupsOf("glFlush"), 0u);

    // What the context could not resolve keeps the guarded on-demand stub.
    EXPECT_EQ(glCreateShader(GL_VERTEX_SHADER), 0u);
    EXPECT_TRUE(sLookups.empty());
}

} // namespace
