// The process: command line, paths, debug output, the cursor, power management, SDL's video.
#include "framework/app/sdl/PlatformSdl.h"

#include "framework/app/CommandLineOutput.h"

#include "framework/app/sdl/AppImplSdl.h"
#include "framework/app/sdl/RendererGlImplSdl.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lume::app {

std::unique_ptr<Platform> createDefaultPlatform()
{
    return std::make_unique<PlatformSdl>();
}

PlatformSdl::PlatformSdl()
{
    // Before any other Xlib call: the loader thread's context talks to the X server too.
    XInitThreads();
    takeQuitSignals();

    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    // A full-screen window (the show on Xwayland) stays in place when the focus goes
    // elsewhere, as a borderless one does; SDL would otherwise minimize it and drop its mode.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
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

std::filesystem::path PlatformSdl::getAppPath()
{
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return std::filesystem::path("./");
    const std::string exe(buffer, static_cast<size_t>(n));
    return std::filesystem::path(exe.substr(0, exe.rfind('/') + 1));
}

std::unique_ptr<AppImplBasic> PlatformSdl::createAppImpl(AppBasic *app)
{
    return std::make_unique<AppImplSdl>(app, this);
}

std::unique_ptr<RendererGlImpl> PlatformSdl::createRendererGlImpl(RendererGl *renderer)
{
    return std::make_unique<RendererGlImplSdl>(renderer, this);
}

void PlatformSdl::writeDebugOutput(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

void PlatformSdl::startVideo(bool headless)
{
    std::lock_guard lock(mMutex);
    if (mVideoStarted)
        return;
    if (headless)
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "offscreen", SDL_HINT_OVERRIDE);
    const bool started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (headless)
        SDL_ResetHint(SDL_HINT_VIDEODRIVER); // a later start of video picks its own driver
    if (!started)
        throw std::runtime_error(std::string("Failed to start the video subsystem: ") + SDL_GetError());
    // SDL unloads the GL library with its last GL window, which would leave every entry point
    // bound through it dangling; headless contexts come and go, so one reference stays.
    if (headless && SDL_GL_LoadLibrary(nullptr) != 0)
        throw std::runtime_error(std::string("Failed to load the OpenGL library: ") + SDL_GetError());
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

void attachStartingConsole()
{
    // A program started from a terminal writes to it already.
}

void printCommandLineAnswer(const std::string &text)
{
    std::fputs(text.c_str(), stdout);
}

void showCommandLineRefusal(const std::string &line)
{
    std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace lume::app
