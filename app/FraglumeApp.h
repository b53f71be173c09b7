#pragma once

#include "app/ShowEngine.h"
#include "framework/Vector.h"
#include "framework/app/AppBasic.h"
#include "framework/app/DisplayMode.h"

#include <cstdint>
#include <filesystem>

namespace fraglume {

// The player: one per process, the show engine driven by the window. Lifecycle (settings,
// display mode, shutdown, fatal error) is in Lifecycle.cpp; start-up, frames, input, the
// loader's context and music in their own files.
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
    // The music's step of shutdown (its own file): music stopped and its engine released.
    void shutdownMusic();

    // Loader thread (Loader.cpp): the show's loader started on a context sharing objects
    // with the window's render context. False when there is no such context.
    bool startLoaderThread();

    // Music (Music.cpp): engine start and the soundtrack, per-frame engine update.
    void startMusic();
    void playMusic(const std::filesystem::path &path);
    void stopMusic();
    void updateMusic();

    int32_t mDesktopWidth = 0;
    int32_t mDesktopHeight = 0;
    // The show: timeline, programs, hand-over, buffers, images and the loader.
    ShowEngine mEngine{getConsole()};
    // The frame's one reading of the application clock, taken in update() and used by the
    // whole frame: the hand-over, the scene's uniforms, the wipe and the switch.
    double mFrameTime = 0.0;
    lume::Vec4f mMouse;
    // mMouse holds a position only after the first press.
    bool mMousePressed = false;
};

} // namespace fraglume
