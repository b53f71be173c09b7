// File change notification on Windows: polling. Not ReadDirectoryChangesW: nothing on Windows
// watches files yet (the authoring mode is built on Linux only).
#include "framework/app/FileWatch.h"

namespace lume::app {

std::unique_ptr<FileWatch> makeFileWatch(const std::filesystem::path &file)
{
    return makePollingFileWatch(file);
}

} // namespace lume::app
