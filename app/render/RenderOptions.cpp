#include "app/render/RenderOptions.h"

#include "app/CommandLineError.h"
#include "app/ScenePass.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <set>

namespace fraglume {

namespace {

constexpr int kMaxFps = 240;

[[noreturn]] void fail(const std::string &message)
{
    throw CommandLineError{message};
}

template <typename T>
bool parseNumber(const std::string &text, T &value)
{
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

int parseInt(const std::string &option, const std::string &text, int low, int high)
{
    int value = 0;
    if (!parseNumber(text, value) || value < low || value > high)
        fail(option + " '" + text + "': expected a whole number from " + std::to_string(low) + " to " +
             std::to_string(high));
    return value;
}

double parseSeconds(const std::string &option, const std::string &text)
{
    double value = 0.0;
    if (!parseNumber(text, value) || !std::isfinite(value) || value < 0.0)
        fail(option + " '" + text + "': expected seconds of the show, 0 or more");
    return value;
}

void parseSize(const std::string &text, RenderOptions &options)
{
    const size_t x = text.find('x');
    int w = 0, h = 0;
    if (x == std::string::npos || !parseNumber(text.substr(0, x), w) || !parseNumber(text.substr(x + 1), h) || w < 1 ||
        h < 1 || w > kMaxPictureSide || h > kMaxPictureSide)
        fail("--size '" + text + "': expected WIDTHxHEIGHT, each from 1 to " + std::to_string(kMaxPictureSide));
    options.width = w;
    options.height = h;
}

long long parseDate(const std::string &text)
{
    using namespace std::chrono;
    // YYYY-MM-DDTHH:MM:SS, every field its full width, in UTC.
    static const char kPattern[] = "dddd-dd-ddTdd:dd:dd";
    bool shaped = text.size() == sizeof(kPattern) - 1;
    for (size_t i = 0; shaped && i < text.size(); ++i)
        shaped = kPattern[i] == 'd' ? std::isdigit(static_cast<unsigned char>(text[i])) != 0 : text[i] == kPattern[i];
    if (shaped) {
        auto field = [&](size_t at, size_t width) { return std::stoi(text.substr(at, width)); };
        const year_month_day day{year{field(0, 4)}, month{unsigned(field(5, 2))},
                                 std::chrono::day{unsigned(field(8, 2))}};
        const int hour = field(11, 2), minute = field(14, 2), second = field(17, 2);
        if (day.ok() && hour < 24 && minute < 60 && second < 60)
            return (sys_days{day}.time_since_epoch() + hours{hour} + minutes{minute} + seconds{second}) / 1s;
    }
    fail("--date '" + text + "': expected a UTC date and time as YYYY-MM-DDTHH:MM:SS");
}

// The inverse of parseDate.
std::string formatDate(long long seconds)
{
    using namespace std::chrono;
    const sys_seconds time{std::chrono::seconds{seconds}};
    const sys_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss clock{time - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), int(clock.hours().count()), int(clock.minutes().count()),
                  int(clock.seconds().count()));
    return text;
}

bool hasVideoExtension(const std::string &path)
{
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return false;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext == "mp4" || ext == "mkv";
}

} // namespace

RenderOptions parseRenderOptions(const std::vector<std::string> &args)
{
    RenderOptions options;
    std::set<std::string> seen;
    bool crfGiven = false;
    size_t i = 0;
    if (i < args.size() && args[i].rfind("-", 0) != 0)
        options.output = args[i++];
    for (; i < args.size(); ++i) {
        const std::string &option = args[i];
        static const std::set<std::string> kOptions = {"--size", "--fps", "--from",  "--to",
                                                       "--date", "--crf", "--frames"};
        if (!kOptions.count(option)) {
            if (option.rfind("-", 0) == 0)
                fail("unknown render option '" + option + "' (try --help)");
            fail("unexpected argument '" + option + "': the output comes right after --render");
        }
        if (!seen.insert(option).second)
            fail(option + " is given twice");
        if (i + 1 >= args.size())
            fail(option + " needs a value");
        const std::string &value = args[++i];
        if (option == "--size")
            parseSize(value, options);
        else if (option == "--fps")
            options.fps = parseInt(option, value, 1, kMaxFps);
        else if (option == "--from")
            options.from = parseSeconds(option, value);
        else if (option == "--to")
            options.to = parseSeconds(option, value);
        else if (option == "--date")
            options.date = parseDate(value);
        else if (option == "--crf")
            options.crf = parseInt(option, value, 0, 51), crfGiven = true;
        else if (option == "--frames")
            options.framesDir = value;
    }

    if (!options.framesDir.empty() && !options.output.empty())
        fail("--frames writes PNG files instead of a video: give either '" + options.output + "' or --frames");
    if (options.framesDir.empty() && options.output.empty())
        fail("--render needs an output file (show.mp4, show.mkv) or --frames DIR");
    if (!options.output.empty() && !hasVideoExtension(options.output))
        fail("output '" + options.output + "': the name must end in .mp4 or .mkv");
    if (crfGiven && !options.framesDir.empty())
        fail("--crf sets the video quality and means nothing with --frames");
    // H.264 in 4:2:0 halves both sides for colour, so a video needs even ones.
    if (options.framesDir.empty() && (options.width % 2 || options.height % 2))
        fail("--size " + std::to_string(options.width) + "x" + std::to_string(options.height) +
             ": a video needs an even width and height");
    if (options.to && *options.to <= options.from)
        fail("--to must be later than --from");
    return options;
}

std::string renderHelpText()
{
    const RenderOptions defaults;
    return "--render writes the show (or the range --from to --to, in seconds) without a window:\n"
           "OUT is an H.264 video with the soundtrack (.mp4, or Matroska for .mkv; --crf 0-51\n"
           "sets the quality), --frames DIR a numbered PNG sequence instead; --date sets iDate.\n"
           "Defaults (--render): --size " +
           std::to_string(defaults.width) + "x" + std::to_string(defaults.height) + " --fps " +
           std::to_string(defaults.fps) + " --crf " + std::to_string(defaults.crf) + " --date " +
           formatDate(defaults.date) + "\n";
}

std::string renderUsageText()
{
    return "       fraglume --render OUT [--size WxH] [--fps N] [--from S] [--to S]\n"
           "                [--date YYYY-MM-DDTHH:MM:SS] [--crf N]\n"
           "       fraglume --render --frames DIR [--size WxH] [--fps N] [--from S] [--to S] [--date ...]\n";
}

} // namespace fraglume
