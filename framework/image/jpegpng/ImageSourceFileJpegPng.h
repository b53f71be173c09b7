#pragma once

#include "framework/image/ImageIo.h"

#include <cstdint>
#include <memory>

namespace lume {

// The built-in decoder: JPEG through libjpeg(-turbo), PNG through libpng, read from the data
// source's bytes in memory. It decodes everything in its constructor into one tightly packed
// array (top row first) and keeps nothing else. Layouts delivered:
//   colour JPEG                     BGR  8-bit     grey JPEG             Y 8-bit
//   RGB PNG 8 (no tRNS)             BGR  8-bit     RGB PNG 16            RGB 16-bit
//   RGBA PNG 8, RGB PNG 8 + tRNS    BGRA 8-bit     RGBA PNG 16, RGB+tRNS RGBA 16-bit
//   grey+alpha PNG 8, grey 8 + tRNS BGRA 8-bit     grey+alpha PNG 16     RGBA 16-bit
//   grey PNG 1/2/4/8                Y    8-bit     grey PNG 16           Y 16-bit
//   palette PNG                     RGB  8-bit     palette PNG + tRNS    RGBA 8-bit
// 16-bit components are in the machine's byte order. Anything else (CMYK JPEG, corrupt or
// truncated data, a zero or oversized image, a frame index other than 0) throws
// ImageIoExceptionFailedLoad.
class ImageSourceFileJpegPng : public ImageSource {
  public:
    // Largest image accepted: 16384 x 16384 pixels and 1 GiB of decoded pixels. A build may
    // lower them (the fuzzer does) through LUME_IMAGE_MAX_PIXELS / LUME_IMAGE_MAX_BYTES.
    static const uint64_t kMaxPixels;
    static const uint64_t kMaxBytes;

    static ImageSourceRef createRef(const DataSourceRef &dataSource, Options options = Options());

    ImageSourceFileJpegPng(const DataSourceRef &dataSource, Options options = Options());

    void load(const ImageTargetRef &target) override;

    const uint8_t *getData() const { return mData.get(); }
    int32_t getRowBytes() const { return mRowBytes; }

  private:
    std::shared_ptr<uint8_t[]> mData;
    int32_t mRowBytes = 0; // width x components x component size, no padding
};

} // namespace lume
