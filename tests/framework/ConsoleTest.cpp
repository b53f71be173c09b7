// The console stream: when text reaches the platform, and lines written from two threads.
#include "framework/app/Console.h"
#include "tests/framework/TestApp.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>

using namespace lume::app;
using namespace lume::test;

TEST(Console, TextReachesTheDebugOutputOnlyWhenFlushed)
{
    FakePlatformScope scope;
    {
        TestApp app(scope.clock, scope.journal);
        app.console() << "Error -2 occurred. The graphics mode is not supported.\n";
        EXPECT_TRUE(scope.platform->debugOutput.empty()); // a newline is not a flush
        app.console() << "second line\n" << std::flush;
        ASSERT_EQ(scope.platform->debugOutput.size(), 1u);
        EXPECT_EQ(scope.platform->debugOutput[0],
                  "Error -2 occurred. The graphics mode is not supported.\nsecond line\n");
        app.console() << "left over\n";
    }
    // Still collected when the application went away: handed over, not lost.
    ASSERT_EQ(scope.platform->debugOutput.size(), 2u);
    EXPECT_EQ(scope.platform->debugOutput[1], "left over\n");
}

namespace {

class StderrPlatform : public FakePlatform {
  public:
    void writeDebugOutput(std::string_view text) override { std::fwrite(text.data(), 1, text.size(), stderr); }
};

} // namespace

TEST(ConsoleDeathTest, TextStillCollectedAtExitIsWritten)
{
    // The player ends with std::exit(0) when no display mode works; its console lines were
    // never flushed and must still be seen.
    EXPECT_EXIT(
        {
            setPlatform(std::make_unique<StderrPlatform>());
            static DebugStream *stream = new DebugStream; // never destroyed
            *stream << "Error -2 occurred. The graphics mode is not supported.\n";
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "Error -2 occurred\\. The graphics mode is not supported\\.");
}
TEST(Console, LinesWrittenFromTwoThreadsAtOnceArriveWhole)
{
    // The loader thread reports a broken scene while the render thread writes its own lines;
    // each line is written in several pieces, with numbers, as the real ones are.
    constexpr int kLines = 10000;
    FakePlatformScope scope;
    {
        TestApp app(scope.clock, scope.journal);
        std::atomic<int> ready{0};
        auto write = [&app, &ready](const char *who) {
            // Both start together, so their lines overlap for as long as they run.
            ++ready;
            while (ready.load() < 2) {
            }
            for (int i = 0; i < kLines; ++i)
                app.console() << who << " line " << i << ": " << std::string(size_t(i % 40), '-') << std::endl;
        };
        std::thread loader(write, "loader");
        write("render");
        loader.join();
    }
    std::string all;
    for (const std::string &text : scope.platform->debugOutput)
        all += text;
    std::istringstream lines(all);
    std::string line;
    int next[2] = {0, 0};
    int broken = 0;
    while (std::getline(lines, line)) {
        std::istringstream parts(line);
        std::string who, word;
        int i = -1;
        parts >> who >> word >> i;
        const int thread = who == "loader" ? 0 : who == "render" ? 1 : -1;
        const std::string whole =
            i < 0 ? "" : who + " line " + std::to_string(i) + ": " + std::string(size_t(i % 40), '-');
        if (thread < 0 || i < 0 || line != whole || i != next[thread]) {
            if (++broken <= 5)
                ADD_FAILURE() << "broken or out of order: \"" << line << "\"";
        }
        if (thread >= 0 && i >= 0)
            next[thread] = i + 1;
    }
    EXPECT_EQ(broken, 0);
    EXPECT_EQ(next[0], kLines);
    EXPECT_EQ(next[1], kLines);
}
