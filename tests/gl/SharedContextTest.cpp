#include "framework/gl/Draw.h"
#include "framework/gl/Matrices.h"
#include "tests/gl/GlTest.h"

#include <atomic>
#include <memory>
#include <thread>

namespace lume::test {
namespace {

// The player builds scene programs on a loader thread whose context shares objects with the
// render context, and draws with them on the render thread.
TEST_F(GlTest, ProgramBuiltOnASharedContextElsewhereDrawsHere)
{
    std::unique_ptr<SharedGlContext> loader = mContext->createSharedContext();
    std::shared_ptr<gl::GlslProg> prog;
    loader->runOnThread([&] {
        prog = std::make_shared<gl::GlslProg>(
            passThroughVertex(), "#version 120\nuniform vec4 colour;\nvoid main() { gl_FragColor = colour; }\n");
        prog->getUniformLocation("colour"); // cached on the loader, used here
    });
    ASSERT_TRUE(prog && prog->getHandle());

    prog->bind();
    prog->uniform("colour", Vec4f{0.2f, 0.4f, 0.6f, 1.0f});
    gl::setMatricesWindowPersp(64, 64);
    gl::clear(ColorA{0, 0, 0, 1});
    gl::drawSolidRect(Rectf{0, 0, 64, 64});
    EXPECT_PRED3(closeTo, readPixel(10, 50), (Rgba{51, 102, 153, 255}), 1);

    // A failure on the other thread comes back to this one.
    EXPECT_THROW(loader->runOnThread([] { gl::GlslProg broken(passThroughVertex(), "not glsl"); }),
                 gl::GlslProgCompileExc);
    prog.reset();
    loader.reset();
}

TEST_F(GlTest, ThreadWithoutAContextGetsNoOpCalls)
{
    glCreateProgram(); // bound on this thread's context first
    std::atomic<GLuint> program{1};
    std::atomic<GLuint> shader{1};
    std::atomic<bool> noVersion{false};
    std::thread([&] {
        program = glCreateProgram(); // bound entry point, no context
        shader = glCreateShader(GL_VERTEX_SHADER);
        noVersion = glGetString(GL_VERSION) == nullptr;
    }).join();
    EXPECT_EQ(program, 0u);
    EXPECT_EQ(shader, 0u);
    EXPECT_TRUE(noVersion);
}

} // namespace
} // namespace lume::test
