// The executable's command line: without arguments the show, --help and --version alone, and
// anything else a one-line error that names what was wrong.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using fraglume::CommandLine;
using fraglume::CommandLineError;
using fraglume::parseCommandLine;

TEST(CommandLine, NoArgumentsPlayTheShowAndHelpOrVersionStandAlone)
{
    struct Case {
        std::vector<std::string> args;
        CommandLine::Mode mode;
    };
    const Case cases[] = {
        {{}, CommandLine::Mode::Show},
        {{"--help"}, CommandLine::Mode::Help},
        {{"-h"}, CommandLine::Mode::Help},
        {{"--version"}, CommandLine::Mode::Version},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parseCommandLine(c.args).mode, c.mode) << (c.args.empty() ? "" : c.args[0]);
}

TEST(CommandLine, ABadCommandLineIsRefusedWithTheOffendingWordInTheMessage)
{
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const Case cases[] = {
        {{"--renderr"}, "--renderr"}, {{"--render-to", "x.mp4"}, "--render-to"}, {{"-x"}, "-x"},
        {{"show.mp4"}, "show.mp4"},   {{"--help", "--version"}, "--version"},    {{"--version", "extra"}, "extra"},
    };
    for (const Case &c : cases) {
        try {
            parseCommandLine(c.args);
            ADD_FAILURE() << "accepted " << c.args[0];
        } catch (const CommandLineError &error) {
            EXPECT_NE(error.message.find(c.named), std::string::npos) << error.message;
            EXPECT_EQ(error.message.find('\n'), std::string::npos) << error.message;
        }
    }
}

namespace {

// The option-value pairs of the help's "Defaults (<mode>):" line.
std::vector<std::string> helpDefaults(const std::string &mode)
{
    const std::string help = fraglume::usageText();
    const std::string label = "Defaults (" + mode + "):";
    const size_t at = help.find(label);
    if (at == std::string::npos)
        return {};
    std::istringstream line(help.substr(at + label.size(), help.find('\n', at) - at - label.size()));
    std::vector<std::string> words;
    for (std::string word; line >> word;)
        words.push_back(word);
    return words;
}

} // namespace

// The help states each mode's defaults as its options hold them: read back through the mode's
// own parser, the values the help names are the defaults.
TEST(CommandLine, HelpStatesTheDefaultsTheOptionsReallyHave)
{
    std::vector<std::string> scene = helpDefaults("--scene");
    ASSERT_EQ(scene.size(), 4u) << fraglume::usageText();
    scene.insert(scene.begin(), {"--scene", "64"});
    const fraglume::AuthoringOptions authoring = parseCommandLine(scene).scene, authoringDefaults;
    EXPECT_EQ(authoring.size, authoringDefaults.size);
    EXPECT_EQ(authoring.time, authoringDefaults.time);
#if FRAGLUME_WITH_RENDER
    std::vector<std::string> render = helpDefaults("--render");
    ASSERT_EQ(render.size(), 8u) << fraglume::usageText();
    render.insert(render.begin(), {"--render", "show.mp4"});
    const fraglume::RenderOptions video = parseCommandLine(render).render, renderDefaults;
    EXPECT_EQ(video.width, renderDefaults.width);
    EXPECT_EQ(video.height, renderDefaults.height);
    EXPECT_EQ(video.fps, renderDefaults.fps);
    EXPECT_EQ(video.crf, renderDefaults.crf);
    EXPECT_EQ(video.date, renderDefaults.date);
#endif
}
