#include "framework/app/sdl/WindowImplSdl.h"

#include "framework/app/AppBasic.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Window.h"
#include "framework/app/sdl/AppImplSdlBasic.h"
#include "framework/app/sdl/RendererGlImplSdl.h"
#include "framework/app/sdl/KeyTranslationSdl.h"

#include <cmath>

namespace lume::app {

WindowImplSdl::WindowImplSdl(const WindowFormat &format, const RendererRef &sharedRenderer, AppImplSdlBasic *appImpl)
    : WindowImpl(format, appImpl), mSdlAppImpl(appImpl)
{
    Area rect(mWindowedPos.x, mWindowedPos.y, mWindowedPos.x + mSize.x, mWindowedPos.y + mSize.y);
    if (mFullScreen) {
        rect = mDisplay->getArea();
        mPos = {rect.x1, rect.y1};
        mSize = {rect.getWidth(), rect.getHeight()};
    }

    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    if (mFullScreen || mBorderless)
        flags |= SDL_WINDOW_BORDERLESS;
    else if (mResizable)
        flags |= SDL_WINDOW_RESIZABLE;
    if (mAlwaysOnTop)
        flags |= SDL_WINDOW_ALWAYS_ON_TOP;

    // The pixel format is fixed when the window is made: with multisampling asked for, try
    // the level, then each lower one, down to none.
    auto *gl = dynamic_cast<RendererGl *>(mRenderer.get());
    int32_t level = gl ? gl->getAntiAliasing() : 0;
    for (;;) {
        RendererGlImplSdl::setPixelFormatAttributes(RendererGl::kSampleCounts[level]);
        mWindow = SDL_CreateWindow(format.title.c_str(), rect.x1, rect.y1, rect.getWidth(), rect.getHeight(), flags);
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
    const int displayIndex = SDL_GetWindowDisplayIndex(mWindow);
    if (displayIndex >= 0)
        mDisplay = Display::findFromNative(displayIndex);
    finishCreation();
    if (mRenderer)
        mRenderer->attachWindow(appImpl->getApp(), this, sharedRenderer);

    SDL_ShowWindow(mWindow);
    SDL_RaiseWindow(mWindow);
    SDL_SetWindowInputFocus(mWindow);
    if (mRenderer)
        mRenderer->makeCurrentContext();
}

WindowImplSdl::~WindowImplSdl()
{
    destroyNative();
}

void WindowImplSdl::destroyNative()
{
    if (mRenderer)
        mRenderer->kill();
    if (mWindow) {
        if (mIsDragging)
            SDL_CaptureMouse(SDL_FALSE);
        SDL_DestroyWindow(mWindow);
        mWindow = nullptr;
    }
}

void WindowImplSdl::setPos(const Vec2i &pos)
{
    if (mWindow)
        SDL_SetWindowPosition(mWindow, pos.x, pos.y);
    mPos = pos;
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
    mHidden = true;
}

void WindowImplSdl::show()
{
    if (mWindow)
        SDL_ShowWindow(mWindow);
    mHidden = false;
}

void WindowImplSdl::redraw()
{
    // SDL has no native paint message: the redraw is the paint, synchronously.
    paint();
}

void WindowImplSdl::activate()
{
    mAppImpl->setActiveWindow(mWindowRef);
}

uint32_t WindowImplSdl::nativeMouseFlags() const
{
    uint32_t flags = mSdlAppImpl->mouseButtons();
    const KeyState &keys = mSdlAppImpl->keys();
    if (keys.isDown(vk::Shift))
        flags |= mk::Shift;
    if (keys.isDown(vk::Control))
        flags |= mk::Control;
    return flags;
}

void WindowImplSdl::handleEvent(const SDL_Event &event)
{
    activate();
    switch (event.type) {
    case SDL_WINDOWEVENT:
        handleWindowEvent(event.window); // may delete this
        return;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        handleKey(event.key);
        return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        handleButton(event.button);
        return;
    case SDL_MOUSEMOTION:
        handleMotion(event.motion);
        return;
    case SDL_MOUSEWHEEL:
        handleWheel(event.wheel);
        return;
    case SDL_DROPBEGIN:
        mDropping = true;
        mDroppedFiles.clear();
        return;
    case SDL_DROPFILE:
        if (event.drop.file) {
            mDroppedFiles.emplace_back(event.drop.file);
            SDL_free(event.drop.file);
        }
        if (mDropping)
            return;
        [[fallthrough]]; // a drop without a begin event carries one file
    case SDL_DROPCOMPLETE: {
        mDropping = false;
        if (mDroppedFiles.empty())
            return;
        // The drop point is where the pointer is, in client pixels.
        int gx = 0, gy = 0, wx = 0, wy = 0;
        SDL_GetGlobalMouseState(&gx, &gy);
        if (mWindow)
            SDL_GetWindowPosition(mWindow, &wx, &wy);
        FileDropEvent drop(mWindowRef, gx - wx, gy - wy, std::move(mDroppedFiles));
        mDroppedFiles.clear();
        mWindowRef->emitFileDrop(drop);
        return;
    }
    case SDL_DROPTEXT:
        if (event.drop.file)
            SDL_free(event.drop.file);
        return;
    default:
        return;
    }
}

void WindowImplSdl::handleWindowEvent(const SDL_WindowEvent &event)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_MOVED: {
        mPos = {event.data1, event.data2};
        const int index = mWindow ? SDL_GetWindowDisplayIndex(mWindow) : -1;
        if (index >= 0 && (!mDisplay || mDisplay->getNative() != index)) {
            DisplayRef display = Display::findFromNative(index);
            if (display != mDisplay) {
                mDisplay = display;
                mWindowRef->emitDisplayChange();
            }
        }
        mWindowRef->emitMove();
        return;
    }
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        mSize = {event.data1, event.data2};
        if (mAppImpl->setupHasBeenCalled())
            mWindowRef->emitResize();
        return;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        mAppImpl->setForegroundWindow(mWindowRef);
        return;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        if (mIsDragging) {
            // The button will come up somewhere we never hear of: end the drag now.
            SDL_CaptureMouse(SDL_FALSE);
            mSdlAppImpl->mouseButtons() = 0;
            MouseEvent up(mWindowRef, MouseEvent::kNone, mLastMouse.x, mLastMouse.y,
                          mouseModifiers(nativeMouseFlags(), mSdlAppImpl->keys()), 0.0f, nativeMouseFlags());
            mWindowRef->emitMouseUp(up);
            mIsDragging = false;
        }
        return;
    case SDL_WINDOWEVENT_CLOSE:
        mAppImpl->closeWindow(this); // deletes this
        return;
    default:
        return;
    }
}

void WindowImplSdl::handleKey(const SDL_KeyboardEvent &event)
{
    const bool down = event.type == SDL_KEYDOWN;
    const SDL_Keysym &sym = event.keysym;
    const bool numLock = sym.mod & KMOD_NUM;
    const uint32_t sided = sdl::sidedVirtualKeyFor(sym.scancode, sym.sym, numLock);
    KeyState &keys = mSdlAppImpl->keys();
    keys.setDown(sided, down);

    const uint32_t native = sdl::virtualKeyFor(sym.scancode, sym.sym, numLock);
    if (!native)
        return; // a key Windows has no code for sends nothing
    // The event itself says which side a modifier key is on, so the left/right resolution
    // takes that side (right for the key-up of right Shift too, and left for left Shift
    // pressed while right Shift is held).
    const uint32_t resolved = sided;
    const uint32_t ch = sdl::characterFor(sym.scancode, sym.sym, keys.isDown(vk::Shift), sym.mod & KMOD_CAPS, numLock);
    KeyEvent key(mWindowRef, keyCodeForVirtualKey(resolved), ch, static_cast<char>(ch & 0xFF), keyModifiers(keys),
                 native);
    if (down)
        mWindowRef->emitKeyDown(key);
    else
        mWindowRef->emitKeyUp(key);
}

void WindowImplSdl::handleButton(const SDL_MouseButtonEvent &event)
{
    int32_t initiator;
    uint32_t flag;
    switch (event.button) {
    case SDL_BUTTON_LEFT: initiator = MouseEvent::kLeft, flag = mk::LButton; break;
    case SDL_BUTTON_RIGHT: initiator = MouseEvent::kRight, flag = mk::RButton; break;
    case SDL_BUTTON_MIDDLE: initiator = MouseEvent::kMiddle, flag = mk::MButton; break;
    default: return;
    }
    mLastMouse = {event.x, event.y};
    uint32_t &buttons = mSdlAppImpl->mouseButtons();
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        buttons |= flag;
        // Captured until a button comes up: drags that leave the window still arrive here.
        SDL_CaptureMouse(SDL_TRUE);
        mIsDragging = true;
        const uint32_t native = nativeMouseFlags();
        MouseEvent e(mWindowRef, initiator, event.x, event.y, mouseModifiers(native, mSdlAppImpl->keys()), 0.0f, native);
        mWindowRef->emitMouseDown(e);
    } else {
        buttons &= ~flag;
        SDL_CaptureMouse(SDL_FALSE);
        mIsDragging = false;
        const uint32_t native = nativeMouseFlags();
        MouseEvent e(mWindowRef, initiator, event.x, event.y, mouseModifiers(native, mSdlAppImpl->keys()), 0.0f, native);
        mWindowRef->emitMouseUp(e);
    }
}

void WindowImplSdl::handleMotion(const SDL_MouseMotionEvent &event)
{
    mLastMouse = {event.x, event.y};
    const uint32_t native = nativeMouseFlags();
    MouseEvent e(mWindowRef, MouseEvent::kNone, event.x, event.y, mouseModifiers(native, mSdlAppImpl->keys()), 0.0f,
                 native);
    if (mIsDragging)
        mWindowRef->emitMouseDrag(e);
    else
        mWindowRef->emitMouseMove(e);
}

void WindowImplSdl::handleWheel(const SDL_MouseWheelEvent &event)
{
    float increment = event.preciseY;
    if (event.direction == SDL_MOUSEWHEEL_FLIPPED)
        increment = -increment;
    if (increment == 0.0f)
        return; // sideways scrolling is a different message
    // The wheel message carries the pointer in screen pixels.
    int gx = 0, gy = 0;
    SDL_GetGlobalMouseState(&gx, &gy);
    const int delta = static_cast<int>(std::lround(increment * 120.0f));
    const uint32_t native = nativeMouseFlags() | (static_cast<uint32_t>(static_cast<uint16_t>(delta)) << 16);
    MouseEvent e(mWindowRef, MouseEvent::kNone, gx, gy, mouseModifiers(native & 0xFFFF, mSdlAppImpl->keys()),
                 static_cast<float>(static_cast<int16_t>(delta)) / 120.0f, native);
    mWindowRef->emitMouseWheel(e);
}

} // namespace lume::app
