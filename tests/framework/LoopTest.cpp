// The launcher and the main loop against a fake clock: call order, pacing, quitting, errors.
#include "tests/framework/TestApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

using namespace lume::test;
using lume::app::FramePacing;
using lume::app::launchApplication;

namespace {

class LoopTest : public ::testing::Test {
  protected:
    // A fresh application with a fake renderer as its default renderer.
    TestApp *makeApp()
    {
        app = new TestApp(scope.clock, scope.journal);
        return app;
    }
    int launch() { return launchApplication(app, std::make_shared<FakeRenderer>(&rendererJournal), "LoopTest"); }
    std::vector<std::string> appCalls() const
    {
        std::vector<std::string> calls;
        for (const auto &e : scope.journal.entries)
            calls.push_back(e);
        return calls;
    }
    // Quit once `frames` updates have run.
    void quitAfter(int frames)
    {
        app->onUpdate = [this, frames] {
            if (static_cast<int>(app->getElapsedFrames()) + 1 >= frames)
                app->quit();
        };
    }

    FakePlatformScope scope;
    Journal rendererJournal;
    TestApp *app = nullptr;
};

} // namespace

TEST_F(LoopTest, RunsTheApplicationInItsOrderAndDeletesIt)
{
    makeApp();
    quitAfter(2);
    std::vector<std::string> args;
    std::string title;
    lume::Area bounds;
    app->onSetup = [&] {
        args = app->getCommandLineArgs();
        title = app->getSettings().title;
        bounds = app->getWindowBounds();
    };
    EXPECT_EQ(launch(), 0);
    const std::vector<std::string> expected = {"prepareSettings", "setup", "resize",   "update", "draw",
                                               "update",          "draw",  "shutdown", "destroy"};
    EXPECT_EQ(scope.journal.entries, expected);
    EXPECT_EQ(args, (std::vector<std::string>{"fake", "--flag"}));
    EXPECT_EQ(title, "LoopTest");
    EXPECT_EQ(bounds, lume::Area(0, 0, 640, 480));
    EXPECT_EQ(lume::app::App::get(), nullptr);
}

TEST_F(LoopTest, WithoutAWindowTheWindowSizeIsAnError)
{
    TestApp app(scope.clock, scope.journal);
    EXPECT_THROW(app.getWindowWidth(), lume::app::ExcInvalidWindow);
}

TEST_F(LoopTest, ShouldQuitFromPrepareSettingsCreatesNothing)
{
    makeApp();
    bool implCreated = false;
    scope.platform->onAppImplCreated = [&](FakeAppImpl &) { implCreated = true; };
    app->onPrepare = [](TestApp::Settings &settings) { settings.shouldQuit = true; };
    EXPECT_EQ(launch(), 0);
    EXPECT_FALSE(implCreated);
    EXPECT_EQ(scope.journal.entries, (std::vector<std::string>{"prepareSettings", "destroy"}));
}

TEST_F(LoopTest, ShutdownSignalComesBeforeShutdownAndUpdateSignalBeforeUpdate)
{
    makeApp();
    quitAfter(1);
    app->onSetup = [&] {
        app->getSignalUpdate().connect([&] { scope.journal.add("update signal"); });
        app->getSignalShutdown().connect([&] { scope.journal.add("shutdown signal"); });
    };
    launch();
    const auto &e = scope.journal.entries;
    const auto at = [&](const char *name) { return std::find(e.begin(), e.end(), name) - e.begin(); };
    EXPECT_EQ(at("update signal") + 1, at("update"));
    EXPECT_EQ(at("shutdown signal") + 1, at("shutdown"));
}

TEST_F(LoopTest, SkipsWholePeriodsAfterAStallOfMoreThanOneSecond)
{
    // The 2.5 s stall at 60 frames per second: 150 periods skipped, then one more.
    const double spf = 1.0 / 60.0;
    EXPECT_DOUBLE_EQ(FramePacing::nextFrameTime(10.0, 12.5, spf), 10.0 + 151 * spf);
    // One second exactly is not "more than a second": no skip.
    EXPECT_DOUBLE_EQ(FramePacing::nextFrameTime(10.0, 11.0, spf), 10.0 + spf);
    // Ahead of time: one period.
    EXPECT_DOUBLE_EQ(FramePacing::nextFrameTime(10.0, 9.0, spf), 10.0 + spf);

    // The same inside the loop (half a period more, so rounding cannot blur the count): the
    // stall keeps the loop's phase, and the next wait is what is left of the period.
    makeApp();
    double loopStart = 0.0;
    app->onSetup = [&] { loopStart = app->getElapsedSeconds(); };
    app->onUpdate = [&] {
        if (app->getElapsedFrames() == 1)
            scope.clock.advance(2.5 + spf / 2);
        if (app->getElapsedFrames() == 3)
            app->quit();
    };
    launch();
    const auto &sleeps = scope.platform->record.sleeps;
    ASSERT_GE(sleeps.size(), 2u);
    EXPECT_NEAR(sleeps[0], spf, 1e-9);
    EXPECT_NEAR(sleeps[1], spf / 2, 1e-9);
    const double periods = (scope.platform->record.lastNextFrameTime - loopStart) / spf;
    EXPECT_NEAR(periods, std::round(periods), 1e-6);
}

TEST_F(LoopTest, SleepsOnlyWhenAheadAndOtherwiseDrainsEvents)
{
    struct Case {
        float frameRate;
        double frameCost;
        int frames;
    };
    // 60 fps with 10 ms frames sleeps the rest of each period; 500 fps with the same frames
    // is always late: it only drains events until it is more than a second behind, skips,
    // and sleeps once. Either way every frame drains what is queued.
    for (const Case c : {Case{60.0f, 0.010, 30}, Case{500.0f, 0.010, 200}}) {
        SCOPED_TRACE(c.frameRate);
        makeApp();
        std::vector<uint32_t> sleepFrames;
        scope.platform->onAppImplCreated = [&](FakeAppImpl &impl) {
            impl.onSleep = [&] { sleepFrames.push_back(app->getElapsedFrames()); };
        };
        app->onPrepare = [&](TestApp::Settings &s) { s.setFrameRate(c.frameRate); };
        app->onUpdate = [&] {
            scope.clock.advance(c.frameCost);
            if (static_cast<int>(app->getElapsedFrames()) + 1 >= c.frames)
                app->quit();
        };
        launch();
        const LoopRecord &impl = scope.platform->record;
        EXPECT_EQ(impl.pumps, c.frames); // one per frame, paced or late
        if (c.frameRate == 60.0f) {
            ASSERT_EQ(impl.sleeps.size(), static_cast<size_t>(c.frames - 1)); // not after the quit
            for (double s : impl.sleeps)
                EXPECT_NEAR(s, 1.0 / 60.0 - 0.010, 1e-9);
        } else {
            ASSERT_EQ(sleepFrames.size(), 1u);
            // 8 ms lost per frame: the second is exceeded after 125 frames.
            EXPECT_NEAR(sleepFrames[0], 126, 1);
        }
        scope.journal.clear();
    }
}

TEST_F(LoopTest, TheEventWaitHandsOverToThePreciseSleepShortlyBeforeTheDueTime)
{
    struct Case {
        double frameCost;
        bool waitsForEvents;
    };
    // 10 ms frames leave 6.7 ms: events until 1.5 ms before the due time, then the sleep.
    // With 2 ms left, less than a whole millisecond remains for an event wait: only the sleep.
    const double spf = 1.0 / 60.0;
    for (const Case c : {Case{0.010, true}, Case{spf - 0.002, false}}) {
        SCOPED_TRACE(c.frameCost);
        makeApp();
        app->onUpdate = [&] {
            scope.clock.advance(c.frameCost);
            if (app->getElapsedFrames() + 1 >= 10)
                app->quit();
        };
        launch();
        const LoopRecord &r = scope.platform->record;
        ASSERT_EQ(r.sleepDeadlines.size(), 9u);
        if (c.waitsForEvents) {
            ASSERT_EQ(r.eventWaitDeadlines.size(), 9u);
            for (size_t i = 0; i < r.sleepDeadlines.size(); ++i)
                EXPECT_NEAR(r.sleepDeadlines[i] - r.eventWaitDeadlines[i], lume::app::AppImplBasic::kPreciseSleepMargin,
                            1e-9);
        } else {
            EXPECT_TRUE(r.eventWaitDeadlines.empty());
        }
        // The sleep ends on the loop's own schedule, one period apart.
        for (size_t i = 1; i < r.sleepDeadlines.size(); ++i)
            EXPECT_NEAR(r.sleepDeadlines[i] - r.sleepDeadlines[i - 1], spf, 1e-9);
        scope.journal.clear();
    }
}

TEST_F(LoopTest, FramesFarShorterThanAFiveHundredHertzPeriodHandleInputQueuedAtAnyMomentWithinOneFrame)
{
    // 0.2 ms frames leave 1.8 ms of each 2 ms period: too little for an event wait before the
    // precise sleep, which dispatches nothing. Escape reaches the queue at moments spread over
    // the hundredth frame's period.
    const double period = 1.0 / 500.0, frameCost = 0.0002;
    for (const double offset : {0.0, 0.0001, 0.0002, 0.0005, 0.001, 0.0015, 0.0019}) {
        SCOPED_TRACE(offset);
        makeApp();
        std::vector<double> updateTimes;
        double arrival = 0.0;
        app->onPrepare = [](TestApp::Settings &s) { s.setFrameRate(500.0f); };
        app->onKeyDown = [&] { app->quit(); };
        app->onUpdate = [&] {
            updateTimes.push_back(app->getElapsedSeconds());
            if (updateTimes.size() == 100) {
                arrival = updateTimes.back() + offset;
                scope.platform->lastImpl->arriveAt(arrival, [&] {
                    lume::app::KeyEvent escape(app->getWindow(), 27, 27, 27, 0, 27);
                    app->getWindow()->emitKeyDown(escape);
                });
            }
            scope.clock.advance(frameCost);
            if (updateTimes.size() >= 1000)
                app->quit(); // only if Escape was never handled
        };
        EXPECT_EQ(launch(), 0);
        const auto &e = scope.journal.entries;
        EXPECT_EQ(std::count(e.begin(), e.end(), "app keyDown"), 1);
        EXPECT_LE(std::count_if(updateTimes.begin(), updateTimes.end(), [&](double t) { return t > arrival; }), 1);
        EXPECT_EQ(scope.platform->record.pumps, static_cast<int>(updateTimes.size()));
        const double meanPeriod = (updateTimes.back() - updateTimes.front()) / (updateTimes.size() - 1);
        EXPECT_NEAR(meanPeriod, period, period * 0.005);
        scope.journal.clear();
    }
}

TEST_F(LoopTest, AQuitRequestFromOutsideEndsTheLoopAndStillRunsShutdown)
{
    // The request arrives while the third frame waits, paced or not.
    for (const bool paced : {true, false}) {
        SCOPED_TRACE(paced);
        makeApp();
        app->onPrepare = [&](TestApp::Settings &s) { s.frameRateEnabled = paced; };
        scope.platform->onAppImplCreated = [&](FakeAppImpl &impl) {
            const auto request = [&] {
                if (app->getElapsedFrames() == 3)
                    impl.externalQuit = true;
            };
            impl.onSleep = request;
            impl.onPump = request;
        };
        app->onUpdate = [&] {
            if (app->getElapsedFrames() >= 100)
                app->quit(); // not reached
        };
        EXPECT_EQ(launch(), 0);
        const auto &e = scope.journal.entries;
        EXPECT_EQ(std::count(e.begin(), e.end(), "update"), 3);
        ASSERT_GE(e.size(), 2u);
        EXPECT_EQ(e[e.size() - 2], "shutdown");
        scope.journal.clear();
    }
}

TEST_F(LoopTest, NoPacingWhenTheFrameRateIsDisabledOrNotPositive)
{
    for (const bool disabled : {true, false}) {
        makeApp();
        app->onPrepare = [&](TestApp::Settings &s) {
            if (disabled)
                s.frameRateEnabled = false;
            else
                s.frameRate = 0.0f;
        };
        quitAfter(5);
        launch();
        EXPECT_TRUE(scope.platform->record.sleeps.empty());
        EXPECT_EQ(scope.platform->record.pumps, 5);
    }
}

TEST_F(LoopTest, QuitInsideUpdateStillDrawsThatFrame)
{
    makeApp();
    quitAfter(1);
    launch();
    EXPECT_EQ(scope.journal.entries, (std::vector<std::string>{"prepareSettings", "setup", "resize", "update", "draw",
                                                               "shutdown", "destroy"}));
}

TEST_F(LoopTest, QuitFromAKeyDuringTheWaitEndsTheLoopBeforeTheNextUpdate)
{
    makeApp();
    app->onKeyDown = [&] { app->quit(); };
    scope.platform->onAppImplCreated = [&](FakeAppImpl &impl) {
        impl.onSleep = [&] {
            lume::app::KeyEvent escape(app->getWindow(), 27, 27, 27, 0, 27);
            app->getWindow()->emitKeyDown(escape);
        };
    };
    launch();
    const auto &e = scope.journal.entries;
    EXPECT_EQ(std::count(e.begin(), e.end(), "update"), 1);
    EXPECT_EQ(std::count(e.begin(), e.end(), "app keyDown"), 1);
}

TEST_F(LoopTest, ClosingTheLastWindowQuitsUnlessTheSettingsSayOtherwise)
{
    for (const bool quitOnLastWindowClose : {true, false}) {
        SCOPED_TRACE(quitOnLastWindowClose);
        makeApp();
        app->onPrepare = [&](TestApp::Settings &s) { s.quitOnLastWindowClose = quitOnLastWindowClose; };
        scope.platform->onAppImplCreated = [&](FakeAppImpl &impl) {
            impl.onSleep = [&impl] {
                if (!impl.created.empty() && impl.getNumWindows() == 1)
                    impl.getWindowIndex(0)->close();
            };
        };
        app->onUpdate = [&] {
            if (app->getElapsedFrames() >= 4)
                app->quit();
        };
        launch();
        const auto &e = scope.journal.entries;
        EXPECT_EQ(std::count(e.begin(), e.end(), "update"), quitOnLastWindowClose ? 1 : 5);
        // Only the first frame had a window to draw.
        EXPECT_EQ(std::count(e.begin(), e.end(), "draw"), 1);
        scope.journal.clear();
    }
}

TEST_F(LoopTest, AnErrorLeavingTheApplicationStillRunsShutdownAndFailsTheRun)
{
    for (const char *where : {"setup", "update"}) {
        SCOPED_TRACE(where);
        makeApp();
        const auto fail = [] { throw std::runtime_error("the scene exploded"); };
        if (std::string(where) == "setup")
            app->onSetup = fail;
        else
            app->onUpdate = fail;
        EXPECT_EQ(launch(), 1);
        const auto &e = scope.journal.entries;
        ASSERT_GE(e.size(), 3u);
        EXPECT_EQ(e[e.size() - 2], "shutdown");
        EXPECT_EQ(e.back(), "destroy");
        ASSERT_FALSE(scope.platform->debugOutput.empty());
        EXPECT_EQ(scope.platform->debugOutput.back(), "the scene exploded\n");
        scope.journal.clear();
    }
}

TEST_F(LoopTest, SamplesTheFrameRateOncePerInterval)
{
    makeApp();
    app->onPrepare = [](TestApp::Settings &s) { s.setFrameRate(100.0f); };
    std::vector<float> seen;
    app->onUpdate = [&] {
        seen.push_back(app->getAverageFps());
        if (app->getElapsedFrames() >= 250)
            app->quit();
    };
    launch();
    // Nothing before the first second has passed, then 100 per second.
    EXPECT_EQ(seen[50], 0.0f);
    EXPECT_NEAR(seen.back(), 100.0f, 1.0f);
}

TEST_F(LoopTest, ResizeBeforeSetupHasReturnedIsHeldBack)
{
    makeApp();
    app->onSetup = [&] { scope.platform->lastImpl->created[0]->inputResize({800, 600}); };
    quitAfter(1);
    launch();
    const auto &e = scope.journal.entries;
    EXPECT_EQ(std::count(e.begin(), e.end(), "resize"), 1);
    EXPECT_EQ(std::find(e.begin(), e.end(), "resize") - e.begin(), 2); // right after setup
}

TEST_F(LoopTest, CursorCountEndsAtExactlyMinusOneOrZero)
{
    struct Case {
        int before;
        bool hide;
        int after;
    };
    TestApp app(scope.clock, scope.journal);
    for (const Case c : {Case{0, true, -1}, Case{-3, true, -1}, Case{2, true, -1}, Case{-1, false, 0},
                         Case{-4, false, 0}, Case{3, false, 0}}) {
        scope.platform->cursorCount = c.before;
        if (c.hide)
            app.hideCursor();
        else
            app.showCursor();
        EXPECT_EQ(scope.platform->cursorCount, c.after) << "from " << c.before;
    }
}
