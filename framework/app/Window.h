#pragma once

#include "framework/Exception.h"
#include "framework/Vector.h"
#include "framework/app/Display.h"
#include "framework/app/Event.h"
#include "framework/app/Renderer.h"

#include <boost/signals2/signal.hpp>

#include <memory>
#include <string>

namespace lume::app {

class App;
class WindowImpl;

// Raised by every operation on a window that has closed.
class ExcInvalidWindow : public lume::Exception {
  public:
    const char *what() const noexcept override { return "Invalid Window"; }
};

// Combiner of the event signals: calls the connected slots in order and stops after the
// first one that marks the event handled.
class StopWhenHandled {
  public:
    using result_type = void;

    StopWhenHandled() : mCurrent(std::make_shared<const Event *>(nullptr)) {}
    explicit StopWhenHandled(std::shared_ptr<const Event *> current) : mCurrent(std::move(current)) {}

    template <typename Iterator>
    void operator()(Iterator first, Iterator last) const
    {
        for (; first != last; ++first) {
            (void)*first; // calls the slot
            if (*mCurrent && (*mCurrent)->isHandled())
                return;
        }
    }

  private:
    std::shared_ptr<const Event *> mCurrent;
};

// A Boost.Signals2 signal for an event record; emit() runs the slots with the stop rule.
template <typename EventT>
class EventSignal : public boost::signals2::signal<void(EventT &), StopWhenHandled> {
    using Base = boost::signals2::signal<void(EventT &), StopWhenHandled>;

  public:
    EventSignal() : EventSignal(std::make_shared<const Event *>(nullptr)) {}

    void emit(EventT &event)
    {
        // Restored afterwards so that an emission from inside a slot does not confuse the outer one.
        const Event *previous = *mCurrent;
        *mCurrent = &event;
        try {
            (*this)(event);
        } catch (...) {
            *mCurrent = previous;
            throw;
        }
        *mCurrent = previous;
    }

  private:
    explicit EventSignal(std::shared_ptr<const Event *> current) : Base(StopWhenHandled(current)), mCurrent(current) {}

    std::shared_ptr<const Event *> mCurrent;
};

// The application's view of one window: its properties, its signals, and the emission of
// its events in the framework's order (make the render context current, the window's
// signal, then the application's handler unless a slot handled the event).
class Window : public std::enable_shared_from_this<Window> {
  public:
    using VoidSignal = boost::signals2::signal<void()>;

    Window(App *app, WindowImpl *impl);
    virtual ~Window() = default;
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    // Client size in pixels.
    virtual Vec2i getSize() const;
    int32_t getWidth() const { return getSize().x; }
    int32_t getHeight() const { return getSize().y; }
    Vec2i getPos() const;
    void setPos(const Vec2i &pos);
    void setSize(const Vec2i &size);
    std::string getTitle() const;
    void setTitle(const std::string &title);
    void hide();
    void show();
    bool isHidden() const;
    void close();
    // The platform's window handle (SDL_Window* on Linux).
    void *getNative() const;
    RendererRef getRenderer() const;
    DisplayRef getDisplay() const;
    // Pixels per point of the window's display: 1 on every backend we have (window API; the
    // player does not ask).
    float getContentScale() const;
    App *getApp() const;
    WindowImpl *getImpl() const;
    bool isValid() const { return mValid; }

    EventSignal<MouseEvent> &getSignalMouseDown() { return mSignalMouseDown; }
    EventSignal<MouseEvent> &getSignalMouseDrag() { return mSignalMouseDrag; }
    EventSignal<MouseEvent> &getSignalMouseUp() { return mSignalMouseUp; }
    EventSignal<MouseEvent> &getSignalMouseWheel() { return mSignalMouseWheel; }
    EventSignal<MouseEvent> &getSignalMouseMove() { return mSignalMouseMove; }
    EventSignal<KeyEvent> &getSignalKeyDown() { return mSignalKeyDown; }
    EventSignal<KeyEvent> &getSignalKeyUp() { return mSignalKeyUp; }
    EventSignal<FileDropEvent> &getSignalFileDrop() { return mSignalFileDrop; }
    VoidSignal &getSignalDraw() { return mSignalDraw; }
    VoidSignal &getSignalPostDraw() { return mSignalPostDraw; }
    VoidSignal &getSignalMove() { return mSignalMove; }
    VoidSignal &getSignalResize() { return mSignalResize; }
    VoidSignal &getSignalDisplayChange() { return mSignalDisplayChange; }
    VoidSignal &getSignalClose() { return mSignalClose; }

    void emitMouseDown(MouseEvent &event);
    void emitMouseDrag(MouseEvent &event);
    void emitMouseUp(MouseEvent &event);
    void emitMouseWheel(MouseEvent &event);
    void emitMouseMove(MouseEvent &event);
    void emitKeyDown(KeyEvent &event);
    void emitKeyUp(KeyEvent &event);
    void emitFileDrop(FileDropEvent &event);
    // Draw signal, the application's draw, post-draw signal.
    void emitDraw();
    // The renderer's default resize, the resize signal, the application's resize.
    void emitResize();
    void emitMove();
    void emitDisplayChange();
    void emitClose();

    // The window has closed: from now on every operation raises ExcInvalidWindow.
    void invalidate();

  private:
    void checkValid() const;
    void makeCurrent();
    template <typename EventT>
    void dispatch(EventSignal<EventT> &signal, EventT &event, void (App::*handler)(EventT));

    bool mValid = true;
    App *mApp;
    WindowImpl *mImpl;
    EventSignal<MouseEvent> mSignalMouseDown, mSignalMouseDrag, mSignalMouseUp, mSignalMouseWheel, mSignalMouseMove;
    EventSignal<KeyEvent> mSignalKeyDown, mSignalKeyUp;
    VoidSignal mSignalDraw, mSignalPostDraw, mSignalMove, mSignalResize, mSignalDisplayChange, mSignalClose;
    EventSignal<FileDropEvent> mSignalFileDrop;
};

} // namespace lume::app
