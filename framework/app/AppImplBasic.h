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

// The application implementation: owns the windows and runs the main loop. The loop, its
// pacing and the window bookkeeping are the same on every platform; a backend supplies the
// windows, the event pump, the two waits the pacing is built on, and the word that the
// process has been asked to end from outside.
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

    // How long before the due time the wait for events hands over to the precise sleep:
    // event waits count whole milliseconds and wake late by about as much.
    static constexpr double kPreciseSleepMargin = 0.0015;

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
    // The loop's clock, in seconds: the application's elapsed time. The deadlines below are
    // on it.
    double now() const;
    // Dispatches every pending event without waiting.
    virtual void pumpEvents() = 0;
    // Waits for events until `deadline` at the latest, dispatching what arrives; may return
    // once something has been dispatched. Waits whole milliseconds (rounded down), so the
    // loop calls it only with at least one left.
    virtual void waitEvents(double deadline) = 0;
    // Sleeps until `deadline` as precisely as the system can, dispatching nothing.
    virtual void sleepUntil(double deadline) = 0;
    // Whether the process has been asked to end from outside (a signal, the session ending).
    // Asked after every pump and wait; a request must also wake a wait in progress.
    virtual bool quitRequested() const = 0;
    // Destroys all windows (the backend calls it before it shuts its platform layer down).
    void destroyWindows();

    std::vector<std::unique_ptr<WindowImpl>> &windows() { return mWindows; }

  private:
    void runLoop();
    // Until `due` (the frame's queued events already pumped): events dispatched as they
    // come, then the precise sleep. Returns early once quit has been asked for.
    void waitUntil(double due);
    void checkQuitRequest();

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
