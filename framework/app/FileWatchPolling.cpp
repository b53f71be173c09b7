// Portable: the file's status compared from one call to the next.
#include "framework/app/FileWatch.h"

namespace lume::app {

namespace {

class PollingFileWatch : public FileWatch {
  public:
    explicit PollingFileWatch(std::filesystem::path file) : mFile(std::move(file)), mSeen(status()) {}

    bool changed() override
    {
        const Status now = status();
        if (now == mSeen)
            return false;
        mSeen = now;
        return true;
    }

  private:
    struct Status {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified{};
        std::filesystem::perms permissions = std::filesystem::perms::none;
        bool operator==(const Status &) const = default;
    };

    Status status() const
    {
        std::error_code error;
        const std::filesystem::file_status st = std::filesystem::status(mFile, error);
        if (error || !std::filesystem::exists(st))
            return {};
        Status result{true, std::filesystem::file_size(mFile, error), std::filesystem::last_write_time(mFile, error),
                      st.permissions()};
        return error ? Status{} : result;
    }

    std::filesystem::path mFile;
    Status mSeen;
};

} // namespace

std::unique_ptr<FileWatch> makePollingFileWatch(const std::filesystem::path &file)
{
    return std::make_unique<PollingFileWatch>(file);
}

} // namespace lume::app
