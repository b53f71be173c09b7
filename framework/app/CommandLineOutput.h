#pragma once

#include <string>

namespace lume::app {

// Where a program's answers to its command line go (help, version, the refusal of a bad
// option) before any application exists. Each backend defines both functions (in its
// Platform file); neither creates the platform.
//
// Call first thing in main, before anything is written. A windowed program on Windows has no
// console of its own: when it was started from one (cmd.exe, PowerShell), its standard output
// and error are pointed at that console, so what it writes there (these functions, and the
// console stream's lines) appears where the command was typed. Streams the starter redirected
// (a file, a pipe) stay as they are. Elsewhere the streams already go where the program was
// started: nothing to do.
void attachStartingConsole();

// The answer to --help or --version, on standard output.
void printCommandLineAnswer(const std::string &text);

// One line refusing the command line (no newline needed): on standard error; where standard
// error reaches nobody (a windowed program started from a shortcut or Explorer), in a message
// box, so the run never ends without a word.
void showCommandLineRefusal(const std::string &line);

} // namespace lume::app
