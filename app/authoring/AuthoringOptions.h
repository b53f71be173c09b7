#pragma once

#include "framework/Vector.h"

#include <string>
#include <vector>

namespace fraglume {

// What `fraglume --scene` plays: a scene file (watched and rebuilt on each save) or one of
// the show's embedded scenes, with a channel layout, a window size and a start time.
struct AuthoringOptions {
    // The scene file; empty when an embedded scene plays.
    std::string file;
    // The embedded scene's FRAG id; 0 when a file plays.
    int sceneId = 0;
    // Channel layout 0 to 10: --layout, else the layout the show plays the scene with when the
    // file's name (or the id) is one of the show's scene ids, else 0.
    int layout = 0;
    lume::Vec2i size{1280, 720};
    // Scene time at the start, seconds.
    double time = 0.0;
};

// Reads the words after `--scene`. Throws CommandLineError (app/CommandLineError.h: one line,
// naming the word) for a
// missing or unreadable scene, an unknown option, a layout outside 0 to 10, a size that is
// not WxH with both sides from 1 to kMaxPictureSide, or a time that is not a number of seconds >= 0.
AuthoringOptions parseAuthoringOptions(const std::vector<std::string> &args);

// The mode's usage line and its paragraph for the executable's --help; the paragraph ends
// with a line "Defaults (--scene): ..." of the options' own default values.
std::string authoringUsageText();
std::string authoringHelpText();

} // namespace fraglume
