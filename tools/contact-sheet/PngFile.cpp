#include "tools/contact-sheet/PngFile.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace lume::tools {

void writePng(const std::string &path, const Picture &picture)
{
    std::unique_ptr<FILE, int (*)(FILE *)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file)
        throw std::runtime_error("cannot open " + path + " for writing");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("libpng could not start writing " + path);
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed while writing " + path);
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y)
        png_write_row(png, picture.rgb.data() + size_t(y) * size_t(picture.width) * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    // A full disk shows up only when the buffered bytes are flushed.
    if (std::fflush(file.get()) != 0 || std::ferror(file.get()))
        throw std::runtime_error("error writing " + path);
}

} // namespace lume::tools
