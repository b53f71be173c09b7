#pragma once

#include "app/CommandLineError.h"
#include "app/authoring/AuthoringOptions.h"
#include "app/render/RenderOptions.h"

#include <string>
#include <vector>

namespace fraglume {

// What the executable was asked to do. Without arguments it plays the show exactly as it
// always has; the other modes answer on the console and end.
struct CommandLine {
    enum class Mode { Show, Help, Version, Scene, Render };
    Mode mode = Mode::Show;
    AuthoringOptions scene; // Mode::Scene: what to author
    RenderOptions render;   // Mode::Render: the video or PNG sequence to write
};

// Reads the arguments after the program name: the first word picks the mode, whose own parser
// reads the rest. A bad command line throws CommandLineError with a one-line message that
// names the option; the caller prints it and ends with kBadCommandLineStatus, having started
// nothing.
CommandLine parseCommandLine(const std::vector<std::string> &args);

// The texts --help and --version print (each ends with a newline). Each mode adds its own
// usage lines and its paragraph, with its defaults taken from its options' own values.
std::string usageText();
std::string versionText();

} // namespace fraglume
