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

  protected:
    std::unique_ptr<WindowImpl> createWindowImpl(const WindowFormat &format, const RendererRef &sharedRenderer) override;
    void pumpEvents() override;
    // SDL_WaitEventTimeout, then whatever else is pending.
    void waitEvents(double deadline) override;
    // clock_nanosleep to the deadline on the monotonic clock.
    void sleepUntil(double deadline) override;
    // SIGINT or SIGTERM has arrived (PlatformSdl).
    bool quitRequested() const override;

  private:
    void dispatch(const SDL_Event &event);
    WindowImplSdl *findWindow(uint32_t windowId) const;
    void syncKeyState();

    PlatformSdl *mPlatform;
};

} // namespace lume::app
