// A window turned into a borderless one covering its monitor, and back.
#include "framework/app/msw/PlatformMsw.h"

#include <windows.h>

namespace lume::app {

namespace {

// The framed window's style and placement while the window covers the monitor.
LONG_PTR sFramedStyle = 0;
WINDOWPLACEMENT sFramed{sizeof(WINDOWPLACEMENT)};

} // namespace

void PlatformMsw::coverDisplay(void *nativeWindow, bool cover)
{
    HWND wnd = static_cast<HWND>(nativeWindow);
    if (!wnd)
        return;
    if (cover) {
        MONITORINFO monitor{sizeof monitor};
        if (!GetWindowPlacement(wnd, &sFramed) ||
            !GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &monitor))
            return;
        sFramedStyle = GetWindowLongPtrW(wnd, GWL_STYLE);
        SetWindowLongPtrW(wnd, GWL_STYLE, (sFramedStyle & ~LONG_PTR(WS_OVERLAPPEDWINDOW)) | WS_POPUP);
        const RECT &r = monitor.rcMonitor;
        SetWindowPos(wnd, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
    } else if (sFramedStyle) {
        SetWindowLongPtrW(wnd, GWL_STYLE, sFramedStyle);
        SetWindowPlacement(wnd, &sFramed);
        SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
    }
}

} // namespace lume::app
