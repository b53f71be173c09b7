#pragma once
// Shared pieces of the player's benchmarks: the show's images, timing and medians.

#include "app/ImageSlots.h"
#include "app/Playlist.h"
#include "app/ScenePass.h"

#include <glad/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <vector>

namespace lume::bench {

inline double nowSeconds()
{
    static const auto sStart = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - sStart).count();
}

// The show's image slots as the player fills them; a slot that does not load stays empty.
inline fraglume::ImageSlots loadShowImages()
{
    fraglume::ImageSlots slots;
    for (int slot = 0; slot < fraglume::kImageSlotCount; ++slot) {
        try {
            slots[size_t(slot)] = fraglume::loadImageSlot(slot);
        } catch (const std::exception &exc) {
            std::fprintf(stderr, "image slot %d: %s\n", slot, exc.what());
        }
    }
    glFinish();
    return slots;
}

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Seconds `frame` takes, GPU work included.
template <typename F>
double timeFrame(F &&frame)
{
    const double start = nowSeconds();
    frame();
    glFinish();
    return nowSeconds() - start;
}

} // namespace lume::bench
