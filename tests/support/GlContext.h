#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace lume::test {

// A real OpenGL compatibility context on a hidden window of the given size, which is its
// default framebuffer: SDL's offscreen driver (EGL on Mesa) on Linux, needing no display; WGL
// on Windows (under Wine that needs an X display). The constructor
// makes it current on the calling thread and points the GL loader at it; GL calls made on a
// thread with no current context do nothing and return 0.
class GlContext {
  public:
    explicit GlContext(int width = 64, int height = 64);
    ~GlContext();
    GlContext(const GlContext &) = delete;
    GlContext &operator=(const GlContext &) = delete;

    void makeCurrent();
    // Leaves the calling thread with no current context.
    static void releaseCurrent();

    int getWidth() const { return mWidth; }
    int getHeight() const { return mHeight; }

    // A second context whose objects are shared with this one (textures, programs, buffers;
    // not framebuffers). Create it while this context is current; make it current on any
    // other thread (one thread at a time). See SharedGlContext.
    std::unique_ptr<class SharedGlContext> createSharedContext();

  private:
    struct Impl;
    std::unique_ptr<Impl> mImpl;
    int mWidth, mHeight;
};

// A context in a GlContext's share group with its own 1x1 hidden surface (SDL's offscreen
// driver cannot make a second context current on the main window). Destroy it after the
// thread that used it has released it, and before the GlContext it shares with.
class SharedGlContext {
  public:
    ~SharedGlContext();
    SharedGlContext(const SharedGlContext &) = delete;
    SharedGlContext &operator=(const SharedGlContext &) = delete;

    // Makes this context current on the calling thread.
    void makeCurrent();
    // Releases whatever context is current on the calling thread.
    void release();

    // Runs `work` on a new thread with this context current, glFinish()es so the other
    // context sees the results, releases the context and joins. An exception thrown by
    // `work` is rethrown on the calling thread.
    void runOnThread(const std::function<void()> &work);

  private:
    friend class GlContext;
    struct Impl;
    explicit SharedGlContext(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> mImpl;
};

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba &) const = default;
};
std::ostream &operator<<(std::ostream &os, const Rgba &c);

// Whether each component differs by at most `tolerance`.
bool closeTo(const Rgba &a, const Rgba &b, int tolerance);

// RGBA8 pixels of the current read framebuffer, rows bottom-up as GL counts them.
std::vector<Rgba> readPixels(int x, int y, int width, int height);
Rgba readPixel(int x, int y);

} // namespace lume::test
