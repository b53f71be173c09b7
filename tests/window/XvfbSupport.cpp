#include "tests/window/XvfbSupport.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char **environ;

namespace lume::test {

namespace {

std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> out;
    for (std::string &s : strings)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Children start with no blocked signals and default dispositions, whatever the test process
// blocks (the platform blocks SIGINT and SIGTERM in every thread to take them on its own), and
// lead a process group of their own, which everything they start joins: their owner ends the
// whole group, since a SIGKILL to the `timeout` wrapper would not reach the program under it.
struct SpawnAttributes {
    posix_spawnattr_t attr;
    SpawnAttributes()
    {
        posix_spawnattr_init(&attr);
        sigset_t none, defaults;
        sigemptyset(&none);
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGINT);
        sigaddset(&defaults, SIGTERM);
        posix_spawnattr_setsigmask(&attr, &none);
        posix_spawnattr_setsigdefault(&attr, &defaults);
        posix_spawnattr_setpgroup(&attr, 0);
        posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attr); }
};

// A window can go between listing it and asking about it (programs make short-lived windows
// while they start); Xlib's default handler would end the test process for that. Other
// errors still go to the default handler.
XErrorHandler sDefaultErrorHandler = nullptr;

int tolerateVanishedWindows(::Display *display, XErrorEvent *error)
{
    if (error->error_code == BadWindow)
        return 0;
    return sDefaultErrorHandler ? sDefaultErrorHandler(display, error) : 0;
}

} // namespace

XvfbServer::XvfbServer(int width, int height, const std::vector<std::string> &options)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The read end first: it may be descriptor 3 itself.
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> args = {"timeout",
                                     "-k",
                                     "5",
                                     "900",
                                     "Xvfb",
                                     "-displayfd",
                                     "3",
                                     "-noreset",
                                     "-nolisten",
                                     "tcp",
                                     "-screen",
                                     "0",
                                     std::to_string(width) + "x" + std::to_string(height) + "x24"};
    args.insert(args.end(), options.begin(), options.end());
    SpawnAttributes attributes;
    const int rc = posix_spawnp(&mPid, "timeout", &actions, &attributes.attr, pointers(args).data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        throw std::runtime_error("could not start Xvfb");
    }
    std::string number;
    pollfd pfd{fds[0], POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        if (poll(&pfd, 1, 200) > 0) {
            char buffer[32];
            const ssize_t n = read(fds[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            number.append(buffer, static_cast<size_t>(n));
        }
    }
    close(fds[0]);
    if (number.find('\n') == std::string::npos) {
        kill(mPid, SIGTERM);
        waitpid(mPid, nullptr, 0);
        throw std::runtime_error("Xvfb did not report its display");
    }
    mDisplay = ":" + number.substr(0, number.find('\n'));
}

XvfbServer::~XvfbServer()
{
    if (mPid > 0) {
        kill(mPid, SIGTERM);
        waitpid(mPid, nullptr, 0);
    }
}

Process::Process(const std::vector<std::string> &argv, const std::map<std::string, std::string> &env,
                 const std::string &workingDir, int limitSeconds)
{
    char dirTemplate[] = "/tmp/lume-window-test-XXXXXX";
    if (!mkdtemp(dirTemplate))
        throw std::runtime_error("mkdtemp failed");
    mDir = dirTemplate;

    // A signal sent to the wrapper (signal()) is passed on and starts its kill delay: give the
    // program as long to shut down as the tests wait for it, since a loaded machine or a
    // sanitizer build can take seconds to join the loader; the destructor ends the group anyway.
    std::vector<std::string> args = {"timeout", "-k", "60", std::to_string(limitSeconds)};
    args.insert(args.end(), argv.begin(), argv.end());
    std::map<std::string, std::string> environment;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        const size_t eq = entry.find('=');
        if (eq != std::string::npos)
            environment[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto &[key, value] : env)
        environment[key] = value;
    std::vector<std::string> envStrings;
    for (const auto &[key, value] : environment)
        envStrings.push_back(key + "=" + value);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, (mDir + "/stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, (mDir + "/stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str());
    SpawnAttributes attributes;
    const int rc =
        posix_spawnp(&mPid, "timeout", &actions, &attributes.attr, pointers(args).data(), pointers(envStrings).data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        throw std::runtime_error("could not start " + argv.front());
}

Process::~Process()
{
    // Whatever is left of the group goes, also after the wrapper itself has ended: running()
    // leaves it unreaped, so its id, which is the group's, cannot have passed to anyone else.
    kill(-mPid, SIGKILL);
    waitpid(mPid, nullptr, 0);
    std::remove((mDir + "/stdout").c_str());
    std::remove((mDir + "/stderr").c_str());
    rmdir(mDir.c_str());
}

bool Process::running()
{
    if (mStatus)
        return false;
    // Looks without reaping (the destructor reaps).
    siginfo_t info{};
    if (waitid(P_PID, id_t(mPid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == mPid) {
        mStatus = info.si_code == CLD_EXITED ? info.si_status : 128 + info.si_status;
        return false;
    }
    return true;
}

std::optional<int> Process::waitFor(double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return mStatus;
}

void Process::signal(int sig)
{
    if (running())
        kill(mPid, sig);
}

std::string Process::output() const
{
    return readFile(mDir + "/stdout");
}

std::string Process::errors() const
{
    return readFile(mDir + "/stderr");
}

XClient::XClient(const std::string &display) : mDisplay(XOpenDisplay(display.c_str()))
{
    if (!mDisplay)
        throw std::runtime_error("cannot open display " + display);
    static const bool handlerSet = [] {
        sDefaultErrorHandler = XSetErrorHandler(tolerateVanishedWindows);
        return true;
    }();
    (void)handlerSet;
}

XClient::~XClient()
{
    XCloseDisplay(mDisplay);
}

::Window XClient::findWindow(const std::string &name)
{
    ::Window root = DefaultRootWindow(mDisplay), parent, *children = nullptr;
    unsigned int count = 0;
    ::Window found = 0;
    if (XQueryTree(mDisplay, root, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !found; ++i) {
            char *title = nullptr;
            XWindowAttributes attributes;
            if (XFetchName(mDisplay, children[i], &title) && title && name == title &&
                XGetWindowAttributes(mDisplay, children[i], &attributes) && attributes.map_state == IsViewable)
                found = children[i];
            if (title)
                XFree(title);
        }
        if (children)
            XFree(children);
    }
    return found;
}

::Window XClient::waitForWindow(const std::string &name, double seconds, Process *alive)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (::Window window = findWindow(name))
            return window;
        if (alive && !alive->running())
            return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

XClient::Geometry XClient::geometry(::Window window)
{
    XWindowAttributes attributes;
    XGetWindowAttributes(mDisplay, window, &attributes);
    return {attributes.x, attributes.y, attributes.width, attributes.height};
}

long XClient::motifDecorations(::Window window)
{
    const Atom hints = XInternAtom(mDisplay, "_MOTIF_WM_HINTS", True);
    if (hints == None)
        return -1;
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = nullptr;
    long decorations = -1;
    if (XGetWindowProperty(mDisplay, window, hints, 0, 5, False, AnyPropertyType, &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 32 && count >= 3) {
        const long *values = reinterpret_cast<const long *>(data);
        if (values[0] & 2) // MWM_HINTS_DECORATIONS
            decorations = values[2];
    }
    if (data)
        XFree(data);
    return decorations;
}

bool XClient::fixedSize(::Window window)
{
    XSizeHints hints;
    long supplied = 0;
    if (!XGetWMNormalHints(mDisplay, window, &hints, &supplied))
        return false;
    return (hints.flags & PMinSize) && (hints.flags & PMaxSize) && hints.min_width == hints.max_width &&
           hints.min_height == hints.max_height;
}

std::pair<int, int> XClient::screenSize()
{
    // A fresh connection: Xlib keeps the size it saw when the connection opened.
    ::Display *fresh = XOpenDisplay(DisplayString(mDisplay));
    if (!fresh)
        return {0, 0};
    const int screen = DefaultScreen(fresh);
    const std::pair<int, int> size{DisplayWidth(fresh, screen), DisplayHeight(fresh, screen)};
    XCloseDisplay(fresh);
    return size;
}

void XClient::requestClose(::Window window)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(mDisplay, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(mDisplay, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(mDisplay, window, False, NoEventMask, &event);
    XFlush(mDisplay);
}

void XClient::internAtom(const char *name)
{
    XInternAtom(mDisplay, name, False);
    XSync(mDisplay, False);
}

std::string runCommand(const std::string &command)
{
    std::string out;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

} // namespace lume::test
