#pragma once

#include "framework/app/AppImplBasic.h"

#include <SDL.h>

#include <cstdint>

namespace lume::app {

class PlatformSdl;
class WindowImplSdl;

// The main loop's platform side on SDL: windows, the event pump and the wait between frames.
class AppImplSdlBasic : public AppImplBasic {
  public:
    AppImplSdlBasic(AppBasic *app, PlatformSdl *platform);
    ~AppImplSdlBasic() override;

    // Wakes a wait for events from another thread.
    static void wakeEventLoop();

    // How long before the due time the event wait hands over to the precise sleep.
    static constexpr double kPreciseSleepMargin = 0.0015;

  protected:
    std::unique_ptr<WindowImpl> createWindowImpl(const WindowFormat &format, const RendererRef &sharedRenderer) override;
    // Waits for events until shortly before the due time, dispatching each as it comes,
    // then sleeps to the due time exactly. Returns early once quit has been asked for.
    void sleep(double seconds) override;
    void pumpEvents() override;

  private:
    void dispatch(const SDL_Event &event);
    void checkQuitSignal();
    WindowImplSdl *findWindow(uint32_t windowId) const;
    void syncKeyState();

    PlatformSdl *mPlatform;
};

} // namespace lume::app
