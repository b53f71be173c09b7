#include "framework/app/msw/AppImplMsw.h"

#include "framework/app/msw/KeyTranslationMsw.h"
#include "framework/app/msw/PlatformMsw.h"
#include "framework/app/msw/RendererGlImplMsw.h"
#include "framework/app/msw/WindowImplMsw.h"

#include <windows.h>

#include <mmsystem.h>

#include <cmath>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace lume::app {

AppImplMsw::AppImplMsw(AppBasic *app, PlatformMsw *platform) : AppImplBasic(app), mPlatform(platform)
{
    timeBeginPeriod(1);
    // The high-resolution timer keeps its due time to well under a millisecond; older systems
    // (and Wine) have only the ordinary one, which the 1 ms period above makes good enough.
    mTimer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (!mTimer)
        mTimer = CreateWaitableTimerW(nullptr, FALSE, nullptr);
}

AppImplMsw::~AppImplMsw()
{
    destroyWindows();
    RendererGlImplMsw::destroyRetiredWindows();
    if (mTimer)
        CloseHandle(mTimer);
    timeEndPeriod(1);
}

std::unique_ptr<WindowImpl> AppImplMsw::createWindowImpl(const WindowFormat &format, const RendererRef &sharedRenderer)
{
    return std::make_unique<WindowImplMsw>(format, sharedRenderer, this);
}

bool AppImplMsw::quitRequested() const
{
    return PlatformMsw::quitSignalled();
}

void AppImplMsw::pumpEvents()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message); // may close (and delete) a window
        WindowImplMsw::rethrowPendingError();
    }
    RendererGlImplMsw::destroyRetiredWindows();
}

void AppImplMsw::waitEvents(double deadline)
{
    const double seconds = deadline - now();
    if (seconds < 0.001)
        return;
    const DWORD waitMs = static_cast<DWORD>(seconds * 1000.0);
    HANDLE quitEvent = PlatformMsw::quitEvent();
    // MWMO_INPUTAVAILABLE: messages already in the queue (seen by an earlier peek) count too.
    const DWORD result =
        MsgWaitForMultipleObjectsEx(quitEvent ? 1 : 0, &quitEvent, waitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (result == WAIT_OBJECT_0 + (quitEvent ? 1 : 0))
        pumpEvents();
}

void AppImplMsw::sleepUntil(double deadline)
{
    const double seconds = deadline - now();
    // A relative due time, in 100 ns units.
    const LONGLONG due = -static_cast<LONGLONG>(std::llround(seconds * 1.0e7));
    if (due >= 0)
        return;
    LARGE_INTEGER dueTime;
    dueTime.QuadPart = due;
    if (mTimer && SetWaitableTimer(mTimer, &dueTime, 0, nullptr, nullptr, FALSE)) {
        WaitForSingleObject(mTimer, INFINITE);
        return;
    }
    Sleep(static_cast<DWORD>(seconds * 1000.0));
}

void AppImplMsw::syncKeyState()
{
    BYTE state[256];
    if (!GetKeyboardState(state))
        return;
    keys().clear();
    for (uint32_t vkCode = 1; vkCode < 256; ++vkCode) {
        // The side-less Shift, Control and Menu entries follow their sides.
        if (vkCode == VK_SHIFT || vkCode == VK_CONTROL || vkCode == VK_MENU)
            continue;
        if (state[vkCode] & 0x80)
            keys().setDown(vkCode, true);
    }
}

} // namespace lume::app
