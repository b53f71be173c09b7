#include "app/authoring/DesktopWindow.h"

#include "framework/app/Window.h"

#include <SDL.h>

namespace fraglume {

void setDesktopFullScreen(lume::app::Window &window, bool fullScreen)
{
    if (auto *native = static_cast<SDL_Window *>(window.getNative()))
        SDL_SetWindowFullscreen(native, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

} // namespace fraglume
