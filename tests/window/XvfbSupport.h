#pragma once

// A private X server per test and the processes that run on it: started with `timeout -k`
// so nothing outlives a crashed test, and ended by their owner.

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

namespace lume::test {

// An X window id (Xlib's Window), without pulling Xlib's macros into test code.
using XWindowId = unsigned long;

class XvfbServer {
  public:
    // Starts Xvfb on a free display number (Xvfb picks it, -displayfd) with one screen of
    // width x height x 24 and `options` added (say, a font path). Throws std::runtime_error
    // when it does not come up.
    XvfbServer(int width, int height, const std::vector<std::string> &options = {});
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    // ":N"
    const std::string &display() const { return mDisplay; }

  private:
    pid_t mPid = -1;
    std::string mDisplay;
};

// One child process with its standard output and error in files.
class Process {
  public:
    // Runs `argv` under `timeout -k 5 <limitSeconds>` in `workingDir`, with `env` added to
    // this process's environment, as a process group of its own.
    Process(const std::vector<std::string> &argv, const std::map<std::string, std::string> &env,
            const std::string &workingDir, int limitSeconds = 120);
    // Kills the whole group, whatever state the test left it in: a hung program goes with
    // its wrapper, and so does anything it started.
    ~Process();
    Process(const Process &) = delete;
    Process &operator=(const Process &) = delete;

    // The exit status once the process has ended within `seconds` (128 + n for signal n).
    std::optional<int> waitFor(double seconds);
    bool running();
    void signal(int sig);
    std::string output() const;
    std::string errors() const;

  private:
    pid_t mPid = -1;
    std::optional<int> mStatus;
    std::string mDir;
};

// Xlib queries on the test's server.
class XClient {
  public:
    explicit XClient(const std::string &display);
    ~XClient();
    XClient(const XClient &) = delete;
    XClient &operator=(const XClient &) = delete;

    _XDisplay *get() const { return mDisplay; }
    // A viewable top-level window with this name, or 0.
    XWindowId findWindow(const std::string &name);
    // Waits up to `seconds` for such a window (while `alive` says the program still runs).
    XWindowId waitForWindow(const std::string &name, double seconds, Process *alive = nullptr);
    struct Geometry {
        int x = 0, y = 0, width = 0, height = 0;
    };
    Geometry geometry(XWindowId window);
    // The decorations the window asks for through the Motif hints (-1: no such hint).
    long motifDecorations(XWindowId window);
    // Minimum and maximum size hints equal: the window cannot be resized.
    bool fixedSize(XWindowId window);
    // The screen's size as the server has it now.
    std::pair<int, int> screenSize();
    // Asks the window to close, as a window manager's close button does.
    void requestClose(XWindowId window);
    // Creates the atom, so that programs that look for it only if it exists find it.
    void internAtom(const char *name);

  private:
    _XDisplay *mDisplay;
};

// Runs a shell command and gives its standard output.
std::string runCommand(const std::string &command);

} // namespace lume::test
