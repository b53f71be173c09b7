#pragma once

#include "framework/app/AppImplBasic.h"

namespace lume::app {

class PlatformMsw;

// The main loop's Windows side: windows, the message pump, the event wait
// (MsgWaitForMultipleObjects) and the precise sleep (a high-resolution waitable timer) the
// portable pacing is built on, and the console's quit request as an outside quit request.
// The system timer runs at 1 ms for the loop's life, so that waits end when they are due.
class AppImplMsw : public AppImplBasic {
  public:
    AppImplMsw(AppBasic *app, PlatformMsw *platform);
    ~AppImplMsw() override;

    PlatformMsw *getPlatform() const { return mPlatform; }
    // Reads the held keys from the system (a window gained the focus: keys released while
    // another program had it never sent a key-up here).
    void syncKeyState();

  protected:
    std::unique_ptr<WindowImpl> createWindowImpl(const WindowFormat &format,
                                                 const RendererRef &sharedRenderer) override;
    void pumpEvents() override;
    // MsgWaitForMultipleObjects on the quit event, then whatever else is pending.
    void waitEvents(double deadline) override;
    // A waitable timer (high resolution where the system has one) set to the deadline.
    void sleepUntil(double deadline) override;
    // The console or the session has asked the process to end (PlatformMsw).
    bool quitRequested() const override;

  private:
    PlatformMsw *mPlatform;
    void *mTimer = nullptr;
};

} // namespace lume::app
