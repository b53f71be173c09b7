// The whole show, start to its own end, in a player build that carries LeakSanitizer: nothing
// of ours may leak, and memory may not grow with playing time.
//
// The resident memory after the second scene and at the end are reported, and their
// difference is held to a bound: from the third scene on every program has been built, and a
// scene's program, with the driver's state for it in the render context (0.5 to 3 MB with
// llvmpipe), is released once the scene has ended, so nothing should accumulate scene after
// scene. The growth while scenes play (from the end of each scene's first frame to the start
// of its wipe, summed over scenes 3 to 14) is bounded on its own, as it grows with playing time.
#include "tests/window/XvfbSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

using namespace lume::test;

namespace {

// The kB figure of the trace line "RSS <when> <kB>", or -1.
long residentFigure(const std::string &trace, const std::string &when)
{
    const std::string key = "\nRSS " + when + " ";
    const size_t at = trace.find(key);
    return at == std::string::npos ? -1 : std::atol(trace.c_str() + at + key.size());
}

// Position -> kB of the trace lines "RSS <when> <position> <kB>".
std::map<int, long> residentByScene(const std::string &trace, const std::string &when)
{
    std::map<int, long> out;
    std::istringstream in(trace);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("RSS " + when + " ", 0) != 0)
            continue;
        int position = 0;
        long kilobytes = 0;
        std::istringstream(line.substr(5 + when.size())) >> position >> kilobytes;
        out[position] = kilobytes;
    }
    return out;
}

} // namespace

TEST(Endurance, TheWholeShowLeaksNothingAndDoesNotGrowWhilePlaying)
{
    XvfbServer server(640, 480);
    // LeakSanitizer checks as the process ends and fails it with status 23.
    Process player(
        {LUME_LSAN_PLAYER, "--endurance"},
        {{"DISPLAY", server.display()},
         {"SDL_AUDIODRIVER", "dummy"},
         {"LSAN_OPTIONS", std::string("suppressions=") + LUME_SUPPRESSIONS + ":print_suppressions=0:exitcode=23"}},
        LUME_RESOURCES_DIR, 560);
    const std::optional<int> status = player.waitFor(550);
    ASSERT_TRUE(status) << "the show did not end by itself";
    const std::string errors = player.errors();
    EXPECT_EQ(*status, 0) << errors;
    EXPECT_EQ(errors.find("LeakSanitizer"), std::string::npos) << errors;

    const std::string trace = "\n" + player.output();
    const long afterSecond = residentFigure(trace, "scene2"), atEnd = residentFigure(trace, "end");
    ASSERT_GT(afterSecond, 0) << trace;
    ASSERT_GT(atEnd, 0) << trace;
    // From the third scene on every program has been built (the loader works during the first
    // two), so what grows from then on grows with playing time or with the scenes' first frames.
    const std::map<int, long> played = residentByScene(trace, "played"), held = residentByScene(trace, "held");
    long whilePlaying = 0;
    int scenes = 0;
    for (const auto &[position, start] : played) {
        const auto end = held.find(position);
        if (position >= 3 && end != held.end()) {
            whilePlaying += end->second - start;
            ++scenes;
        }
    }
    EXPECT_EQ(scenes, 12) << "scenes 3 to 14 each have a first frame and a wipe\n" << trace;

    std::printf("resident memory: %ld kB after the second scene, %ld kB at the end (%+.2f%%); from there "
                "%+ld kB while scenes 3 to 14 played and %+ld kB at their first frames and wipes\n",
                afterSecond, atEnd, 100.0 * double(atEnd - afterSecond) / double(afterSecond), whilePlaying,
                atEnd - afterSecond - whilePlaying);
    RecordProperty("rss_after_second_scene_kb", std::to_string(afterSecond));
    RecordProperty("rss_at_end_kb", std::to_string(atEnd));
    RecordProperty("rss_growth_while_playing_kb", std::to_string(whilePlaying));
    // About 200 bytes a frame over five minutes at 60 frames a second.
    EXPECT_LT(double(whilePlaying), 0.02 * double(afterSecond));
    EXPECT_LT(double(atEnd - afterSecond), 0.05 * double(afterSecond))
        << "programs of ended scenes (or their driver state) are still held";
}
