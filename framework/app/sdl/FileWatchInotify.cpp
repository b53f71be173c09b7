// Linux: inotify on the file's folder, so that a save by rename (a new inode under the old
// name) is seen as well as a write in place.
#include "framework/app/FileWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <string>

namespace lume::app {

namespace {

class InotifyFileWatch : public FileWatch {
  public:
    InotifyFileWatch(int fd, std::string name) : mFd(fd), mName(std::move(name)) {}
    ~InotifyFileWatch() override { ::close(mFd); }

    bool changed() override
    {
        bool seen = false;
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(mFd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                // The queue overflowed: events were lost, so anything may have happened.
                if (event->mask & IN_Q_OVERFLOW)
                    seen = true;
                else if (event->len > 0 && mName == event->name)
                    seen = true;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return seen;
    }

  private:
    int mFd;
    std::string mName;
};

} // namespace

std::unique_ptr<FileWatch> makeFileWatch(const std::filesystem::path &file)
{
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return makePollingFileWatch(file);
    std::filesystem::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    // Not IN_CREATE or IN_MODIFY: a file being written is read once its writer closes it.
    const uint32_t mask = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE | IN_ATTRIB;
    if (::inotify_add_watch(fd, folder.c_str(), mask) < 0) {
        ::close(fd);
        return makePollingFileWatch(file);
    }
    return std::make_unique<InotifyFileWatch>(fd, file.filename().string());
}

} // namespace lume::app
