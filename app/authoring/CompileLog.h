#pragma once

#include <string>

namespace fraglume {

// The number of lines a text adds in front of the text joined behind it: its line breaks
// (the uniform header ends with one, so the scene's line 1 is the header's count + 1).
int countLines(const std::string &text);

// Rewrites a compiler or linker message about the joined fragment text (the uniform header
// followed by the scene) so that every line naming a source line points at `file`'s own
// line: "0:28(5): error: x" becomes "FILE:12: error: x" for a header of 16 lines. The forms
// GL drivers use ("0:28(5): ", "0(28) : ", "ERROR: 0:28: ") are understood; a line in the
// header itself is named as the header's; a stage prefix ("FRAGMENT: ") and lines without a
// position are kept as they are, each after "FILE: ". Ends every line with a newline; empty
// lines are dropped.
std::string authorMessages(const std::string &log, const std::string &file, int headerLines);

} // namespace fraglume
