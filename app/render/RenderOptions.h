#pragma once

#include <optional>
#include <string>
#include <vector>

namespace fraglume {

// What `fraglume --render` was asked for. Times are seconds of the show; the range is
// [from, to), and a missing `to` means the end of the show.
struct RenderOptions {
    std::string output;    // the video file (.mp4 or .mkv); empty when framesDir is set
    std::string framesDir; // a folder for a numbered PNG sequence instead of a video
    int width = 1920;
    int height = 1080;
    int fps = 60;
    double from = 0.0;
    std::optional<double> to;
    // "iDate" for every frame, seconds since the epoch (UTC). Fixed by default so that two
    // renders of the same range give the same frames.
    long long date = 946684800; // 2000-01-01T00:00:00
    int crf = 16;
};

// Reads the arguments after "--render". Throws CommandLineError (app/CommandLineError.h) with a
// one-line message naming the option when an option is unknown, repeated, missing its value
// or given a bad one. Only the words are checked here; whether the output can be written is
// the render's business.
RenderOptions parseRenderOptions(const std::vector<std::string> &args);

// The usage lines of the render command and its paragraph, for the executable's --help; the
// paragraph ends with a line "Defaults (--render): ..." of the options' own default values.
std::string renderUsageText();
std::string renderHelpText();

} // namespace fraglume
