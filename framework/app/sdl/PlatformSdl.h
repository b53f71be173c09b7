#pragma once

#include "framework/app/Platform.h"

#include <atomic>
#include <mutex>
#include <string>

namespace lume::app {

// The Linux platform: SDL2 for windows, input, cursor, message box and monitors; XRandR for
// display modes; standard error as the debug output. Created before the application's
// settings run, it also turns SIGINT and SIGTERM into an orderly quit and makes Xlib safe for
// the loader thread.
class PlatformSdl : public Platform {
  public:
    PlatformSdl();

    std::vector<std::string> getCommandLine() override;
    boost::filesystem::path getAppPath() override;
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

    // Starts SDL's video subsystem (once) and applies the cursor and screen-saver state
    // asked for before it ran. Throws when there is no video.
    void startVideo();
    // Ends SDL's video subsystem.
    void stopVideo();

    // Set once SIGINT or SIGTERM has arrived.
    static bool quitSignalled();

  private:
    void applyCursor();

    std::mutex mMutex;
    int mCursorCount = 0;
    bool mPowerManagement = false;
    bool mVideoStarted = false;
};

} // namespace lume::app
