#include "app/authoring/AuthoringOptions.h"

#include "app/CommandLineError.h"
#include "app/Playlist.h"
#include "app/ScenePass.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

namespace fraglume {

namespace {

constexpr int kLastLayout = 10;

// A whole decimal number and nothing else (no sign, no spaces), or nothing.
std::optional<int> wholeNumber(const std::string &text)
{
    int value = 0;
    const char *end = text.data() + text.size();
    if (text.empty() || text[0] == '+' || text[0] == '-')
        return std::nullopt;
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::optional<lume::Vec2i> parseSize(const std::string &text)
{
    const size_t x = text.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    const std::optional<int> w = wholeNumber(text.substr(0, x)), h = wholeNumber(text.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1 || *w > kMaxPictureSide || *h > kMaxPictureSide)
        return std::nullopt;
    return lume::Vec2i{*w, *h};
}

std::optional<double> parseSeconds(const std::string &text)
{
    double value = 0.0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value) || value < 0.0)
        return std::nullopt;
    return value;
}

} // namespace

std::string authoringUsageText()
{
    return "       fraglume --scene FILE|ID [--layout N] [--size WxH] [--time S]\n";
}

std::string authoringHelpText()
{
    const AuthoringOptions defaults;
    char time[32];
    std::snprintf(time, sizeof time, "%g", defaults.time);
    return "--scene plays one scene file in a window, rebuilt on every save (or a show scene by\n"
           "id); --layout picks the channel images (0-" +
           std::to_string(kLastLayout) +
           ", by default the show's layout for the\n"
           "scene's id), --size the window, --time the scene time to start at, in seconds.\n"
           "Defaults (--scene): --size " +
           std::to_string(defaults.size.x) + "x" + std::to_string(defaults.size.y) + " --time " + time + "\n";
}

AuthoringOptions parseAuthoringOptions(const std::vector<std::string> &args)
{
    if (args.empty() || args[0].empty() || args[0].rfind("--", 0) == 0)
        throw CommandLineError{"--scene needs a scene file or a show scene id"};
    AuthoringOptions options;
    const std::string &scene = args[0];
    // A show id names the embedded scene; a file of that name in the working folder would
    // have to be given as ./73.
    const std::optional<int> id = wholeNumber(scene);
    if (id && isShowSceneId(*id)) {
        options.sceneId = *id;
        options.layout = showLayoutOf(*id);
    } else {
        std::error_code error;
        if (!std::filesystem::is_regular_file(scene, error))
            throw CommandLineError{"no scene file '" + scene + "'"};
        if (!std::ifstream(scene, std::ios::binary))
            throw CommandLineError{"cannot read the scene file '" + scene + "'"};
        options.file = scene;
        // A copy of a show scene (73.frag) plays with the images that scene sees in the show.
        const std::optional<int> stemId = wholeNumber(std::filesystem::path(scene).stem().string());
        if (stemId && isShowSceneId(*stemId))
            options.layout = showLayoutOf(*stemId);
    }
    bool layoutGiven = false, sizeGiven = false, timeGiven = false;
    for (size_t i = 1; i < args.size(); i += 2) {
        const std::string &option = args[i];
        bool *given = option == "--layout" ? &layoutGiven
                      : option == "--size" ? &sizeGiven
                      : option == "--time" ? &timeGiven
                                           : nullptr;
        if (!given)
            throw CommandLineError{"unknown option '" + option + "' for --scene (try --help)"};
        if (*given)
            throw CommandLineError{"'" + option + "' given twice"};
        *given = true;
        if (i + 1 >= args.size())
            throw CommandLineError{"'" + option + "' needs a value"};
        const std::string &value = args[i + 1];
        if (option == "--layout") {
            const std::optional<int> layout = wholeNumber(value);
            if (!layout || *layout > kLastLayout)
                throw CommandLineError{"unknown layout '" + value + "' (layouts are 0 to 10)"};
            options.layout = *layout;
        } else if (option == "--size") {
            const std::optional<lume::Vec2i> size = parseSize(value);
            if (!size)
                throw CommandLineError{"bad size '" + value + "' (WxH, each side 1 to " +
                                       std::to_string(kMaxPictureSide) + ")"};
            options.size = *size;
        } else {
            const std::optional<double> time = parseSeconds(value);
            if (!time)
                throw CommandLineError{"bad time '" + value + "' (seconds, 0 or more)"};
            options.time = *time;
        }
    }
    return options;
}

} // namespace fraglume
