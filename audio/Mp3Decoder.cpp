#include "audio/Mp3Decoder.h"

#include <filesystem>

namespace lume::audio {

Result Mp3Decoder::open(const std::string &path)
{
    close();

    // Check the kind of file first: a decoding library may open a directory without complaint
    // and only fail on the first read, which would make it look like a format problem.
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return Result::FileNotFound;
    if (ec || status.type() != std::filesystem::file_type::regular)
        return Result::FileBad;

    return openFile(path);
}

} // namespace lume::audio
