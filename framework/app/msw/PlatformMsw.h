#pragma once

#include "framework/app/Platform.h"

#include <mutex>
#include <string>

namespace lume::app {

// The Windows platform: user32 for windows, input, cursor, message box and monitors;
// ChangeDisplaySettingsExW for display modes; standard error (when the process has one) and
// the debugger output as the debug output. Created before the application's settings run, it
// also turns the console's Ctrl-C, Ctrl-Break and close into an orderly quit and puts the
// desktop mode back however the process ends.
//
// One file per area, as every backend has them: PlatformMsw.cpp (process, cursor, power),
// SignalsMsw.cpp (console control events, the desktop mode on abnormal ends), DisplaysMsw.cpp
// (monitors and modes), MessageBoxMsw.cpp; the GL context is RendererGlImplMsw.
class PlatformMsw : public Platform {
  public:
    PlatformMsw();

    std::vector<std::string> getCommandLine() override;
    std::filesystem::path getAppPath() override;
    std::unique_ptr<AppImplBasic> createAppImpl(AppBasic *app) override;
    std::unique_ptr<RendererGlImpl> createRendererGlImpl(RendererGl *renderer) override;
    void writeDebugOutput(std::string_view text) override;
    void openConsoleWindow() override;
    int showCursor(bool show) override;
    void setPowerManagement(bool enabled) override;
    std::vector<DisplayInfo> enumerateDisplays() override;
    DisplayChange changeDisplayMode(int32_t width, int32_t height) override;
    Vec2i getDesktopSize() override;
    void showMessageBox(void *ownerNative, const std::string &title, const std::string &text,
                        MessageBoxIcon icon) override;
    bool quitRequested() override { return quitSignalled(); }
    void lowerThreadPriority() override;                        // ThreadPriorityMsw.cpp
    void coverDisplay(void *nativeWindow, bool cover) override; // DesktopCoverMsw.cpp

    // Whether the screen saver and monitor power-down may start (the window procedure asks).
    bool isPowerManagementEnabled() const { return mPowerManagement; }

    // The process is asked to end from outside (the console, the session ending): the loop
    // is woken and ends in order, and an open message box is closed. Any thread.
    static void requestOutsideQuit();
    // Set once the console or the session has asked the process to end.
    static bool quitSignalled();
    // A manual-reset event set together with quitSignalled(): the loop's waits include it.
    static void *quitEvent();

  private:
    // Console control events go to a handler from now on (SignalsMsw.cpp), and the desktop
    // mode comes back from std::terminate and from a crash.
    static void takeQuitSignals();
    // Closes the message box open on the main thread, if any, so that a quit can go ahead
    // (MessageBoxMsw.cpp; called from the console control handler's thread).
    static void closeOpenMessageBox();

    std::mutex mMutex;
    bool mPowerManagement = false;
};

} // namespace lume::app
