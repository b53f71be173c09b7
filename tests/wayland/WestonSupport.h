#pragma once

// A private headless Weston with Xwayland per test: its own runtime folder and socket, ended
// by its owner. Xwayland starts with the first X client.

#include "tests/window/XvfbSupport.h"

#include <map>
#include <memory>
#include <string>

namespace lume::test {

class WestonServer {
  public:
    // Starts Weston's headless backend with one output of width x height and waits for its
    // log to name Xwayland's display. Throws std::runtime_error when it does not come up.
    WestonServer(int width, int height);
    ~WestonServer();
    WestonServer(const WestonServer &) = delete;
    WestonServer &operator=(const WestonServer &) = delete;

    // Xwayland's ":N".
    const std::string &display() const { return mDisplay; }
    // What a client of the session has in its environment: DISPLAY, WAYLAND_DISPLAY and
    // XDG_RUNTIME_DIR.
    std::map<std::string, std::string> environment() const;
    // The compositor's log so far, for failure messages.
    std::string log() const;

  private:
    std::string mRuntimeDir, mSocket, mDisplay;
    std::unique_ptr<Process> mWeston;
};

} // namespace lume::test
