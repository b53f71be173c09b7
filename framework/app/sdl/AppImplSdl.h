#pragma once

#include "framework/app/AppImplBasic.h"

#include <SDL.h>

#include <cstdint>

namespace lume::app {

class PlatformSdl;
class WindowImplSdl;

// The main loop's SDL side: windows, the event pump, the event wait and the precise sleep the
// portable pacing is built on, and the quit signal as an outside quit request.
class AppImplSdl : public AppImplBasic {
  public:
    AppImplSdl(AppBasic *app, PlatformSdl *platform);
    ~AppImplSdl() override;

    // Wakes a wait for events from another thread.
    static void wakeEventLoop();

  protected:
    std::unique_ptr<WindowImpl> createWindowImpl(const WindowFormat &format,
                                                 const RendererRef &sharedRenderer) override;
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
