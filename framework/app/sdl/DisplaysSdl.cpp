// Monitors from SDL, display modes from XRandR (on Xwayland, from the compositor's emulation).
#include "framework/app/sdl/DisplayModeXrandr.h"
#include "framework/app/sdl/DisplayModeXwayland.h"
#include "framework/app/sdl/PlatformSdl.h"

#include <SDL.h>

namespace lume::app {

std::vector<DisplayInfo> PlatformSdl::enumerateDisplays()
{
    startVideo();
    std::vector<DisplayInfo> displays;
    const int count = SDL_GetNumVideoDisplays();
    bool primaryFound = false;
    for (int i = 0; i < count; ++i) {
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(i, &bounds) != 0)
            continue;
        DisplayInfo info;
        info.area = Area(bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h);
        SDL_DisplayMode mode;
        if (SDL_GetCurrentDisplayMode(i, &mode) == 0)
            info.bitsPerPixel = static_cast<int32_t>(SDL_BITSPERPIXEL(mode.format));
        info.native = i;
        // The primary monitor is the one that holds the desktop origin.
        if (!primaryFound && bounds.x <= 0 && bounds.y <= 0 && bounds.x + bounds.w > 0 && bounds.y + bounds.h > 0) {
            info.primary = true;
            primaryFound = true;
        }
        displays.push_back(info);
    }
    return displays;
}

DisplayChange PlatformSdl::changeDisplayMode(int32_t width, int32_t height)
{
    if (xwayland::isXwayland())
        return xwayland::acceptMode(width, height);
    return xrandr::changePrimaryMode(width, height);
}

Vec2i PlatformSdl::getDesktopSize()
{
    Vec2i size;
    if (xrandr::getPrimarySize(size))
        return size;
    SDL_DisplayMode mode;
    if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetDesktopDisplayMode(0, &mode) == 0)
        return {mode.w, mode.h};
    return {0, 0};
}

} // namespace lume::app
