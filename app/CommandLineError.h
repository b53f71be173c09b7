#pragma once

#include <string>

namespace fraglume {

// A command line the program refuses: a one-line message that names the offending word. Each
// mode's option parser throws it; the executable prints it and ends with
// kBadCommandLineStatus, having started nothing.
struct CommandLineError {
    std::string message;
};

constexpr int kBadCommandLineStatus = 2;

} // namespace fraglume
