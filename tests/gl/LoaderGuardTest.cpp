// The generated loader binds entry points on first use. With no current context the loader
// has nothing to bind: such a call must do nothing, return 0, and try again next time.
#include "framework/gl/EntryPoints.h"
#include "framework/gl/Extensions.h"
#include "framework/gl/VerticalSync.h"

#include <glad/gl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A pretend driver: entry points exist only while its "context" is current.
bool sContextCurrent = false;
std::vector<std::string> sLookups;

GLuint GLAD_API_PTR fakeCreateProgram()
{
    return 42;
}

const GLubyte *GLAD_API_PTR fakeGetString(GLenum name)
{
    if (!sContextCurrent)
        return nullptr;  // what a bound entry point gives with no context
    const char *text = name == GL_EXTENSIONS ? "GL_EXT_framebuffer_blit_scaled GL_ARB_texture_float GL_EXT_last"
                                             : "2.1 fake";
    return reinterpret_cast<const GLubyte *>(text);
}

GLADapiproc fakeLoader(const char *name)
{
    sLookups.push_back(name);
    if (!sContextCurrent)
        return nullptr;
    if (std::strcmp(name, "glCreateProgram") == 0)
        return reinterpret_cast<GLADapiproc>(fakeCreateProgram);
    if (std::strcmp(name, "glGetString") == 0)
        return reinterpret_cast<GLADapiproc>(fakeGetString);
    return nullptr;
}

class LoaderGuardTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        sContextCurrent = false;
        sLookups.clear();
        gladSetGLOnDemandLoader(fakeLoader);
    }
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
    EXPECT_EQ(value, 5);  // nothing written

    glCreateShader(GL_VERTEX_SHADER);
    EXPECT_EQ(lookupsOf("glCreateShader"), 2u);  // not cached as missing
}

TEST_F(LoaderGuardTest, EntryPointIsBoundOnceTheLoaderFindsIt)
{
    EXPECT_EQ(glCreateProgram(), 0u);
    sContextCurrent = true;
    EXPECT_EQ(glCreateProgram(), 42u);
    EXPECT_EQ(glCreateProgram(), 42u);
    EXPECT_EQ(lookupsOf("glCreateProgram"), 2u);  // the miss, then the bind; no third lookup
}

TEST_F(LoaderGuardTest, ExtensionsMatchWholeWordsOnly)
{
    // Asked before any context exists: "no" now, but not remembered.
    EXPECT_FALSE(lume::gl::isExtensionAvailable("GL_ARB_texture_float"));
    sContextCurrent = true;
    EXPECT_TRUE(lume::gl::isExtensionAvailable("GL_ARB_texture_float"));
    EXPECT_TRUE(lume::gl::isExtensionAvailable("GL_EXT_last"));
    EXPECT_FALSE(lume::gl::isExtensionAvailable("GL_EXT_framebuffer_blit"));  // only a longer word
    EXPECT_FALSE(lume::gl::isExtensionAvailable("GL_ARB"));
    EXPECT_FALSE(lume::gl::isExtensionAvailable(""));
}

std::vector<int> sIntervals;
int sInterval = 0;

TEST_F(LoaderGuardTest, VerticalSyncGoesThroughTheBackendHookOnlyWithAContext)
{
    sIntervals.clear();
    lume::gl::setSwapIntervalHooks(nullptr, nullptr);
    sContextCurrent = true;
    lume::gl::enableVerticalSync(true);  // no hook: nothing happens
    EXPECT_FALSE(lume::gl::isVerticalSyncEnabled());

    lume::gl::setSwapIntervalHooks([](int interval) { sIntervals.push_back(sInterval = interval); },
                                   [] { return sInterval; });
    sContextCurrent = false;
    lume::gl::enableVerticalSync(true);
    EXPECT_TRUE(sIntervals.empty());
    EXPECT_FALSE(lume::gl::isVerticalSyncEnabled());

    sContextCurrent = true;
    lume::gl::enableVerticalSync(true);
    EXPECT_TRUE(lume::gl::isVerticalSyncEnabled());
    lume::gl::enableVerticalSync(false);
    EXPECT_FALSE(lume::gl::isVerticalSyncEnabled());
    EXPECT_EQ(sIntervals, (std::vector<int>{1, 0}));
    lume::gl::setSwapIntervalHooks(nullptr, nullptr);
}

// Binds for the rest of the process, so it comes last (tests run in the order written).
TEST_F(LoaderGuardTest, BindingEverythingUpFrontLeavesNoFirstCallToBind)
{
    sContextCurrent = true;
    EXPECT_EQ(lume::gl::bindEntryPoints(fakeLoader), 2);  // all the fake driver has
    EXPECT_EQ(lookupsOf("glCreateShader"), 1u);            // every declared entry point asked for
    EXPECT_EQ(lookupsOf("glBlitFramebufferEXT"), 1u);

    sLookups.clear();
    EXPECT_EQ(glCreateProgram(), 42u);
    EXPECT_EQ(lookupsOf("glCreateProgram"), 0u);  // already bound: the call writes nothing

    // What the loader could not resolve keeps the guarded on-demand stub.
    sContextCurrent = false;
    EXPECT_EQ(glCreateShader(GL_VERTEX_SHADER), 0u);
    EXPECT_EQ(lookupsOf("glCreateShader"), 1u);
}

} // namespace
