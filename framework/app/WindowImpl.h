#pragma once

#include "framework/Vector.h"
#include "framework/app/Display.h"
#include "framework/app/Renderer.h"
#include "framework/app/WindowFormat.h"

#include <memory>
#include <string>

namespace lume::app {

class AppImplBasic;
class Window;
using WindowRef = std::shared_ptr<Window>;

// The platform window behind a Window. This base holds what every platform shares: the
// placement rules, the bookkeeping, painting and the resize notification; a backend derives
// from it, creates the native window in its constructor and calls finishCreation().
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
    // Ask the application to close this window.
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
    // Creates the Window object; the backend calls it once the native window exists.
    void finishCreation();

    AppImplBasic *mAppImpl;
    WindowRef mWindowRef;
    Vec2i mPos;
    bool mHidden = false;
    Vec2i mSize;
    bool mFullScreen, mBorderless, mAlwaysOnTop, mResizable;
    Vec2i mWindowedPos, mWindowedSize;
    DisplayRef mDisplay;
    RendererRef mRenderer;
    bool mIsDragging = false;
};

} // namespace lume::app
