// Whole renders through the executable, read back with FFmpeg's decoders: the right frames,
// sound and scene switch; the wipe on its rows; identical output for identical options; the
// PNG sequence equal to the contact sheet; and no output under the requested name whenever a
// render does not complete.
#include "app/ImageSlots.h"
#include "app/Playlist.h"
#include "app/render/FrameTimeline.h"
#include "tests/render/DecodedVideo.h"
#include "tests/support/GlContext.h"
#include "tools/contact-sheet/SceneFrames.h"

#include <gtest/gtest.h>

#include <png.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace fraglume;

namespace {

constexpr int kWidth = 320, kHeight = 240, kFps = 30;

struct ChildRun {
    int status = -1; // exit status; 128 + n for a signal
    std::string errors;
};

// The executable with `args`, run in the folder that holds the soundtrack, as the show is.
// `whileRunning` is called every 50 ms with the child's pid until it ends. A child that is
// still running after the generous limit is killed, and the test fails on its status.
ChildRun runFraglume(const std::vector<std::string> &args, const std::function<void(pid_t)> &whileRunning = {})
{
    const fs::path log = fs::temp_directory_path() / ("fraglume-render-test-" + std::to_string(::getpid()) + ".log");
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(LUME_SOUNDTRACK_DIR) != 0)
            ::_exit(127);
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, 2);
        std::vector<char *> argv{const_cast<char *>(LUME_FRAGLUME)};
        for (const std::string &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(LUME_FRAGLUME, argv.data());
        ::_exit(127);
    }
    ChildRun run;
    const auto limit = std::chrono::steady_clock::now() + std::chrono::minutes(5);
    int status = 0;
    for (;;) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            break;
        if (std::chrono::steady_clock::now() > limit) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        if (whileRunning)
            whileRunning(pid);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::ifstream in(log);
    std::ostringstream text;
    text << in.rdbuf();
    run.errors = text.str();
    fs::remove(log);
    return run;
}

// This process's folder for the tests' output, removed when the tests end.
fs::path processFolder()
{
    return fs::temp_directory_path() / ("fraglume-render-" + std::to_string(::getpid()));
}

struct RemoveOutput : ::testing::Environment {
    void TearDown() override { fs::remove_all(processFolder()); }
};
const auto *const sRemoveOutput = ::testing::AddGlobalTestEnvironment(new RemoveOutput);

// A fresh folder for one test's output.
fs::path outputFolder(const std::string &name)
{
    const fs::path folder = processFolder() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::vector<std::string> folderEntries(const fs::path &folder)
{
    std::vector<std::string> names;
    if (fs::exists(folder))
        for (const auto &entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
    return names;
}

double meanOf(const uint8_t *rgb, size_t count)
{
    double sum = 0.0;
    for (size_t i = 0; i < count; ++i)
        sum += rgb[i];
    return count ? sum / double(count) : 0.0;
}

double rowMean(const std::vector<uint8_t> &frame, int y)
{
    return meanOf(&frame[size_t(y) * kWidth * 3], size_t(kWidth) * 3);
}

// A PNG of the sequence as RGB24 rows top-down; empty when it cannot be read.
std::vector<uint8_t> readRgb(const fs::path &file)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str()))
        return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr))
        return {};
    return rgb;
}

// A row of the black fade buffer, and a row of the first scene's mosaic (whose darkest row is far
// brighter), through the encoder's small errors.
bool isBlackRow(const std::vector<uint8_t> &frame, int y)
{
    return rowMean(frame, y) < 4.0;
}
bool isSceneRow(const std::vector<uint8_t> &frame, int y)
{
    return rowMean(frame, y) > 20.0;
}

// The show's frames from 40 s to 44 s, across the first switch, at 320x240 and 30 fps.
class RenderedRange : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        sFolder = outputFolder("range");
        sRun = runFraglume({"--render", (sFolder / "range.mp4").string(), "--size", "320x240", "--fps", "30", "--from",
                            "40", "--to", "44"});
        if (sRun.status == 0)
            sVideo = lume::test::decodeVideo((sFolder / "range.mp4").string());
    }
    void SetUp() override { ASSERT_EQ(sRun.status, 0) << sRun.errors; }

    static fs::path sFolder;
    static ChildRun sRun;
    static lume::test::DecodedVideo sVideo;
};
fs::path RenderedRange::sFolder;
ChildRun RenderedRange::sRun;
lume::test::DecodedVideo RenderedRange::sVideo;

} // namespace

TEST_F(RenderedRange, TheFileHoldsTheRangesFramesAtItsSizeAndRateWithSoundOfTheSameLength)
{
    EXPECT_EQ(folderEntries(sFolder), std::vector<std::string>{"range.mp4"}) << "nothing left beside it";
    EXPECT_EQ(sVideo.videoCodec, "h264");
    EXPECT_EQ(sVideo.pixelFormat, "yuv420p");
    EXPECT_EQ(sVideo.width, kWidth);
    EXPECT_EQ(sVideo.height, kHeight);
    EXPECT_EQ(sVideo.frames.size(), 120u);
    EXPECT_EQ(double(sVideo.rateNum) / sVideo.rateDen, 30.0);
    EXPECT_NEAR(sVideo.videoDuration, 4.0, 1e-6);
    ASSERT_TRUE(sVideo.hasAudio);
    EXPECT_EQ(sVideo.audioCodec, "aac");
    // Within one AAC frame of the picture's four seconds.
    EXPECT_NEAR(double(sVideo.audioSamples), 4.0 * sVideo.sampleRate, 1024.0);
}

TEST_F(RenderedRange, TheSceneSwitchesOnTheFrameTheTimelineSaysAndTheWipeComesDownFromTheTop)
{
    // The timeline, free of GL, says which frames fade and which one switches.
    FrameTimeline show(kFps);
    int next = 1;
    auto take = [&]() -> std::optional<int> { return next <= 15 ? std::optional<int>(next++) : std::nullopt; };
    int64_t switchFrame = -1;
    std::vector<int64_t> fades; // frames in the file
    for (int64_t n = 0; n < 1320 && show.update(n, take); ++n) {
        const FrameAction action = show.decide(n);
        if (n >= 1200 && action == FrameAction::Fade)
            fades.push_back(n - 1200);
        if (action == FrameAction::Switch) {
            if (n >= 1200)
                switchFrame = n - 1200;
            show.switched(n);
        }
    }
    ASSERT_EQ(switchFrame, 61) << "42 s + 1/30 s: one frame after the hand-over, plus 41 s hold and 1 s fade";
    ASSERT_EQ(fades.size(), 29u);
    ASSERT_EQ(fades.back(), switchFrame - 1);

    const auto &frames = sVideo.frames;
    const size_t pixels = size_t(kWidth) * kHeight * 3;
    EXPECT_LT(meanOf(frames[size_t(switchFrame)].data(), pixels), 3.0)
        << "the switch frame shows the black fade buffer";
    EXPECT_GT(meanOf(frames[size_t(switchFrame) - 2].data(), pixels), 1.0) << "the wipe still shows some scene";
    EXPECT_GT(meanOf(frames[size_t(switchFrame) + 1].data(), pixels), 10.0) << "the next scene follows at once";

    // The wipe by what the frames show, not by its formula: the frame before it is the whole
    // scene; in each of its frames the fade buffer's black is a band from the top edge down,
    // below a front of a few rows the scene is untouched, and the band only grows; halfway
    // both pictures show, and by the last wipe frame the black covers most of the picture.
    const std::vector<uint8_t> &before = frames[size_t(fades.front() - 1)];
    for (int y = 0; y < kHeight; ++y)
        ASSERT_TRUE(isSceneRow(before, y)) << "the frame before the wipe, row " << y;
    constexpr int kFront = kHeight / 8; // rows the front may blur
    int band = 0;
    for (int64_t index : fades) {
        SCOPED_TRACE("frame " + std::to_string(index));
        const std::vector<uint8_t> &frame = frames[size_t(index)];
        int black = 0;
        while (black < kHeight && isBlackRow(frame, black))
            ++black;
        for (int y = black; y < kHeight; ++y) {
            ASSERT_FALSE(isBlackRow(frame, y)) << "a black row " << y << " below the band of " << black;
            if (y >= black + kFront)
                ASSERT_TRUE(isSceneRow(frame, y)) << "row " << y << " below the front (band of " << black << ")";
        }
        EXPECT_GE(black, band) << "the band shrank";
        band = black;
        if (index == fades[fades.size() / 2]) {
            EXPECT_GT(black, 0) << "halfway nothing is wiped yet";
            EXPECT_TRUE(isSceneRow(frame, kHeight - 1)) << "halfway the bottom row is wiped already";
        }
    }
    EXPECT_GT(band, kHeight * 3 / 4) << "the last wipe frame";
}

TEST_F(RenderedRange, ItsFramesDecodeToTheColoursTheRendererDrew)
{
    // The same frames as pictures. Compared in 8x8 blocks, which 4:2:0 and the encoder keep
    // close, the video converted back as its stream is tagged must give the drawn colours;
    // a wrong matrix, range or tag moves them by several steps.
    const fs::path folder = outputFolder("colours");
    const ChildRun run = runFraglume({"--render", "--frames", (folder / "seq").string(), "--size", "320x240", "--fps",
                                      "30", "--from", "40", "--to", "40.1"});
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(sVideo.colorSpace, "bt709");
    EXPECT_EQ(sVideo.colorRange, "tv");
    constexpr int kBlock = 8;
    for (int index = 0; index < 3; ++index) {
        const std::vector<uint8_t> drawn = readRgb(folder / "seq" / ("00120" + std::to_string(index) + ".png"));
        const std::vector<uint8_t> &decoded = sVideo.frames[size_t(index)];
        ASSERT_EQ(drawn.size(), decoded.size()) << "frame " << index;
        double sum = 0.0, worst = 0.0;
        int blocks = 0;
        for (int by = 0; by < kHeight; by += kBlock)
            for (int bx = 0; bx < kWidth; bx += kBlock)
                for (int c = 0; c < 3; ++c) {
                    double difference = 0.0;
                    for (int y = by; y < by + kBlock; ++y)
                        for (int x = bx; x < bx + kBlock; ++x) {
                            const size_t i = (size_t(y) * kWidth + size_t(x)) * 3 + size_t(c);
                            difference += double(decoded[i]) - double(drawn[i]);
                        }
                    difference = std::abs(difference) / (kBlock * kBlock);
                    sum += difference;
                    worst = std::max(worst, difference);
                    ++blocks;
                }
        // Measured: about 0.5 on average and 4 at worst; BT.601 read as BT.709 gives 9 at
        // worst, full range read as limited 11.
        EXPECT_LT(sum / blocks, 1.0) << "frame " << index;
        EXPECT_LT(worst, 6.0) << "frame " << index;
    }
}

TEST_F(RenderedRange, ASecondRenderWithTheSameOptionsDecodesToIdenticalFrames)
{
    const fs::path folder = outputFolder("again");
    const ChildRun again = runFraglume({"--render", (folder / "again.mp4").string(), "--size", "320x240", "--fps", "30",
                                        "--from", "40", "--to", "44"});
    ASSERT_EQ(again.status, 0) << again.errors;
    const lume::test::DecodedVideo second = lume::test::decodeVideo((folder / "again.mp4").string());
    ASSERT_EQ(second.frames.size(), sVideo.frames.size());
    for (size_t i = 0; i < second.frames.size(); ++i)
        ASSERT_TRUE(second.frames[i] == sVideo.frames[i]) << "frame " << i;
}

TEST(RenderFrames, APngOfTheSequenceEqualsTheContactSheetsPictureOfThatSceneAndInstant)
{
    // At 32 fps every instant is exact in binary: the second scene takes over at frame 1345
    // (42.03125 s), so frame 1409 shows it exactly 2 s in, as the sheet renders it.
    const fs::path folder = outputFolder("frames");
    const ChildRun run = runFraglume({"--render", "--frames", (folder / "seq").string(), "--size", "320x240", "--fps",
                                      "32", "--from", "44.03125", "--to", "44.06"});
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(folderEntries(folder / "seq"), std::vector<std::string>{"001409.png"});

    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, (folder / "seq" / "001409.png").c_str()));
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rendered(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rendered.data(), 0, nullptr));
    ASSERT_EQ(int(image.width), kWidth);
    ASSERT_EQ(int(image.height), kHeight);

    lume::test::GlContext context;
    ImageSlots images;
    for (int slot = 0; slot < kImageSlotCount; ++slot)
        images[size_t(slot)] = loadImageSlot(slot);
    const PlaylistEntry &second = kPlaylist[1];
    lume::tools::SceneFrames sheet(kWidth, kHeight, images);
    const lume::tools::Picture picture =
        sheet.render(lume::tools::buildScene(second.sceneId, ""),
                     {second.sceneId, second.position, second.timing.hold, second.timing.channelLayout}, 2.0f);
    ASSERT_EQ(picture.rgb.size(), rendered.size());
    EXPECT_TRUE(picture.rgb == rendered);
}

TEST(RenderFailures, ARenderThatCannotCompleteLeavesNothingUnderTheRequestedNameAndSaysWhy)
{
    const fs::path folder = outputFolder("failures");
    const std::string out = (folder / "show.mp4").string();
    std::ofstream(folder / "file") << "not a folder";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    // A folder root may still write into: /proc refuses files whoever asks.
    const std::string unwritable = ::geteuid() == 0 ? "/proc/show.mp4" : "/show.mp4";
    // clang-format off
    const Case cases[] = {
        {{"--render", out, "--fps", "0"},                       2, "--fps"},
        {{"--render", out, "--size", "321x240"},                2, "--size"},
        {{"--render", out, "--from", "999"},                    2, "end of the show"},
        {{"--render", (folder / "missing/show.mp4").string(), "--to", "0.1"}, 1, "does not exist"},
        {{"--render", (folder / "file/show.mp4").string(), "--to", "0.1"},    1, "does not exist"},
        {{"--render", unwritable, "--size", "64x64", "--to", "0.1"},          1, "/show.mp4"},
    };
    // clang-format on
    for (const Case &c : cases) {
        const ChildRun run = runFraglume(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[1] << " " << c.args[2] << "\n" << run.errors;
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
        EXPECT_EQ(folderEntries(folder).size(), 1u) << c.args[2];
    }
    EXPECT_FALSE(fs::exists("/proc/show.mp4"));
}

TEST(RenderFailures, CtrlCMidwayEndsTheRenderAndRemovesTheUnfinishedFile)
{
    const fs::path folder = outputFolder("interrupted");
    bool sent = false;
    // The whole show at a small size: long enough to be caught half-way.
    const ChildRun run =
        runFraglume({"--render", (folder / "show.mkv").string(), "--size", "128x96", "--fps", "30"}, [&](pid_t pid) {
            // Once the encoder has written into its file aside, the render is under way.
            for (const std::string &name : folderEntries(folder))
                if (!sent && name.find(".partial") != std::string::npos && fs::file_size(folder / name) > 64 * 1024) {
                    ::kill(pid, SIGINT);
                    sent = true;
                }
        });
    ASSERT_TRUE(sent) << "the render ended before it could be interrupted\n" << run.errors;
    EXPECT_EQ(run.status, 130) << run.errors;
    EXPECT_NE(run.errors.find("interrupted"), std::string::npos) << run.errors;
    EXPECT_TRUE(folderEntries(folder).empty());
}
