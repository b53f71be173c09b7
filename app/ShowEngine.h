#pragma once

#include "app/JobQueue.h"
#include "app/SceneLoader.h"
#include "app/ScenePass.h"
#include "app/SceneTimeline.h"
#include "framework/Rect.h"
#include "framework/Vector.h"
#include "framework/app/Console.h"
#include "framework/gl/Fbo.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace lume::app {
class SharedContext;
}

namespace lume::gl {
class GlslProg;
}

namespace fraglume {

// The show, whatever drives it: the timeline, the playing and the waiting program, the
// hand-over from the loader, the scene and fade buffers, the image slots, the wipe and the
// loader thread. It never reads a clock: each frame's time is an input, read once by the
// driver (the window's application clock, the render's frame counter), so every decision
// and every uniform of one frame sees the same instant.
//
// The window player, the offline render and the authoring mode drive it; each keeps only
// what differs (the window and its input; read-back and encoding; the file watch and keys).
// All calls but the loader's work are made on the render thread with its context current.
class ShowEngine {
  public:
    // What runs on the loader thread, its context current, until `stop` is set.
    using LoaderWork = std::function<void(const std::atomic<bool> &stop)>;

    explicit ShowEngine(lume::app::Console &console);
    // Stops the loader (see stopLoader).
    ~ShowEngine();
    ShowEngine(const ShowEngine &) = delete;
    ShowEngine &operator=(const ShowEngine &) = delete;

    // --- Start-up

    // Starts the loader thread on `context`, which it makes current there and releases when
    // `work` returns; `work` defaults to the show's loader, which builds the queued scenes.
    // Whatever ends the thread, the show's loader then counts as finished. False (and the
    // loader finished) when there is no context.
    bool startLoader(std::unique_ptr<lume::app::SharedContext> context, LoaderWork work = {});
    // Decodes every image slot; throws at the first that fails, the rest staying empty.
    void loadImages();
    // Builds the wipe's program; throws when it does not build.
    void loadTransition();
    // Warms up the window's own passes (the blit, and the wipe once loaded), then lets the
    // loader's warm-up draws look at the image slots.
    void imagesLoaded();
    // The playlist: its scenes queued for the loader and its timing in the timeline.
    void queuePlaylist();
    // A scene job from outside the playlist (a dropped file), queued only if there is room;
    // false when there was none.
    bool trySubmit(const LoadJob &job);

    // The scene buffer, and with `fade` the fade buffer, at `size`: textures flipped for
    // drawing into a window, the fade buffer opaque black (the wipe fades into it and a
    // stalled frame shows it, never whatever a new buffer happens to hold). Throws when a
    // buffer cannot be made; both are empty then.
    void makeBuffers(lume::Vec2i size, bool fade = true);

    // --- Each frame, at the frame's time `now`

    // Every playlist position has been reached.
    bool over() const { return mTimeline.shouldQuit(); }
    // The frame update's hand-over: while no scene waits for its switch, takes at most one
    // built scene and schedules the playing scene's hold and fade, or the end of the show
    // once nothing more will come. With `waitForLoader` it waits for the loader to hand the
    // next scene over or drop it, so a scene never plays longer because its successor was
    // late (the render); without, a late scene plays on (the window).
    void update(double now, bool waitForLoader);

    // What a scene is fed besides the time: set by the driver each frame.
    struct FrameInputs {
        lume::Vec2i resolution;          // the size the scene is drawn at
        lume::Vec4f mouse;               // "iMouse", in gl_FragCoord space
        std::optional<lume::Vec4f> date; // "iDate"; the current UTC date when unset
    };
    // Binds the playing scene's channels and, with `draw`, renders it into the scene buffer
    // (unless the show is over, whose last scene is never shown). Returns what the frame
    // shows; after showing it the driver calls finishFrame.
    FrameAction renderFrame(double now, const FrameInputs &inputs, bool draw = true);
    // Draws the frame's picture into `target` of the bound framebuffer: black, the scene
    // buffer, the wipe into the fade buffer, or (on Switch) the fade buffer.
    void compose(FrameAction action, double now, const lume::Rectf &target);
    // The buffer that holds the frame's whole picture, when one does: the scene buffer on
    // Show, the fade buffer on Blank and Switch (opaque black or the faded-out picture); the
    // wipe has none of its own.
    lume::gl::Fbo *pictureBuffer(FrameAction action);
    // The switch step: on Switch the waiting program takes over at `now`.
    void finishFrame(FrameAction action, double now);

    // --- One scene outside the show (the authoring mode)

    // Makes `program` the playing one at once; the timeline is left alone.
    void play(std::shared_ptr<lume::gl::GlslProg> program) { mCurrentProgram = std::move(program); }
    // Binds the channels of `layout` and renders the playing program into the scene buffer
    // at scene time `sceneTime`. False when there is nothing to draw (no program or buffer).
    bool renderScene(int layout, double sceneTime, const FrameInputs &inputs);

    // --- Shutdown

    // Sets the loader's stop flag and joins its thread, then releases its context and the
    // queues (the ready queue first) with any jobs still in them, on this thread.
    void stopLoader();

    // --- State, for the drivers and the test builds of the player
    SceneTimeline &timeline() { return mTimeline; }
    const SceneTimeline &timeline() const { return mTimeline; }
    ImageSlots &images() { return mImages; }
    lume::gl::Fbo &sceneBuffer() { return mSceneFbo; }
    const std::shared_ptr<lume::gl::GlslProg> &playing() const { return mCurrentProgram; }
    // Jobs submitted and not yet handed over or dropped (0 once the loader has stopped).
    int pendingJobs() const { return mLoader ? mLoader->pending() : 0; }
    // Waits until the loader has built or dropped every queued scene.
    void waitForLoader() const;
    // The loader waits for this before each warm-up draw; a test build clears it to park
    // the loader inside its next job.
    std::atomic<bool> &imagesReadyFlag() { return mImagesReady; }

  private:
    // The oldest built scene becomes the waiting one; returns its playlist position. With
    // `wait`, waits while the loader is still at work; nothing once every job has been handed
    // over or dropped.
    std::optional<int> takeBuilt(bool wait);
    bool loaderIdle() const;

    lume::app::Console &mConsole;
    SceneTimeline mTimeline;
    ImageSlots mImages;
    std::shared_ptr<lume::gl::GlslProg> mTransitionProgram;
    std::shared_ptr<lume::gl::GlslProg> mCurrentProgram;
    std::shared_ptr<lume::gl::GlslProg> mNextProgram;
    // The names the jobs of the playing and the waiting scene carried (empty for the
    // playlist's scenes); handed along at each switch and read by nothing else.
    std::wstring mCurrentName;
    std::wstring mNextName;
    lume::gl::Fbo mSceneFbo;
    lume::gl::Fbo mFadeFbo;

    std::unique_ptr<JobQueue> mLoadQueue;
    std::unique_ptr<JobQueue> mReadyQueue;
    std::unique_ptr<SceneLoader> mLoader;
    // Set once start-up has filled the image slots, which the loader's warm-up draws read.
    std::atomic<bool> mImagesReady{false};
    std::atomic<bool> mLoaderStop{false};
    std::unique_ptr<lume::app::SharedContext> mLoaderContext;
    std::thread mLoaderThread;
};

} // namespace fraglume
