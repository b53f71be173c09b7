#include "framework/app/sdl/X11Util.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace lume::app::x11 {

namespace {

std::recursive_mutex sTrapMutex;
bool sErrorSeen = false;

int recordError(::Display *, XErrorEvent *)
{
    sErrorSeen = true;
    return 0;
}

} // namespace

ErrorTrap::ErrorTrap(::Display *display) : mLock(sTrapMutex), mDisplay(display)
{
    XSync(mDisplay, False);
    sErrorSeen = false;
    mPrevious = XSetErrorHandler(recordError);
}

ErrorTrap::~ErrorTrap()
{
    XSync(mDisplay, False);
    XSetErrorHandler(mPrevious);
}

bool ErrorTrap::failed()
{
    XSync(mDisplay, False);
    return sErrorSeen;
}

::Display *openDisplay()
{
    for (int attempt = 1;; ++attempt) {
        if (::Display *display = XOpenDisplay(nullptr))
            return display;
        const char *name = std::getenv("DISPLAY");
        if (!name || !*name || attempt == 5)
            return nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(10 << attempt)); // 20 to 160 ms
    }
}

int closeTransientWindows(unsigned long owner, const std::string &title)
{
    Connection connection;
    ::Display *display = connection.display;
    if (!display)
        return 0;
    ErrorTrap trap(display); // a window may vanish while we look at it
    const ::Window root = DefaultRootWindow(display);
    ::Window rootReturn, parentReturn, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &rootReturn, &parentReturn, &children, &count))
        return 0;
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    int asked = 0;
    for (unsigned int i = 0; i < count; ++i) {
        bool match = false;
        if (owner) {
            ::Window transientFor = None;
            match = XGetTransientForHint(display, children[i], &transientFor) && transientFor == owner;
        } else {
            char *name = nullptr;
            match = XFetchName(display, children[i], &name) && name && title == name;
            if (name)
                XFree(name);
        }
        if (!match)
            continue;
        XEvent event;
        std::memset(&event, 0, sizeof event);
        event.xclient.type = ClientMessage;
        event.xclient.window = children[i];
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(deleteWindow);
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, children[i], False, NoEventMask, &event);
        ++asked;
    }
    if (children)
        XFree(children);
    XFlush(display);
    return asked;
}

void requestFullScreen(::Display *display, unsigned long window)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1; // _NET_WM_STATE_ADD
    event.xclient.data.l[1] = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False));
    event.xclient.data.l[3] = 1; // from a normal application
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

} // namespace lume::app::x11
