// Scene pacing against a fake clock: the player's own update/draw decisions, driven by a
// scripted loader.
#include "app/SceneTimeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <limits>
#include <optional>
#include <vector>

using namespace fraglume;

namespace {

SceneTimeline shippedShow()
{
    SceneTimeline show;
    for (const PlaylistEntry &e : kPlaylist)
        show.setEntry(e.position, e.timing);
    show.setSceneCount(kSceneCount);
    return show;
}

struct Arrival {
    double readyAt; // when the loader pushes the built scene
    int position;
};

struct Switch {
    double time;
    int position;
    bool program;
};

struct ShowRun {
    std::vector<Switch> switches;
    std::optional<double> quitAt;
    int fadeFrames = 0;
    int blankFramesAfterStart = 0;
    int framesShownAfterQuit = 0; // frames that were not blank once the quit was requested
};

// Runs the frame loop the player runs, with a scripted loader in place of the ready queue:
// update (quit rule, hand-over), then draw (decide, switch). A quit request lets its frame
// finish, as the main loop does.
ShowRun simulate(SceneTimeline show, std::deque<Arrival> arrivals, double loaderDoneAt, double dt = 0.01,
                 double limit = 600.0)
{
    ShowRun run;
    for (int frame = 0; frame * dt < limit && !run.quitAt; ++frame) {
        const double now = frame * dt;
        if (show.shouldQuit())
            run.quitAt = now;
        show.handOver(now, arrivals.empty() && now >= loaderDoneAt, [&]() -> std::optional<int> {
            if (arrivals.empty() || arrivals.front().readyAt > now)
                return std::nullopt;
            const int position = arrivals.front().position;
            arrivals.pop_front();
            return position;
        });
        const FrameAction action = show.decide(now);
        if (run.quitAt && action != FrameAction::Blank)
            ++run.framesShownAfterQuit;
        switch (action) {
        case FrameAction::Switch: {
            const bool program = show.switched(now);
            run.switches.push_back({now, show.scenePosition(), program});
            break;
        }
        case FrameAction::Fade: ++run.fadeFrames; break;
        case FrameAction::Blank:
            if (!run.quitAt && !run.switches.empty() && run.switches.back().program)
                ++run.blankFramesAfterStart;
            break;
        case FrameAction::Show: break;
        }
    }
    return run;
}

std::deque<Arrival> allScenes(double readyAt, std::vector<int> failed = {})
{
    std::deque<Arrival> arrivals;
    for (int p = 1; p <= 15; ++p)
        if (std::find(failed.begin(), failed.end(), p) == failed.end())
            arrivals.push_back({readyAt, p});
    return arrivals;
}

} // namespace

TEST(SceneTimeline, DecisionAtTheEdgesOfTheFade)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char *what;
        float hold, fade;
        double at; // seconds after the hand-over
        FrameAction expected;
    } cases[] = {
        {"holding", 18.0f, 1.0f, 5.0, FrameAction::Show},
        {"t exactly 0 still shows", 18.0f, 1.0f, 18.0, FrameAction::Show},
        {"inside the fade", 18.0f, 1.0f, 18.5, FrameAction::Fade},
        {"t exactly 1 switches", 18.0f, 1.0f, 19.0, FrameAction::Switch},
        {"after the fade", 18.0f, 1.0f, 25.0, FrameAction::Switch},
        {"fade 0 while holding: minus infinity", 4.0f, 0.0f, 2.0, FrameAction::Show},
        {"fade 0 at the hold's end: not a number", 4.0f, 0.0f, 4.0, FrameAction::Switch},
        {"fade 0 after the hold: plus infinity", 4.0f, 0.0f, 4.5, FrameAction::Switch},
        {"hold infinite", float(inf), 1.0f, 1e6, FrameAction::Show},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SceneTimeline show;
        show.setSceneCount(kSceneCount);
        show.setEntry(1, {c.hold, c.fade, 0, 0});
        // First scene in: entry 0 (all zero) switches at once.
        show.programTaken(100.0, 1);
        ASSERT_EQ(show.decide(100.0), FrameAction::Switch);
        ASSERT_TRUE(show.switched(100.0));
        EXPECT_EQ(show.decide(100.5), FrameAction::Show) << "live scene with nothing waiting";
        show.programTaken(200.0, 2);
        EXPECT_EQ(show.decide(200.0 + c.at), c.expected);
    }
}

TEST(SceneTimeline, HandOverTakesAtMostOneSceneAndOnlyWhileNoneWaits)
{
    enum class Next { Nothing, QueuedScene, WaitingScene, EndOfShow };
    struct Case {
        const char *what;
        bool waiting;    // a scene already waits for its switch
        int ready;       // built scenes in the queue (positions 2, 3, ...)
        bool loaderIdle; // as read before the queue
        int takes;       // times the queue is looked at
        Next next;
    } cases[] = {
        {"one of two ready scenes is taken", false, 2, false, 1, Next::QueuedScene},
        {"nothing ready while the loader works: keep waiting", false, 0, false, 1, Next::Nothing},
        {"nothing ready and nothing to come: the end", false, 0, true, 1, Next::EndOfShow},
        {"a scene handed over after the idle reading still plays", false, 1, true, 1, Next::QueuedScene},
        {"a scene waits: the queue is left alone", true, 2, false, 0, Next::WaitingScene},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SceneTimeline show = shippedShow();
        if (c.waiting)
            show.programTaken(0.0, 1);
        int ready = c.ready, takes = 0, nextPosition = 2;
        show.handOver(0.0, c.loaderIdle, [&]() -> std::optional<int> {
            ++takes;
            if (ready == 0)
                return std::nullopt;
            --ready;
            return nextPosition++;
        });
        EXPECT_EQ(takes, c.takes);
        if (c.next == Next::Nothing) {
            EXPECT_FALSE(show.hasNext());
            continue;
        }
        ASSERT_EQ(show.decide(1.0), FrameAction::Switch);
        const bool program = show.switched(1.0);
        EXPECT_EQ(program, c.next != Next::EndOfShow);
        const int position = c.next == Next::QueuedScene ? 2 : c.next == Next::WaitingScene ? 1 : kSceneCount - 1;
        EXPECT_EQ(show.scenePosition(), position);
    }
}

TEST(SceneTimeline, NothingBeforeTheFirstSceneIsBlank)
{
    SceneTimeline show = shippedShow();
    EXPECT_EQ(show.decide(0.0), FrameAction::Blank);
    EXPECT_EQ(show.decide(1e9), FrameAction::Blank);
    EXPECT_FALSE(show.shouldQuit());
}

TEST(SceneTimeline, ShowPlaysFifteenSwitchesAndQuits)
{
    const ShowRun run = simulate(shippedShow(), allScenes(0.5), 2.0);
    ASSERT_EQ(run.switches.size(), 15u);
    for (size_t i = 0; i < run.switches.size(); ++i) {
        EXPECT_EQ(run.switches[i].position, int(i) + 1);
        EXPECT_TRUE(run.switches[i].program);
    }
    ASSERT_TRUE(run.quitAt);
    // 356 s of holds and 14 fades of 1 s, plus a frame or two per scene.
    const double length = *run.quitAt - run.switches.front().time;
    EXPECT_NEAR(length, 370.0, 0.5);
    // Each scene lasts its own hold and fade.
    for (size_t i = 1; i < run.switches.size(); ++i) {
        const SceneTiming &e = kPlaylist[i - 1].timing;
        EXPECT_NEAR(run.switches[i].time - run.switches[i - 1].time, e.hold + e.fade, 0.03) << "position " << i;
    }
    EXPECT_EQ(run.blankFramesAfterStart, 0);
    EXPECT_EQ(run.framesShownAfterQuit, 0) << "the scene taken after the last switch was shown";
}

TEST(SceneTimeline, LateSceneStartsItsPredecessorsHoldOnArrival)
{
    std::deque<Arrival> arrivals = {{0.1, 1}, {0.2, 2}, {100.0, 3}};
    const ShowRun run = simulate(shippedShow(), arrivals, 1e9, 0.01, 150.0);
    ASSERT_GE(run.switches.size(), 3u);
    // Scene 2 is taken at 0.2 s, so scene 1 fades out at 41.2 s; scene 3 arrives at 100 s, so
    // scene 2 (on screen from 42 s) plays live until then and then its own 10 s and 1 s.
    EXPECT_NEAR(run.switches[1].time, 0.2 + 42.0, 0.03);
    EXPECT_NEAR(run.switches[2].time, 100.0 + 11.0, 0.03);
    EXPECT_EQ(run.blankFramesAfterStart, 0) << "a late loader leaves the scene playing";
}

TEST(SceneTimeline, FailedScenesAreSkippedAndTheShowStillEnds)
{
    struct Case {
        const char *what;
        std::vector<int> failed;
        std::vector<int> expectedPositions;
        double expectedLength; // first switch to quit
    } cases[] = {
        {"third scene fails", {3}, {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 370.0 - 19.0},
        {"two in a row fail", {5, 6}, {1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 370.0 - 38.0},
        // The end marker fails: the last scene still plays out and the show ends after its fade.
        {"end marker fails", {15}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 370.0},
        {"last scene and end marker fail", {14, 15}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15}, 370.0 - 21.0},
        {"first scene fails", {1}, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 370.0 - 42.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const ShowRun run = simulate(shippedShow(), allScenes(0.5, c.failed), 2.0);
        std::vector<int> positions;
        for (const Switch &s : run.switches)
            positions.push_back(s.position);
        EXPECT_EQ(positions, c.expectedPositions);
        ASSERT_TRUE(run.quitAt);
        EXPECT_NEAR(*run.quitAt - run.switches.front().time, c.expectedLength, 0.5);
        // Every scene that built uses its own entry: it lasts its own hold and fade.
        for (size_t i = 1; i < run.switches.size(); ++i) {
            const SceneTiming &e = kPlaylist[run.switches[i - 1].position - 1].timing;
            EXPECT_NEAR(run.switches[i].time - run.switches[i - 1].time, e.hold + e.fade, 0.03);
        }
    }
}

TEST(SceneTimeline, EverySceneFailingEndsTheShowAtOnce)
{
    const ShowRun run = simulate(shippedShow(), {}, 3.0);
    ASSERT_EQ(run.switches.size(), 1u);
    EXPECT_FALSE(run.switches[0].program);
    ASSERT_TRUE(run.quitAt);
    EXPECT_NEAR(*run.quitAt, 3.0, 0.05);
}

TEST(SceneTimeline, SceneTimeRestartsAtEachSwitch)
{
    SceneTimeline show = shippedShow();
    show.programTaken(2.0, 1);
    EXPECT_FLOAT_EQ(show.sceneStartTime(), 2.0f);
    show.switched(2.25);
    EXPECT_FLOAT_EQ(show.sceneStartTime(), 2.25f);
    show.programTaken(3.0, 2);
    EXPECT_FLOAT_EQ(show.sceneStartTime(), 2.25f) << "taking the next scene does not restart the clock";
    EXPECT_DOUBLE_EQ(show.fadeStart(), 44.0);
    EXPECT_DOUBLE_EQ(show.fadeLength(), 1.0);
    show.switched(45.0);
    EXPECT_FLOAT_EQ(show.sceneStartTime(), 45.0f);
    EXPECT_EQ(show.currentEntry().channelLayout, 1);
}
