#include "app/render/Yuv420.h"

#include <cstddef>

namespace fraglume {

namespace {

// Fixed point with 16 fraction bits. Luma: 16 + 219/255 * (0.2126 R + 0.7152 G + 0.0722 B);
// Cb: 128 + 224/255 * (B - Y') / 1.8556; Cr: 128 + 224/255 * (R - Y') / 1.5748, with Y' the
// unscaled luma. Weights are rounded to the nearest step; sums fit in 32 bits (8-bit values
// times 4 for a block, times weights below 2^16).
constexpr int kShift = 16;
constexpr double kOne = 1 << kShift;

constexpr int fixed(double value)
{
    return int(value * kOne + (value < 0 ? -0.5 : 0.5));
}

constexpr double kLumaR = 0.2126, kLumaG = 0.7152, kLumaB = 0.0722;
constexpr double kY = 219.0 / 255.0, kCb = 224.0 / 255.0 / 1.8556, kCr = 224.0 / 255.0 / 1.5748;

constexpr int kYR = fixed(kY * kLumaR), kYG = fixed(kY * kLumaG), kYB = fixed(kY * kLumaB);
constexpr int kCbR = fixed(-kCb * kLumaR), kCbG = fixed(-kCb * kLumaG), kCbB = fixed(kCb * (1.0 - kLumaB));
constexpr int kCrR = fixed(kCr * (1.0 - kLumaR)), kCrG = fixed(-kCr * kLumaG), kCrB = fixed(-kCr * kLumaB);

// 16 plus the weighted sum, rounded.
inline uint8_t luma(const uint8_t *p)
{
    return uint8_t(((16 << kShift) + (1 << (kShift - 1)) + kYR * p[0] + kYG * p[1] + kYB * p[2]) >> kShift);
}

// 128 plus the weighted sum of four pixels' channels, divided by four and rounded.
inline uint8_t chroma(int wr, int wg, int wb, int r, int g, int b)
{
    return uint8_t(((128 << (kShift + 2)) + (1 << (kShift + 1)) + wr * r + wg * g + wb * b) >> (kShift + 2));
}

// The conversion itself, built twice below: for any x86-64 and for AVX2.
__attribute__((always_inline)) inline void convert(const uint8_t *rgba, int width, int height, uint8_t *planes)
{
    const size_t w = size_t(width), rowBytes = w * 4;
    uint8_t *yPlane = planes;
    uint8_t *cbPlane = planes + w * size_t(height);
    uint8_t *crPlane = cbPlane + w * size_t(height) / 4;
    for (int row = 0; row < height; row += 2) {
        // Top-down row `row` is GL's row height - 1 - row; the one below it comes before it.
        const uint8_t *upper = rgba + size_t(height - 1 - row) * rowBytes;
        const uint8_t *lower = upper - rowBytes;
        uint8_t *y0 = yPlane + size_t(row) * w;
        uint8_t *y1 = y0 + w;
        for (size_t x = 0; x < w; ++x) {
            y0[x] = luma(upper + 4 * x);
            y1[x] = luma(lower + 4 * x);
        }
        uint8_t *cb = cbPlane + size_t(row / 2) * (w / 2);
        uint8_t *cr = crPlane + size_t(row / 2) * (w / 2);
        for (size_t x = 0; x < w / 2; ++x) {
            const uint8_t *a = upper + 8 * x, *b = lower + 8 * x;
            const int r = a[0] + a[4] + b[0] + b[4];
            const int g = a[1] + a[5] + b[1] + b[5];
            const int bl = a[2] + a[6] + b[2] + b[6];
            cb[x] = chroma(kCbR, kCbG, kCbB, r, g, bl);
            cr[x] = chroma(kCrR, kCrG, kCrB, r, g, bl);
        }
    }
}

void convertPortable(const uint8_t *rgba, int width, int height, uint8_t *planes)
{
    convert(rgba, width, height, planes);
}

__attribute__((target("avx2"))) void convertAvx2(const uint8_t *rgba, int width, int height, uint8_t *planes)
{
    convert(rgba, width, height, planes);
}

} // namespace

// Runs for every frame on the render thread; the AVX2 build halves its time where the
// processor has AVX2. Chosen here rather than by an ifunc (target_clones), whose resolver
// runs before the sanitizers' runtimes are up and crashed the ThreadSanitizer build.
void rgbaToYuv420(const uint8_t *rgba, int width, int height, uint8_t *planes)
{
    static const bool avx2 = __builtin_cpu_supports("avx2");
    (avx2 ? convertAvx2 : convertPortable)(rgba, width, height, planes);
}

} // namespace fraglume
