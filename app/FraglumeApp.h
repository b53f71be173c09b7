#pragma once

#include "app/JobQueue.h"
#include "app/SceneLoader.h"
#include "app/ScenePass.h"
#include "app/SceneTimeline.h"
#include "framework/Vector.h"
#include "framework/app/AppBasic.h"
#include "framework/app/DisplayMode.h"
#include "framework/gl/Fbo.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

namespace lume::app {
class SharedContext;
}

namespace lume::gl {
class GlslProg;
} // namespace lume::gl

namespace fraglume {

// The player: one per process. Lifecycle (settings, display mode, shutdown, fatal error) is
// in Lifecycle.cpp; start-up, frames, input, the loader and music in their own files.
class FraglumeApp : public lume::app::AppBasic {
  public:
    FraglumeApp() = default;
    ~FraglumeApp() override = default;

    void setup() override;
    void shutdown() override;
    void update() override;
    void draw() override;
    void mouseDown(lume::app::MouseEvent event) override;
    void mouseDrag(lume::app::MouseEvent event) override;
    void keyDown(lume::app::KeyEvent event) override;
    void resize() override;
    void fileDrop(lume::app::FileDropEvent event) override;
    void prepareSettings(Settings *settings) override;

    // Switches the primary display to width x height; writes one console line for a code
    // other than success and returns the code.
    lume::app::DisplayChange changeDisplayMode(int32_t width, int32_t height);
    // Shows the printf-style message (at most 4096 bytes with its terminating zero) in a
    // modal "Fatal Error" box, then asks the application to quit. A second call while the
    // box is open is dropped.
    void fatalError(const char *format, ...) __attribute__((format(printf, 2, 3)));

    // The console line for a display-mode result code.
    static const char *displayChangeMessage(lume::app::DisplayChange code);

  protected:
    // The music's and the loader's steps of shutdown (their own files): music stopped and
    // its engine released; loader stop flag set, thread joined, then the queues destroyed
    // (ready queue first) with any jobs still in them.
    void shutdownMusic();
    void stopLoader();

    // Loader thread (Loader.cpp): a context sharing objects with the render context, and
    // the thread body that builds the queued scenes in it.
    bool startLoaderThread();
    void loaderMain(std::shared_ptr<lume::app::SharedContext> context);

    // Music (Music.cpp): engine start and the soundtrack, per-frame engine update.
    void startMusic();
    void playMusic(const std::filesystem::path &path);
    void stopMusic();
    void updateMusic();

    // What the scene pass feeds the playing scene this frame (Frame.cpp).
    SceneInputs sceneInputs() const;

    int32_t mDesktopWidth = 0;
    int32_t mDesktopHeight = 0;
    // The fade's start and length, with the rest of the show's pacing, live in mShow.
    std::shared_ptr<lume::gl::GlslProg> mTransitionProgram;
    std::shared_ptr<lume::gl::GlslProg> mCurrentProgram;
    std::shared_ptr<lume::gl::GlslProg> mNextProgram;
    lume::gl::Fbo mSceneFbo;
    lume::gl::Fbo mFadeFbo;
    ImageSlots mImages;
    lume::Vec4f mMouse;
    // The names the jobs of the playing and the waiting scene carried (empty for the
    // playlist's scenes); handed along at each switch and read by nothing else.
    std::wstring mCurrentName;
    std::wstring mNextName;
    std::unique_ptr<JobQueue> mLoadQueue;
    std::unique_ptr<JobQueue> mReadyQueue;
    std::shared_ptr<std::thread> mLoaderThread;
    std::atomic<bool> mLoaderStop{false};

    // Scene pacing: the scene table, position, start time, fade start and length.
    SceneTimeline mShow;
    // The loader's work: builds queued scenes and counts those not yet handed over.
    std::unique_ptr<SceneLoader> mLoader;
    // Set once start-up has filled the image slots, which the loader's warm-up draws read.
    std::atomic<bool> mImagesReady{false};
    // mMouse holds a position only after the first press.
    bool mMousePressed = false;
};

} // namespace fraglume
