#include "framework/image/ImageWrite.h"

#include <system_error>

namespace lume {

void writePng(const std::filesystem::path &path, const ImagePixels &pixels)
{
    using Order = ImageIo::ChannelOrder;
    const std::string name = path.string();
    if (!pixels.top || pixels.width <= 0 || pixels.height <= 0 ||
        !(pixels.order == Order::RGB || pixels.order == Order::RGBA || pixels.order == Order::RGBX))
        throw ImageIoExceptionFailedWrite("cannot write '" + name +
                                          "': no picture, or a pixel layout PNG files "
                                          "are not written in");
    const std::filesystem::path partial = path.parent_path() / ("." + path.filename().string() + ".partial");
    std::error_code ignored;
    try {
        encodePngFile(partial, pixels);
    } catch (const ImageIoExceptionFailedWrite &error) {
        std::filesystem::remove(partial, ignored);
        throw ImageIoExceptionFailedWrite("cannot write '" + name + "': " + error.what());
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::filesystem::remove(partial, ignored);
        throw ImageIoExceptionFailedWrite("cannot write '" + name + "': " + error.message());
    }
}

} // namespace lume
