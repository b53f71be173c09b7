#include "app/CommandLine.h"

namespace fraglume {

namespace {

constexpr const char *kVersion = "1.0.0";

} // namespace

CommandLine parseCommandLine(const std::vector<std::string> &args)
{
    CommandLine result;
    if (args.empty())
        return result;
    const std::string &first = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (first == "--scene") {
        result.mode = CommandLine::Mode::Scene;
        result.scene = parseAuthoringOptions(rest);
        return result;
    }
#if FRAGLUME_WITH_RENDER
    if (first == "--render") {
        result.mode = CommandLine::Mode::Render;
        result.render = parseRenderOptions(rest);
        return result;
    }
#endif
    // --help and --version stand alone: anything beside them is more likely a typo than a
    // request, and answering it silently would hide that.
    if (first == "--help" || first == "-h")
        result.mode = CommandLine::Mode::Help;
    else if (first == "--version")
        result.mode = CommandLine::Mode::Version;
    else if (first.rfind("-", 0) == 0)
        throw CommandLineError{"unknown option '" + first + "' (try --help)"};
    else
        throw CommandLineError{"unexpected argument '" + first + "' (try --help)"};
    if (args.size() > 1)
        throw CommandLineError{"'" + first + "' takes no further arguments, got '" + args[1] + "'"};
    return result;
}

std::string usageText()
{
    std::string text = "Usage: fraglume [--help | --version]\n";
    text += authoringUsageText();
#if FRAGLUME_WITH_RENDER
    text += renderUsageText();
#endif
    text += "\n"
            "Without arguments, switches the primary display to 1920x1080 (else 1280x768, else\n"
            "640x480), covers it with a borderless window and plays the show. Escape, closing the\n"
            "window, Ctrl-C or SIGTERM end it early; the desktop mode is put back however it ends.\n"
            "\n"
            "  --help     print this text and end\n"
            "  --version  print the player's version and end\n";
    text += "\n" + authoringHelpText();
#if !FRAGLUME_WITH_RENDER
    // The Windows build: authoring and the offline renderer stand on Linux libraries (inotify,
    // SDL2, FFmpeg) for now.
    text += "\n"
            "--scene and --render are in the Linux build only; this build plays the show.\n";
#endif
#if FRAGLUME_WITH_RENDER
    text += "\n" + renderHelpText();
#endif
    return text;
}

std::string versionText()
{
    return std::string("fraglume ") + kVersion + "\n";
}

} // namespace fraglume
