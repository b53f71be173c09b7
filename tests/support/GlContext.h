#pragma once

#include "framework/app/RendererGl.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace lume::test {

// The framework's offscreen context (RendererGl::attachOffscreen) of the given size, current
// on the calling thread once made, with the shared-context and read-back helpers tests use.
// On Windows under Wine it needs an X display.
class GlContext {
  public:
    explicit GlContext(int width = 64, int height = 64);
    ~GlContext();
    GlContext(const GlContext &) = delete;
    GlContext &operator=(const GlContext &) = delete;

    void makeCurrent();

    int getWidth() const { return mWidth; }
    int getHeight() const { return mHeight; }

    // A second context whose objects are shared with this one (textures, programs, buffers;
    // not framebuffers). Create it while this context is current; make it current on any
    // other thread (one thread at a time). See SharedGlContext.
    std::unique_ptr<class SharedGlContext> createSharedContext();

    app::RendererGl &renderer() { return mRenderer; }

  private:
    app::RendererGl mRenderer;
    int mWidth, mHeight;
};

// A context in a GlContext's share group (RendererGl::createSharedContext). Destroy it after
// the thread that used it has released it, and before the GlContext it shares with.
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
    explicit SharedGlContext(std::unique_ptr<app::SharedContext> context) : mContext(std::move(context)) {}
    std::unique_ptr<app::SharedContext> mContext;
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
