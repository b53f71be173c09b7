#pragma once

#include <filesystem>
#include <memory>

namespace lume::app {

// Tells whether a file may have changed: written and closed, replaced by a rename (the way
// many editors save), removed, or its permissions changed. The file need not exist. The
// caller reads the file to see what really happened; a watch may say "changed" once too
// often, never once too few.
class FileWatch {
  public:
    virtual ~FileWatch() = default;
    // True when the file may have changed since the previous call (or since the watch was
    // made). Never waits.
    virtual bool changed() = 0;
};

// The platform's change notification on the file's folder (Linux: inotify), else polling.
// Defined by the backend.
std::unique_ptr<FileWatch> makeFileWatch(const std::filesystem::path &file);

// Compares the file's status (existence, inode, size, modification time, permissions) with
// the one seen at the previous call.
std::unique_ptr<FileWatch> makePollingFileWatch(const std::filesystem::path &file);

} // namespace lume::app
