#include "app/render/FrameWriter.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include <unistd.h>

namespace fraglume {

void checkOutputFolder(const std::string &folder)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        throw std::runtime_error("the output folder '" + folder + "' does not exist");
    // access() answers for the real user, as the writes will be made.
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        throw std::runtime_error("the output folder '" + folder + "' cannot be written");
}

} // namespace fraglume
