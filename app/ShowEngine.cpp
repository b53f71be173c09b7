#include "app/ShowEngine.h"

#include "app/ImageSlots.h"
#include "app/SceneAssembly.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Resources.h"
#include "framework/gl/Draw.h"
#include "framework/gl/GlslProg.h"

#include <chrono>

namespace fraglume {

using namespace lume;
using namespace std::chrono_literals;

ShowEngine::ShowEngine(app::Console &console)
    : mConsole(console), mLoadQueue(std::make_unique<JobQueue>()), mReadyQueue(std::make_unique<JobQueue>()),
      mLoader(std::make_unique<SceneLoader>(*mLoadQueue, *mReadyQueue, console))
{
    mLoader->setImages(&mImages, &mImagesReady);
}

ShowEngine::~ShowEngine()
{
    stopLoader();
}

bool ShowEngine::startLoader(std::unique_ptr<app::SharedContext> context, LoaderWork work)
{
    if (!context || !mLoader) {
        if (mLoader)
            mLoader->markFinished();
        return false;
    }
    if (!work)
        work = [this](const std::atomic<bool> &stop) { mLoader->run(stop); };
    mLoaderContext = std::move(context);
    mLoaderStop = false;
    mLoaderThread = std::thread([this, work = std::move(work)] {
        if (mLoaderContext->makeCurrent()) {
            work(mLoaderStop);
            mLoaderContext->release();
        } else {
            mConsole.line() << "Failed to make the loader context current." << std::endl;
        }
        // Nothing more will be built; the frame update may end the show once nothing waits.
        mLoader->markFinished();
    });
    return true;
}

void ShowEngine::loadImages()
{
    for (int slot = 0; slot < kImageSlotCount; ++slot)
        mImages[size_t(slot)] = loadImageSlot(slot);
}

void ShowEngine::loadTransition()
{
    mTransitionProgram = std::make_shared<gl::GlslProg>(app::loadResource(kVertexShaderId, "FRAG"),
                                                        app::loadResource(kTransitionShaderId, "FRAG"));
}

void ShowEngine::imagesLoaded()
{
    warmUpDisplayPasses(mTransitionProgram.get());
    // The loader binds these textures in its own context for its warm-up draws: they must be
    // complete before it looks at them (the warm-up above ends with glFinish).
    mImagesReady.store(true, std::memory_order_release);
}

void ShowEngine::queuePlaylist()
{
    for (const PlaylistEntry &entry : kPlaylist)
        mLoader->submit({entry.sceneId, L"", nullptr, entry.position});
    mTimeline.setPlaylist();
}

bool ShowEngine::trySubmit(const LoadJob &job)
{
    return mLoader && mLoader->trySubmit(job);
}

void ShowEngine::makeBuffers(Vec2i size, bool fade)
{
    try {
        mSceneFbo = gl::Fbo(size.x, size.y, sceneBufferFormat());
        mFadeFbo = fade ? gl::Fbo(size.x, size.y, sceneBufferFormat()) : gl::Fbo();
    } catch (...) {
        mSceneFbo = gl::Fbo();
        mFadeFbo = gl::Fbo();
        throw;
    }
    mSceneFbo.getTexture(0).setFlipped();
    if (mFadeFbo) {
        mFadeFbo.getTexture(0).setFlipped();
        mFadeFbo.bindFramebuffer();
        gl::clear(ColorA{0, 0, 0, 1});
        gl::Fbo::unbindFramebuffer();
    }
}

bool ShowEngine::loaderIdle() const
{
    return !mLoader || mLoader->finished() || mLoader->pending() == 0;
}

std::optional<int> ShowEngine::takeBuilt(bool wait)
{
    for (;;) {
        // Read before the queue is looked at: the loader hands a job over before it counts
        // it as done.
        const bool idle = loaderIdle();
        if (mReadyQueue->hasJobs()) {
            LoadJob job;
            mReadyQueue->pop(job);
            mNextName = job.name;
            mNextProgram = job.program;
            return job.position;
        }
        if (idle || !wait)
            return std::nullopt;
        std::this_thread::sleep_for(1ms);
    }
}

void ShowEngine::update(double now, bool waitForLoader)
{
    if (!mReadyQueue)
        return;
    // Waiting, `take` finds nothing only once nothing more will come; otherwise "idle" is
    // read before the ready queue is looked at (see SceneTimeline::handOver).
    const bool idle = waitForLoader || loaderIdle();
    mTimeline.handOver(now, idle, [this, waitForLoader] { return takeBuilt(waitForLoader); });
}

FrameAction ShowEngine::renderFrame(double now, const FrameInputs &inputs, bool draw)
{
    bindChannels(mImages, mTimeline.currentEntry().channelLayout);
    // The scene taken after the last switch is never shown, so it is not rendered either.
    if (draw && mCurrentProgram && mSceneFbo && !mTimeline.shouldQuit()) {
        SceneInputs scene;
        scene.resolution = inputs.resolution;
        scene.startTime = mTimeline.sceneStartTime();
        scene.now = now;
        scene.images = &mImages;
        scene.mouse = inputs.mouse;
        scene.date = inputs.date;
        fraglume::renderScene(mSceneFbo, mCurrentProgram, scene);
    }
    return mTimeline.decide(now);
}

void ShowEngine::compose(FrameAction action, double now, const Rectf &target)
{
    switch (action) {
    case FrameAction::Blank: gl::clear(ColorA{0, 0, 0, 1}); break;
    case FrameAction::Show:
        if (mSceneFbo)
            gl::draw(mSceneFbo.getTexture(0), target);
        break;
    case FrameAction::Fade:
        if (mTransitionProgram && mSceneFbo && mFadeFbo)
            drawWipe(*mTransitionProgram, mSceneFbo, mFadeFbo, float(mTimeline.fadeProgress(now)), target);
        else if (mSceneFbo)
            gl::draw(mSceneFbo.getTexture(0), target);
        break;
    case FrameAction::Switch:
        if (mFadeFbo)
            gl::draw(mFadeFbo.getTexture(0), target);
        break;
    }
}

gl::Fbo *ShowEngine::pictureBuffer(FrameAction action)
{
    switch (action) {
    case FrameAction::Show: return &mSceneFbo;
    case FrameAction::Blank:
    case FrameAction::Switch: return &mFadeFbo;
    case FrameAction::Fade: break;
    }
    return nullptr;
}

void ShowEngine::finishFrame(FrameAction action, double now)
{
    if (action != FrameAction::Switch)
        return;
    mCurrentProgram = mNextProgram;
    mNextProgram.reset();
    mCurrentName = mNextName;
    mNextName.clear();
    mTimeline.switched(now);
}

bool ShowEngine::renderScene(int layout, double sceneTime, const FrameInputs &inputs)
{
    if (!mCurrentProgram || !mSceneFbo)
        return false;
    bindChannels(mImages, layout);
    SceneInputs scene;
    scene.resolution = inputs.resolution;
    scene.now = sceneTime;
    scene.images = &mImages;
    scene.mouse = inputs.mouse;
    scene.date = inputs.date;
    fraglume::renderScene(mSceneFbo, mCurrentProgram, scene);
    return true;
}

void ShowEngine::waitForLoader() const
{
    while (!loaderIdle())
        std::this_thread::sleep_for(5ms);
}

void ShowEngine::stopLoader()
{
    mLoaderStop = true;
    if (mLoaderThread.joinable())
        mLoaderThread.join();
    // Released on the thread that made it, after the loader thread let go of it.
    mLoaderContext.reset();
    // Jobs still queued release their programs here, on the render thread.
    mLoader.reset();
    mReadyQueue.reset();
    mLoadQueue.reset();
}

} // namespace fraglume
