#include "app/render/ShowRenderer.h"

#include "app/ImageSlots.h"
#include "app/JobQueue.h"
#include "app/SceneAssembly.h"
#include "app/SceneLoader.h"
#include "app/ScenePass.h"
#include "app/render/FrameTimeline.h"
#include "framework/app/Console.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Resources.h"
#include "framework/gl/Draw.h"
#include "framework/gl/Fbo.h"
#include "framework/gl/GlslProg.h"

#include <glad/gl.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <iostream>
#include <stdexcept>
#include <thread>

namespace fraglume {

using namespace lume;

namespace {

// Read-backs in flight: enough for GL to draw the next frames while the oldest is copied.
constexpr int kReadBuffers = 3;

} // namespace

struct ShowRenderer::Impl {
    Setup mSetup;
    app::RendererGl mContext;
    std::unique_ptr<app::SharedContext> mLoaderContext;
    ImageSlots mImages;
    std::shared_ptr<gl::GlslProg> mTransition;
    gl::Fbo mSceneFbo, mFadeFbo, mWipeFbo;

    JobQueue mLoadQueue, mReadyQueue;
    app::Console mConsole{std::shared_ptr<std::ostream>(&std::cerr, [](std::ostream *) {})};
    SceneLoader mLoader{mLoadQueue, mReadyQueue, mConsole};
    std::atomic<bool> mImagesReady{false};
    std::atomic<bool> mLoaderStop{false};
    std::thread mLoaderThread;

    FrameTimeline mTimeline;
    std::shared_ptr<gl::GlslProg> mCurrentProgram, mNextProgram;
    int64_t mNextFrame = 0;

    GLuint mPixelBuffers[kReadBuffers] = {};
    std::deque<std::pair<int64_t, GLuint>> mInFlight; // frame, buffer; oldest first
    int mNextBuffer = 0;

    explicit Impl(const Setup &setup) : mSetup(setup), mTimeline(setup.fps) { mContext.attachOffscreen({16, 16}); }

    void start()
    {
        for (int slot = 0; slot < kImageSlotCount; ++slot)
            mImages[size_t(slot)] = loadImageSlot(slot);
        mTransition = std::make_shared<gl::GlslProg>(app::loadResource(kVertexShaderId, "FRAG"),
                                                     app::loadResource(kTransitionShaderId, "FRAG"));
        const int w = mSetup.width, h = mSetup.height;
        mSceneFbo = gl::Fbo(w, h, sceneBufferFormat());
        mFadeFbo = gl::Fbo(w, h, sceneBufferFormat());
        mWipeFbo = gl::Fbo(w, h, sceneBufferFormat());
        mSceneFbo.getTexture(0).setFlipped();
        mFadeFbo.getTexture(0).setFlipped();
        // As in the player: the wipe fades into opaque black.
        mFadeFbo.bindFramebuffer();
        gl::clear(ColorA{0, 0, 0, 1});
        gl::Fbo::unbindFramebuffer();
        setWindowMatrices(w, h);
        warmUpDisplayPasses(mTransition.get());
        mImagesReady.store(true, std::memory_order_release);

        glGenBuffers(kReadBuffers, mPixelBuffers);
        for (GLuint buffer : mPixelBuffers) {
            glBindBuffer(GL_PIXEL_PACK_BUFFER, buffer);
            glBufferData(GL_PIXEL_PACK_BUFFER, GLsizeiptr(w) * h * 4, nullptr, GL_STREAM_READ);
        }
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);

        mLoader.setImages(&mImages, &mImagesReady);
        for (const PlaylistEntry &entry : kPlaylist)
            mLoader.submit({entry.sceneId, L"", nullptr, entry.position});
        mLoaderContext = mContext.createSharedContext();
        if (!mLoaderContext)
            throw std::runtime_error("no OpenGL context for the loader thread");
        mLoaderThread = std::thread([this] {
            if (mLoaderContext->makeCurrent()) {
                mLoader.run(mLoaderStop);
                mLoaderContext->release();
            } else {
                app::ConsoleLine(mConsole) << "Failed to make the loader context current." << std::endl;
            }
            mLoader.markFinished();
        });
    }

    ~Impl()
    {
        mLoaderStop = true;
        if (mLoaderThread.joinable())
            mLoaderThread.join();
        mLoaderContext.reset();
        mContext.makeCurrentContext();
        glDeleteBuffers(kReadBuffers, mPixelBuffers);
    }

    // The next built scene, waiting for the loader when it is still at work; nothing once
    // every job has been handed over or dropped.
    std::optional<int> takeNext()
    {
        for (;;) {
            // Read before the queue is looked at: the loader hands a job over before it
            // counts it as done.
            const bool idle = mLoader.finished() || mLoader.pending() == 0;
            if (mReadyQueue.hasJobs()) {
                LoadJob job;
                mReadyQueue.pop(job);
                mNextProgram = job.program;
                return job.position;
            }
            if (idle)
                return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    void readBack(gl::Fbo &source, int64_t frame)
    {
        if (!mSetup.readBack) {
            glFinish();
            return;
        }
        const GLuint buffer = mPixelBuffers[mNextBuffer];
        mNextBuffer = (mNextBuffer + 1) % kReadBuffers;
        source.bindFramebuffer();
        glBindBuffer(GL_PIXEL_PACK_BUFFER, buffer);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, mSetup.width, mSetup.height, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
        gl::Fbo::unbindFramebuffer();
        mInFlight.emplace_back(frame, buffer);
    }
};

ShowRenderer::ShowRenderer(const Setup &setup) : mImpl(std::make_unique<Impl>(setup))
{
    mImpl->start();
}

ShowRenderer::~ShowRenderer() = default;

bool ShowRenderer::step(int64_t frame, bool draw)
{
    Impl &m = *mImpl;
    if (!m.mTimeline.update(frame, [&m] { return m.takeNext(); }))
        return false;
    m.mNextFrame = frame + 1;
    const SceneTimeline &show = m.mTimeline.timeline();
    bindChannels(m.mImages, show.currentEntry().channelLayout);
    const FrameAction action = m.mTimeline.decide(frame);
    if (draw) {
        const double now = m.mTimeline.timeOf(frame);
        SceneInputs inputs;
        inputs.resolution = {m.mSetup.width, m.mSetup.height};
        inputs.startTime = show.sceneStartTime();
        inputs.clock = [now] { return now; };
        inputs.images = &m.mImages;
        inputs.date = m.mSetup.date;
        if (m.mCurrentProgram && !show.shouldQuit())
            renderScene(m.mSceneFbo, m.mCurrentProgram, inputs);
        // The frame's picture is read from the buffer that holds it; only the wipe needs a
        // pass of its own. The scene buffer drawn into the window is the same picture.
        switch (action) {
        case FrameAction::Show: m.readBack(m.mSceneFbo, frame); break;
        case FrameAction::Fade: {
            m.mWipeFbo.bindFramebuffer();
            const Rectf window{0.0f, 0.0f, float(m.mSetup.width), float(m.mSetup.height)};
            drawWipe(*m.mTransition, m.mSceneFbo, m.mFadeFbo, float(show.fadeProgress(now)), window);
            gl::Fbo::unbindFramebuffer();
            m.readBack(m.mWipeFbo, frame);
            break;
        }
        case FrameAction::Blank:  // opaque black, which the fade buffer holds
        case FrameAction::Switch: // the fade buffer
            m.readBack(m.mFadeFbo, frame);
            break;
        }
    }
    if (action == FrameAction::Switch) {
        m.mCurrentProgram = m.mNextProgram;
        m.mNextProgram.reset();
        m.mTimeline.switched(frame);
    }
    return true;
}

void ShowRenderer::waitForLoader()
{
    while (!mImpl->mLoader.finished() && mImpl->mLoader.pending() > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

int64_t ShowRenderer::nextFrame() const
{
    return mImpl->mNextFrame;
}

void ShowRenderer::collect(const Sink &sink, bool all)
{
    Impl &m = *mImpl;
    // Keep the newest read-backs in flight while the buffers last; map the oldest.
    while (!m.mInFlight.empty() && (all || int(m.mInFlight.size()) >= kReadBuffers)) {
        const auto [frame, buffer] = m.mInFlight.front();
        m.mInFlight.pop_front();
        glBindBuffer(GL_PIXEL_PACK_BUFFER, buffer);
        const auto *pixels = static_cast<const uint8_t *>(glMapBuffer(GL_PIXEL_PACK_BUFFER, GL_READ_ONLY));
        if (!pixels) {
            glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
            throw std::runtime_error("cannot read the rendered frame back");
        }
        sink(frame, pixels);
        glUnmapBuffer(GL_PIXEL_PACK_BUFFER);
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    }
}

} // namespace fraglume
