// The real player on a Wayland desktop: a headless Weston whose X programs run through
// Xwayland. The show has to cover the output through the compositor's own full screen, play,
// end cleanly and leave the output's mode as it found it.
#include "tests/wayland/WestonSupport.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <memory>
#include <regex>
#include <string>
#include <thread>

// After GoogleTest: Xlib's macros (None, Bool) break its headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

using namespace lume::test;

namespace {

using Clock = std::chrono::steady_clock;

struct Output {
    int width, height;
    const char *endWith; // "close" (the window manager's close request) or "SIGTERM"
    int modeErrors;      // console lines for modes the emulation does not offer
};

std::ostream &operator<<(std::ostream &out, const Output &o)
{
    return out << o.width << "x" << o.height;
}

// The output's mode as RandR reports it now (the starred mode of xrandr's listing).
std::string currentMode(const std::string &display)
{
    const std::string listing = runCommand("DISPLAY=" + display + " xrandr --current");
    std::smatch match;
    const std::regex starred(R"(\n\s+(\d+x\d+)\s+[0-9.]+\*)");
    return std::regex_search(listing, match, starred) ? match[1].str() : "none in:\n" + listing;
}

// The window titled `name` at any depth (the compositor's window manager puts top-level
// windows into frames of its own), as a decimal id; 0 when there is none.
unsigned long findWindow(const std::string &display, const std::string &name)
{
    const std::string ids = runCommand("DISPLAY=" + display + " xdotool search --name '^" + name + "$' 2>/dev/null");
    return std::strtoul(ids.c_str(), nullptr, 10);
}

struct Placement {
    int x = -1, y = -1, width = 0, height = 0;
    bool fullScreen = false;
};

// Where the window is on the screen and whether its full-screen state is set, as Xwayland
// reports them to any client.
Placement placementOf(const std::string &display, unsigned long window)
{
    const std::string id = std::to_string(window);
    const std::string info = runCommand("DISPLAY=" + display + " xwininfo -id " + id);
    Placement p;
    std::smatch m;
    if (std::regex_search(info, m, std::regex(R"(Absolute upper-left X:\s+(-?\d+))")))
        p.x = std::stoi(m[1]);
    if (std::regex_search(info, m, std::regex(R"(Absolute upper-left Y:\s+(-?\d+))")))
        p.y = std::stoi(m[1]);
    if (std::regex_search(info, m, std::regex(R"(Width:\s+(\d+))")))
        p.width = std::stoi(m[1]);
    if (std::regex_search(info, m, std::regex(R"(Height:\s+(\d+))")))
        p.height = std::stoi(m[1]);
    const std::string state = runCommand("DISPLAY=" + display + " xprop -id " + id + " _NET_WM_STATE");
    p.fullScreen = state.find("_NET_WM_STATE_FULLSCREEN") != std::string::npos;
    return p;
}

// Share of the window's pixels brighter than near-black: the show draws only black until its
// first scene is on screen.
double litShare(const std::string &display, unsigned long window)
{
    Display *x = XOpenDisplay(display.c_str());
    if (!x)
        return 0;
    double share = 0;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(x, window, &attributes) && attributes.map_state == IsViewable) {
        if (XImage *image = XGetImage(x, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap)) {
            long lit = 0, total = 0;
            for (int y = 0; y < image->height; y += 4)
                for (int px = 0; px < image->width; px += 4, ++total) {
                    const unsigned long pixel = XGetPixel(image, px, y);
                    if (((pixel >> 16) & 0xff) > 24 || ((pixel >> 8) & 0xff) > 24 || (pixel & 0xff) > 24)
                        ++lit;
                }
            share = total ? double(lit) / double(total) : 0;
            XDestroyImage(image);
        }
    }
    XCloseDisplay(x);
    return share;
}

int countOf(const std::string &text, const std::string &line)
{
    int n = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
        ++n;
    return n;
}

class WaylandShowTest : public ::testing::TestWithParam<Output> {};

} // namespace

TEST_P(WaylandShowTest, ShowCoversTheOutputPlaysAndLeavesTheModeAsItWas)
{
    const Output output = GetParam();
    WestonServer weston(output.width, output.height);
    const std::string display = weston.display();
    // The first client starts Xwayland; this one keeps it up for the whole test.
    XClient keepAlive(display);
    const std::string modeBefore = currentMode(display);
    ASSERT_EQ(modeBefore, std::to_string(output.width) + "x" + std::to_string(output.height));

    std::map<std::string, std::string> env = weston.environment();
    env["SDL_AUDIODRIVER"] = "dummy";
    Process player({FRAGLUME_EXE}, env, FRAGLUME_RESOURCES_DIR, 300);
    const auto diagnostics = [&] {
        return "player stdout:\n" + player.output() + "\nplayer stderr:\n" + player.errors() + "\nweston:\n" +
               weston.log();
    };

    // The window covers the output, full screen as the compositor placed it.
    unsigned long window = 0;
    Placement placement;
    const auto placed = [&] {
        return placement.x == 0 && placement.y == 0 && placement.width == output.width &&
               placement.height == output.height && placement.fullScreen;
    };
    for (auto deadline = Clock::now() + std::chrono::seconds(120); Clock::now() < deadline && player.running();) {
        if (!window)
            window = findWindow(display, "FraglumeApp");
        if (window) {
            placement = placementOf(display, window);
            if (placed())
                break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_NE(window, 0u) << diagnostics();
    EXPECT_TRUE(placed()) << "window at " << placement.x << "," << placement.y << " " << placement.width << "x"
                          << placement.height << (placement.fullScreen ? " full screen" : " not full screen") << "\n"
                          << diagnostics();

    // The first scene shows: most of the picture is lit.
    double lit = 0;
    for (auto deadline = Clock::now() + std::chrono::seconds(120); Clock::now() < deadline && player.running();) {
        lit = litShare(display, window);
        if (lit > 0.5)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    EXPECT_GT(lit, 0.5) << diagnostics();
    ASSERT_TRUE(player.running()) << diagnostics();

    // A headless Weston has no keyboard, so no key reaches the window: the run ends through
    // the other outside ways.
    if (std::string(output.endWith) == "close")
        keepAlive.requestClose(window);
    else
        player.signal(SIGTERM);
    const std::optional<int> status = player.waitFor(120);
    ASSERT_TRUE(status.has_value()) << "still running after " << output.endWith << "\n" << diagnostics();
    EXPECT_EQ(*status, 0) << diagnostics();

    const std::string console = player.output() + player.errors();
    EXPECT_EQ(countOf(console, "Error -2 occurred. The graphics mode is not supported.\n"), output.modeErrors)
        << diagnostics();
    EXPECT_EQ(countOf(console, "Error -1 occurred."), 0) << diagnostics();
    EXPECT_EQ(currentMode(display), modeBefore);
}

// 2560x1440 offers 1920x1080 to emulate; 1920x1080 is the output's own mode; 1280x720 offers
// neither 1920x1080 nor 1280x768, so the show falls back to 640x480.
INSTANTIATE_TEST_SUITE_P(Outputs, WaylandShowTest,
                         ::testing::Values(Output{2560, 1440, "close", 0}, Output{1920, 1080, "SIGTERM", 0},
                                           Output{1280, 720, "SIGTERM", 2}),
                         [](const auto &info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });
