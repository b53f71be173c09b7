#pragma once

#include "framework/app/RendererGl.h"

#include <windows.h>

namespace lume::app {

// The OpenGL context of a window through WGL, or offscreen on a hidden window of its own:
// pixel format RGBA8, depth 16, no stencil,
// double-buffered (with multisampling through WGL_ARB_pixel_format when asked, falling back
// level by level); objects shared with another window's context when asked. Entry points come
// from wglGetProcAddress, and from opengl32.dll's own exports for the OpenGL 1.1 functions
// (which wglGetProcAddress does not give); the swap interval from WGL_EXT_swap_control.
class RendererGlImplMsw : public RendererGlImpl {
  public:
    explicit RendererGlImplMsw(RendererGl *renderer);
    ~RendererGlImplMsw() override;

    bool initialize(WindowImpl *window, RendererGlImpl *sharedWith) override;
    void initializeOffscreen(Vec2i size) override;
    void kill() override;
    void makeCurrentContext() override;
    void swapBuffers() override;
    Vec2i getDrawableSize() const override;
    std::unique_ptr<SharedContext> createSharedContext() override;
    Proc getProcAddress(const char *name) const override;
    void setSwapInterval(int interval) override;
    int getSwapInterval() const override;

    HGLRC getContext() const { return mRC; }

    // The entry point `name` of the context current on the calling thread: wglGetProcAddress,
    // then opengl32.dll's exports. Null when neither has it.
    static Proc procAddress(const char *name);
    // Gives `dc` the renderer's pixel format (`pixelFormat` from the multisample search, or 0
    // for the plain one). False when the device has no such format.
    static bool setPixelFormat(HDC dc, int pixelFormat);
    // Destroys the hidden windows of shared contexts that have ended (main thread).
    static void destroyRetiredWindows();

  private:
    // The multisampled pixel format for the renderer's level, lowering the level until the
    // driver has one; 0 (and level 0) when none.
    int findMultisampleFormat();

    RendererGl *mRenderer;
    HWND mWnd = nullptr;
    HDC mDC = nullptr;
    HGLRC mRC = nullptr;
    bool mOwnsWindow = false; // offscreen: the hidden window is this context's
};

} // namespace lume::app
