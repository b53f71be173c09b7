#include "framework/app/sdl/PlatformSdl.h"

#include "framework/app/sdl/AppImplSdlBasic.h"
#include "framework/app/sdl/RendererGlImplSdl.h"
#include "framework/app/sdl/DisplayModeXrandr.h"
#include "framework/app/sdl/X11Util.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace lume::app {

namespace {

std::atomic<int> sQuitSignals{0};

// What the quit-signal thread needs to close an open message box.
std::mutex sMessageBoxMutex;
bool sMessageBoxOpen = false;
unsigned long sMessageBoxOwner = 0;
std::string sMessageBoxTitle;

std::terminate_handler sPreviousTerminate = nullptr;

// The message box runs in a helper process with its own connection; while it is open, a
// quit signal closes it the way a window manager would, so the quit can go ahead.
void closeOpenMessageBox()
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

// SIGINT and SIGTERM are blocked in every thread and taken here instead: the first asks for
// an orderly quit (the loop ends, shutdown puts the desktop back). One that comes more than a
// second later means the orderly way is stuck, so the desktop is put back from here and the
// process ends. Repeats within that second are the same request: supervisors such as
// timeout(1) signal the process and then its whole group.
void quitSignalThread(sigset_t signals)
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point first;
    for (;;) {
        int signal = 0;
        if (sigwait(&signals, &signal) != 0)
            continue;
        if (sQuitSignals.fetch_add(1) == 0) {
            first = Clock::now();
            AppImplSdlBasic::wakeEventLoop();
            // On a thread of its own, so that this one goes on taking signals meanwhile.
            std::thread(closeOpenMessageBox).detach();
        } else if (Clock::now() - first > std::chrono::seconds(1)) {
            xrandr::restoreOriginalMode();
            _exit(128 + signal);
        }
    }
}

// A forked child (SDL's message box helper, or a program started from here) gets the usual
// signal handling back: the blocked set is this process's own arrangement.
void unblockQuitSignalsInChild()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_UNBLOCK, &signals, nullptr);
}

[[noreturn]] void terminateRestoringDesktop()
{
    xrandr::restoreOriginalMode();
    if (sPreviousTerminate)
        sPreviousTerminate();
    std::abort();
}

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

std::unique_ptr<Platform> createDefaultPlatform()
{
    return std::make_unique<PlatformSdl>();
}

PlatformSdl::PlatformSdl()
{
    // Before any other Xlib call: the loader thread's context talks to the X server too.
    XInitThreads();

    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr); // inherited by every thread started later
    pthread_atfork(nullptr, nullptr, unblockQuitSignalsInChild);
    std::thread(quitSignalThread, signals).detach();
    sPreviousTerminate = std::set_terminate(terminateRestoringDesktop);

    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
}

bool PlatformSdl::quitSignalled()
{
    return sQuitSignals.load() > 0;
}

std::vector<std::string> PlatformSdl::getCommandLine()
{
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> args;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\0', start);
        if (end == std::string::npos)
            end = all.size();
        args.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

boost::filesystem::path PlatformSdl::getAppPath()
{
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return boost::filesystem::path("./");
    const std::string exe(buffer, static_cast<size_t>(n));
    return boost::filesystem::path(exe.substr(0, exe.rfind('/') + 1));
}

std::unique_ptr<AppImplBasic> PlatformSdl::createAppImpl(AppBasic *app)
{
    return std::make_unique<AppImplSdlBasic>(app, this);
}

std::unique_ptr<RendererGlImpl> PlatformSdl::createRendererGlImpl(RendererGl *renderer)
{
    return std::make_unique<RendererGlImplSdl>(renderer);
}

void PlatformSdl::writeDebugOutput(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

void PlatformSdl::startVideo()
{
    std::lock_guard lock(mMutex);
    if (mVideoStarted)
        return;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("Failed to start the video subsystem: ") + SDL_GetError());
    mVideoStarted = true;
    // Characters come from the key events; no input method is needed.
    SDL_StopTextInput();
    applyCursor();
    if (mPowerManagement)
        SDL_EnableScreenSaver();
    else
        SDL_DisableScreenSaver();
}

void PlatformSdl::stopVideo()
{
    std::lock_guard lock(mMutex);
    if (!mVideoStarted)
        return;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    mVideoStarted = false;
}

void PlatformSdl::applyCursor()
{
    if (mVideoStarted)
        SDL_ShowCursor(mCursorCount >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

int PlatformSdl::showCursor(bool show)
{
    std::lock_guard lock(mMutex);
    mCursorCount += show ? 1 : -1;
    applyCursor();
    return mCursorCount;
}

void PlatformSdl::setPowerManagement(bool enabled)
{
    std::lock_guard lock(mMutex);
    mPowerManagement = enabled;
    if (mVideoStarted) {
        if (enabled)
            SDL_EnableScreenSaver();
        else
            SDL_DisableScreenSaver();
    }
}

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
