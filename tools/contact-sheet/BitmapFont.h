#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace lume::tools {

// An RGB8 picture, rows top-down, as the sheet is assembled and written.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb; // width * height * 3

    Picture() = default;
    Picture(int w, int h, uint8_t grey = 0) : width(w), height(h), rgb(size_t(w) * size_t(h) * 3, grey) {}
    uint8_t *at(int x, int y) { return &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3]; }
};

// Draws `text` with a 5x7 pixel font, each font pixel a `scale` x `scale` block, the top-left
// corner of the first glyph at (x, y). Lower case is drawn as upper case; characters the font
// lacks are drawn as a hollow box so a caption never silently loses information. Clipped to
// the picture.
void drawText(Picture &picture, int x, int y, std::string_view text, int scale, const uint8_t colour[3]);

// Width in pixels of `text` drawn at `scale` (6 font pixels per character, the last one
// without its gap).
int textWidth(std::string_view text, int scale);

} // namespace lume::tools
