#include "framework/app/sdl/AppImplSdl.h"

#include "framework/app/AppBasic.h"
#include "framework/app/sdl/KeyTranslationSdl.h"
#include "framework/app/sdl/PlatformSdl.h"
#include "framework/app/sdl/RendererGlImplSdl.h"
#include "framework/app/sdl/WindowImplSdl.h"

#include <time.h>

#include <cerrno>

#include <chrono>
#include <mutex>

namespace lume::app {

namespace {

// The quit-signal thread may push an event only while the queue exists.
std::mutex sQueueMutex;
bool sQueueLive = false;
Uint32 sWakeEventType = 0;

} // namespace

AppImplSdl::AppImplSdl(AppBasic *app, PlatformSdl *platform) : AppImplBasic(app), mPlatform(platform)
{
    mPlatform->startVideo();
    std::lock_guard lock(sQueueMutex);
    if (!sWakeEventType)
        sWakeEventType = SDL_RegisterEvents(1);
    sQueueLive = true;
}

AppImplSdl::~AppImplSdl()
{
    {
        std::lock_guard lock(sQueueMutex);
        sQueueLive = false;
    }
    destroyWindows();
    RendererGlImplSdl::endVideoSession();
    mPlatform->stopVideo();
}

void AppImplSdl::wakeEventLoop()
{
    std::lock_guard lock(sQueueMutex);
    if (!sQueueLive || sWakeEventType == static_cast<Uint32>(-1))
        return;
    SDL_Event event{};
    event.type = sWakeEventType;
    SDL_PushEvent(&event);
}

std::unique_ptr<WindowImpl> AppImplSdl::createWindowImpl(const WindowFormat &format, const RendererRef &sharedRenderer)
{
    return std::make_unique<WindowImplSdl>(format, sharedRenderer, this);
}

bool AppImplSdl::quitRequested() const
{
    return PlatformSdl::quitSignalled();
}

void AppImplSdl::pumpEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        dispatch(event);
    RendererGlImplSdl::destroyRetiredWindows();
}

void AppImplSdl::waitEvents(double deadline)
{
    const int waitMs = static_cast<int>((deadline - now()) * 1000.0);
    SDL_Event event;
    if (waitMs > 0 && SDL_WaitEventTimeout(&event, waitMs)) {
        dispatch(event);
        pumpEvents();
    }
}

void AppImplSdl::sleepUntil(double deadline)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point due =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(deadline - now()));
    const auto sinceEpoch = std::chrono::duration_cast<std::chrono::nanoseconds>(due.time_since_epoch()).count();
    timespec target;
    target.tv_sec = static_cast<time_t>(sinceEpoch / 1000000000);
    target.tv_nsec = static_cast<long>(sinceEpoch % 1000000000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &target, nullptr) == EINTR) {
    }
}

WindowImplSdl *AppImplSdl::findWindow(uint32_t windowId) const
{
    if (!windowId)
        return nullptr;
    for (const auto &window : const_cast<AppImplSdl *>(this)->windows()) {
        auto *sdlWindow = static_cast<WindowImplSdl *>(window.get());
        if (sdlWindow->getWindowId() == windowId)
            return sdlWindow;
    }
    return nullptr;
}

void AppImplSdl::syncKeyState()
{
    // Keys released while another program had the focus never sent a key-up here.
    int count = 0;
    const Uint8 *state = SDL_GetKeyboardState(&count);
    const bool numLock = SDL_GetModState() & KMOD_NUM;
    keys().clear();
    for (int sc = 0; sc < count; ++sc) {
        if (!state[sc])
            continue;
        const auto scancode = static_cast<SDL_Scancode>(sc);
        keys().setDown(sdl::sidedVirtualKeyFor(scancode, SDL_GetKeyFromScancode(scancode), numLock), true);
    }
}

void AppImplSdl::dispatch(const SDL_Event &event)
{
    uint32_t windowId = 0;
    switch (event.type) {
    case SDL_QUIT: quit(); return;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
            syncKeyState();
        windowId = event.window.windowID;
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: windowId = event.key.windowID; break;
    case SDL_MOUSEMOTION: windowId = event.motion.windowID; break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: windowId = event.button.windowID; break;
    case SDL_MOUSEWHEEL: windowId = event.wheel.windowID; break;
    case SDL_DROPBEGIN:
    case SDL_DROPFILE:
    case SDL_DROPTEXT:
    case SDL_DROPCOMPLETE: windowId = event.drop.windowID; break;
    default: return;
    }
    if (WindowImplSdl *window = findWindow(windowId)) {
        window->handleEvent(event); // may close (and delete) the window
    } else if ((event.type == SDL_DROPFILE || event.type == SDL_DROPTEXT) && event.drop.file) {
        SDL_free(event.drop.file);
    } else if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
        // Keep the held-key record right even for keys no window takes.
        const bool numLock = event.key.keysym.mod & KMOD_NUM;
        keys().setDown(sdl::sidedVirtualKeyFor(event.key.keysym.scancode, event.key.keysym.sym, numLock),
                       event.type == SDL_KEYDOWN);
    }
}

} // namespace lume::app
