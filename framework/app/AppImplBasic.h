#pragma once

#include "framework/app/KeyCodes.h"
#include "framework/app/WindowFormat.h"

#include <cstdint>

#include <memory>
#include <vector>

namespace lume::app {

class AppBasic;
class Window;
class WindowImpl;
using WindowRef = std::shared_ptr<Window>;

// Frame pacing arithmetic of the main loop, apart from any clock.
struct FramePacing {
    // The next due time after a pass that ended at `now`: after a stall of more than one
    // second the whole missed periods are skipped (keeping the loop's phase), then one
    // period is added.
    static double nextFrameTime(double nextFrameTime, double now, double secondsPerFrame);
};

// The application implementation: owns the windows and runs the main loop. The loop and the
// window bookkeeping are the same on every platform; a backend supplies the windows, the
// event pump and the wait between frames.
class AppImplBasic {
  public:
    explicit AppImplBasic(AppBasic *app);
    virtual ~AppImplBasic();
    AppImplBasic(const AppImplBasic &) = delete;
    AppImplBasic &operator=(const AppImplBasic &) = delete;

    // Windows, setup, first resize, the loop until quit, shutdown. An error raised inside
    // still runs the shutdown, then goes on to the caller.
    void run();

    AppBasic *getApp() const { return mApp; }
    float getFrameRate() const { return mFrameRate; }
    // Paces at `frameRate` from now on.
    void setFrameRate(float frameRate);
    void disableFrameRate() { mFrameRateEnabled = false; }
    bool isFrameRateEnabled() const { return mFrameRateEnabled; }
    void quit() { mShouldQuit = true; }
    bool shouldQuit() const { return mShouldQuit; }
    bool setupHasBeenCalled() const { return mSetupHasBeenCalled; }

    WindowRef getWindow() const { return mActiveWindow; }
    void setActiveWindow(WindowRef window);
    WindowRef getForegroundWindow() const { return mForegroundWindow; }
    void setForegroundWindow(WindowRef window);
    size_t getNumWindows() const { return mWindows.size(); }
    WindowRef getWindowIndex(size_t index) const;

    WindowRef createWindow(WindowFormat format);
    // Close signal, native window gone, removed; quits when it was the last window and the
    // settings say so.
    void closeWindow(WindowImpl *window);

    double getNextFrameTime() const { return mNextFrameTime; }

    // Held keys (by virtual-key code) and mouse buttons (MK_* bits), shared by all windows:
    // the windows' input functions keep them, the backend corrects them when the system says
    // otherwise (keys released while another program had the focus).
    KeyState &keys() { return mKeys; }
    uint32_t &mouseButtons() { return mMouseButtons; }

  protected:
    // A new platform window for `format` (whose renderer is set), sharing objects with
    // `sharedRenderer` when given. Never null: a window that could not be created natively
    // still exists, without a context.
    virtual std::unique_ptr<WindowImpl> createWindowImpl(const WindowFormat &format,
                                                         const RendererRef &sharedRenderer) = 0;
    // Waits `seconds` while dispatching input as it arrives; returns early once quit has
    // been requested.
    virtual void sleep(double seconds) = 0;
    // Dispatches every pending event without waiting.
    virtual void pumpEvents() = 0;
    // Destroys all windows (the backend calls it before it shuts its platform layer down).
    void destroyWindows();

    std::vector<std::unique_ptr<WindowImpl>> &windows() { return mWindows; }

  private:
    void runLoop();

    float mFrameRate = 60.0f;
    bool mSetupHasBeenCalled = false;
    bool mShouldQuit = false;
    AppBasic *mApp;
    double mNextFrameTime = 0.0;
    bool mFrameRateEnabled = true;
    std::vector<std::unique_ptr<WindowImpl>> mWindows;
    KeyState mKeys;
    uint32_t mMouseButtons = 0;
    WindowRef mActiveWindow;
    WindowRef mForegroundWindow;
};

} // namespace lume::app
