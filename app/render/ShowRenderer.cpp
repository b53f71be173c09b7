#include "app/render/ShowRenderer.h"

#include "app/ShowEngine.h"
#include "framework/app/Console.h"
#include "framework/app/RendererGl.h"
#include "framework/gl/Fbo.h"

#include <glad/gl.h>

#include <deque>
#include <iostream>
#include <stdexcept>

namespace fraglume {

using namespace lume;

namespace {

// Read-backs in flight: enough for GL to draw the next frames while the oldest is copied.
constexpr int kReadBuffers = 3;

} // namespace

struct ShowRenderer::Impl {
    Setup mSetup;
    // The headless context: made first and ended last, everything below lives in it.
    app::RendererGl mContext;
    app::Console mConsole{std::shared_ptr<std::ostream>(&std::cerr, [](std::ostream *) {})};
    ShowEngine mEngine{mConsole};
    // The wipe has no buffer of its own in the engine: the render reads it back from here.
    gl::Fbo mWipeFbo;
    int64_t mNextFrame = 0;

    GLuint mPixelBuffers[kReadBuffers] = {};
    std::deque<std::pair<int64_t, GLuint>> mInFlight; // frame, buffer; oldest first
    int mNextBuffer = 0;

    explicit Impl(const Setup &setup) : mSetup(setup) { mContext.attachOffscreen({16, 16}); }

    void start()
    {
        const int w = mSetup.width, h = mSetup.height;
        if (!mEngine.startLoader(mContext.createSharedContext()))
            throw std::runtime_error("no OpenGL context for the loader thread");
        mEngine.loadImages();
        mEngine.loadTransition();
        mEngine.makeBuffers({w, h});
        mWipeFbo = gl::Fbo(w, h, sceneBufferFormat());
        setWindowMatrices(w, h);
        mEngine.imagesLoaded();
        mEngine.queuePlaylist();

        glGenBuffers(kReadBuffers, mPixelBuffers);
        for (GLuint buffer : mPixelBuffers) {
            glBindBuffer(GL_PIXEL_PACK_BUFFER, buffer);
            glBufferData(GL_PIXEL_PACK_BUFFER, GLsizeiptr(w) * h * 4, nullptr, GL_STREAM_READ);
        }
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    }

    ~Impl()
    {
        mEngine.stopLoader();
        mContext.makeCurrentContext();
        glDeleteBuffers(kReadBuffers, mPixelBuffers);
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
    ShowEngine &engine = m.mEngine;
    if (engine.over())
        return false;
    // Frame n is the show at n / fps seconds.
    const double now = double(frame) / double(m.mSetup.fps);
    engine.update(now, true);
    m.mNextFrame = frame + 1;
    ShowEngine::FrameInputs inputs;
    inputs.resolution = {m.mSetup.width, m.mSetup.height};
    inputs.date = m.mSetup.date;
    const FrameAction action = engine.renderFrame(now, inputs, draw);
    if (draw) {
        // The frame's picture is read from the buffer that holds it; only the wipe needs a
        // pass of its own.
        if (gl::Fbo *picture = engine.pictureBuffer(action)) {
            m.readBack(*picture, frame);
        } else {
            m.mWipeFbo.bindFramebuffer();
            engine.compose(action, now, Rectf{0.0f, 0.0f, float(m.mSetup.width), float(m.mSetup.height)});
            gl::Fbo::unbindFramebuffer();
            m.readBack(m.mWipeFbo, frame);
        }
    }
    engine.finishFrame(action, now);
    return true;
}

void ShowRenderer::waitForLoader()
{
    mImpl->mEngine.waitForLoader();
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
