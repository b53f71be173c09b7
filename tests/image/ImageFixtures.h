#pragma once

// Small images made on the fly with libpng and libjpeg, so each test shows the exact bytes it
// decodes, plus the CPU image target the tests load into.

#include "framework/image/ImageIo.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lume::test {

using Bytes = std::vector<uint8_t>;

struct PngSpec {
    int width = 0;
    int height = 0;
    int bitDepth = 8;
    int colorType = 0; // PNG_COLOR_TYPE_*
    bool interlaced = false;
    // Rows in the file's own packing (big-endian 16-bit, packed sub-byte samples).
    std::vector<Bytes> rows;
    std::vector<uint8_t> palette;      // r, g, b triples for palette images
    std::vector<uint8_t> paletteAlpha; // tRNS for palette images
    std::optional<uint16_t> transparentGray;
    std::optional<std::array<uint16_t, 3>> transparentRgb;
};

Bytes encodePng(const PngSpec &spec);

enum class JpegKind { Color, Gray, Cmyk };

// `pixels` holds width x height x components bytes (3 RGB, 1 grey, 4 CMYK), top row first.
Bytes encodeJpeg(int width, int height, JpegKind kind, const Bytes &pixels, bool progressive = false);

// Rewrites the width and height in a PNG's header chunk and fixes its checksum, for files
// that claim sizes no encoder would write.
Bytes withPngSize(Bytes png, uint32_t width, uint32_t height);

DataSourceRef sourceOf(const Bytes &bytes, const std::string &hint = "");

// Holds decoded rows in any layout; counts the finalize calls.
class CpuTarget : public ImageTarget {
  public:
    CpuTarget(int32_t width, int32_t height, ChannelOrder order, DataType type, ColorModel model);

    void *getRowPointer(int32_t row) override;
    void finalize() override { ++mFinalized; }
    // Leaves the memory as it is but states no size, like targets that do not know theirs.
    void clearSize() { setSize(0, 0); }

    // Component `c` of pixel (x, y) as stored (integers exactly, floats as they are).
    double component(int32_t x, int32_t y, int c) const;

    // Targets with an unknown order (for the refusal tests) get room for four components.
    static size_t knownComponents(ChannelOrder order);

    Bytes mData;
    size_t mRowBytes;
    int mFinalized = 0;
};

} // namespace lume::test
