#pragma once

#include "framework/Vector.h"
#include "framework/app/Renderer.h"
#include "framework/gl/Context.h"

#include <cstdint>
#include <memory>
#include <stdexcept>

namespace lume::app {

class RendererGl;

// A second OpenGL context that shares objects (programs, textures, buffers) with a render
// context, for work on another thread (BACKENDS.md has the rules).
class SharedContext {
  public:
    virtual ~SharedContext() = default;
    // Makes the context current on the calling thread; false when that fails.
    virtual bool makeCurrent() = 0;
    // Leaves the calling thread with no current context.
    virtual void release() = 0;
};

// The backend's OpenGL context of one window, or of no window (offscreen). BACKENDS.md says
// what each function must do; RendererGl records which context is current
// (gl::makeContextCurrent), so none of these needs to.
class RendererGlImpl : public gl::Context {
  public:
    virtual bool initialize(WindowImpl *window, RendererGlImpl *sharedWith) = 0;
    // A context on a hidden drawable of `size` pixels, no application needed; throws
    // std::runtime_error with the system's reason when none can be made.
    virtual void initializeOffscreen(Vec2i size) = 0;
    // Ends the context (no longer current on the calling thread); initialize may follow.
    virtual void kill() = 0;
    virtual void makeCurrentContext() = 0;
    virtual void swapBuffers() = 0;
    // The drawable's size in pixels.
    virtual Vec2i getDrawableSize() const = 0;
    // A context sharing this one's objects, on a drawable of its own; this context is current
    // again when it returns. Null when none can be made.
    virtual std::unique_ptr<SharedContext> createSharedContext() = 0;
};

// The OpenGL renderer.
class RendererGl : public Renderer {
  public:
    // Antialiasing level: an index into the sample counts {0, 2, 4, 6, 8, 16, 32}.
    static constexpr int32_t kSampleCounts[] = {0, 2, 4, 6, 8, 16, 32};
    static constexpr int32_t kMaxAntiAliasing = 6;

    explicit RendererGl(int32_t antiAliasing = 0);
    ~RendererGl() override;

    RendererRef clone() const override;
    void attachWindow(App *app, WindowImpl *window, const RendererRef &sharedRenderer) override;
    void kill() override;
    // Makes the context current.
    void startDraw() override;
    // Swaps the buffers.
    void finishDraw() override;
    void makeCurrentContext() override;
    // Viewport over the whole drawable and window matrices: a 60-degree perspective camera
    // whose z = 0 plane maps one-to-one onto the window, origin at the top left, y down.
    // A zero-area drawable gets the (empty) viewport and keeps its previous matrices.
    void defaultResize() override;

    int32_t getAntiAliasing() const { return mAntiAliasing; }
    // The platform lowers the level when the driver offers no such format.
    void setAntiAliasing(int32_t level) { mAntiAliasing = level; }
    App *getApp() const { return mApp; }
    WindowImpl *getWindow() const { return mWindow; }
    RendererGlImpl *getImpl() const { return mImpl.get(); }

    // A context of its own with no window: its default framebuffer is a hidden drawable of
    // `size` pixels (for headless rendering, tools and tests), current on the calling thread
    // with the viewport over it and the GL entry points bound, as attachWindow leaves a
    // window's. Throws std::runtime_error saying why when the system gives no such context.
    void attachOffscreen(Vec2i size);

    // A context sharing objects with this renderer's context, for another thread. Call on
    // the thread that owns the render context, after the window exists; the render context
    // is current again when it returns. Null when no such context can be made. The object
    // may be destroyed on any thread, after it has been released there.
    std::unique_ptr<SharedContext> createSharedContext();

  private:
    // The context is current on this thread from now on.
    void madeCurrent();

    App *mApp = nullptr;
    int32_t mAntiAliasing;
    std::unique_ptr<RendererGlImpl> mImpl;
    bool mHasContext = false;
    WindowImpl *mWindow = nullptr;
};

} // namespace lume::app
