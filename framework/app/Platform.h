#pragma once

#include "framework/Rect.h"
#include "framework/Vector.h"
#include "framework/app/DisplayMode.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lume::app {

class AppBasic;
class AppImplBasic;
class RendererGl;
class RendererGlImpl;

// One monitor as the platform reports it.
struct DisplayInfo {
    Area area;                // virtual-screen pixels, x2 and y2 exclusive
    int32_t bitsPerPixel = 0; // 0 when unknown
    std::intptr_t native = 0; // the platform's monitor handle
    bool primary = false;     // the monitor that holds the desktop origin
};

enum class MessageBoxIcon { None, Information, Warning, Error };

// What the portable framework needs from the operating system. One instance per process,
// created on first use by the backend compiled into the program (createDefaultPlatform);
// tests install their own before anything asks for it. BACKENDS.md has the whole contract a
// backend meets (this class, AppImplBasic, WindowImpl, RendererGlImpl), with the threads.
class Platform {
  public:
    virtual ~Platform() = default;

    // The process's own command line, program name first.
    virtual std::vector<std::string> getCommandLine() = 0;
    // The directory of the executable, ending in a separator.
    virtual std::filesystem::path getAppPath() = 0;

    virtual std::unique_ptr<AppImplBasic> createAppImpl(AppBasic *app) = 0;
    virtual std::unique_ptr<RendererGlImpl> createRendererGlImpl(RendererGl *renderer) = 0;

    // Where the console stream's text goes when it is flushed. Any thread, also while the
    // process exits.
    virtual void writeDebugOutput(std::string_view text) = 0;
    // A console window for consoleWindowEnabled; a no-op where the process already has one.
    virtual void openConsoleWindow() {}

    // The cursor display count: +1 for show, -1 for hide; the cursor is visible while the
    // count is 0 or more. Returns the new count.
    virtual int showCursor(bool show) = 0;
    // Whether the screen saver and monitor power-down may run while the program does.
    virtual void setPowerManagement(bool enabled) = 0;

    virtual std::vector<DisplayInfo> enumerateDisplays() = 0;
    // Switch the primary display to width x height: kDisplayChangeSuccessful,
    // kDisplayChangeFailed when the driver refuses, kDisplayChangeBadMode for no such mode.
    virtual DisplayChange changeDisplayMode(int32_t width, int32_t height) = 0;
    // Size of the primary display's mode as it is now (the one changeDisplayMode switches).
    virtual Vec2i getDesktopSize() = 0;

    // A modal box with one OK button; blocks until the user closes it, or until an outside
    // quit request closes it. After such a request, or where no box can be shown, the text
    // goes to the debug output instead. `ownerNative` is the native handle of the owning
    // window or null.
    virtual void showMessageBox(void *ownerNative, const std::string &title, const std::string &text,
                                MessageBoxIcon icon) = 0;

    // Whether the process has been asked from outside to end (a quit signal, the console).
    // Any thread. For programs without an application loop; the loop asks its AppImpl.
    virtual bool quitRequested() = 0;
    // The calling thread's scheduling priority lowered as far as the system allows without
    // privileges, so that it yields to every other thread of the process; failing leaves it.
    virtual void lowerThreadPriority() = 0;
    // Turns the window `nativeWindow` (Window::getNative) into a borderless one covering its
    // display, the display keeping its mode; `false` puts back the framed window it was, at
    // the same place and size. The resize follows as an event.
    virtual void coverDisplay(void *nativeWindow, bool cover) = 0;
};

// The process's platform, created by the backend on first use.
Platform &platform();
// Replaces the process's platform (tests). Returns the previous one.
std::unique_ptr<Platform> setPlatform(std::unique_ptr<Platform> platform);
// Defined by the backend compiled into the program.
std::unique_ptr<Platform> createDefaultPlatform();

} // namespace lume::app
