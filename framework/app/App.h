#pragma once

#include "framework/Rect.h"
#include "framework/Vector.h"
#include "framework/app/Clock.h"
#include "framework/app/Console.h"
#include "framework/app/Event.h"
#include "framework/app/Renderer.h"
#include "framework/app/WindowFormat.h"

#include <boost/signals2/signal.hpp>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace boost::asio {
class io_context;
}

namespace lume::app {

class Window;
using WindowRef = std::shared_ptr<Window>;

// A time line the loop steps every frame. Nothing in this system adds items to it; it is
// kept so that animation hooks have a place in the frame order.
class Timeline {
  public:
    void stepTo(float time) { mCurrentTime = time; }
    float getCurrentTime() const { return mCurrentTime; }

  private:
    float mCurrentTime = 0.0f;
};

// Base of every application: one instance per process. Holds the clock, the frame counters,
// the console stream, the update and shutdown signals and the service queue, and declares
// the operations the application overrides (all do nothing here).
class App {
  public:
    class Settings {
      public:
        virtual ~Settings() = default;

        // Only stores the value; the loop reads it when it starts.
        void setFrameRate(float frameRate) { this->frameRate = frameRate; }
        WindowFormat &getDefaultWindowFormat() { return defaultWindowFormat; }

        // True after prepareSettings: the launch returns at once, nothing is created.
        bool shouldQuit = false;
        // One window per entry; empty means one window of defaultWindowFormat.
        std::vector<WindowFormat> windowFormats;
        WindowFormat defaultWindowFormat;
        bool frameRateEnabled = true;
        float frameRate = 60.0f;
        bool powerManagement = false;
        bool multiTouchEnabled = false;
        // The launcher's name argument; the title of every window whose format has none.
        std::string title;
    };

    // Wall-clock seconds on the application's clock.
    class Timer {
      public:
        explicit Timer(bool startNow = false, const Clock &clock = steadyClock());
        void start();
        void stop();
        bool isStopped() const { return mIsStopped; }
        double getSeconds() const;

      private:
        const Clock *mClock;
        bool mIsStopped = true;
        double mStartTime = -1.0;
        double mEndTime = -1.0;
    };

    using VoidSignal = boost::signals2::signal<void()>;

    App();
    virtual ~App();
    App(const App &) = delete;
    App &operator=(const App &) = delete;

    virtual void setup() {}
    virtual void shutdown() {}
    virtual void update() {}
    virtual void draw() {}
    virtual void mouseDown(MouseEvent) {}
    virtual void mouseUp(MouseEvent) {}
    virtual void mouseWheel(MouseEvent) {}
    virtual void mouseMove(MouseEvent) {}
    virtual void mouseDrag(MouseEvent) {}
    virtual void keyDown(KeyEvent) {}
    virtual void keyUp(KeyEvent) {}
    virtual void resize() {}
    virtual void fileDrop(FileDropEvent) {}

    // Ends the main loop after the current pass.
    virtual void quit() = 0;
    virtual const Settings &getSettings() const = 0;
    // The window whose events or drawing are being handled (the application's window).
    virtual WindowRef getWindow() const = 0;
    virtual size_t getNumWindows() const = 0;
    // Empty when the index is not below the count.
    virtual WindowRef getWindowIndex(size_t index) const = 0;
    virtual void enablePowerManagement(bool enable = true);
    virtual bool isPowerManagementEnabled() const { return mPowerManagement; }
    // Moves the window (application API; the player itself never moves its window).
    virtual void setWindowPos(const Vec2i &pos);
    virtual float getFrameRate() const = 0;
    virtual void setFrameRate(float frameRate) = 0;
    // The directory of the executable, ending in a separator.
    virtual std::filesystem::path getAppPath() const = 0;

    // Steps the time line, then setup.
    virtual void privateSetup();
    // Once per frame: service queue, update signal, update, frame count, time line, rate.
    virtual void privateUpdate();
    // Shutdown signal, then shutdown.
    void privateShutdown();

    // Seconds since the application object was constructed; safe from any thread.
    double getElapsedSeconds() const { return mTimer.getSeconds(); }
    uint32_t getElapsedFrames() const { return mFrameCount; }
    float getAverageFps() const { return mAverageFps; }
    double getFpsSampleInterval() const { return mFpsSampleInterval; }
    void setFpsSampleInterval(double seconds) { mFpsSampleInterval = seconds; }

    // The active window's client size; ExcInvalidWindow when there is no window.
    int32_t getWindowWidth() const;
    int32_t getWindowHeight() const;
    Vec2i getWindowSize() const;
    // The window's area in screen pixels (application API; the player asks only its size).
    Area getWindowBounds() const;

    // The debug console, a line at a time: `console() << "Error " << code << std::endl;`
    // reaches the console whole at the end of the statement, whichever threads write at once.
    // Text collects until a line flushes (std::flush, std::endl), then goes to the platform's
    // debug output (standard error on Linux).
    ConsoleLine console() { return mConsole.line(); }
    // For objects that write lines from threads of their own (the scene loader).
    Console &getConsole() { return mConsole; }

    // Cursor display count to exactly -1 (hidden) / exactly 0 (shown), whatever it was.
    void hideCursor();
    void showCursor();

    VoidSignal &getSignalUpdate() { return mSignalUpdate; }
    VoidSignal &getSignalShutdown() { return mSignalShutdown; }
    boost::asio::io_context &io() { return *mIo; }
    RendererRef getDefaultRenderer() const { return mDefaultRenderer; }
    void setDefaultRenderer(RendererRef renderer) { mDefaultRenderer = std::move(renderer); }
    const Timeline &timeline() const { return *mTimeline; }

    // The process's application, set by the launcher.
    static App *get() { return sInstance; }
    static void setInstance(App *app) { sInstance = app; }

  protected:
    // The loop and the timer read time from `clock` (tests drive them with a fake clock).
    explicit App(const Clock &clock);
    // Makes `stream` the console (the standard output when a console window is asked for).
    void setConsoleStream(std::shared_ptr<std::ostream> stream);

  private:
    static App *sInstance;

    Console mConsole{std::make_shared<DebugStream>()};
    Timer mTimer;
    uint32_t mFrameCount = 0;
    float mAverageFps = 0.0f;
    uint32_t mFpsLastSampleFrame = 0;
    double mFpsLastSampleTime = 0.0;
    double mFpsSampleInterval = 1.0;
    std::shared_ptr<Timeline> mTimeline;
    VoidSignal mSignalUpdate;
    VoidSignal mSignalShutdown;
    std::shared_ptr<boost::asio::io_context> mIo;
    std::shared_ptr<void> mIoWork; // keeps mIo from running dry
    RendererRef mDefaultRenderer;
    bool mPowerManagement = false;
};

} // namespace lume::app
