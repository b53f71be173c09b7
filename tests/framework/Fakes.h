#pragma once

// A platform, clock, application implementation, window and renderer that only record what
// happens, so the portable framework can be driven without a display.

#include "framework/app/AppBasic.h"
#include "framework/app/AppImplBasic.h"
#include "framework/app/Platform.h"
#include "framework/app/Renderer.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Window.h"
#include "framework/app/WindowImpl.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lume::test {

using namespace lume::app;

// Everything the fakes saw, in order.
struct Journal {
    std::vector<std::string> entries;
    void add(std::string entry) { entries.push_back(std::move(entry)); }
    void clear() { entries.clear(); }
};

class FakeClock : public Clock {
  public:
    double now() const override { return mNow; }
    void advance(double seconds) { mNow += seconds; }
    double mNow = 100.0;
};

class FakeRenderer : public Renderer {
  public:
    explicit FakeRenderer(Journal *journal) : mJournal(journal) {}
    RendererRef clone() const override { return std::make_shared<FakeRenderer>(mJournal); }
    void attachWindow(App *, WindowImpl *, const RendererRef &) override {}
    void kill() override { mJournal->add("kill"); }
    void startDraw() override { mJournal->add("startDraw"); }
    void finishDraw() override { mJournal->add("finishDraw"); }
    void makeCurrentContext() override { mJournal->add("makeCurrent"); }
    void defaultResize() override { mJournal->add("defaultResize"); }

  private:
    Journal *mJournal;
};

// A window with no system behind it: the test plays the system, reporting through the input
// functions the way a backend does.
class FakeWindowImpl : public WindowImpl {
  public:
    FakeWindowImpl(const WindowFormat &format, AppImplBasic *appImpl, Journal *journal)
        : WindowImpl(format, appImpl), mJournal(journal)
    {
        finishCreation();
    }
    void setPos(const Vec2i &pos) override { recordPos(pos); }
    void setSize(const Vec2i &size) override { inputResize(size); }
    std::string getTitle() const override { return mTitle; }
    void setTitle(const std::string &title) override { mTitle = title; }
    void hide() override { recordHidden(true); }
    void show() override { recordHidden(false); }
    void *getNative() const override { return nullptr; }
    void redraw() override { paint(); }
    void destroyNative() override
    {
        if (getRenderer())
            getRenderer()->kill();
    }

    using WindowImpl::inputFocus;
    using WindowImpl::inputKey;
    using WindowImpl::inputMouseButton;
    using WindowImpl::inputMouseMove;
    using WindowImpl::inputResize;

  protected:
    void captureMouse(bool captured) override
    {
        if (mJournal)
            mJournal->add(captured ? "capture" : "release");
    }

  private:
    std::string mTitle;
    Journal *mJournal;
};

// What a loop did, kept beyond the loop's own life.
struct LoopRecord {
    // Per paced frame, how long the loop waited in all (event waits and the precise sleep).
    std::vector<double> sleeps;
    // Every deadline given to the event wait and to the precise sleep, in order.
    std::vector<double> eventWaitDeadlines, sleepDeadlines;
    int pumps = 0;
    double lastNextFrameTime = 0.0;
};

// A backend with nothing behind it: waiting moves the fake clock to the deadline, input is
// whatever the test scripts into onSleep (once per paced frame, as its wait begins) and
// onPump, and an outside quit request is a flag.
class FakeAppImpl : public AppImplBasic {
  public:
    FakeAppImpl(AppBasic *app, FakeClock *clock, LoopRecord *record) : AppImplBasic(app), mClock(clock), mRecord(record)
    {
    }
    ~FakeAppImpl() override { mRecord->lastNextFrameTime = getNextFrameTime(); }

    std::function<void()> onSleep, onPump;
    std::vector<FakeWindowImpl *> created;
    // Where the windows note mouse capture and release; none when null.
    Journal *captureJournal = nullptr;
    // What quitRequested answers: a signal or the session ending, from outside.
    bool externalQuit = false;

    // Input that reaches the queue at `time` on the loop's clock: a pump or an event wait
    // dispatches it from then on, the precise sleep never does.
    void arriveAt(double time, std::function<void()> dispatch) { mArrivals.push_back({time, std::move(dispatch)}); }

  protected:
    std::unique_ptr<WindowImpl> createWindowImpl(const WindowFormat &format, const RendererRef &) override
    {
        auto window = std::make_unique<FakeWindowImpl>(format, this, captureJournal);
        created.push_back(window.get());
        return window;
    }
    void pumpEvents() override
    {
        ++mRecord->pumps;
        dispatchArrived();
        if (onPump)
            onPump();
    }
    void waitEvents(double deadline) override
    {
        mRecord->eventWaitDeadlines.push_back(deadline);
        beginWait();
        // A wait returns as soon as something arrives before its deadline.
        for (const Arrival &a : mArrivals) {
            if (a.time < deadline) {
                advanceTo(std::max(a.time, now()));
                dispatchArrived();
                return;
            }
        }
        advanceTo(deadline);
    }
    void sleepUntil(double deadline) override
    {
        mRecord->sleepDeadlines.push_back(deadline);
        beginWait();
        mRecord->sleeps.push_back(deadline - mWaitStart);
        mWaiting = false;
        advanceTo(deadline);
    }
    bool quitRequested() const override { return externalQuit; }

  private:
    struct Arrival {
        double time;
        std::function<void()> dispatch;
    };

    void dispatchArrived()
    {
        std::vector<Arrival> due;
        for (auto it = mArrivals.begin(); it != mArrivals.end();) {
            if (it->time <= now()) {
                due.push_back(std::move(*it));
                it = mArrivals.erase(it);
            } else {
                ++it;
            }
        }
        for (Arrival &a : due)
            a.dispatch();
    }
    void beginWait()
    {
        if (mWaiting)
            return;
        mWaiting = true;
        mWaitStart = now();
        if (onSleep)
            onSleep();
    }
    void advanceTo(double deadline)
    {
        if (deadline > now())
            mClock->advance(deadline - now());
    }

    FakeClock *mClock;
    LoopRecord *mRecord;
    bool mWaiting = false;
    double mWaitStart = 0.0;
    std::vector<Arrival> mArrivals;
};

class FakePlatform : public Platform {
  public:
    std::vector<std::string> getCommandLine() override { return {"fake", "--flag"}; }
    std::filesystem::path getAppPath() override { return "/fake/"; }
    std::unique_ptr<AppImplBasic> createAppImpl(AppBasic *app) override
    {
        record = LoopRecord();
        auto impl = std::make_unique<FakeAppImpl>(app, clock, &record);
        lastImpl = impl.get();
        if (onAppImplCreated)
            onAppImplCreated(*impl);
        return impl;
    }
    std::unique_ptr<RendererGlImpl> createRendererGlImpl(RendererGl *) override { return nullptr; }
    void writeDebugOutput(std::string_view text) override { debugOutput.emplace_back(text); }
    int showCursor(bool show) override { return cursorCount += show ? 1 : -1; }
    void setPowerManagement(bool) override {}
    std::vector<DisplayInfo> enumerateDisplays() override { return displays; }
    DisplayChange changeDisplayMode(int32_t, int32_t) override { return kDisplayChangeSuccessful; }
    Vec2i getDesktopSize() override { return desktop; }
    void showMessageBox(void *, const std::string &, const std::string &, MessageBoxIcon) override {}
    bool quitRequested() override { return false; }
    void lowerThreadPriority() override {}
    void coverDisplay(void *, bool) override {}

    FakeClock *clock = nullptr;
    Journal *journal = nullptr;
    FakeAppImpl *lastImpl = nullptr; // valid while the application runs
    LoopRecord record;
    std::function<void(FakeAppImpl &)> onAppImplCreated;
    std::vector<std::string> debugOutput;
    int cursorCount = 0;
    std::vector<DisplayInfo> displays{{Area(0, 0, 1920, 1080), 32, 7, true}};
    Vec2i desktop{1920, 1080};
};

// Installs a fresh FakePlatform for one test and forgets the display list around it.
class FakePlatformScope {
  public:
    FakePlatformScope()
    {
        auto fake = std::make_unique<FakePlatform>();
        platform = fake.get();
        platform->clock = &clock;
        platform->journal = &journal;
        mPrevious = setPlatform(std::move(fake));
        Display::forgetDisplays();
    }
    ~FakePlatformScope()
    {
        Display::forgetDisplays();
        setPlatform(std::move(mPrevious));
    }

    FakePlatform *platform;
    FakeClock clock;
    Journal journal;

  private:
    std::unique_ptr<Platform> mPrevious;
};

} // namespace lume::test
