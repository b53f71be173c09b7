#pragma once

#include "framework/app/Platform.h"

#include <mutex>
#include <string>

namespace lume::app {

// The Linux platform: SDL2 for windows, input, cursor, message box and monitors; XRandR for
// display modes; standard error as the debug output. Created before the application's
// settings run, it also turns SIGINT and SIGTERM into an orderly quit and makes Xlib safe for
// the loader thread.
//
// One file per area, as every backend has them: PlatformSdl.cpp (process, cursor, power,
// video), SignalsSdl.cpp (quit signals, the desktop mode on abnormal ends), DisplaysSdl.cpp
// (monitors and modes), MessageBoxSdl.cpp; the GL context is RendererGlImplSdl.
class PlatformSdl : public Platform {
  public:
    PlatformSdl();

    std::vector<std::string> getCommandLine() override;
    std::filesystem::path getAppPath() override;
    std::unique_ptr<AppImplBasic> createAppImpl(AppBasic *app) override;
    std::unique_ptr<RendererGlImpl> createRendererGlImpl(RendererGl *renderer) override;
    void writeDebugOutput(std::string_view text) override;
    int showCursor(bool show) override;
    void setPowerManagement(bool enabled) override;
    std::vector<DisplayInfo> enumerateDisplays() override;
    DisplayChange changeDisplayMode(int32_t width, int32_t height) override;
    Vec2i getDesktopSize() override;
    void showMessageBox(void *ownerNative, const std::string &title, const std::string &text,
                        MessageBoxIcon icon) override;
    bool quitRequested() override { return quitSignalled(); }
    void lowerThreadPriority() override;                        // ThreadPrioritySdl.cpp
    void coverDisplay(void *nativeWindow, bool cover) override; // DesktopCoverSdl.cpp

    // Starts SDL's video subsystem (once) and applies the cursor and screen-saver state
    // asked for before it ran. Throws when there is no video. `headless`: when video is not
    // up yet, it starts on SDL's offscreen driver (no display needed) and keeps the GL
    // library loaded for the rest of the process; video already up keeps its driver.
    void startVideo(bool headless = false);
    // Ends SDL's video subsystem.
    void stopVideo();

    // Set once SIGINT or SIGTERM has arrived.
    static bool quitSignalled();

  private:
    // SIGINT and SIGTERM go to a thread of their own from now on (SignalsSdl.cpp), and the
    // desktop mode comes back from std::terminate.
    static void takeQuitSignals();
    // Closes the message box open in the helper process, if any, so that a quit can go ahead
    // (MessageBoxSdl.cpp; called from the quit-signal thread).
    static void closeOpenMessageBox();

    void applyCursor();

    std::mutex mMutex;
    int mCursorCount = 0;
    bool mPowerManagement = false;
    bool mVideoStarted = false;
};

} // namespace lume::app
