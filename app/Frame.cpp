// Per frame: hand-over from the loader, the scene pass, and show, wipe or switch.
#include "app/FraglumeApp.h"

#include "app/ScenePass.h"
#include "app/Uniforms.h"
#include "framework/gl/Draw.h"
#include "framework/gl/GlslProg.h"

#include <optional>

namespace fraglume {

using namespace lume;

void FraglumeApp::update()
{
    updateMusic();
    if (mShow.shouldQuit())
        quit();
    if (!mReadyQueue)
        return;
    // Read before the ready queue is looked at (see handOver).
    const bool loaderIdle = !mLoader || mLoader->finished() || mLoader->pending() == 0;
    mShow.handOver(getElapsedSeconds(), loaderIdle, [this]() -> std::optional<int> {
        if (!mReadyQueue->hasJobs())
            return std::nullopt;
        LoadJob job;
        mReadyQueue->pop(job);
        mNextName = job.name;
        mNextProgram = job.program;
        return job.position;
    });
}

SceneInputs FraglumeApp::sceneInputs() const
{
    SceneInputs inputs;
    inputs.resolution = getWindowSize();
    inputs.startTime = mShow.sceneStartTime();
    inputs.clock = [this] { return getElapsedSeconds(); };
    inputs.images = &mImages;
    inputs.mouse = mouseUniform(mMouse, mMousePressed, inputs.resolution.y);
    return inputs;
}

void FraglumeApp::draw()
{
    bindChannels(mImages, mShow.currentEntry().channelLayout);
    // The scene taken after the last switch is never shown, so it is not rendered either.
    if (mCurrentProgram && mSceneFbo && !mShow.shouldQuit())
        renderScene(mSceneFbo, mCurrentProgram, sceneInputs());

    const Vec2i size = getWindowSize();
    const Rectf window{0.0f, 0.0f, float(size.x), float(size.y)};
    const double now = getElapsedSeconds();
    switch (mShow.decide(now)) {
    case FrameAction::Blank:
        gl::clear(ColorA{0, 0, 0, 1});
        break;
    case FrameAction::Show:
        if (mSceneFbo)
            gl::draw(mSceneFbo.getTexture(0), window);
        break;
    case FrameAction::Fade:
        if (mTransitionProgram && mSceneFbo && mFadeFbo)
            drawWipe(*mTransitionProgram, mSceneFbo, mFadeFbo, float(mShow.fadeProgress(now)), window);
        else if (mSceneFbo)
            gl::draw(mSceneFbo.getTexture(0), window);
        break;
    case FrameAction::Switch:
        if (mFadeFbo)
            gl::draw(mFadeFbo.getTexture(0), window);
        mCurrentProgram = mNextProgram;
        mNextProgram.reset();
        mCurrentName = mNextName;
        mNextName.clear();
        mShow.switched(getElapsedSeconds());
        break;
    }
}

} // namespace fraglume
