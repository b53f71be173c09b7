#pragma once

#include "app/JobQueue.h"
#include "app/ScenePass.h"
#include "framework/app/Console.h"

#include <atomic>

namespace fraglume {

// The loader's work, apart from the thread and context that run it: takes scene jobs in queue
// order, builds each, and hands the built ones to the ready queue. Jobs are counted from the
// moment they are submitted until they have been handed over or dropped, so the render
// thread can tell when nothing more will arrive.
class SceneLoader {
  public:
    SceneLoader(JobQueue &loadQueue, JobQueue &readyQueue, lume::app::Console &console);

    // Render thread: queue a job for the loader (waits if the queue is full).
    void submit(const LoadJob &job);
    // Render thread: queue a job only if there is room; false if there was none.
    bool trySubmit(const LoadJob &job);

    // The image slots the scenes will sample, for the warm-up draw (which uses stand-ins of
    // the loader's own made from them). The loader waits for `ready` before a warm-up: the
    // render thread fills the slots during start-up, possibly after the first build.
    void setImages(const ImageSlots *images, const std::atomic<bool> *ready);
    // The warm-up draw is on by default; benchmarks turn it off to measure what it saves.
    void setWarmUp(bool enabled) { mWarmUp = enabled; }

    // Loader thread: until `stop` is set, take jobs (sleeping 10 ms while there are none)
    // and build them. The stop flag is looked at between jobs and while a built job waits
    // for room in the ready queue.
    void run(const std::atomic<bool> &stop);
    // Loader thread: build one job and push it onto the ready queue; on any failure write
    // "Failed to compile the shader: " and the reason to the console and drop the job.
    void buildSceneProgram(LoadJob job, const std::atomic<bool> &stop);

    // Jobs submitted and not yet handed over or dropped.
    int pending() const { return mPending.load(std::memory_order_acquire); }
    // Set when run() has returned or the loader never ran: nothing more will be built.
    void markFinished() { mFinished.store(true, std::memory_order_release); }
    bool finished() const { return mFinished.load(std::memory_order_acquire); }

  private:
    // The stand-ins, made in the loader's context on first use; null while there are none.
    const ImageSlots *warmUpImages(const std::atomic<bool> &stop);
    void done() { mPending.fetch_sub(1, std::memory_order_acq_rel); }

    JobQueue &mLoadQueue;
    JobQueue &mReadyQueue;
    lume::app::Console &mConsole;
    const ImageSlots *mImages = nullptr;
    const std::atomic<bool> *mImagesReady = nullptr;
    ImageSlots mStandIns;
    bool mStandInsMade = false;
    bool mWarmUp = true;
    std::atomic<int> mPending{0};
    std::atomic<bool> mFinished{false};
};

} // namespace fraglume
