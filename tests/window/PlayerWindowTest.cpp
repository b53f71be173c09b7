// The player and its lifecycle on private X servers of given sizes: window placement, the
// display-mode fallback, the ways a run ends, the fatal-error box, the mouse as scenes see it.
//
// Each server here already runs at the size the player asks for, so putting the desktop's
// mode back at the end changes nothing these tests could see: the `faults` tests own that
// check, from the display-mode calls their player build records.
#include "tests/window/XvfbSupport.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

using namespace lume::test;

namespace {

const std::string kModeLine = "Error -2 occurred. The graphics mode is not supported.\n";

class PlayerWindowTest : public ::testing::Test {
  protected:
    // Starts `program` (the player or the probe) on a fresh X server of width x height.
    void start(int width, int height, const std::string &program, const std::vector<std::string> &args = {},
               const std::vector<std::string> &serverOptions = {})
    {
        process.reset(); // a previous run ends before its server
        x.reset();
        server.reset();
        server = std::make_unique<XvfbServer>(width, height, serverOptions);
        x = std::make_unique<XClient>(server->display());
        // Without a window manager SDL asks for no decorations through the Motif hint only
        // when the hint's atom exists.
        x->internAtom("_MOTIF_WM_HINTS");
        std::vector<std::string> argv = {program};
        argv.insert(argv.end(), args.begin(), args.end());
        process = std::make_unique<Process>(
            argv, std::map<std::string, std::string>{{"DISPLAY", server->display()}, {"SDL_AUDIODRIVER", "dummy"}},
            LUME_TEST_WORKDIR);
    }
    XWindowId waitForPlayerWindow() { return x->waitForWindow("FraglumeApp", 60, process.get()); }
    void pressKey(XWindowId window, const std::string &key)
    {
        const std::string id = std::to_string(window);
        runCommand("DISPLAY=" + server->display() + " xdotool windowfocus --sync " + id + " key " + key);
    }
    // The id of the message box titled "Fatal Error", as xwininfo lists it.
    std::string waitForFatalErrorBox()
    {
        for (int i = 0; i < 600; ++i) {
            const std::string tree =
                runCommand("DISPLAY=" + server->display() + " xwininfo -root -tree | grep '\"Fatal Error\"'");
            if (!tree.empty())
                return tree.substr(tree.find("0x"), tree.find(' ', tree.find("0x")) - tree.find("0x"));
            if (!process->running())
                break;
            usleep(100000);
        }
        return {};
    }

    // Waits for the output line `event`, then for the first "IMOUSE" line after it: what the
    // scene received in the frame after that event. Empty if either does not come.
    std::string mouseUniformAfter(const std::string &event)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline && process->running()) {
            std::istringstream out(process->output());
            bool seen = false;
            for (std::string line; std::getline(out, line);) {
                if (line == event)
                    seen = true;
                else if (seen && line.rfind("IMOUSE ", 0) == 0)
                    return line.substr(7);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return {};
    }
    void xdotool(const std::string &args) { runCommand("DISPLAY=" + server->display() + " xdotool " + args); }

    std::unique_ptr<XvfbServer> server;
    std::unique_ptr<XClient> x;
    std::unique_ptr<Process> process;
};

// One /proc/<pid>/stat field set: the process exists and has not ended (a zombie has).
bool runningProcess(pid_t pid, const std::string &name)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return false;
    const size_t open = line.find('('), close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close + 2 >= line.size())
        return false;
    return line.substr(open + 1, close - open - 1) == name && line[close + 2] != 'Z';
}

} // namespace

// A test that ends while its program still runs (a hang, a failed assertion) takes the
// program along, and whatever the program started, not just the `timeout` wrapper.
TEST(ProcessHarness, EndingAProcessEndsEverythingItStarted)
{
    pid_t child = 0;
    {
        Process shell({"sh", "-c", "sleep 600 & echo $!; wait"}, {}, "/tmp");
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (child == 0 && std::chrono::steady_clock::now() < deadline) {
            child = pid_t(std::atol(shell.output().c_str()));
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_GT(child, 0) << shell.errors();
        ASSERT_TRUE(runningProcess(child, "sleep"));
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (runningProcess(child, "sleep") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(runningProcess(child, "sleep")) << "the grandchild " << child << " outlived its Process";
}

TEST_F(PlayerWindowTest, FullHdScreenGetsABorderlessFixedWindowAtTheOriginAndEscapeEndsTheRun)
{
    start(1920, 1080, LUME_PLAYER);
    const XWindowId window = waitForPlayerWindow();
    ASSERT_NE(window, 0u) << process->errors();
    const XClient::Geometry g = x->geometry(window);
    EXPECT_EQ(g.x, 0);
    EXPECT_EQ(g.y, 0);
    EXPECT_EQ(g.width, 1920);
    EXPECT_EQ(g.height, 1080);
    EXPECT_EQ(x->motifDecorations(window), 0);
    EXPECT_TRUE(x->fixedSize(window));

    pressKey(window, "Escape");
    EXPECT_EQ(process->waitFor(60), 0);
    EXPECT_EQ(x->screenSize(), std::make_pair(1920, 1080));
    EXPECT_EQ(process->errors().find("Error "), std::string::npos) << process->errors();
}

TEST_F(PlayerWindowTest, WithoutFullHdTheNextModeIsUsedAfterOneConsoleLine)
{
    start(1280, 768, LUME_PLAYER);
    const XWindowId window = waitForPlayerWindow();
    ASSERT_NE(window, 0u) << process->errors();
    const XClient::Geometry g = x->geometry(window);
    EXPECT_EQ((std::vector<int>{g.x, g.y, g.width, g.height}), (std::vector<int>{0, 0, 1280, 768}));
    pressKey(window, "Escape");
    EXPECT_EQ(process->waitFor(60), 0);
    EXPECT_EQ(process->errors(), kModeLine);
    EXPECT_EQ(x->screenSize(), std::make_pair(1280, 768));
}

TEST_F(PlayerWindowTest, ADisplayWithNoneOfTheModesEndsAtOnceWithoutAWindow)
{
    start(800, 600, LUME_PLAYER);
    EXPECT_EQ(x->waitForWindow("FraglumeApp", 60, process.get()), 0u);
    EXPECT_EQ(process->waitFor(30), 0);
    EXPECT_EQ(process->errors(), kModeLine + kModeLine + kModeLine);
}

TEST_F(PlayerWindowTest, QuitSignalsAndClosingTheWindowEndTheRunInOrder)
{
    for (const char *how : {"SIGTERM", "SIGINT", "close"}) {
        SCOPED_TRACE(how);
        start(1920, 1080, LUME_PLAYER);
        const XWindowId window = waitForPlayerWindow();
        ASSERT_NE(window, 0u) << process->errors();
        if (std::string(how) == "SIGTERM")
            process->signal(SIGTERM);
        else if (std::string(how) == "SIGINT")
            process->signal(SIGINT);
        else
            x->requestClose(window);
        // 0, not 128 + the signal: the player took the signal as a quit and shut down.
        EXPECT_EQ(process->waitFor(60), 0) << process->errors();
        EXPECT_EQ(x->screenSize(), std::make_pair(1920, 1080));
    }
}

TEST_F(PlayerWindowTest, TheFatalErrorBoxShowsItsTextAndClosesWithReturn)
{
    start(1920, 1080, LUME_PROBE, {"fatal", "Failed to load common textures and shaders:\nno such image"});
    const std::string box = waitForFatalErrorBox();
    ASSERT_FALSE(box.empty()) << process->errors();
    EXPECT_NE(process->output().find("MESSAGE BOX Fatal Error\nFailed to load common textures and shaders:\n"
                                     "no such image\nEND MESSAGE BOX"),
              std::string::npos)
        << process->output();
    runCommand("DISPLAY=" + server->display() + " xdotool key --window " + box + " Return");
    EXPECT_EQ(process->waitFor(60), 0) << process->errors();
    EXPECT_EQ(x->screenSize(), std::make_pair(1920, 1080));
}

TEST_F(PlayerWindowTest, WithoutFontsForTheBoxTheFatalErrorTextGoesToStandardErrorAndTheRunEnds)
{
    // A server with only its built-in cursor and "fixed" fonts: the box finds no font to draw
    // with and cannot open, as on a machine without the X core fonts.
    start(1920, 1080, LUME_PROBE, {"fatal", "Failed to load common textures and shaders:\nno such image"},
          {"-fp", "built-ins"});
    EXPECT_EQ(process->waitFor(60), 0) << process->errors();
    EXPECT_NE(process->output().find("MESSAGE BOX Fatal Error\n"), std::string::npos) << "the box was asked for";
    EXPECT_NE(process->errors().find("Fatal Error: Failed to load common textures and shaders:\nno such image\n"),
              std::string::npos)
        << process->errors();
    EXPECT_EQ(x->screenSize(), std::make_pair(1920, 1080));
}

TEST_F(PlayerWindowTest, TheFatalErrorTextIsCutAtTheLimitBeforeACharacterThatDoesNotFit)
{
    start(1920, 1080, LUME_PROBE, {"fatal-long"});
    const std::string box = waitForFatalErrorBox();
    ASSERT_FALSE(box.empty()) << process->errors();
    const std::string out = process->output();
    EXPECT_NE(out.find("\n" + std::string(4094, 'a') + "\nEND MESSAGE BOX 4094\n"), std::string::npos);
    process->signal(SIGTERM); // also ends a run whose box is open
    EXPECT_EQ(process->waitFor(60), 0) << process->errors();
}

TEST_F(PlayerWindowTest, AnErrorLeavingTheApplicationRestoresTheDesktopAndFailsTheRun)
{
    for (const char *where : {"setup", "update", "draw", "key"}) {
        SCOPED_TRACE(where);
        start(1280, 768, LUME_PROBE, {std::string("throw-") + where});
        if (std::string(where) == "key") {
            const XWindowId window = waitForPlayerWindow();
            ASSERT_NE(window, 0u) << process->errors();
            pressKey(window, "a");
        }
        EXPECT_EQ(process->waitFor(60), 1);
        const std::string errors = process->errors();
        EXPECT_NE(errors.find("probe failure in "), std::string::npos) << errors;
        EXPECT_EQ(errors.find(kModeLine), 0u) << errors; // the earlier console line comes first
        EXPECT_EQ(x->screenSize(), std::make_pair(1280, 768));
    }
}

// The player's own handlers and frame: a press gives the scene the press point twice, a drag
// moves xy with the pointer while zw keeps the press point, and y counts upwards from the
// bottom row as gl_FragCoord does (window row y is scene row 1079 - y).
TEST_F(PlayerWindowTest, APressAndDragReachTheSceneAsIMouse)
{
    start(1920, 1080, LUME_PROBE, {"mouse"});
    ASSERT_NE(waitForPlayerWindow(), 0u) << process->errors();
    struct Step {
        const char *xdotool; // pointer action
        const char *event;   // the handler line it leads to
        const char *iMouse;  // x y z w in the frame after it
    };
    const Step steps[] = {
        {"mousemove --sync 100 200", "MOVE 100 200", "0 0 0 0"}, // nothing before the first press
        {"mousedown 1", "DOWN 100 200", "100 879 100 879"},
        {"mousemove --sync 300 150", "DRAG 300 150", "300 929 100 879"},
        {"mousemove --sync 1500 1000", "DRAG 1500 1000", "1500 79 100 879"},
        {"mouseup 1", "UP 1500 1000", "1500 79 100 879"},
        {"mousemove --sync 40 30", "MOVE 40 30", "1500 79 100 879"}, // released: xy stays put
        {"mousedown 1", "DOWN 40 30", "40 1049 40 1049"},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.xdotool);
        xdotool(step.xdotool);
        EXPECT_EQ(mouseUniformAfter(step.event), step.iMouse) << process->output();
    }
    pressKey(waitForPlayerWindow(), "Escape");
    EXPECT_EQ(process->waitFor(60), 0) << process->errors();
}
