#include "framework/app/WindowImpl.h"

#include "framework/app/AppBasic.h"
#include "framework/app/AppImplBasic.h"
#include "framework/app/Event.h"
#include "framework/app/KeyCodes.h"
#include "framework/app/Window.h"

#include <cmath>

namespace lume::app {

WindowImpl::WindowImpl(const WindowFormat &format, AppImplBasic *appImpl)
    : mAppImpl(appImpl), mSize(format.size), mFullScreen(format.fullScreen), mBorderless(format.borderless),
      mAlwaysOnTop(format.alwaysOnTop), mResizable(format.resizable),
      mDisplay(format.display ? format.display : Display::getMainDisplay()), mRenderer(format.renderer)
{
    const Area &area = mDisplay->getArea();
    if (format.posSpecified) {
        mWindowedPos = format.pos;
    } else {
        // Centred by the display's size, counted from the virtual-screen origin.
        mWindowedPos = {(area.getWidth() - mSize.x) / 2, (area.getHeight() - mSize.y) / 2};
    }
    mPos = mWindowedPos;
    // Full screen is the whole display, without a border.
    if (mFullScreen) {
        mPos = {area.x1, area.y1};
        mSize = {area.getWidth(), area.getHeight()};
    }
}

WindowImpl::~WindowImpl()
{
    if (mWindowRef)
        mWindowRef->invalidate();
}

void WindowImpl::finishCreation(DisplayRef display)
{
    if (display)
        mDisplay = std::move(display);
    mWindowRef = std::make_shared<Window>(mAppImpl->getApp(), this);
}

void WindowImpl::close()
{
    mAppImpl->closeWindow(this);
}

void WindowImpl::activate()
{
    mAppImpl->setActiveWindow(mWindowRef);
}

void WindowImpl::paint()
{
    activate();
    if (mSize.x <= 0 || mSize.y <= 0)
        return;
    if (mRenderer)
        mRenderer->startDraw();
    mWindowRef->emitDraw();
    if (mRenderer)
        mRenderer->finishDraw();
}

void WindowImpl::resizeNotify()
{
    activate();
    mWindowRef->emitResize();
}

void WindowImpl::inputMove(const Vec2i &pos, const DisplayRef &display)
{
    activate();
    mPos = pos;
    if (display && display != mDisplay) {
        mDisplay = display;
        mWindowRef->emitDisplayChange();
    }
    mWindowRef->emitMove();
}

void WindowImpl::inputResize(const Vec2i &size)
{
    activate();
    mSize = size;
    if (mAppImpl->setupHasBeenCalled())
        mWindowRef->emitResize();
}

void WindowImpl::inputFocus(bool focused)
{
    activate();
    if (focused) {
        mAppImpl->setForegroundWindow(mWindowRef);
        return;
    }
    if (!mIsDragging)
        return;
    captureMouse(false);
    mAppImpl->mouseButtons() = 0;
    const uint32_t native = nativeMouseFlags();
    MouseEvent up(mWindowRef, MouseEvent::kNone, mLastMouse.x, mLastMouse.y, mouseModifiers(native, mAppImpl->keys()),
                  0.0f, native);
    mWindowRef->emitMouseUp(up);
    mIsDragging = false;
}

void WindowImpl::inputKey(uint32_t sidedVk, uint32_t nativeVk, uint32_t character, bool down)
{
    activate();
    KeyState &keys = mAppImpl->keys();
    keys.setDown(sidedVk, down);
    if (!nativeVk)
        return;
    // The event says which side a modifier key is on, so the key code takes that side (right
    // for the key-up of right Shift too, and left for left Shift pressed while right Shift is
    // held).
    KeyEvent key(mWindowRef, keyCodeForVirtualKey(sidedVk), character, static_cast<char>(character & 0xFF),
                 keyModifiers(keys), nativeVk);
    if (down)
        mWindowRef->emitKeyDown(key);
    else
        mWindowRef->emitKeyUp(key);
}

void WindowImpl::inputMouseButton(int32_t initiator, bool down, const Vec2i &pos)
{
    uint32_t flag;
    switch (initiator) {
    case MouseEvent::kLeft: flag = mk::LButton; break;
    case MouseEvent::kRight: flag = mk::RButton; break;
    case MouseEvent::kMiddle: flag = mk::MButton; break;
    default: return;
    }
    activate();
    mLastMouse = pos;
    uint32_t &buttons = mAppImpl->mouseButtons();
    if (down)
        buttons |= flag;
    else
        buttons &= ~flag;
    // Captured until a button comes up: drags that leave the window still arrive here.
    captureMouse(down);
    mIsDragging = down;
    const uint32_t native = nativeMouseFlags();
    MouseEvent e(mWindowRef, initiator, pos.x, pos.y, mouseModifiers(native, mAppImpl->keys()), 0.0f, native);
    if (down)
        mWindowRef->emitMouseDown(e);
    else
        mWindowRef->emitMouseUp(e);
}

void WindowImpl::inputMouseMove(const Vec2i &pos)
{
    activate();
    mLastMouse = pos;
    const uint32_t native = nativeMouseFlags();
    MouseEvent e(mWindowRef, MouseEvent::kNone, pos.x, pos.y, mouseModifiers(native, mAppImpl->keys()), 0.0f, native);
    if (mIsDragging)
        mWindowRef->emitMouseDrag(e);
    else
        mWindowRef->emitMouseMove(e);
}

void WindowImpl::inputMouseWheel(const Vec2i &screenPos, float detents)
{
    if (detents == 0.0f)
        return;
    activate();
    // The wheel message carries the delta in 120ths of a detent in the high word of its flags.
    const int delta = static_cast<int>(std::lround(detents * 120.0f));
    const uint32_t native = nativeMouseFlags() | (static_cast<uint32_t>(static_cast<uint16_t>(delta)) << 16);
    MouseEvent e(mWindowRef, MouseEvent::kNone, screenPos.x, screenPos.y,
                 mouseModifiers(native & 0xFFFF, mAppImpl->keys()),
                 static_cast<float>(static_cast<int16_t>(delta)) / 120.0f, native);
    mWindowRef->emitMouseWheel(e);
}

void WindowImpl::inputDrop(const Vec2i &pos, std::vector<std::filesystem::path> files)
{
    activate();
    if (files.empty())
        return;
    FileDropEvent drop(mWindowRef, pos.x, pos.y, std::move(files));
    mWindowRef->emitFileDrop(drop);
}

uint32_t WindowImpl::nativeMouseFlags() const
{
    uint32_t flags = mAppImpl->mouseButtons();
    const KeyState &keys = mAppImpl->keys();
    if (keys.isDown(vk::Shift))
        flags |= mk::Shift;
    if (keys.isDown(vk::Control))
        flags |= mk::Control;
    return flags;
}

} // namespace lume::app
