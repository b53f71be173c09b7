// Monitors from EnumDisplayMonitors, display modes from ChangeDisplaySettingsExW.
#include "framework/app/msw/DisplayModeMsw.h"
#include "framework/app/msw/PlatformMsw.h"

#include <windows.h>

#include <algorithm>

namespace lume::app {

namespace {

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT rect, LPARAM param)
{
    auto &displays = *reinterpret_cast<std::vector<DisplayInfo> *>(param);
    DisplayInfo info;
    info.area = Area(rect->left, rect->top, rect->right, rect->bottom);
    info.native = reinterpret_cast<std::intptr_t>(monitor);
    // The depth belongs to the display driver as a whole, not to one monitor.
    if (HDC dc = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)) {
        info.bitsPerPixel = GetDeviceCaps(dc, BITSPIXEL);
        DeleteDC(dc);
    }
    displays.push_back(info);
    return TRUE;
}

} // namespace

std::vector<DisplayInfo> PlatformMsw::enumerateDisplays()
{
    std::vector<DisplayInfo> displays;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&displays));
    // The primary monitor is the one that holds the desktop origin; it goes first.
    const auto primary = reinterpret_cast<std::intptr_t>(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
    const auto found =
        std::find_if(displays.begin(), displays.end(), [&](const DisplayInfo &info) { return info.native == primary; });
    if (found != displays.end()) {
        found->primary = true;
        std::iter_swap(displays.begin(), found);
    }
    return displays;
}

DisplayChange PlatformMsw::changeDisplayMode(int32_t width, int32_t height)
{
    return msw::changePrimaryMode(width, height);
}

Vec2i PlatformMsw::getDesktopSize()
{
    Vec2i size;
    if (msw::getPrimarySize(size))
        return size;
    return {0, 0};
}

} // namespace lume::app
