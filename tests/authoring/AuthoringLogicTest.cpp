// The authoring mode's decisions without GL or windows: scene time under the keys, compiler
// messages moved onto the author's own lines, the once-a-second frame-rate readout, and the
// file watches that trigger a rebuild.
#include "app/authoring/CompileLog.h"
#include "app/authoring/FrameRateReadout.h"
#include "app/authoring/SceneClock.h"
#include "framework/app/FileWatch.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace fraglume;
using namespace lume::app;

TEST(SceneClock, PauseStepAndRestartMoveTheSceneTimeAsTheKeysSay)
{
    struct Step {
        const char *what;
        double now;                                    // clock reading when the key comes
        std::function<void(SceneClock &, double)> key; // null: just read
        double expected;                               // scene time at `now`, after the key
    };
    // Started at scene time 5 when the clock read 100.
    // clang-format off
    const Step steps[] = {
        {"runs with the clock",          102.0, nullptr,                                              7.0},
        {"pause holds the time",         103.0, [](SceneClock &c, double t) { c.togglePause(t); },    8.0},
        {"stays while paused",           110.0, nullptr,                                              8.0},
        {"steps while paused",           111.0, [](SceneClock &c, double t) { c.step(1.0, t); },      9.0},
        {"steps back ten",               111.0, [](SceneClock &c, double t) { c.step(-10.0, t); },    0.0}, // not below 0
        {"steps forward ten",            112.0, [](SceneClock &c, double t) { c.step(10.0, t); },     10.0},
        {"resume runs on from there",    120.0, [](SceneClock &c, double t) { c.togglePause(t); },    10.0},
        {"running again",                122.5, nullptr,                                              12.5},
        {"steps while running",          123.0, [](SceneClock &c, double t) { c.step(-1.0, t); },     12.0},
        {"restart goes to 0 and runs",   124.0, [](SceneClock &c, double t) { c.restart(t); },        0.0},
        {"running from 0",               126.0, nullptr,                                              2.0},
    };
    // clang-format on
    SceneClock clock(5.0, 100.0);
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        if (step.key)
            step.key(clock, step.now);
        EXPECT_DOUBLE_EQ(clock.at(step.now), step.expected);
    }
    clock.togglePause(130.0);
    clock.restart(131.0);
    EXPECT_TRUE(clock.paused()) << "restart keeps a paused clock paused";
    EXPECT_DOUBLE_EQ(clock.at(140.0), 0.0);
}

TEST(CompileLog, MessagesPointAtTheScenesOwnLinesWhateverTheDriversForm)
{
    struct Case {
        std::string log;
        std::string expected;
    };
    // A header of 16 lines: the joined text's line 28 is the scene's line 12.
    // clang-format off
    const Case cases[] = {
        {"FRAGMENT: 0:28(5): error: `foo' undeclared\n0:30(1): warning: unused\n",
         "s.frag:12: error: `foo' undeclared\ns.frag:14: warning: unused\n"},
        {"0(28) : error C1008: undefined variable \"foo\"\n", "s.frag:12: error C1008: undefined variable \"foo\"\n"},
        {"ERROR: 0:17: 'x' : syntax error\r\nERROR: 1 compilation errors.  No code generated.\r\n",
         "s.frag:1: error: 'x' : syntax error\ns.frag: ERROR: 1 compilation errors.  No code generated.\n"},
        {"0:3(10): error: `iTime' redeclared\n", "s.frag: uniform header line 3: error: `iTime' redeclared\n"},
        {"error: fragment shader lacks `main'\n\n", "s.frag: error: fragment shader lacks `main'\n"},
        {"", ""},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(authorMessages(c.log, "s.frag", 16), c.expected) << c.log;
    EXPECT_EQ(countLines("#version 120\n\nuniform float x;\n"), 3);
}

TEST(FrameRateReadout, OnceASecondItGivesTheRateTheMeanAndTheWorstFrame)
{
    FrameRateReadout readout;
    EXPECT_FALSE(readout.frame(10.0)); // the first frame only starts the count
    std::optional<FrameRate> rate;
    double t = 10.0;
    // 59 frames 16 ms apart, one of 56 ms: 60 frames in 1 s.
    for (int i = 0; i < 60 && !rate; ++i) {
        t += i == 30 ? 0.056 : 0.016;
        rate = readout.frame(t);
        if (i < 59) {
            EXPECT_FALSE(rate) << "a readout before the second was over, frame " << i;
        }
    }
    ASSERT_TRUE(rate);
    EXPECT_NEAR(rate->fps, 60.0, 0.01);
    EXPECT_NEAR(rate->meanMs, 1000.0 / 60.0, 0.01);
    EXPECT_NEAR(rate->worstMs, 56.0, 0.01);
    // The next second starts afresh: its worst frame is its own.
    rate.reset();
    for (int i = 0; i < 100 && !rate; ++i)
        rate = readout.frame(t += 0.020);
    ASSERT_TRUE(rate);
    EXPECT_NEAR(rate->worstMs, 20.0, 0.01);
    EXPECT_NEAR(rate->fps, 50.0, 0.01);
}

namespace {

struct WatchKind {
    const char *name;
    std::unique_ptr<FileWatch> (*make)(const std::filesystem::path &);
};

class FileWatchTest : public ::testing::TestWithParam<WatchKind> {
  protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("authoring-watch-" + std::to_string(::getpid()) + "-" + GetParam().name);
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        file = dir / "scene.frag";
        write(file, "one");
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    static void write(const std::filesystem::path &path, const std::string &text) { std::ofstream(path) << text; }
    // Whether the watch reports a change within a generous while (a notification may come a
    // little after the operation).
    static bool reports(FileWatch &watch)
    {
        for (int i = 0; i < 200; ++i) {
            if (watch.changed())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    std::filesystem::path dir, file;
};

} // namespace

TEST_P(FileWatchTest, EveryWayAnEditorChangesTheFileIsSeenAndNothingElse)
{
    std::unique_ptr<FileWatch> watch = GetParam().make(file);
    struct Step {
        const char *what;
        std::function<void()> act;
        bool changed;
    };
    const std::filesystem::path other = dir / "other.frag", temp = dir / "scene.frag.tmp";
    // Modification times can be coarse: every change of the file also changes its size.
    const Step steps[] = {
        {"nothing happened", [] {}, false},
        {"written in place", [&] { write(file, "two!"); }, true},
        {"another file in the folder", [&] { write(other, "x"); }, false},
        {"replaced by a rename", [&] { write(temp, "three"), std::filesystem::rename(temp, file); }, true},
        {"made unreadable", [&] { ::chmod(file.c_str(), 0); }, true},
        {"readable again", [&] { ::chmod(file.c_str(), 0644); }, true},
        {"removed", [&] { std::filesystem::remove(file); }, true},
        {"back again", [&] { write(file, "four!!"); }, true},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(reports(*watch), step.changed);
        while (watch->changed()) // a second notification of the same operation
            ;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileWatchTest,
                         ::testing::Values(WatchKind{"Notified", &makeFileWatch},
                                           WatchKind{"Polled", &makePollingFileWatch}),
                         [](const auto &info) { return std::string(info.param.name); });
