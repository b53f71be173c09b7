#pragma once

#include "tools/contact-sheet/BitmapFont.h"

#include <string>

namespace lume::tools {

// Writes an RGB8 PNG. Throws std::runtime_error with the path when the file cannot be
// written, so a sheet is never reported as made when it was not.
void writePng(const std::string &path, const Picture &picture);

} // namespace lume::tools
