// The engine against SDL's disk driver, which writes the mixed output to a file in real time:
// what comes out can be measured (length, pitch per side, gaps), with no sound card needed.
#include "audio/Channel.h"
#include "audio/Mp3Decoder.h"
#include "audio/Sound.h"
#include "audio/System.h"
#include "tests/audio/AudioFixtures.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using namespace lume::audio;
using namespace lume::test;
using namespace std::chrono_literals;

namespace {

// Parameterised test names hold '/', which must not make nested folders.
std::string safeName(std::string name)
{
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
}

// What the end callback saw; it runs on an engine thread.
std::atomic<int> sEndCalls{0};
std::atomic<int> sOtherCalls{0};
std::atomic<bool> sCalledOnTestThread{false};
std::thread::id sTestThread;
std::atomic<std::chrono::steady_clock::time_point> sEndTime{};

Result recordEnd(Channel *, ChannelCallbackType type, void *data1, void *data2)
{
    if (type == ChannelCallbackType::End && !data1 && !data2) {
        ++sEndCalls;
    } else {
        ++sOtherCalls;
    }
    if (std::this_thread::get_id() == sTestThread)
        sCalledOnTestThread = true;
    sEndTime = std::chrono::steady_clock::now();
    return Result::Ok;
}

// The output runs at the file's own rate: a device opened faster would finish early. (Only a
// lower bound: a busy machine may take longer, never shorter.)
void expectRealTime(std::chrono::steady_clock::time_point start, double seconds)
{
    std::chrono::duration<double> took = sEndTime.load() - start;
    EXPECT_GT(took.count(), 0.9 * seconds) << "the stream ended too soon for its length";
}

// Waits for the end without calling into the engine beyond isPlaying; the deadline only
// guards against a hang.
bool waitForEnd(Channel *channel, std::chrono::seconds deadline = 20s)
{
    auto until = std::chrono::steady_clock::now() + deadline;
    bool playing = true;
    while (channel->isPlaying(&playing) == Result::Ok && playing && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(10ms);
    }
    return !playing;
}

struct Output {
    std::vector<int16_t> left, right;
    size_t frames() const { return left.size(); }
};

// The disk driver's file: interleaved stereo 16-bit at the device rate. The stream sits
// between silence: what SDL writes while the device is still paused just after opening, and
// what the device plays after the stream ended until it was closed. Both are cut off.
Output readDiskOutput(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Output out;
    const auto *samples = reinterpret_cast<const int16_t *>(bytes.data());
    auto silent = [samples](size_t frame) { return samples[2 * frame] == 0 && samples[2 * frame + 1] == 0; };
    size_t first = 0;
    size_t frames = bytes.size() / 4;
    while (frames > 0 && silent(frames - 1))
        --frames;
    while (first < frames && silent(first))
        ++first;
    for (size_t i = first; i < frames; ++i) {
        out.left.push_back(samples[2 * i]);
        out.right.push_back(samples[2 * i + 1]);
    }
    return out;
}

// Frequency from sign changes, with a small dead band so codec noise around zero does not
// count as crossings.
double frequency(const std::vector<int16_t> &side, int sampleRate)
{
    int crossings = 0;
    int sign = 0;
    for (int16_t v : side) {
        int s = v > 200 ? 1 : v < -200 ? -1 : 0;
        if (s != 0 && sign != 0 && s != sign)
            ++crossings;
        if (s != 0)
            sign = s;
    }
    return crossings / 2.0 / (double(side.size()) / sampleRate);
}

double rms(const std::vector<int16_t> &side)
{
    double sum = 0;
    for (int16_t v : side)
        sum += double(v) * v;
    return side.empty() ? 0.0 : std::sqrt(sum / side.size());
}

// Longest stretch where both sides are exactly zero: a dropout.
size_t longestSilence(const Output &out)
{
    size_t longest = 0, run = 0;
    for (size_t i = 0; i < out.frames(); ++i) {
        run = (out.left[i] == 0 && out.right[i] == 0) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

class AudioTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        sEndCalls = 0;
        sOtherCalls = 0;
        sCalledOnTestThread = false;
        sTestThread = std::this_thread::get_id();
        mDir = fs::temp_directory_path() / ("lume-audio-" + std::to_string(getpid()) + "-" +
                                            safeName(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(mDir);
        mOutFile = mDir / "out.raw";
        useDriver("disk", mOutFile.string());
    }

    void TearDown() override
    {
        if (mSystem)
            mSystem->release();
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        std::error_code ec;
        fs::remove_all(mDir, ec);
    }

    static void useDriver(const std::string &driver, const std::string &diskFile = "")
    {
        setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
        if (diskFile.empty()) {
            unsetenv("SDL_DISKAUDIOFILE");
        } else {
            setenv("SDL_DISKAUDIOFILE", diskFile.c_str(), 1);
        }
    }

    void startSystem(int maxChannels = 32)
    {
        ASSERT_EQ(systemCreate(&mSystem), Result::Ok);
        ASSERT_EQ(mSystem->init(maxChannels), Result::Ok);
    }

    // Closes every device, so the disk driver's file is complete.
    void releaseSystem()
    {
        mSystem->release();
        mSystem = nullptr;
    }

    std::string driverName() const
    {
        std::string name;
        EXPECT_EQ(mSystem->getDriverName(&name), Result::Ok);
        return name;
    }
    std::string silentReason() const
    {
        std::string reason;
        EXPECT_EQ(mSystem->getSilentReason(&reason), Result::Ok);
        return reason;
    }

    fs::path mDir;
    fs::path mOutFile;
    System *mSystem = nullptr;
};

class AudioPlaybackTest : public AudioTest, public ::testing::WithParamInterface<Fixture> {};

// The whole stream comes out at the file's own rate and in real time, at the right pitch on each side, with no
// gap, while the caller stalls for two seconds without calling update(); then isPlaying
// turns false and the end callback runs once, on the engine's thread.
TEST_P(AudioPlaybackTest, PlaysTheWholeStreamThroughACallerStall)
{
    const Fixture &f = GetParam();
    startSystem();
    ASSERT_EQ(driverName(), "disk");
    EXPECT_EQ(silentReason(), "");

    Sound *sound = nullptr;
    ASSERT_EQ(mSystem->createStream(fixture(f.file), &sound), Result::Ok);
    ASSERT_NE(sound, nullptr);
    double seconds = 0;
    ASSERT_EQ(sound->getDuration(&seconds), Result::Ok);
    EXPECT_NEAR(seconds, double(f.frames) / f.sampleRate, 1e-9);

    Channel *channel = nullptr;
    auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(mSystem->playSound(sound, false, &channel), Result::Ok);
    ASSERT_NE(channel, nullptr);
    ASSERT_EQ(channel->setCallback(&recordEnd), Result::Ok);
    bool playing = false;
    ASSERT_EQ(channel->isPlaying(&playing), Result::Ok);
    EXPECT_TRUE(playing);

    std::this_thread::sleep_for(2s);
    ASSERT_TRUE(waitForEnd(channel));
    EXPECT_EQ(sEndCalls.load(), 1);
    EXPECT_EQ(sOtherCalls.load(), 0);
    EXPECT_FALSE(sCalledOnTestThread.load());
    expectRealTime(start, seconds);

    // Finished handles stay usable, as the player's shutdown expects.
    EXPECT_EQ(channel->setCallback(nullptr), Result::Ok);
    EXPECT_EQ(channel->isPlaying(&playing), Result::Ok);
    EXPECT_FALSE(playing);
    EXPECT_EQ(sound->release(), Result::Ok);
    releaseSystem();

    Output out = readDiskOutput(mOutFile);
    // A few frames of slack at each end: the sine may start and come to rest on zero.
    EXPECT_NEAR(double(out.frames()), double(f.frames), 64.0);
    EXPECT_LT(longestSilence(out), 4u);
    EXPECT_NEAR(frequency(out.left, f.sampleRate), f.leftHz, f.leftHz * 0.01);
    EXPECT_NEAR(frequency(out.right, f.sampleRate), f.rightHz, f.rightHz * 0.01);
    EXPECT_NEAR(rms(out.left), 16384 / std::sqrt(2.0), 1500.0);
    EXPECT_NEAR(rms(out.right), 16384 / std::sqrt(2.0), 1500.0);
    if (f.leftHz == f.rightHz) {
        EXPECT_EQ(out.left, out.right) << "mono must reach both sides unchanged";
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, AudioPlaybackTest, ::testing::Values(kMono22k, kStereo44k),
                         [](const auto &info) { return info.index == 0 ? "Mono22k" : "Stereo44k"; });

TEST_F(AudioTest, StopEndsOutputAtOnceWithoutTheEndCallback)
{
    startSystem();
    Sound *sound = nullptr;
    ASSERT_EQ(mSystem->createStream(fixture(kStereo44k.file), &sound), Result::Ok);
    Channel *channel = nullptr;
    ASSERT_EQ(mSystem->playSound(sound, false, &channel), Result::Ok);
    ASSERT_EQ(channel->setCallback(&recordEnd), Result::Ok);
    std::this_thread::sleep_for(200ms);

    ASSERT_EQ(channel->stop(), Result::Ok);
    bool playing = true;
    ASSERT_EQ(channel->isPlaying(&playing), Result::Ok);
    EXPECT_FALSE(playing);
    auto sizeAtStop = fs::file_size(mOutFile);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(fs::file_size(mOutFile), sizeAtStop) << "the device still writes after stop()";
    EXPECT_LT(sizeAtStop, uint64_t(kStereo44k.frames) * 4);
    EXPECT_EQ(sEndCalls.load(), 0);

    EXPECT_EQ(channel->stop(), Result::Ok);
    EXPECT_EQ(mSystem->update(), Result::Ok);
    EXPECT_EQ(sound->release(), Result::Ok);
    EXPECT_EQ(channel->isPlaying(&playing), Result::Ok);
    EXPECT_FALSE(playing);
}

// Playing a sound again starts it over on a new channel and stops the old one; the disk
// driver truncates its file for the new device, so the file holds the second playback alone.
TEST_F(AudioTest, PlayingASoundAgainRestartsItFromTheBeginning)
{
    startSystem();
    Sound *sound = nullptr;
    ASSERT_EQ(mSystem->createStream(fixture(kStereo44k.file), &sound), Result::Ok);
    Channel *first = nullptr;
    ASSERT_EQ(mSystem->playSound(sound, false, &first), Result::Ok);
    std::this_thread::sleep_for(300ms);

    Channel *second = nullptr;
    ASSERT_EQ(mSystem->playSound(sound, false, &second), Result::Ok);
    ASSERT_NE(second, first);
    bool playing = true;
    EXPECT_EQ(first->isPlaying(&playing), Result::Ok);
    EXPECT_FALSE(playing);
    ASSERT_TRUE(waitForEnd(second));
    releaseSystem();

    Output out = readDiskOutput(mOutFile);
    EXPECT_NEAR(double(out.frames()), double(kStereo44k.frames), 64.0);
    EXPECT_NEAR(frequency(out.right, kStereo44k.sampleRate), kStereo44k.rightHz, 7.0);
}

// With no device to open, the stream still plays (silently, in real time) and ends.
TEST_F(AudioTest, FallsBackToTheSilentDriverWhenNoDeviceOpens)
{
    struct Case {
        const char *what;
        const char *driver;
        std::string diskFile;
    };
    const Case cases[] = {
        {"unknown driver: audio cannot even start", "no-such-driver", ""},
        {"disk driver whose file cannot be created: the device fails to open", "disk",
         (mDir / "missing-dir" / "out.raw").string()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        sEndCalls = 0;
        useDriver(c.driver, c.diskFile);
        startSystem();
        Sound *sound = nullptr;
        ASSERT_EQ(mSystem->createStream(fixture(kStereo44k.file), &sound), Result::Ok);
        Channel *channel = nullptr;
        auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(mSystem->playSound(sound, false, &channel), Result::Ok);
        ASSERT_EQ(channel->setCallback(&recordEnd), Result::Ok);
        EXPECT_EQ(driverName(), "dummy");
        EXPECT_NE(silentReason(), "") << "the player has nothing to tell the user why";
        bool playing = false;
        EXPECT_EQ(channel->isPlaying(&playing), Result::Ok);
        EXPECT_TRUE(playing);
        EXPECT_TRUE(waitForEnd(channel));
        EXPECT_EQ(sEndCalls.load(), 1);
        expectRealTime(start, double(kStereo44k.frames) / kStereo44k.sampleRate);
        releaseSystem();
    }
}

TEST_F(AudioTest, StreamsThatCannotBeOpenedGiveAnErrorAndNoSound)
{
    useDriver("dummy");
    startSystem();
    EXPECT_EQ(silentReason(), "") << "silence asked for by name is no news";
    auto write = [&](const std::string &name, const std::string &bytes) {
        std::ofstream(mDir / name, std::ios::binary) << bytes;
        return (mDir / name).string();
    };
    std::string noise;
    uint32_t state = 12345;
    for (int i = 0; i < 65536; ++i) {
        state = state * 1664525u + 1013904223u;
        noise.push_back(char(state >> 24));
    }
    struct Case {
        const char *what;
        std::string path;
        Result expected;
    };
    const Case cases[] = {
        {"missing file", (mDir / "vell-short.mp3").string(), Result::FileNotFound},
        {"empty path", "", Result::FileNotFound},
        {"directory", mDir.string(), Result::FileBad},
        {"text file", write("notes.mp3", "not an mp3\n"), Result::Format},
        {"empty file", write("empty.mp3", ""), Result::Format},
        {"random bytes", write("noise.mp3", noise), Result::Format},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Sound *sound = reinterpret_cast<Sound *>(&state); // must be overwritten with null
        EXPECT_EQ(mSystem->createStream(c.path, &sound), c.expected);
        EXPECT_EQ(sound, nullptr);
    }
}

TEST_F(AudioTest, CallsOutOfOrderOrWithBadHandlesAreRefused)
{
    useDriver("dummy");
    ASSERT_EQ(systemCreate(&mSystem), Result::Ok);
    Sound *sound = nullptr;
    Channel *channel = nullptr;
    EXPECT_EQ(mSystem->createStream(fixture(kStereo44k.file), &sound), Result::Uninitialized);
    EXPECT_EQ(mSystem->update(), Result::Uninitialized);
    EXPECT_EQ(mSystem->init(0), Result::InvalidParam);
    ASSERT_EQ(mSystem->init(1), Result::Ok);
    EXPECT_EQ(mSystem->init(1), Result::Initialized);
    EXPECT_EQ(mSystem->createStream(fixture(kStereo44k.file), nullptr), Result::InvalidParam);
    EXPECT_EQ(mSystem->playSound(nullptr, false, &channel), Result::InvalidParam);

    // One channel allowed: a second sound waits until the first channel is done.
    Sound *other = nullptr;
    ASSERT_EQ(mSystem->createStream(fixture(kStereo44k.file), &sound), Result::Ok);
    ASSERT_EQ(mSystem->createStream(fixture(kMono22k.file), &other), Result::Ok);
    ASSERT_EQ(mSystem->playSound(sound, true, &channel), Result::Ok);
    Channel *refused = reinterpret_cast<Channel *>(&sound);
    EXPECT_EQ(mSystem->playSound(other, false, &refused), Result::NoChannel);
    EXPECT_EQ(refused, nullptr);
    bool playing = false;
    EXPECT_EQ(channel->isPlaying(&playing), Result::Ok);
    EXPECT_TRUE(playing) << "a paused channel counts as playing";
    EXPECT_EQ(sound->release(), Result::Ok);
    EXPECT_EQ(channel->isPlaying(&playing), Result::Ok);
    EXPECT_FALSE(playing) << "releasing a sound stops its channel";
    EXPECT_EQ(mSystem->playSound(sound, false, &refused), Result::InvalidHandle);
    EXPECT_EQ(mSystem->playSound(other, false, &channel), Result::Ok);
}

} // namespace
