#pragma once
// What the player puts on a private X server's screen, as RGB pixels.

#include <string>
#include <vector>

namespace lume::test {

struct Screenshot {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;

    // Share of the pixels in rows [y0, y1) (from the top) brighter than near-black.
    double litShare(int y0, int y1) const;
    double litShare() const { return litShare(0, height); }
    // Mean absolute difference per channel (0 to 255) against a shot of the same size.
    double differenceTo(const Screenshot &other) const;
};

// The root window of `display`; empty on failure.
Screenshot takeScreenshot(const std::string &display);

} // namespace lume::test
