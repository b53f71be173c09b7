#pragma once

#include <X11/Xlib.h>

#include <mutex>
#include <string>

namespace lume::app::x11 {

// Runs Xlib requests with errors recorded instead of handled by Xlib's default handler,
// which would end the process. The handler is process-wide, so traps from different threads
// take turns.
class ErrorTrap {
  public:
    explicit ErrorTrap(::Display *display);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap &) = delete;
    ErrorTrap &operator=(const ErrorTrap &) = delete;

    // Waits for the server's answers so far; true if any of them was an error.
    bool failed();

  private:
    std::unique_lock<std::recursive_mutex> mLock;
    ::Display *mDisplay;
    int (*mPrevious)(::Display *, XErrorEvent *);
};

// A new connection to $DISPLAY, or null when there is none. A server that is resetting
// (its last client just left) hangs up on new connections for a moment; that is waited out
// for a little while before the display counts as absent.
::Display *openDisplay();

// A connection to $DISPLAY for the life of the object (null `display` when there is none).
struct Connection {
    ::Display *display = openDisplay();
    Connection() = default;
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    ~Connection()
    {
        if (display)
            XCloseDisplay(display);
    }
};

// Asks every top-level window that is transient for `owner` (or, with no owner, every one
// titled `title`) to close, as a window manager's close button would (WM_DELETE_WINDOW).
// Returns how many were asked.
int closeTransientWindows(unsigned long owner, const std::string &title);

// Asks the window manager to make `window` full screen (EWMH _NET_WM_STATE_FULLSCREEN), as a
// client message to the root window on `display`.
void requestFullScreen(::Display *display, unsigned long window);

} // namespace lume::app::x11
