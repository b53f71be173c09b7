#include "framework/app/msw/DisplayModeMsw.h"

#include <windows.h>

#include <cstdlib>
#include <mutex>

namespace lume::app::msw {

namespace {

std::mutex sMutex;

// The mode in force before this process first changed it.
struct Original {
    bool valid = false;
    DEVMODEW mode{};
};
Original sOriginal;

bool currentMode(DEVMODEW &mode)
{
    mode = {};
    mode.dmSize = sizeof mode;
    return EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode);
}

// Whether the primary display lists a mode of exactly that size. The system would take a
// near size too on some drivers; both platforms accept exact sizes only.
bool listsSize(int32_t width, int32_t height)
{
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    for (DWORD i = 0; EnumDisplaySettingsW(nullptr, i, &mode); ++i)
        if (static_cast<int32_t>(mode.dmPelsWidth) == width && static_cast<int32_t>(mode.dmPelsHeight) == height)
            return true;
    return false;
}

} // namespace

DisplayChange changePrimaryMode(int32_t width, int32_t height)
{
    std::lock_guard lock(sMutex);
    if (!listsSize(width, height))
        return kDisplayChangeBadMode;
    if (!sOriginal.valid && currentMode(sOriginal.mode)) {
        sOriginal.valid = true;
        std::atexit(restoreOriginalMode);
    }
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    // Back to the desktop's own size: its depth and refresh rate come back with it.
    if (sOriginal.valid && static_cast<int32_t>(sOriginal.mode.dmPelsWidth) == width &&
        static_cast<int32_t>(sOriginal.mode.dmPelsHeight) == height) {
        mode = sOriginal.mode;
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
    }
    return static_cast<DisplayChange>(ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr));
}

bool getPrimarySize(Vec2i &size)
{
    DEVMODEW mode;
    if (currentMode(mode)) {
        size = {static_cast<int32_t>(mode.dmPelsWidth), static_cast<int32_t>(mode.dmPelsHeight)};
        return true;
    }
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    if (w <= 0 || h <= 0)
        return false;
    size = {w, h};
    return true;
}

void restoreOriginalMode()
{
    // A crash may come while this thread holds the lock, in the middle of a change: wait a
    // while for a change on another thread to end, then go ahead without the lock.
    std::unique_lock lock(sMutex, std::defer_lock);
    for (int attempt = 0; attempt < 100 && !lock.try_lock(); ++attempt)
        Sleep(10);
    if (!sOriginal.valid)
        return;
    DEVMODEW now;
    if (currentMode(now) && now.dmPelsWidth == sOriginal.mode.dmPelsWidth &&
        now.dmPelsHeight == sOriginal.mode.dmPelsHeight && now.dmBitsPerPel == sOriginal.mode.dmBitsPerPel &&
        now.dmDisplayFrequency == sOriginal.mode.dmDisplayFrequency)
        return;
    DEVMODEW mode = sOriginal.mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
    ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
}

} // namespace lume::app::msw
