#include "framework/app/sdl/WindowImplSdl.h"

#include "framework/app/AppBasic.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Window.h"
#include "framework/app/sdl/AppImplSdl.h"
#include "framework/app/sdl/DisplayModeXwayland.h"
#include "framework/app/sdl/KeyTranslationSdl.h"
#include "framework/app/sdl/RendererGlImplSdl.h"
#include "framework/app/sdl/X11Util.h"

#include <SDL_syswm.h>

namespace lume::app {

namespace {

// How a window that covers the display is asked for. On Xwayland the compositor places
// top-level windows itself (a borderless window at the origin lands elsewhere), and emulates
// a display mode only for the client's own full-screen window: there such a window is SDL's
// full-screen window, in the mode accepted for it. SDL then switches the mode through RandR
// on the connection that owns the window, which is the client Xwayland emulates it for, and
// switches back when the window goes; the compositor picks the window's final size. On a
// plain X server a borderless window in place is enough and nothing changes.
Uint32 fullScreenFlags(const WindowImpl &window, const Vec2i &pos, const Vec2i &size, std::optional<Vec2i> &emulated)
{
    if (window.isFullScreen())
        return xwayland::isXwayland() ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    const std::optional<Vec2i> accepted = xwayland::acceptedMode();
    if (!accepted || !window.isBorderless() || pos != Vec2i{0, 0} || size != *accepted || !xwayland::isXwayland())
        return 0;
    emulated = accepted;
    return SDL_WINDOW_FULLSCREEN;
}

// The display mode of exactly `size` on the window's display, asked for before the window
// shows (SDL otherwise takes the closest mode).
void setExactMode(SDL_Window *window, const Vec2i &size)
{
    const int display = SDL_GetWindowDisplayIndex(window);
    for (int i = 0, n = SDL_GetNumDisplayModes(display); i < n; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(display, i, &mode) == 0 && mode.w == size.x && mode.h == size.y) {
            SDL_SetWindowDisplayMode(window, &mode);
            return;
        }
    }
}

} // namespace

WindowImplSdl::WindowImplSdl(const WindowFormat &format, const RendererRef &sharedRenderer, AppImplSdl *appImpl)
    : WindowImpl(format, appImpl)
{
    const Vec2i pos = getPos(), size = getSize();
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    if (isFullScreen() || isBorderless())
        flags |= SDL_WINDOW_BORDERLESS;
    else if (isResizable())
        flags |= SDL_WINDOW_RESIZABLE;
    if (isAlwaysOnTop())
        flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    std::optional<Vec2i> emulated;
    const Uint32 fullScreen = fullScreenFlags(*this, pos, size, emulated);

    // The pixel format is fixed when the window is made: with multisampling asked for, try
    // the level, then each lower one, down to none.
    const RendererRef renderer = getRenderer();
    auto *gl = dynamic_cast<RendererGl *>(renderer.get());
    int32_t level = gl ? gl->getAntiAliasing() : 0;
    for (;;) {
        RendererGlImplSdl::setPixelFormatAttributes(RendererGl::kSampleCounts[level]);
        mWindow = SDL_CreateWindow(format.title.c_str(), pos.x, pos.y, size.x, size.y, flags);
        if (mWindow || level == 0)
            break;
        --level;
    }
    if (gl)
        gl->setAntiAliasing(level);

    if (!mWindow) {
        // The window still exists for the application, without a native window or context.
        appImpl->getApp()->console() << "Failed to create the window: " << SDL_GetError() << '\n';
        finishCreation();
        return;
    }
    mWindowId = SDL_GetWindowID(mWindow);
    if (emulated)
        setExactMode(mWindow, *emulated);
    const int displayIndex = SDL_GetWindowDisplayIndex(mWindow);
    finishCreation(displayIndex >= 0 ? Display::findFromNative(displayIndex) : nullptr);
    if (renderer)
        renderer->attachWindow(appImpl->getApp(), this, sharedRenderer);

    SDL_ShowWindow(mWindow);
    // Asked for once the window is mapped: the compositor's window manager misses a
    // full-screen state set before (the window then lands where the compositor places it).
    if (fullScreen) {
        SDL_SetWindowFullscreen(mWindow, fullScreen);
        mFullScreenAsked = true;
    }
    SDL_RaiseWindow(mWindow);
    SDL_SetWindowInputFocus(mWindow);
    if (renderer)
        renderer->makeCurrentContext();
}

WindowImplSdl::~WindowImplSdl()
{
    destroyNative();
}

void WindowImplSdl::destroyNative()
{
    if (RendererRef renderer = getRenderer())
        renderer->kill();
    if (mWindow) {
        if (isDragging())
            SDL_CaptureMouse(SDL_FALSE);
        SDL_DestroyWindow(mWindow);
        mWindow = nullptr;
    }
}

void WindowImplSdl::setPos(const Vec2i &pos)
{
    if (mWindow)
        SDL_SetWindowPosition(mWindow, pos.x, pos.y);
    recordPos(pos);
}

void WindowImplSdl::setSize(const Vec2i &size)
{
    if (mWindow)
        SDL_SetWindowSize(mWindow, size.x, size.y);
}

std::string WindowImplSdl::getTitle() const
{
    return mWindow ? SDL_GetWindowTitle(mWindow) : "";
}

void WindowImplSdl::setTitle(const std::string &title)
{
    if (mWindow)
        SDL_SetWindowTitle(mWindow, title.c_str());
}

void WindowImplSdl::hide()
{
    if (mWindow)
        SDL_HideWindow(mWindow);
    recordHidden(true);
}

void WindowImplSdl::show()
{
    if (mWindow)
        SDL_ShowWindow(mWindow);
    recordHidden(false);
}

void WindowImplSdl::redraw()
{
    // SDL has no native paint message: the redraw is the paint, synchronously.
    paint();
}

void WindowImplSdl::captureMouse(bool captured)
{
    SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE);
}

void WindowImplSdl::handleEvent(const SDL_Event &event)
{
    activate();
    switch (event.type) {
    case SDL_WINDOWEVENT:
        handleWindowEvent(event.window); // may delete this
        return;
    case SDL_KEYDOWN:
    case SDL_KEYUP: handleKey(event.key); return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: handleButton(event.button); return;
    case SDL_MOUSEMOTION: inputMouseMove({event.motion.x, event.motion.y}); return;
    case SDL_MOUSEWHEEL: handleWheel(event.wheel); return;
    case SDL_DROPBEGIN:
        mDropping = true;
        mDroppedFiles.clear();
        return;
    case SDL_DROPFILE:
        if (event.drop.file) {
            // SDL hands file names over as UTF-8; a char8_t source keeps them exact where
            // paths are wide, and is the bytes as they came where paths are narrow.
            mDroppedFiles.emplace_back(std::u8string_view(reinterpret_cast<const char8_t *>(event.drop.file)));
            SDL_free(event.drop.file);
        }
        if (!mDropping)
            finishDrop(); // a drop without a begin event carries one file
        return;
    case SDL_DROPCOMPLETE: finishDrop(); return;
    case SDL_DROPTEXT:
        if (event.drop.file)
            SDL_free(event.drop.file);
        return;
    default: return;
    }
}

void WindowImplSdl::finishDrop()
{
    mDropping = false;
    if (mDroppedFiles.empty())
        return;
    // The drop point is where the pointer is, in client pixels.
    int gx = 0, gy = 0, wx = 0, wy = 0;
    SDL_GetGlobalMouseState(&gx, &gy);
    if (mWindow)
        SDL_GetWindowPosition(mWindow, &wx, &wy);
    std::vector<std::filesystem::path> files;
    files.swap(mDroppedFiles);
    inputDrop({gx - wx, gy - wy}, std::move(files));
}

void WindowImplSdl::handleWindowEvent(const SDL_WindowEvent &event)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_MOVED: {
        if (mFullScreenAsked && (event.data1 != 0 || event.data2 != 0))
            askFullScreenAgain();
        const int index = mWindow ? SDL_GetWindowDisplayIndex(mWindow) : -1;
        inputMove({event.data1, event.data2}, index >= 0 ? Display::findFromNative(index) : nullptr);
        return;
    }
    case SDL_WINDOWEVENT_SIZE_CHANGED: inputResize({event.data1, event.data2}); return;
    case SDL_WINDOWEVENT_FOCUS_GAINED: inputFocus(true); return;
    case SDL_WINDOWEVENT_FOCUS_LOST: inputFocus(false); return;
    case SDL_WINDOWEVENT_CLOSE:
        close(); // deletes this
        return;
    default: return;
    }
}

void WindowImplSdl::askFullScreenAgain()
{
    // Weston's window manager sometimes drops the request made right after mapping, and
    // places the window as an ordinary one; SDL believes it full screen and would not ask
    // again.
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (mWindow && SDL_GetWindowWMInfo(mWindow, &info) && info.subsystem == SDL_SYSWM_X11)
        x11::requestFullScreen(info.info.x11.display, info.info.x11.window);
}

void WindowImplSdl::handleKey(const SDL_KeyboardEvent &event)
{
    const SDL_Keysym &sym = event.keysym;
    const bool numLock = sym.mod & KMOD_NUM;
    const uint32_t sided = sdl::sidedVirtualKeyFor(sym.scancode, sym.sym, numLock);
    const uint32_t native = sdl::virtualKeyFor(sym.scancode, sym.sym, numLock);
    // Read before the key is recorded: only a Shift key changes the Shift state, and a
    // modifier key types no character.
    const bool shift = getAppImpl()->keys().isDown(vk::Shift);
    const uint32_t ch = sdl::characterFor(sym.scancode, sym.sym, shift, sym.mod & KMOD_CAPS, numLock);
    inputKey(sided, native, ch, event.type == SDL_KEYDOWN);
}

void WindowImplSdl::handleButton(const SDL_MouseButtonEvent &event)
{
    int32_t initiator;
    switch (event.button) {
    case SDL_BUTTON_LEFT: initiator = MouseEvent::kLeft; break;
    case SDL_BUTTON_RIGHT: initiator = MouseEvent::kRight; break;
    case SDL_BUTTON_MIDDLE: initiator = MouseEvent::kMiddle; break;
    default: return;
    }
    inputMouseButton(initiator, event.type == SDL_MOUSEBUTTONDOWN, {event.x, event.y});
}

void WindowImplSdl::handleWheel(const SDL_MouseWheelEvent &event)
{
    float detents = event.preciseY;
    if (event.direction == SDL_MOUSEWHEEL_FLIPPED)
        detents = -detents;
    // The wheel message carries the pointer in screen pixels.
    int gx = 0, gy = 0;
    SDL_GetGlobalMouseState(&gx, &gy);
    inputMouseWheel({gx, gy}, detents);
}

} // namespace lume::app
