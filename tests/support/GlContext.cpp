// The framework's offscreen context for tests, pixel read-back and comparison.
#include "tests/support/GlContext.h"
#include "tests/support/GlOverride.h"

#include "framework/gl/Context.h"

#include <glad/gl.h>

#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <thread>

namespace lume::test {

GlContext::GlContext(int width, int height) : mWidth(width), mHeight(height)
{
    mRenderer.attachOffscreen({width, height});
}

GlContext::~GlContext() = default;

void GlContext::makeCurrent()
{
    mRenderer.makeCurrentContext();
}

std::unique_ptr<SharedGlContext> GlContext::createSharedContext()
{
    std::unique_ptr<app::SharedContext> shared = mRenderer.createSharedContext();
    if (!shared)
        throw std::runtime_error("no shared OpenGL context");
    return std::unique_ptr<SharedGlContext>(new SharedGlContext(std::move(shared)));
}

SharedGlContext::~SharedGlContext() = default;

void SharedGlContext::makeCurrent()
{
    if (!mContext->makeCurrent())
        throw std::runtime_error("the shared OpenGL context cannot be made current");
}

void SharedGlContext::release()
{
    mContext->release();
}

void SharedGlContext::runOnThread(const std::function<void()> &work)
{
    std::exception_ptr failure;
    std::thread thread([&] {
        try {
            makeCurrent();
            work();
            glFinish();
        } catch (...) {
            failure = std::current_exception();
        }
        release();
    });
    thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

void *glProc(const char *name)
{
    const gl::Context *context = gl::getCurrentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
}

std::ostream &operator<<(std::ostream &os, const Rgba &c)
{
    return os << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}

bool closeTo(const Rgba &a, const Rgba &b, int tolerance)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance &&
           std::abs(a.a - b.a) <= tolerance;
}

std::vector<Rgba> readPixels(int x, int y, int width, int height)
{
    std::vector<Rgba> pixels(size_t(width) * size_t(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

Rgba readPixel(int x, int y)
{
    return readPixels(x, y, 1, 1).front();
}

} // namespace lume::test
