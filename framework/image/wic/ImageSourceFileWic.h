#pragma once

#include "framework/image/ImageIo.h"

#include <cstdint>
#include <memory>

namespace lume {

// The built-in decoder on Windows: whatever the Windows Imaging Component decodes (the show
// uses JPEG and PNG), from the data source's bytes in memory or from its file. It decodes
// everything in its constructor into one tightly packed array (top row first) and keeps
// nothing else. Layouts delivered, by the pixel format WIC reports:
//   24bppBGR       BGR  8-bit     24bppRGB        RGB  8-bit
//   32bppBGR       BGRX 8-bit     32bppBGRA       BGRA 8-bit     32bppPBGRA  BGRA 8-bit, premultiplied
//   48bppRGB       RGB  16-bit    64bppRGBA       RGBA 16-bit    64bppPRGBA  RGBA 16-bit, premultiplied
//   128bppRGBFloat RGB  float     8bppGray        Y    8-bit     16bppGray   Y 16-bit
//   32bppGrayFloat Y    float
//   indexed (1/2/4/8 bpp), 16bppBGR555/565: converted by WIC to 24bppRGB, or to 32bppRGBA
//   when the palette holds transparent entries (RGB/RGBA 8-bit)
//   BlackWhite, 2bppGray, 4bppGray: converted by WIC to 8bppGray (Y 8-bit)
// so a file gives the same layout as on Linux. Any other format (CMYK, 128bppRGBAFloat, ...),
// corrupt data, a zero or oversized image, or a frame the file does not have throws
// ImageIoExceptionFailedLoad.
class ImageSourceFileWic : public ImageSource {
  public:
    // Largest image accepted: 16384 x 16384 pixels and 1 GiB of decoded pixels.
    static const uint64_t kMaxPixels;
    static const uint64_t kMaxBytes;

    static ImageSourceRef createRef(const DataSourceRef &dataSource, Options options = Options());

    ImageSourceFileWic(const DataSourceRef &dataSource, Options options = Options());

    void load(const ImageTargetRef &target) override;

    const uint8_t *getData() const { return mData.get(); }
    int32_t getRowBytes() const { return mRowBytes; }

  private:
    std::shared_ptr<uint8_t[]> mData;
    int32_t mRowBytes = 0; // width x components x component size, no padding
};

} // namespace lume
