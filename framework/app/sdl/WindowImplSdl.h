#pragma once

#include "framework/app/WindowImpl.h"

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace lume::app {

class AppImplSdl;

// A window on SDL: created hidden with an OpenGL drawable, its renderer attached, then
// shown and given the focus. Reports SDL's events through WindowImpl's input functions:
// Windows virtual-key codes and characters (KeyTranslationSdl), wheel positions in screen
// pixels, a drop's files gathered into one report.
class WindowImplSdl : public WindowImpl {
  public:
    WindowImplSdl(const WindowFormat &format, const RendererRef &sharedRenderer, AppImplSdl *appImpl);
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

  protected:
    void captureMouse(bool captured) override;

  private:
    void handleWindowEvent(const SDL_WindowEvent &event);
    void askFullScreenAgain();
    void handleKey(const SDL_KeyboardEvent &event);
    void handleButton(const SDL_MouseButtonEvent &event);
    void handleWheel(const SDL_MouseWheelEvent &event);
    void finishDrop();

    SDL_Window *mWindow = nullptr;
    uint32_t mWindowId = 0;
    // Full screen through the window manager (on Xwayland): asked again while the window
    // manager still has the window elsewhere.
    bool mFullScreenAsked = false;
    bool mDropping = false;
    std::vector<std::filesystem::path> mDroppedFiles;
};

} // namespace lume::app
