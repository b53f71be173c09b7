#pragma once

#include <algorithm>
#include <cstdint>

namespace lume {

// A rectangle in window pixels or texture coordinates; corners are kept as given, because
// the drawing helpers rely on (x1, y1) and (x2, y2) staying where the caller put them.
struct Rectf {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const Rectf &) const = default;
};

// A rectangle of texels; each pair is kept in ascending order.
struct Area {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    Area() = default;
    Area(int32_t ax1, int32_t ay1, int32_t ax2, int32_t ay2)
        : x1(std::min(ax1, ax2)), y1(std::min(ay1, ay2)), x2(std::max(ax1, ax2)), y2(std::max(ay1, ay2))
    {
    }
    int32_t getWidth() const { return x2 - x1; }
    int32_t getHeight() const { return y2 - y1; }
    bool operator==(const Area &) const = default;
};

} // namespace lume
