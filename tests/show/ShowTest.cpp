// The real player under a private X server at 640x480: the whole show from start to its own
// quit, with screenshots along the way.
#include "tests/show/Screenshot.h"
#include "tests/window/XvfbSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

using namespace lume::test;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The first screenshot taken wholly between `from` and `to` that shows a scene (a fifth of the
// screen lit) unlike `before`; empty (width 0) if none does.
Screenshot sceneAfter(const std::string &display, const Screenshot &before, Clock::time_point from,
                      Clock::time_point to)
{
    std::this_thread::sleep_until(from);
    while (Clock::now() < to) {
        Screenshot shot = takeScreenshot(display);
        if (Clock::now() > to)
            break; // taken partly after the scene's time: not judged
        if (shot.width == before.width && shot.litShare() > 0.2 && shot.differenceTo(before) > 8.0)
            return shot;
        std::this_thread::sleep_for(100ms);
    }
    return {};
}

} // namespace

// Plays all fifteen switches and quits by itself about 370 s after the first scene.
TEST(Show, PlaysToTheEndAndQuitsByItself)
{
    XvfbServer server(640, 480);
    // The soundtrack sits beside the resources, the folder the run command starts in.
    Process player({FRAGLUME_EXE}, {{"DISPLAY", server.display()}}, FRAGLUME_RESOURCES_DIR, 480);
    const Clock::time_point launch = Clock::now();

    // The first scene: the first frame that is not black.
    std::optional<Clock::time_point> first;
    while (!first && secondsSince(launch) < 90.0 && player.running()) {
        if (takeScreenshot(server.display()).litShare() > 0.05)
            first = Clock::now();
        else
            std::this_thread::sleep_for(100ms);
    }
    ASSERT_TRUE(first) << "no scene appeared; player output:\n" << player.errors();
    std::printf("first scene %.1f s after launch\n", std::chrono::duration<double>(*first - launch).count());

    // Scene 1 plays 41 s, then wipes for 1 s into black, top edge first; scene 2 plays 10 s,
    // scene 3 18 s. The wipe is found on the screen, however late a busy machine shows it: the
    // first frame whose top tenth is black while its bottom fifth still shows the scene. The
    // last frame before it is scene 1.
    Screenshot scene1;
    std::optional<Clock::time_point> wipeSeen;
    while (!wipeSeen && secondsSince(*first) < 60.0 && player.running()) {
        Screenshot shot = takeScreenshot(server.display());
        if (shot.width == 640 && shot.litShare(0, 48) < 0.05 && shot.litShare(480 - 96, 480) > 0.2)
            wipeSeen = Clock::now();
        else if (shot.width == 640)
            scene1 = std::move(shot);
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_TRUE(wipeSeen) << "no frame with the top tenth wiped and the bottom fifth still the scene";
    std::printf("wipe seen %.2f s after the first scene\n", std::chrono::duration<double>(*wipeSeen - *first).count());
    EXPECT_NEAR(std::chrono::duration<double>(*wipeSeen - *first).count(), 41.5, 2.0) << "the wipe ends scene 1";
    ASSERT_EQ(scene1.width, 640);
    EXPECT_GT(scene1.litShare(), 0.2) << "scene 1 on screen";

    // Scenes 2 and 3, each polled for on the screen: a shot that shows a scene and differs
    // from the scene before. Scene 2 plays from the end of the wipe (within a second of the
    // moment it was seen) for 10 s; scene 3 follows its 1 s wipe and plays 18 s, later if
    // a busy machine builds it late, so its search ends only with the show's time.
    const Screenshot scene2 = sceneAfter(server.display(), scene1, *wipeSeen + 1s, *wipeSeen + 10s);
    ASSERT_EQ(scene2.width, 640) << "no shot while scene 2 played showed a scene unlike scene 1";
    const Screenshot scene3 = sceneAfter(server.display(), scene2, *wipeSeen + 12s, *wipeSeen + 60s);
    ASSERT_EQ(scene3.width, 640) << "no shot after scene 2 showed a scene unlike it";

    const std::optional<int> status =
        player.waitFor(std::chrono::duration<double>(*first + 400s - Clock::now()).count());
    ASSERT_TRUE(status) << "the show did not end by itself";
    const double length = secondsSince(*first);
    EXPECT_EQ(*status, 0) << player.errors();
    EXPECT_NEAR(length, 370.0, 8.0) << "from the first scene to the quit";
    EXPECT_EQ(player.errors().find("Failed to compile the shader"), std::string::npos) << player.errors();
}
