// The executable's command line: without arguments the show, --help and --version alone, and
// anything else a one-line error that names what was wrong.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

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
        {{"--renderr"}, "--renderr"},
        {{"--render-to", "x.mp4"}, "--render-to"},
        {{"-x"}, "-x"},
        {{"show.mp4"}, "show.mp4"},
        {{"--help", "--version"}, "--version"},
        {{"--version", "extra"}, "extra"},
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
