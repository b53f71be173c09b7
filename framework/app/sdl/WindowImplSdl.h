#pragma once

#include "framework/app/WindowImpl.h"

#include <SDL.h>

#include <boost/filesystem/path.hpp>

#include <cstdint>
#include <vector>

namespace lume::app {

class AppImplSdlBasic;

// A window on SDL: created hidden with an OpenGL drawable, its renderer attached, then
// shown and given the focus. Translates SDL's events into the framework's event records with
// the Windows message semantics (virtual-key codes, capture while a button is held, a
// mouse-up when the focus goes while a button is held, wheel positions in screen pixels).
class WindowImplSdl : public WindowImpl {
  public:
    WindowImplSdl(const WindowFormat &format, const RendererRef &sharedRenderer, AppImplSdlBasic *appImpl);
    ~WindowImplSdl() override;

    void setPos(const Vec2i &pos) override;
    void setSize(const Vec2i &size) override;
    std::string getTitle() const override;
    void setTitle(const std::string &title) override;
    void hide() override;
    void show() override;
    void *getNative() const override { return mWindow; }
    void redraw() override;
    void destroyNative() override;

    uint32_t getWindowId() const { return mWindowId; }
    // One SDL event addressed to this window. Closing deletes the window: nothing may touch
    // it after this returns.
    void handleEvent(const SDL_Event &event);

  private:
    void handleWindowEvent(const SDL_WindowEvent &event);
    void handleKey(const SDL_KeyboardEvent &event);
    void handleButton(const SDL_MouseButtonEvent &event);
    void handleMotion(const SDL_MouseMotionEvent &event);
    void handleWheel(const SDL_MouseWheelEvent &event);
    uint32_t nativeMouseFlags() const;
    void activate();

    AppImplSdlBasic *mSdlAppImpl;
    SDL_Window *mWindow = nullptr;
    uint32_t mWindowId = 0;
    Vec2i mLastMouse;
    bool mDropping = false;
    std::vector<boost::filesystem::path> mDroppedFiles;
};

} // namespace lume::app
