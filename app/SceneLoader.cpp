#include "app/SceneLoader.h"

#include "app/SceneAssembly.h"
#include "framework/gl/GlslProg.h"

#include <glad/gl.h>

#include <exception>
#include <thread>

namespace fraglume {

using namespace lume;
using namespace lume::app;

using namespace std::chrono_literals;

SceneLoader::SceneLoader(JobQueue &loadQueue, JobQueue &readyQueue, Console &console)
    : mLoadQueue(loadQueue), mReadyQueue(readyQueue), mConsole(console)
{
}

void SceneLoader::submit(const LoadJob &job)
{
    // Counted before it is visible to the loader, so the count never dips below the truth.
    mPending.fetch_add(1, std::memory_order_acq_rel);
    mLoadQueue.push(job);
}

bool SceneLoader::trySubmit(const LoadJob &job)
{
    // Only this thread pushes onto the load queue, so room seen here is still there.
    if (!mLoadQueue.hasRoom())
        return false;
    submit(job);
    return true;
}

void SceneLoader::setImages(const ImageSlots *images, const std::atomic<bool> *ready)
{
    mImages = images;
    mImagesReady = ready;
}

void SceneLoader::run(const std::atomic<bool> &stop)
{
    while (!stop.load()) {
        if (!mLoadQueue.hasJobs()) {
            std::this_thread::sleep_for(10ms);
            continue;
        }
        LoadJob job;
        mLoadQueue.pop(job);
        buildSceneProgram(std::move(job), stop);
    }
    // Made in this thread's context: released while it is still current.
    mStandIns = {};
    mStandInsMade = false;
}

const ImageSlots *SceneLoader::warmUpImages(const std::atomic<bool> &stop)
{
    if (!mImages || !mImagesReady)
        return nullptr;
    while (!mImagesReady->load(std::memory_order_acquire) && !stop.load())
        std::this_thread::sleep_for(2ms);
    if (!mImagesReady->load(std::memory_order_acquire))
        return nullptr;
    if (!mStandInsMade) {
        mStandIns = makeWarmUpStandIns(*mImages);
        mStandInsMade = true;
    }
    return &mStandIns;
}

void SceneLoader::buildSceneProgram(LoadJob job, const std::atomic<bool> &stop)
{
    try {
        job.program = buildSceneProgramFromResources(job.sceneId);

        if (mWarmUp) {
            warmUpSceneProgram(job.program, warmUpImages(stop), job.position);
        } else {
            glFlush();
        }

        // A full ready queue would block forever once the render thread has stopped taking
        // jobs; wait in slices so a stop request is noticed.
        bool pushed = false;
        while (!pushed && !stop.load())
            pushed = mReadyQueue.pushFor(job, 10ms);
        // A job not handed over is dropped here; its program goes with it.
    } catch (const std::exception &exc) {
        mConsole.line() << "Failed to compile the shader: " << exc.what() << std::endl;
    }
    done();
}

} // namespace fraglume
