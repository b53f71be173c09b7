#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

namespace lume::gl {
class GlslProg;
}

namespace fraglume {

// The scene id a job carries when it names no embedded scene (a dropped file): the loader
// reports it as a failed build and the file itself is never read.
constexpr int kNoSceneId = -1;

// One scene on its way from the render thread to the loader and back. Copies share the
// program.
struct LoadJob {
    int sceneId = kNoSceneId;
    std::wstring name;
    std::shared_ptr<lume::gl::GlslProg> program;
    // Playlist position the scene was queued for (0: none). Lets the frame update keep each
    // scene on its own timing entry when an earlier scene failed to build.
    int position = 0;
};

// Bounded blocking FIFO of jobs between the two threads. The ring's slots are allocated once;
// taking a job moves it out and empties its slot, so the taker holds the only reference to
// the job's program: a program lives exactly as long as its scene needs it, and it is
// released on the taker's thread, never by a later push on the other one.
class JobQueue {
  public:
    static constexpr int kCapacity = 100;

    JobQueue() = default;
    JobQueue(const JobQueue &) = delete;
    JobQueue &operator=(const JobQueue &) = delete;

    // Waits while the ring is full.
    void push(const LoadJob &job);
    // Like push, but gives up after the timeout when the ring stays full; false then, and
    // nothing was stored. Lets the loader look at its stop flag while it waits.
    bool pushFor(const LoadJob &job, std::chrono::milliseconds timeout);
    // Waits while the ring is empty. The slot keeps nothing of the job.
    void pop(LoadJob &job);

    bool hasJobs() const;
    bool hasRoom() const;

  private:
    void store(const LoadJob &job);

    std::array<LoadJob, kCapacity> mSlots;
    int mFirstUnread = 0;
    int mUnread = 0;
    mutable std::mutex mMutex;
    std::condition_variable mNotEmpty;
    std::condition_variable mNotFull;
};

} // namespace fraglume
