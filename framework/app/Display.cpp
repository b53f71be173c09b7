#include "framework/app/Display.h"

#include "framework/app/Platform.h"

#include <mutex>
#include <utility>

namespace lume {

namespace {

std::mutex sDisplaysMutex;
std::vector<DisplayRef> sDisplays;
bool sDisplaysInitialized = false;

void enumerateLocked()
{
    if (sDisplaysInitialized)
        return;
    std::vector<DisplayRef> list;
    size_t primary = 0;
    bool primaryFound = false;
    for (const app::DisplayInfo &info : app::platform().enumerateDisplays()) {
        if (info.primary && !primaryFound) {
            primary = list.size();
            primaryFound = true;
        }
        list.push_back(std::make_shared<Display>(info.area, info.bitsPerPixel, info.native));
    }
    // Swap, not rotate: the others keep the order the system gave them.
    if (primary < list.size() && primary != 0)
        std::swap(list[0], list[primary]);
    if (list.empty()) {
        // Every window needs a display; without a reported monitor the desktop stands in.
        const Vec2i desktop = app::platform().getDesktopSize();
        const Area area = desktop.x > 0 && desktop.y > 0 ? Area(0, 0, desktop.x, desktop.y) : Area(0, 0, 640, 480);
        list.push_back(std::make_shared<Display>(area, 0, 0));
    }
    sDisplays = std::move(list);
    sDisplaysInitialized = true;
}

} // namespace

std::vector<DisplayRef> Display::getDisplays()
{
    std::lock_guard lock(sDisplaysMutex);
    enumerateLocked();
    return sDisplays;
}

DisplayRef Display::getMainDisplay()
{
    std::lock_guard lock(sDisplaysMutex);
    enumerateLocked();
    return sDisplays.front();
}

DisplayRef Display::findFromNative(std::intptr_t native)
{
    std::lock_guard lock(sDisplaysMutex);
    enumerateLocked();
    for (const DisplayRef &display : sDisplays)
        if (display->getNative() == native)
            return display;
    return sDisplays.front();
}

void Display::forgetDisplays()
{
    std::lock_guard lock(sDisplaysMutex);
    sDisplays.clear();
    sDisplaysInitialized = false;
}

} // namespace lume
