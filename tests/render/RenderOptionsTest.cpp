// The render command's options: defaults, every option read, and each bad command line
// refused with a one-line message that names the option.
#include "app/render/RenderOptions.h"
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using fraglume::CommandLine;
using fraglume::CommandLineError;
using fraglume::parseCommandLine;
using fraglume::RenderOptions;

TEST(RenderOptions, TheFirstWordSelectsTheRenderAndTheDefaultsRenderTheWholeShowAt1080p60)
{
    const CommandLine line = parseCommandLine({"--render", "show.mp4"});
    ASSERT_EQ(line.mode, CommandLine::Mode::Render);
    const RenderOptions &o = line.render;
    EXPECT_EQ(o.output, "show.mp4");
    EXPECT_TRUE(o.framesDir.empty());
    EXPECT_EQ(o.width, 1920);
    EXPECT_EQ(o.height, 1080);
    EXPECT_EQ(o.fps, 60);
    EXPECT_EQ(o.from, 0.0);
    EXPECT_FALSE(o.to.has_value());
}

TEST(RenderOptions, EveryOptionIsReadInAnyOrder)
{
    const RenderOptions o = parseCommandLine({"--render", "out/Clip.MKV", "--to", "44.5", "--fps", "30", "--size",
                                              "320x240", "--from", "40", "--crf", "0", "--date", "2026-12-07T13:45:30"})
                                .render;
    EXPECT_EQ(o.output, "out/Clip.MKV");
    EXPECT_EQ(o.width, 320);
    EXPECT_EQ(o.height, 240);
    EXPECT_EQ(o.fps, 30);
    EXPECT_EQ(o.from, 40.0);
    EXPECT_EQ(o.to, 44.5);
    EXPECT_EQ(o.crf, 0);
    EXPECT_EQ(o.date, 1796651130); // seconds since the epoch of that UTC instant

    const RenderOptions frames = parseCommandLine({"--render", "--frames", "shots", "--size", "321x241"}).render;
    EXPECT_EQ(frames.framesDir, "shots");
    EXPECT_TRUE(frames.output.empty());
    EXPECT_EQ(frames.width, 321) << "a PNG sequence may have odd sides";
}

TEST(RenderOptions, ABadRenderCommandLineIsRefusedNamingTheOption)
{
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    // clang-format off
    const Case cases[] = {
        {{"--render"},                                     "--render"},
        {{"--render", "show.avi"},                         "show.avi"},
        {{"--render", "show"},                             "show"},
        {{"--render", "a.mp4", "b.mp4"},                   "b.mp4"},
        {{"--render", "a.mp4", "--speed", "2"},            "--speed"},
        {{"--render", "a.mp4", "--fps"},                   "--fps"},
        {{"--render", "a.mp4", "--fps", "0"},              "--fps"},
        {{"--render", "a.mp4", "--fps", "29.97"},          "--fps"},
        {{"--render", "a.mp4", "--fps", "30", "--fps", "60"}, "--fps"},
        {{"--render", "a.mp4", "--size", "640"},           "--size"},
        {{"--render", "a.mp4", "--size", "640x-2"},        "--size"},
        {{"--render", "a.mp4", "--size", "0x480"},         "--size"},
        {{"--render", "a.mp4", "--size", "641x480"},       "--size"},
        {{"--render", "a.mp4", "--size", "99999x480"},     "--size"},
        {{"--render", "a.mp4", "--from", "-1"},            "--from"},
        {{"--render", "a.mp4", "--from", "ten"},           "--from"},
        {{"--render", "a.mp4", "--to", "nan"},             "--to"},
        {{"--render", "a.mp4", "--from", "5", "--to", "5"}, "--to"},
        {{"--render", "a.mp4", "--crf", "52"},             "--crf"},
        {{"--render", "a.mp4", "--date", "2026-02-30T00:00:00"}, "--date"},
        {{"--render", "a.mp4", "--date", "2026-12-07 13:45:30"}, "--date"},
        {{"--render", "a.mp4", "--date", "2026-12-07T24:00:00"}, "--date"},
        {{"--render", "a.mp4", "--frames", "dir"},         "--frames"},
        {{"--render", "--frames", "dir", "--crf", "20"},   "--crf"},
    };
    // clang-format on
    for (const Case &c : cases) {
        std::string line;
        for (const std::string &a : c.args)
            line += a + " ";
        try {
            parseCommandLine(c.args);
            ADD_FAILURE() << "accepted " << line;
        } catch (const CommandLineError &error) {
            EXPECT_NE(error.message.find(c.named), std::string::npos) << line << "-> " << error.message;
            EXPECT_EQ(error.message.find('\n'), std::string::npos) << error.message;
        }
    }
}
