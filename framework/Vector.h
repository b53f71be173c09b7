#pragma once

#include <cstdint>

namespace lume {

struct Vec2i {
    int32_t x = 0, y = 0;
    bool operator==(const Vec2i &) const = default;
};

struct Vec2f {
    float x = 0, y = 0;
    bool operator==(const Vec2f &) const = default;
};

struct Vec3f {
    float x = 0, y = 0, z = 0;
    bool operator==(const Vec3f &) const = default;
};

struct Vec4f {
    float x = 0, y = 0, z = 0, w = 0;
    bool operator==(const Vec4f &) const = default;
};

} // namespace lume
