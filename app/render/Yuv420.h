#pragma once

#include <cstdint>

namespace fraglume {

// Converts a frame as GL reads it (RGBA8, rows bottom-up) into yuv420p planes, one after the
// other in `planes` (width * height * 3 / 2 bytes): luma, then Cb, then Cr, rows top-down.
// BT.709 on the gamma-encoded values, limited range (luma 16-235, chroma 16-240), each
// chroma sample the mean of its 2x2 block, which is what the video stream is tagged with.
// Width and height are even.
void rgbaToYuv420(const uint8_t *rgba, int width, int height, uint8_t *planes);

} // namespace fraglume
