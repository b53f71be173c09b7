// SDL's message box, which a quit signal closes.
#include "framework/app/sdl/PlatformSdl.h"
#include "framework/app/sdl/X11Util.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <chrono>
#include <mutex>
#include <thread>

namespace lume::app {

namespace {

// What the quit-signal thread needs to close an open message box.
std::mutex sMessageBoxMutex;
bool sMessageBoxOpen = false;
unsigned long sMessageBoxOwner = 0;
std::string sMessageBoxTitle;

unsigned long x11WindowOf(SDL_Window *window)
{
    if (!window)
        return 0;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return 0;
    return info.info.x11.window;
}

} // namespace

// The message box runs in a helper process with its own connection; while it is open, a
// quit signal closes it the way a window manager would, so the quit can go ahead.
void PlatformSdl::closeOpenMessageBox()
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        unsigned long owner;
        std::string title;
        {
            std::lock_guard lock(sMessageBoxMutex);
            if (!sMessageBoxOpen)
                return;
            owner = sMessageBoxOwner;
            title = sMessageBoxTitle;
        }
        x11::closeTransientWindows(owner, title);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

void PlatformSdl::showMessageBox(void *ownerNative, const std::string &title, const std::string &text,
                                 MessageBoxIcon icon)
{
    Uint32 flags = SDL_MESSAGEBOX_INFORMATION;
    if (icon == MessageBoxIcon::Error)
        flags = SDL_MESSAGEBOX_ERROR;
    else if (icon == MessageBoxIcon::Warning)
        flags = SDL_MESSAGEBOX_WARNING;
    SDL_Window *owner = static_cast<SDL_Window *>(ownerNative);
    {
        std::lock_guard lock(sMessageBoxMutex);
        sMessageBoxOpen = true;
        sMessageBoxOwner = x11WindowOf(owner);
        sMessageBoxTitle = title;
    }
    const bool shown = !quitSignalled() && SDL_ShowSimpleMessageBox(flags, title.c_str(), text.c_str(), owner) == 0;
    {
        std::lock_guard lock(sMessageBoxMutex);
        sMessageBoxOpen = false;
    }
    // Without a box (no display, or the run is being ended) the text must still be seen.
    if (!shown || quitSignalled())
        writeDebugOutput(title + ": " + text + "\n");
}

} // namespace lume::app
