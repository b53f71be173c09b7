#pragma once

namespace lume {

struct ColorA {
    float r = 0, g = 0, b = 0, a = 1;
    bool operator==(const ColorA &) const = default;
};

} // namespace lume
