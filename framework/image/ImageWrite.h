#pragma once

#include "framework/image/ImageIo.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace lume {

// A file that could not be written: the text names the file and the cause.
class ImageIoExceptionFailedWrite : public ImageIoException {
  public:
    explicit ImageIoExceptionFailedWrite(std::string message) : mMessage(std::move(message)) {}
    const char *what() const noexcept override { return mMessage.c_str(); }

  private:
    std::string mMessage;
};

// 8-bit pixels to write, in the caller's memory. `top` is the first byte of the top row and
// `rowStride` the distance in bytes from one row to the next one down: negative for pixels
// read back from GL, whose rows run bottom-up. Orders: RGB, RGBA, and RGBX (written as RGB).
struct ImagePixels {
    const uint8_t *top = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    std::ptrdiff_t rowStride = 0;
    ImageIo::ChannelOrder order = ImageIo::ChannelOrder::RGB;
};

// Writes `pixels` as a PNG file. The file appears complete or not at all: the bytes go to a
// hidden file beside it that is renamed over `path` once written, so a failure leaves what was
// at `path` before. Throws ImageIoExceptionFailedWrite naming the file.
void writePng(const std::filesystem::path &path, const ImagePixels &pixels);

// The platform's PNG encoder (jpegpng/: libpng), writing `file` from scratch. Throws
// ImageIoExceptionFailedWrite with the cause.
void encodePngFile(const std::filesystem::path &file, const ImagePixels &pixels);

} // namespace lume
