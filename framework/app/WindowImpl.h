#pragma once

#include "framework/Vector.h"
#include "framework/app/Display.h"
#include "framework/app/Renderer.h"
#include "framework/app/WindowFormat.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace lume::app {

class AppImplBasic;
class Window;
using WindowRef = std::shared_ptr<Window>;

// The platform window behind a Window. This base holds what every platform shares: the
// placement rules, the bookkeeping, painting, and the input rules (resize only after setup,
// drag or move, the end of a drag when the focus goes). A backend derives from it, creates
// the native window in its constructor at getPos()/getSize() and calls finishCreation(), then
// reports what the system tells it through the input functions.
class WindowImpl {
  public:
    WindowImpl(const WindowFormat &format, AppImplBasic *appImpl);
    virtual ~WindowImpl();
    WindowImpl(const WindowImpl &) = delete;
    WindowImpl &operator=(const WindowImpl &) = delete;

    Vec2i getSize() const { return mSize; }
    Vec2i getPos() const { return mPos; }
    bool isHidden() const { return mHidden; }
    bool isFullScreen() const { return mFullScreen; }
    bool isBorderless() const { return mBorderless; }
    bool isResizable() const { return mResizable; }
    bool isAlwaysOnTop() const { return mAlwaysOnTop; }
    DisplayRef getDisplay() const { return mDisplay; }
    RendererRef getRenderer() const { return mRenderer; }
    WindowRef getWindow() const { return mWindowRef; }
    AppImplBasic *getAppImpl() const { return mAppImpl; }

    virtual void setPos(const Vec2i &pos) = 0;
    virtual void setSize(const Vec2i &size) = 0;
    virtual std::string getTitle() const = 0;
    virtual void setTitle(const std::string &title) = 0;
    virtual void hide() = 0;
    virtual void show() = 0;
    virtual void *getNative() const = 0;
    // Draw now: the native repaint, which ends in paint() before it returns.
    virtual void redraw() = 0;
    // Ask the application to close this window (also what the backend calls when the user
    // closes it). Deletes this window: nothing may touch it afterwards.
    void close();
    // Called by the application when it closes the window: the renderer's context ends and
    // the native window goes away.
    virtual void destroyNative() = 0;

    // Makes this the active window and draws it: renderer start, draw, renderer finish. A
    // zero-area window (minimised) is not drawn: there is nothing to show and no buffer to
    // draw into.
    void paint();
    // Makes this the active window and emits resize.
    void resizeNotify();

  protected:
    // Creates the Window object; the backend calls it once the native window exists, with the
    // display it ended up on when it knows (null keeps the format's).
    void finishCreation(DisplayRef display = nullptr);
    // Where the window goes when it is not full screen (the format's position, or centred).
    Vec2i getWindowedPos() const { return mWindowedPos; }
    // The backend's setters record what they asked for, without events (those follow from the
    // system's own reports).
    void recordPos(const Vec2i &pos) { mPos = pos; }
    void recordHidden(bool hidden) { mHidden = hidden; }
    bool isDragging() const { return mIsDragging; }

    // Makes this the active window: the backend does it for every event the window receives.
    void activate();

    // Input: what the system reported about this window, in client pixels unless said
    // otherwise. Each makes this the active window first.
    //
    // Moved to `pos`, now on `display` (null when the backend cannot tell).
    void inputMove(const Vec2i &pos, const DisplayRef &display);
    // The client area is now `size`. The application hears of it only once setup has
    // returned: the loop sends every window one resize right after setup.
    void inputResize(const Vec2i &size);
    // Focus gained or lost. Losing it in the middle of a drag ends the drag with a mouse-up
    // whose initiator is none: the button will come up where this window never hears of it.
    void inputFocus(bool focused);
    // `sidedVk` is the virtual-key code with the side of Shift, Control and Alt resolved (the
    // held-key record takes it); `nativeVk` the side-less code Windows would send, 0 for a
    // key Windows has no code for (such a key sends no event); `character` the UTF-32
    // character the key types, 0 for none.
    void inputKey(uint32_t sidedVk, uint32_t nativeVk, uint32_t character, bool down);
    // `initiator` is MouseEvent::kLeft, kRight or kMiddle. A press starts a drag and captures
    // the mouse (captureMouse) until a button comes up.
    void inputMouseButton(int32_t initiator, bool down, const Vec2i &pos);
    // A drag while a button is held since a press in this window, else a move.
    void inputMouseMove(const Vec2i &pos);
    // `detents` of the vertical wheel, positive away from the user; `screenPos` in screen
    // pixels, as the wheel message has it. Zero detents (sideways scrolling) sends nothing.
    void inputMouseWheel(const Vec2i &screenPos, float detents);
    // Files dropped at `pos`: one event for the whole drop; nothing when `files` is empty.
    void inputDrop(const Vec2i &pos, std::vector<std::filesystem::path> files);

    // Keeps mouse input coming to this window while a button is held, also outside it (the
    // inputs above ask for it). Nothing where the system does it by itself.
    virtual void captureMouse(bool /*captured*/) {}

  private:
    // The mouse message's MK_* flags: held buttons, Shift and Control.
    uint32_t nativeMouseFlags() const;

    AppImplBasic *mAppImpl;
    WindowRef mWindowRef;
    Vec2i mPos;
    bool mHidden = false;
    Vec2i mSize;
    bool mFullScreen, mBorderless, mAlwaysOnTop, mResizable;
    Vec2i mWindowedPos;
    DisplayRef mDisplay;
    RendererRef mRenderer;
    bool mIsDragging = false;
    Vec2i mLastMouse;
};

} // namespace lume::app
