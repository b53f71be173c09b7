// The Windows player (the cross-built fraglume.exe) under Wine, each case on a private Xvfb and
// in a Wine server session of its own: Wine takes the display's modes from the first X server
// its session meets, so a session shared between servers of different sizes would see the
// wrong screen. Wine can only offer the screen's own size as a display mode, so a real mode
// switch is not seen here; each fallback path is reached with a screen of the size it needs.
#include "tests/show/Screenshot.h"
#include "tests/window/XvfbSupport.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>

using namespace lume::test;
using Clock = std::chrono::steady_clock;

namespace {

const std::string kBuild = LUME_WINDOWS_BUILD;
const std::string kPlayer = kBuild + "/fraglume.exe";
const std::string kBrokenImagePlayer = kBuild + "/tests/windows/fraglume_broken_image.exe";
const std::string kConsoleProbe = kBuild + "/tests/windows/console_probe.exe";
const std::string kModeLine = "Error -2 occurred. The graphics mode is not supported.\n";

// The prefix cmake/wine-run uses for the Windows build.
std::string winePrefix()
{
    const char *prefix = std::getenv("WINEPREFIX");
    return prefix && *prefix ? prefix : kBuild + "/wine-prefix";
}

// Console text as the player wrote it, with Windows' line ends read as Unix ones. Lines from
// the host's ALSA library are Wine's own (its audio driver probing a machine without a sound
// card, before the player falls back to silent output), not the player's, and are left out.
std::string unixLines(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    std::istringstream in(text);
    std::string line, kept;
    while (std::getline(in, line))
        if (line.rfind("ALSA lib ", 0) != 0)
            kept += line + "\n";
    return kept;
}

// A wipe frame: the top tenth already black, the bottom fifth still the scene.
bool isWipe(const Screenshot &shot)
{
    return shot.width > 0 && shot.litShare(0, shot.height / 10) < 0.05 &&
           shot.litShare(shot.height - shot.height / 5, shot.height) > 0.2;
}

// A scene on the whole screen, top edge included.
bool isScene(const Screenshot &shot)
{
    return shot.width > 0 && shot.litShare(0, shot.height / 10) > 0.2 && shot.litShare() > 0.2;
}

class WindowsPlayer : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(kPlayer)) << "no " << kPlayer << ": run scripts/build-windows first";
        endWineSession();
    }
    void TearDown() override
    {
        process.reset();
        endWineSession();
        x.reset();
        server.reset();
    }
    static void endWineSession()
    {
        runCommand("WINEPREFIX='" + winePrefix() + "' timeout -k 5 60 wineserver -k 2>/dev/null");
    }

    // Starts `exe` with `args` under Wine on a fresh X server of width x height, in
    // `workingDir`, with `env` added to the environment.
    void start(int width, int height, const std::string &exe, const std::string &workingDir,
               const std::vector<std::string> &args = {}, std::map<std::string, std::string> env = {})
    {
        process.reset(); // a previous run ends before its server
        x.reset();
        server.reset();
        server = std::make_unique<XvfbServer>(width, height);
        x = std::make_unique<XClient>(server->display());
        std::vector<std::string> argv{LUME_WINE_RUN, exe};
        argv.insert(argv.end(), args.begin(), args.end());
        env["DISPLAY"] = server->display();
        env["WINEPREFIX"] = winePrefix();
        process = std::make_unique<Process>(argv, env, workingDir, 300);
    }
    XWindowId waitForWindow(const std::string &title) { return x->waitForWindow(title, 120, process.get()); }
    void pressKey(XWindowId window, const std::string &key)
    {
        runCommand("DISPLAY=" + server->display() + " xdotool windowfocus --sync " + std::to_string(window) + " key " +
                   key);
    }
    // Screenshots until `found` accepts one (which it gets), for up to `seconds` while the
    // player runs; `each` sees every other one.
    std::optional<Screenshot> pollScreen(const std::function<bool(const Screenshot &)> &found, double seconds,
                                         const std::function<void(Screenshot &)> &each = {})
    {
        const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < deadline && process->running()) {
            Screenshot shot = takeScreenshot(server->display());
            if (found(shot))
                return shot;
            if (each)
                each(shot);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return std::nullopt;
    }

    std::unique_ptr<XvfbServer> server;
    std::unique_ptr<XClient> x;
    std::unique_ptr<Process> process;
};

} // namespace

// The scenes are told apart on the screen, however slowly a busy machine shows them: scene 1
// is the last full frame before the first wipe, scene 2 the first full frame after it (kept up
// to the next wipe), scene 3 the first full frame after that.
TEST_F(WindowsPlayer, PlaysItsFirstThreeScenesWithAWipeAndEndsOnEscape)
{
    start(640, 480, kPlayer, kBuild); // the soundtrack is beside the player
    const auto launch = Clock::now();
    const XWindowId window = waitForWindow("FraglumeApp");
    ASSERT_NE(window, 0u) << unixLines(process->errors());
    const XClient::Geometry g = x->geometry(window);
    EXPECT_EQ((std::vector<int>{g.x, g.y, g.width, g.height}), (std::vector<int>{0, 0, 640, 480}));

    std::optional<Screenshot> scene1 = pollScreen(isScene, 120);
    ASSERT_TRUE(scene1) << "no scene appeared\n" << unixLines(process->errors());
    const std::optional<Screenshot> wipe =
        pollScreen(isWipe, 120, [&](Screenshot &shot) { isScene(shot) ? void(*scene1 = std::move(shot)) : void(); });
    ASSERT_TRUE(wipe) << "no frame with the top wiped and the bottom still the scene";
    std::optional<Screenshot> scene2 = pollScreen(isScene, 60);
    ASSERT_TRUE(scene2) << "no scene after the first wipe";
    ASSERT_TRUE(pollScreen(isWipe, 120, [&](Screenshot &shot) {
        isScene(shot) ? void(*scene2 = std::move(shot)) : void();
    })) << "no second wipe";
    const std::optional<Screenshot> scene3 = pollScreen(isScene, 60);
    ASSERT_TRUE(scene3) << "no scene after the second wipe";

    EXPECT_GT(scene1->differenceTo(*scene2), 8.0) << "scene 2 differs from scene 1";
    EXPECT_GT(scene2->differenceTo(*scene3), 8.0) << "scene 3 differs from scene 2";
    EXPECT_GT(scene1->differenceTo(*scene3), 8.0) << "scene 3 differs from scene 1";

    std::printf("three scenes seen %.1f s after the launch\n",
                std::chrono::duration<double>(Clock::now() - launch).count());

    pressKey(window, "Escape");
    EXPECT_EQ(process->waitFor(60), 0) << unixLines(process->errors());
    // 1920x1080 and 1280x768 were refused before 640x480 was taken; where no sound device
    // opens (CI), one more line says the show ran silently, and why.
    const std::string errors = unixLines(process->errors());
    const std::string modes = kModeLine + kModeLine, tail = "); the show runs silently.\n";
    ASSERT_EQ(errors.substr(0, modes.size()), modes) << errors;
    const std::string rest = errors.substr(modes.size());
    const bool oneSilentLine = rest.rfind("No sound device (", 0) == 0 && rest.size() > tail.size() &&
                               rest.compare(rest.size() - tail.size(), tail.size(), tail) == 0 &&
                               rest.find('\n') == rest.size() - 1;
    EXPECT_TRUE(rest.empty() || oneSilentLine) << errors;
}

TEST_F(WindowsPlayer, ADisplayWithNoneOfTheModesEndsAtOnceWithoutAWindow)
{
    start(800, 600, kPlayer, kBuild);
    EXPECT_EQ(waitForWindow("FraglumeApp"), 0u);
    EXPECT_EQ(process->waitFor(60), 0);
    EXPECT_EQ(unixLines(process->errors()), kModeLine + kModeLine + kModeLine);
}

TEST_F(WindowsPlayer, ABrokenStartUpImageShowsTheFatalErrorBoxAndReturnEndsTheRun)
{
    start(640, 480, kBrokenImagePlayer, std::filesystem::temp_directory_path());
    const XWindowId box = waitForWindow("Fatal Error");
    ASSERT_NE(box, 0u) << unixLines(process->errors());
    pressKey(box, "Return");
    EXPECT_EQ(process->waitFor(60), 0) << unixLines(process->errors());
    EXPECT_EQ(x->findWindow("FraglumeApp"), 0u);
}

// Closing the window (Alt+F4 becomes WM_CLOSE, as a close button or taskkill sends it) ends the
// run in order. SIGTERM has no Windows counterpart: Wine ends the program on it at once,
// running none of its code, so the run ends with the signal's status and takes its window along.
TEST_F(WindowsPlayer, ClosingTheWindowOrSigtermEndsTheRun)
{
    struct Case {
        const char *how;
        int status;
    };
    for (const Case &c : {Case{"close", 0}, Case{"SIGTERM", 128 + SIGTERM}}) {
        SCOPED_TRACE(c.how);
        start(640, 480, kPlayer, std::filesystem::temp_directory_path()); // silent: no soundtrack
        const XWindowId window = waitForWindow("FraglumeApp");
        ASSERT_NE(window, 0u) << unixLines(process->errors());
        if (std::string(c.how) == "close")
            pressKey(window, "alt+F4");
        else
            process->signal(SIGTERM);
        EXPECT_EQ(process->waitFor(60), c.status) << unixLines(process->errors());
        EXPECT_EQ(x->findWindow("FraglumeApp"), 0u);
        process.reset();
        endWineSession();
    }
}

// Windows N and KN editions without the Media Feature Pack have no Media Foundation: the
// player must still start there and play the show without music, saying why.
TEST_F(WindowsPlayer, WithoutMediaFoundationTheShowPlaysSilentlyAndSaysWhy)
{
    start(640, 480, kPlayer, kBuild, {}, {{"WINEDLLOVERRIDES", "mfplat=d;mfreadwrite=d"}});
    const XWindowId window = waitForWindow("FraglumeApp");
    ASSERT_NE(window, 0u) << "status " << process->waitFor(5).value_or(-1) << "\n" << unixLines(process->errors());
    ASSERT_TRUE(pollScreen(isScene, 120)) << "no scene appeared\n" << unixLines(process->errors());
    pressKey(window, "Escape");
    EXPECT_EQ(process->waitFor(60), 0) << unixLines(process->errors());
    EXPECT_EQ(unixLines(process->errors()),
              kModeLine + kModeLine +
                  "The music is off: Media Foundation (mfplat.dll) is not installed; the show runs silently.\n");
}

// The player is a windowed program: cmd.exe neither waits for it nor hands it standard
// handles, so its answers reach the console it was typed in only by attaching to it. The probe
// is that console; Wine, unlike Windows, already joins a windowed child to its parent's console,
// so what is proved here is that the answers are written to that console once the program has
// no standard handles. Started by cmd /c under Wine, the program inherits the harness's pipes
// instead, the path of a redirected command.
TEST_F(WindowsPlayer, CommandLineAnswersReachTheConsoleTheyWereTypedIn)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string line; // a whole line the console shows
    };
    const Case cases[] = {
        {{"--version"}, 0, "fraglume 1.0.0"},
        {{"--bogus"}, 2, "fraglume: unknown option '--bogus' (try --help)"},
        {{"--help"}, 0, "--scene and --render are in the Linux build only; this build plays the show."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.front());
        std::vector<std::string> args{kPlayer};
        args.insert(args.end(), c.args.begin(), c.args.end());
        start(640, 480, kConsoleProbe, kBuild, args);
        EXPECT_EQ(process->waitFor(120), 0) << unixLines(process->errors());
        const std::string shown = unixLines(process->output());
        EXPECT_EQ(shown.rfind("status " + std::to_string(c.status) + "\n", 0), 0u) << shown;
        EXPECT_NE(shown.find("\n" + c.line + "\n"), std::string::npos) << shown;
        process.reset();
        endWineSession();
    }

    start(640, 480, "cmd", kBuild, {"/c", "fraglume.exe", "--version"});
    EXPECT_EQ(process->waitFor(120), 0) << unixLines(process->errors());
    EXPECT_EQ(unixLines(process->output()), "fraglume 1.0.0\n");
}

// What the program imports is loaded before any of its code runs: a library missing there ends
// the start with nothing shown. Only libraries every Windows edition has (Windows N included)
// may be imported; Media Foundation is loaded at run time.
TEST(WindowsPlayerImports, OnlyLibrariesEveryWindowsEditionHas)
{
    ASSERT_TRUE(std::filesystem::exists(kPlayer)) << "no " << kPlayer << ": run scripts/build-windows first";
    std::FILE *pipe = popen(("x86_64-w64-mingw32-objdump -p '" + kPlayer + "'").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string dump;
    char buffer[4096];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        dump.append(buffer, n);
    ASSERT_EQ(pclose(pipe), 0) << "x86_64-w64-mingw32-objdump failed";
    std::set<std::string> imported;
    std::istringstream lines(dump);
    for (std::string line; std::getline(lines, line);) {
        const size_t at = line.find("DLL Name: ");
        if (at == std::string::npos)
            continue;
        std::string name = line.substr(at + 10);
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        imported.insert(name);
    }
    // Core Win32, OpenGL, COM (which brings the imaging component), the C runtime, the
    // multimedia timer and waveOut, sockets: all part of every edition.
    const std::set<std::string> everyEdition = {"gdi32.dll",  "kernel32.dll", "msvcrt.dll",
                                                "ole32.dll",  "opengl32.dll", "shell32.dll",
                                                "user32.dll", "winmm.dll",    "ws2_32.dll"};
    ASSERT_FALSE(imported.empty()) << dump;
    for (const std::string &name : imported)
        EXPECT_TRUE(everyEdition.count(name)) << name << " is imported; is it on every Windows edition?";
    EXPECT_FALSE(imported.count("mfplat.dll"));
    EXPECT_FALSE(imported.count("mfreadwrite.dll"));
}
