// PNG files through libpng.
#include "framework/image/ImageWrite.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lume {

namespace {

// libpng reports a failure by calling this and expects it not to return: the message is
// kept for the exception, and the jump lands in encodePngFile's setjmp.
void onPngError(png_structp png, png_const_charp message)
{
    auto *text = static_cast<std::string *>(png_get_error_ptr(png));
    *text = message;
    png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

} // namespace

void encodePngFile(const std::filesystem::path &file, const ImagePixels &pixels)
{
    FILE *out = std::fopen(file.c_str(), "wb");
    if (!out)
        throw ImageIoExceptionFailedWrite(std::strerror(errno));
    std::string pngError;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &pngError, onPngError, onPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        std::fclose(out);
        throw ImageIoExceptionFailedWrite("libpng could not start");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(out);
        throw ImageIoExceptionFailedWrite(pngError.empty() ? "libpng failed" : pngError);
    }
    png_init_io(png, out);
    const bool alpha = pixels.order == ImageIo::ChannelOrder::RGBA;
    png_set_IHDR(png, info, png_uint_32(pixels.width), png_uint_32(pixels.height), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // RGBX rows carry a fourth byte per pixel that the file does not get.
    if (pixels.order == ImageIo::ChannelOrder::RGBX)
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int32_t y = 0; y < pixels.height; ++y)
        png_write_row(png, pixels.top + std::ptrdiff_t(y) * pixels.rowStride);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    // A full disk shows up only when the buffered bytes are flushed and the file is closed.
    const bool flushed = std::fflush(out) == 0 && !std::ferror(out);
    const int flushError = errno;
    if (std::fclose(out) != 0 || !flushed)
        throw ImageIoExceptionFailedWrite(std::strerror(flushed ? errno : flushError));
}

} // namespace lume
