#pragma once

#include "framework/app/RendererGl.h"

#include <SDL.h>

namespace lume::app {

class PlatformSdl;

// The OpenGL context of a window on SDL, or offscreen on a hidden window of its own
// (setPixelFormatAttributes has the format). Entry points and the swap interval come from SDL
// for whichever SDL context is current.
class RendererGlImplSdl : public RendererGlImpl {
  public:
    RendererGlImplSdl(RendererGl *renderer, PlatformSdl *platform);
    ~RendererGlImplSdl() override;

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

    SDL_Window *getSdlWindow() const { return mWindow; }
    SDL_GLContext getContext() const { return mContext; }

    // The GL attributes every window is created with (`samples` 0: no multisampling).
    static void setPixelFormatAttributes(int samples);
    // Destroys the hidden windows of shared contexts that have ended (main thread).
    static void destroyRetiredWindows();
    // Called before the video subsystem ends: windows of shared contexts still alive go with
    // it, and their later end must not touch the next session's windows.
    static void endVideoSession();

  private:
    RendererGl *mRenderer;
    PlatformSdl *mPlatform;
    SDL_Window *mWindow = nullptr;
    SDL_GLContext mContext = nullptr;
    bool mOwnsWindow = false; // offscreen: the hidden window is this context's
};

} // namespace lume::app
