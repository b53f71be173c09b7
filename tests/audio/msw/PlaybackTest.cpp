// The engine on Windows: whichever driver it gets (waveOut, or the silent fallback on a
// machine without a device, as under Wine on a build server), a stream plays in real time to
// its end, reports the end once, and plays again from the start.
#include "audio/Channel.h"
#include "audio/Sound.h"
#include "audio/System.h"
#include "tests/audio/AudioFixtures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

using namespace lume::audio;
using namespace lume::test;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

std::atomic<int> sEndCalls{0};
std::atomic<Clock::time_point> sEndTime{};

Result recordEnd(Channel *, ChannelCallbackType type, void *, void *)
{
    if (type == ChannelCallbackType::End)
        ++sEndCalls;
    sEndTime = Clock::now();
    return Result::Ok;
}

// The deadline only guards against a hang.
bool waitForEnd(Channel *channel)
{
    auto until = Clock::now() + 20s;
    bool playing = true;
    while (channel->isPlaying(&playing) == Result::Ok && playing && Clock::now() < until)
        std::this_thread::sleep_for(10ms);
    return !playing;
}

TEST(Playback, AStreamPlaysInRealTimeToItsEndAndAgainFromTheStart)
{
    System *system = nullptr;
    ASSERT_EQ(systemCreate(&system), Result::Ok);
    ASSERT_EQ(system->init(4), Result::Ok);
    Sound *sound = nullptr;
    ASSERT_EQ(system->createStream(fixture(kStereo44k.file), &sound), Result::Ok);
    double seconds = 0;
    ASSERT_EQ(sound->getDuration(&seconds), Result::Ok);
    EXPECT_NEAR(seconds, double(kStereo44k.frames) / kStereo44k.sampleRate, 1e-9);

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first play" : "played again");
        sEndCalls = 0;
        Channel *channel = nullptr;
        auto start = Clock::now();
        ASSERT_EQ(system->playSound(sound, false, &channel), Result::Ok);
        ASSERT_EQ(channel->setCallback(&recordEnd), Result::Ok);
        std::string driver;
        ASSERT_EQ(system->getDriverName(&driver), Result::Ok);
        EXPECT_TRUE(driver == "waveout" || driver == "silent") << driver;
        ASSERT_TRUE(waitForEnd(channel));
        EXPECT_EQ(sEndCalls.load(), 1);
        // Only a lower bound: a busy machine may take longer, never shorter.
        std::chrono::duration<double> took = sEndTime.load() - start;
        EXPECT_GT(took.count(), 0.9 * seconds) << "the stream ended too soon for its length";
    }
    EXPECT_EQ(system->release(), Result::Ok);
}

} // namespace
