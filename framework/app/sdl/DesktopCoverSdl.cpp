// A window turned into a borderless one covering its display, and back.
#include "framework/app/sdl/DisplayModeXwayland.h"
#include "framework/app/sdl/PlatformSdl.h"

#include <SDL.h>

namespace lume::app {

namespace {

// The framed window's place and size while the window covers the display.
SDL_Rect sFramed{0, 0, 0, 0};

} // namespace

void PlatformSdl::coverDisplay(void *nativeWindow, bool cover)
{
    auto *native = static_cast<SDL_Window *>(nativeWindow);
    if (!native)
        return;
    // A Wayland compositor places and sizes its windows itself and ignores a client moving its
    // own: there the cover is the compositor's full screen, which it does honour.
    if (xwayland::isXwayland()) {
        SDL_SetWindowFullscreen(native, cover ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        return;
    }
    // Done by hand rather than with SDL's desktop full-screen flag, which needs a window
    // manager that honours the request; this works with any or none.
    if (cover) {
        SDL_GetWindowPosition(native, &sFramed.x, &sFramed.y);
        SDL_GetWindowSize(native, &sFramed.w, &sFramed.h);
        SDL_Rect display;
        if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(native), &display) != 0)
            return;
        SDL_SetWindowBordered(native, SDL_FALSE);
        SDL_SetWindowPosition(native, display.x, display.y);
        SDL_SetWindowSize(native, display.w, display.h);
        SDL_RaiseWindow(native);
    } else if (sFramed.w > 0 && sFramed.h > 0) {
        SDL_SetWindowBordered(native, SDL_TRUE);
        SDL_SetWindowSize(native, sFramed.w, sFramed.h);
        SDL_SetWindowPosition(native, sFramed.x, sFramed.y);
    }
}

} // namespace lume::app
