// The render's frame clock: scene switches on exact frames, the whole show's length, the
// rendered range, and the progress line.
#include "app/render/FrameTimeline.h"
#include "app/render/Progress.h"

#include <gtest/gtest.h>

using namespace fraglume;

namespace {

// The frames of the whole show that switch scenes, every scene built.
std::vector<int64_t> switchFrames(int fps)
{
    FrameTimeline show(fps);
    int next = 1;
    auto take = [&]() -> std::optional<int> {
        if (next > 15)
            return std::nullopt;
        return next++;
    };
    std::vector<int64_t> frames;
    for (int64_t n = 0; show.update(n, take); ++n)
        if (show.decide(n) == FrameAction::Switch) {
            frames.push_back(n);
            show.switched(n);
        }
    return frames;
}

} // namespace

TEST(FrameTimeline, ScenesSwitchOnTheFrameTheirHoldAndFadeEndAndTheShowEndsAfterTheLastSwitch)
{
    struct Case {
        int fps;
        int64_t secondSwitch; // the first scene's end: 41 s hold and 1 s fade after frame 1
    };
    // clang-format off
    const Case cases[] = {
        {30, 1261},  // 42 + 1/30 s
        {32, 1345},  // 42 + 1/32 s, exact in binary: t reaches 1 on that very frame
        {60, 2521},
    };
    // clang-format on
    for (const Case &c : cases) {
        const std::vector<int64_t> switches = switchFrames(c.fps);
        ASSERT_EQ(switches.size(), 15u) << c.fps;
        EXPECT_EQ(switches[0], 0) << "the first scene takes over at once";
        EXPECT_EQ(switches[1], c.secondSwitch) << c.fps;
        // Holds and fades of positions 1 to 14 (370 s), plus one frame per hand-over.
        const double seconds = double(switches.back()) / c.fps;
        EXPECT_GT(seconds, 370.0) << c.fps;
        EXPECT_LT(seconds, 370.0 + 16.0 / c.fps) << c.fps;
        EXPECT_EQ(showFrameCount(c.fps), switches.back() + 1) << c.fps;
    }
}

TEST(FrameTimeline, ARangeCoversTheFramesFromItsStartToBeforeItsEndWithinTheShow)
{
    struct Case {
        double from;
        std::optional<double> to;
        int64_t first, count;
    };
    // clang-format off
    const Case cases[] = {
        {40.0,      44.0,         1200, 120},
        {40.01,     44.01,        1201, 120},
        {0.0,       std::nullopt, 0,     11000},
        {20.0,      1000.0,       600,   10400}, // past the end: cut at the show's end
        {400.0,     std::nullopt, 11000, 0},     // starts after the show
    };
    // clang-format on
    for (const Case &c : cases) {
        const FrameRange range = frameRange(30, c.from, c.to, 11000);
        EXPECT_EQ(range.first, c.first) << c.from;
        EXPECT_EQ(range.count, c.count) << c.from;
    }
}

TEST(Progress, TheLineGivesFramesRateAndTimeLeft)
{
    EXPECT_EQ(progressLine(1200, 22200, 40.0), "frame 1200/22200  40.0 fps  8:45 left");
    EXPECT_EQ(progressLine(0, 100, 0.0), "frame 0/100");
}
