// `fraglume --scene ...`: which scene plays with which images, window size and start time,
// and the one-line refusals of a bad command line.
#include "app/CommandLine.h"
#include "app/ScenePass.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using fraglume::CommandLine;
using fraglume::CommandLineError;
using fraglume::kMaxPictureSide;
using fraglume::parseCommandLine;

namespace {

class AuthoringOptionsTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("authoring-options-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        for (const char *name : {"73.frag", "mine.frag", "69.frag", "12.frag"})
            std::ofstream(dir / name) << "void main() { gl_FragColor = vec4(1.0); }\n";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string file(const char *name) const { return (dir / name).string(); }

    std::filesystem::path dir;
};

} // namespace

TEST_F(AuthoringOptionsTest, TheSceneItsLayoutSizeAndStartTimeFollowTheArgumentsAndTheDefaultRules)
{
    struct Case {
        std::vector<std::string> args;
        std::string file;
        int sceneId, layout, width, height;
        double time;
    };
    // clang-format off
    const Case cases[] = {
        // A file named for a show scene gets that scene's layout; any other name layout 0.
        {{"--scene", file("73.frag")},                   file("73.frag"),   0,  2, 1280, 720, 0.0},
        {{"--scene", file("mine.frag")},                 file("mine.frag"), 0,  0, 1280, 720, 0.0},
        {{"--scene", file("69.frag")},                   file("69.frag"),   0,  0, 1280, 720, 0.0}, // not in the playlist
        {{"--scene", file("12.frag")},                   file("12.frag"),   0,  0, 1280, 720, 0.0}, // no show id
        // A show id plays the embedded source; 80 plays twice in the show, both with layout 8.
        {{"--scene", "73"},                              "",               73,  2, 1280, 720, 0.0},
        {{"--scene", "80"},                              "",               80,  8, 1280, 720, 0.0},
        {{"--scene", "64"},                              "",               64,  0, 1280, 720, 0.0},
        // Options in any order override the defaults.
        {{"--scene", file("73.frag"), "--layout", "0"},  file("73.frag"),   0,  0, 1280, 720, 0.0},
        {{"--scene", "79", "--time", "12.5", "--layout", "10", "--size", "640x360"}, "", 79, 10, 640, 360, 12.5},
        {{"--scene", file("mine.frag"), "--size", "1x" + std::to_string(kMaxPictureSide), "--time", "0"}, file("mine.frag"), 0, 0, 1, kMaxPictureSide, 0.0},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args[1]);
        const CommandLine parsed = parseCommandLine(c.args);
        EXPECT_EQ(parsed.mode, CommandLine::Mode::Scene);
        EXPECT_EQ(parsed.scene.file, c.file);
        EXPECT_EQ(parsed.scene.sceneId, c.sceneId);
        EXPECT_EQ(parsed.scene.layout, c.layout);
        EXPECT_EQ(parsed.scene.size, (lume::Vec2i{c.width, c.height}));
        EXPECT_DOUBLE_EQ(parsed.scene.time, c.time);
    }
}

TEST_F(AuthoringOptionsTest, ABadSceneCommandLineIsRefusedInOneLineNamingTheWord)
{
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const std::string tooWide = std::to_string(kMaxPictureSide + 1) + "x100";
    // clang-format off
    const Case cases[] = {
        {{"--scene"},                                         "--scene"},
        {{"--scene", "--layout", "2"},                        "--scene"},
        {{"--scene", file("missing.frag")},                   "missing.frag"},
        {{"--scene", "65"},                                   "65"},          // an engine text, not a scene
        {{"--scene", dir.string()},                           dir.string()},  // a folder
        {{"--scene", "73", "--layout", "11"},                 "11"},
        {{"--scene", "73", "--layout", "-1"},                 "-1"},
        {{"--scene", "73", "--layout", "two"},                "two"},
        {{"--scene", "73", "--layout"},                       "--layout"},
        {{"--scene", "73", "--size", "640"},                  "640"},
        {{"--scene", "73", "--size", "0x480"},                "0x480"},
        {{"--scene", "73", "--size", "640x480x2"},            "640x480x2"},
        {{"--scene", "73", "--size", tooWide},                tooWide},
        {{"--scene", "73", "--size", " 640x480"},             " 640x480"},
        {{"--scene", "73", "--time", "-1"},                   "-1"},
        {{"--scene", "73", "--time", "nan"},                  "nan"},
        {{"--scene", "73", "--time", "3s"},                   "3s"},
        {{"--scene", "73", "--fullscreen"},                   "--fullscreen"},
        {{"--scene", "73", "--layout", "1", "--layout", "2"}, "--layout"},
        {{"--scene", "73", "extra"},                          "extra"},
    };
    // clang-format on
    for (const Case &c : cases) {
        try {
            parseCommandLine(c.args);
            ADD_FAILURE() << "accepted " << c.args.back();
        } catch (const CommandLineError &error) {
            EXPECT_NE(error.message.find(c.named), std::string::npos) << error.message;
            EXPECT_EQ(error.message.find('\n'), std::string::npos) << error.message;
        }
    }
}
