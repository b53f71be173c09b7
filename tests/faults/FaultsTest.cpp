// The player under faults: broken resources, missing sound, the ways a run is cut short and
// a flood of dropped files. Every case runs a test build of the player (TracePlayer.cpp) on a
// private 640x480 Xvfb and checks what the user sees, the exit status, and that the desktop
// comes back: the display mode the player set is put back to the desktop's and the cursor
// count returns to 0 (both from the player's trace, since Xvfb has a single mode and no
// visible cursor), and the server's screen is the desktop's size afterwards.
#include "app/JobQueue.h"
#include "app/Playlist.h"
#include "audio/Mp3Decoder.h"
#include "tests/faults/ShortShow.h"
#include "tests/window/XvfbSupport.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace lume;
using namespace lume::test;
namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 640, kHeight = 480;
// At 640x480 the first two modes are refused before the third is taken.
const std::string kModeLines = "Error -2 occurred. The graphics mode is not supported.\n"
                               "Error -2 occurred. The graphics mode is not supported.\n";
// The display and cursor calls of a whole run, in order: three attempts, cursor hidden; at
// the end cursor shown and the desktop's mode asked for again.
const std::vector<std::string> kDesktopCalls = {
    "DISPLAY 1920x1080 -2", "DISPLAY 1280x768 -2", "DISPLAY 640x480 0", "CURSOR -1", "CURSOR 0", "DISPLAY 640x480 0",
};

std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool startsWith(const std::string &text, const std::string &prefix)
{
    return text.rfind(prefix, 0) == 0;
}

std::vector<std::string> linesStartingWith(const std::string &text, const std::string &prefix)
{
    std::vector<std::string> out;
    for (const std::string &line : splitLines(text))
        if (startsWith(line, prefix))
            out.push_back(line);
    return out;
}

// One traced event: its position argument and its time.
struct Event {
    int position;
    double time;
    double previousFrame = 0; // SCENE and FADE: the clock reading of the frame before
};

std::vector<Event> events(const std::string &trace, const std::string &kind)
{
    std::vector<Event> out;
    for (const std::string &line : linesStartingWith(trace, kind + " ")) {
        Event e{};
        std::istringstream(line.substr(kind.size() + 1)) >> e.position >> e.time >> e.previousFrame;
        out.push_back(e);
    }
    return out;
}

// Interleaved 16-bit stereo samples from the start of a raw file (whole frames only: the
// player may be writing it still) or of the soundtrack, decoded.
std::vector<int16_t> rawSamples(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(bytes.size() / size_t(audio::Mp3Decoder::kBytesPerFrame) * 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(int16_t));
    return samples;
}

std::vector<int16_t> soundtrackSamples(size_t frames)
{
    audio::Mp3Decoder decoder;
    if (decoder.open(std::string(LUME_RESOURCES_DIR) + "/vell-short.mp3") != audio::Result::Ok)
        return {};
    std::vector<int16_t> samples(frames * 2);
    samples.resize(size_t(decoder.read(samples.data(), int(frames))) * 2);
    return samples;
}

// A folder of its own per case, removed afterwards.
class TempDir {
  public:
    TempDir()
    {
        char name[] = "/tmp/lume-faults-XXXXXX";
        mPath = mkdtemp(name);
    }
    ~TempDir() { fs::remove_all(mPath); }
    const fs::path &path() const { return mPath; }

  private:
    fs::path mPath;
};

class PlayerFaults : public ::testing::Test {
  protected:
    // Starts a trace player build (trace_player<suffix>) on a new server.
    void start(const std::string &build, const std::vector<std::string> &args = {},
               const std::string &workingDir = LUME_RESOURCES_DIR, std::map<std::string, std::string> env = {})
    {
        process.reset();
        x.reset();
        server.reset();
        server = std::make_unique<XvfbServer>(screen.first, screen.second);
        x = std::make_unique<XClient>(server->display());
        if (!desktopSetup.empty())
            runCommand("DISPLAY=" + server->display() + " sh -c '" + desktopSetup + "'");
        env["DISPLAY"] = server->display();
        if (!env.count("SDL_AUDIODRIVER"))
            env["SDL_AUDIODRIVER"] = "dummy";
        std::vector<std::string> argv = {std::string(LUME_TRACE_PLAYER_DIR) + "/" + build};
        argv.insert(argv.end(), args.begin(), args.end());
        process = std::make_unique<Process>(argv, env, workingDir, 180);
    }

    // Waits until the trace holds a line starting with `prefix` (false if the run ended or
    // the time ran out first).
    bool waitForTrace(const std::string &prefix, double seconds)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < deadline) {
            if (!linesStartingWith(process->output(), prefix).empty())
                return true;
            if (!process->running())
                return !linesStartingWith(process->output(), prefix).empty();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    // Waits until standard error holds `count` lines starting with `prefix` (false if the run
    // ended or the time ran out first).
    bool waitForErrorLines(const std::string &prefix, size_t count, double seconds)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        for (;;) {
            const bool running = process->running();
            if (linesStartingWith(process->errors(), prefix).size() >= count)
                return true;
            if (!running || std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    XWindowId playerWindow() { return x->waitForWindow("FraglumeApp", 60, process.get()); }

    void pressKey(const std::string &key)
    {
        const XWindowId window = playerWindow();
        ASSERT_NE(window, 0u) << process->errors();
        runCommand("DISPLAY=" + server->display() + " xdotool windowfocus --sync " + std::to_string(window) + " key " +
                   key);
    }

    // The id of the "Fatal Error" box as xwininfo lists it (xdotool cannot see its title).
    std::string waitForFatalErrorBox()
    {
        for (int i = 0; i < 600 && process->running(); ++i) {
            const std::string tree =
                runCommand("DISPLAY=" + server->display() + " xwininfo -root -tree | grep '\"Fatal Error\"'");
            if (!tree.empty()) {
                const size_t id = tree.find("0x");
                return tree.substr(id, tree.find(' ', id) - id);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return {};
    }

    // The run ended with `status` and left the desktop as it found it.
    void expectOrderlyEnd(int status, double seconds = 60)
    {
        EXPECT_EQ(process->waitFor(seconds), status) << process->errors();
        const std::string trace = process->output();
        std::vector<std::string> calls;
        for (const std::string &line : splitLines(trace))
            if (startsWith(line, "DISPLAY ") || startsWith(line, "CURSOR "))
                calls.push_back(line);
        EXPECT_EQ(calls, kDesktopCalls);
        const std::vector<std::string> lines = splitLines(trace);
        EXPECT_TRUE(!lines.empty() && lines.back() == "SHUTDOWN") << trace;
        EXPECT_EQ(x->screenSize(), std::make_pair(kWidth, kHeight));
    }

    // The player's console lines after the refused modes' (two at 640x480), without SDL's disk
    // driver announcing itself or the empty line a driver's compile log leaves with its final
    // line break.
    std::vector<std::string> consoleLines(const std::string &modeLines = kModeLines)
    {
        std::vector<std::string> out;
        for (const std::string &line : splitLines(process->errors()))
            if (!line.empty() && !startsWith(line, "CRITICAL: "))
                out.push_back(line);
        const std::vector<std::string> modes = splitLines(modeLines);
        if (out.size() < modes.size() || !std::equal(modes.begin(), modes.end(), out.begin())) {
            ADD_FAILURE() << "the refused modes' lines do not come first:\n" << process->errors();
            return out;
        }
        return std::vector<std::string>(out.begin() + std::ptrdiff_t(modes.size()), out.end());
    }

    // The server's screen, and shell commands that arrange its desktop before the player starts.
    std::pair<int, int> screen{kWidth, kHeight};
    std::string desktopSetup;
    std::unique_ptr<XvfbServer> server;
    std::unique_ptr<XClient> x;
    std::unique_ptr<Process> process;
};

const std::string kSceneFailure = "Failed to compile the shader: ";

std::string missingResource(int id)
{
    return "Failed to load resource: #" + std::to_string(id) + " type: FRAG";
}

} // namespace

// Without the soundtrack, or with a folder in its place, or without any usable sound device,
// the show plays on in silence. A missing soundtrack is said nothing about; a missing sound
// device is said once, in one line with the sound library's reason, and nothing else of that
// library's probing reaches standard error (ALSA alone writes a dozen lines when it finds no
// card). The disk driver writes what would be heard to a file: with the soundtrack present
// that file holds the soundtrack from its start (after the device's first buffers of silence),
// without it nothing is played.
TEST_F(PlayerFaults, WithoutMusicOrSoundDeviceTheShowRunsSilently)
{
    struct Case {
        const char *name;
        const char *soundtrack; // "file", "missing" or "folder"
        const char *driver;     // "" lets SDL pick, as a user's run does
        bool heard;
        const char *silentReason; // the start of the reason in the one "no sound device" line
    };
    const Case cases[] = {
        {"soundtrack present (the control)", "file", "disk", true, nullptr},
        {"soundtrack missing", "missing", "disk", false, nullptr},
        {"a folder named like the soundtrack", "folder", "disk", false, nullptr},
        {"an audio driver that does not exist", "file", "no-such-driver", false, ""},
        {"ALSA without a sound card", "file", "alsa", false, "ALSA: "},
        {"the driver SDL picks, without a sound card", "file", "", false, "ALSA: "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path soundtrack = dir.path() / "vell-short.mp3";
        if (std::string(c.soundtrack) == "file")
            fs::create_symlink(fs::path(LUME_RESOURCES_DIR) / "vell-short.mp3", soundtrack);
        else if (std::string(c.soundtrack) == "folder")
            fs::create_directory(soundtrack);
        const fs::path heard = dir.path() / "heard.raw";
        // No sound server and a card that does not exist, so that a machine with sound fares
        // as one without.
        start("trace_player", {"--short"}, dir.path().string(),
              {{"SDL_AUDIODRIVER", c.driver},
               {"SDL_DISKAUDIOFILE", heard.string()},
               {"ALSA_CARD", "NoSuchCard"},
               {"PULSE_SERVER", "unix:" + (dir.path() / "no-pulse").string()},
               {"PIPEWIRE_REMOTE", (dir.path() / "no-pipewire").string()}});

        // The show goes on: the second scene takes over.
        ASSERT_TRUE(waitForTrace("SCENE 2 ", 90)) << process->errors();
        if (std::string(c.driver) == "disk") {
            const auto size = fs::exists(heard) ? fs::file_size(heard) : 0;
            if (c.heard) {
                EXPECT_GT(size, 0u) << "the control run wrote no sound";
                // A stream left paused still feeds the device: silence, of the right length.
                const std::vector<int16_t> written = rawSamples(heard);
                const auto sound = std::find_if(written.begin(), written.end(), [](int16_t s) { return s != 0; });
                ASSERT_NE(sound, written.end())
                    << "the soundtrack did not play: " << written.size() / 2 << " frames of silence were written";
                const size_t lead = size_t(sound - written.begin()) / 2 * 2;
                // The soundtrack's very first sample is not silent, so its start is where the
                // heard silence ends.
                const std::vector<int16_t> expected = soundtrackSamples((written.size() - lead) / 2);
                const size_t compared = std::min(written.size() - lead, expected.size());
                size_t differing = 0;
                for (size_t i = 0; i < compared; ++i)
                    differing += written[lead + i] != expected[i];
                EXPECT_GT(compared, 44100u / 4 * 2) << "less than a quarter second was heard";
                EXPECT_EQ(differing, 0u) << "of " << compared
                                         << " samples heard, these differ from the soundtrack's start";
            } else {
                EXPECT_EQ(size, 0u) << "sound was played";
            }
        }
        pressKey("Escape");
        expectOrderlyEnd(0);
        const std::vector<std::string> console = consoleLines();
        if (c.silentReason) {
            const std::string start = std::string("No sound device (") + c.silentReason;
            const std::string end = "); the show runs silently.";
            ASSERT_EQ(console.size(), 1u) << process->errors();
            EXPECT_TRUE(startsWith(console[0], start)) << console[0];
            EXPECT_GT(console[0].size(), start.size() + end.size()) << "no reason given: " << console[0];
            EXPECT_EQ(console[0].substr(console[0].size() - std::min(console[0].size(), end.size())), end);
        } else {
            EXPECT_EQ(console, std::vector<std::string>{});
        }
        EXPECT_EQ(process->output().find("MESSAGE BOX"), std::string::npos);
    }
}

// Start-up resources that fail: the box shows the two-line text, Return closes it, and the
// player quits in order with status 0.
TEST_F(PlayerFaults, ABrokenStartUpResourceShowsTheFatalErrorBoxThenQuits)
{
    const std::string firstLine = "Failed to load common textures and shaders:\n";
    struct Case {
        const char *build;
        std::string secondLine; // the exception's text (its start, where the driver adds its log)
        bool exact;
    };
    const Case cases[] = {
        {"trace_player_bad_image", "Unknown exception", true},
        {"trace_player_bad_transition", "FRAGMENT: ", false},
        {"trace_player_no_vertex", missingResource(65), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.build);
        start(c.build);
        const std::string box = waitForFatalErrorBox();
        ASSERT_FALSE(box.empty()) << process->errors();

        const std::string trace = process->output();
        const size_t begin = trace.find("MESSAGE BOX Fatal Error\n");
        ASSERT_NE(begin, std::string::npos) << trace;
        const size_t textStart = begin + std::string("MESSAGE BOX Fatal Error\n").size();
        const std::string text = trace.substr(textStart, trace.find("\nEND MESSAGE BOX", textStart) - textStart);
        ASSERT_TRUE(startsWith(text, firstLine)) << text;
        const std::string second = text.substr(firstLine.size());
        if (c.exact) {
            EXPECT_EQ(second, c.secondLine);
        } else {
            EXPECT_TRUE(startsWith(second, c.secondLine)) << second;
            EXPECT_NE(second.find("error"), std::string::npos) << second;
        }

        runCommand("DISPLAY=" + server->display() + " xdotool key --window " + box + " Return");
        expectOrderlyEnd(0);
        EXPECT_TRUE(linesStartingWith(process->output(), "UNIT1 ").empty()) << "a scene was shown after the box";
        // Scene jobs queued after the box may reach the loader before the quit; with the
        // vertex text gone they can only fail, each with its line.
        for (const std::string &line : consoleLines())
            EXPECT_EQ(line, kSceneFailure + missingResource(65));
    }
}

// Position 2's scene does not compile and position 5's id has no resource: one line each, the
// show skips them, every other scene plays with its own hold, fade and channel layout, wipes
// into the next over its own fade, and the show ends by itself.
TEST_F(PlayerFaults, ScenesThatFailAreSkippedAndTheRestPlayAndWipeOnTheirOwnTiming)
{
    start("trace_player_bad_scenes", {"--short", "--watch-wipes"});
    expectOrderlyEnd(0, 150);

    const std::vector<std::string> console = consoleLines();
    ASSERT_EQ(console.size(), 2u) << process->errors();
    EXPECT_TRUE(startsWith(console[0], kSceneFailure + "FRAGMENT: ")) << console[0];
    EXPECT_EQ(console[1], kSceneFailure + missingResource(74));

    const std::string trace = process->output();
    std::vector<int> played;
    for (const Event &e : events(trace, "SCENE"))
        played.push_back(e.position);
    EXPECT_EQ(played, (std::vector<int>{1, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(linesStartingWith(trace, "QUIT").size(), 1u);

    // Each scene but the last: from the arrival of its successor to the switch is its hold
    // and fade, and to its first wipe frame its hold (a frame on a busy machine can take
    // longer than a short wipe, which then shows no frame at all). Late frames only add time,
    // so the upper bound is on the frame before: it must still have been due in the old state,
    // which holds however long a loaded machine makes the frames.
    constexpr double kEarly = 0.05;
    const std::vector<Event> taken = events(trace, "TAKEN"), fades = events(trace, "FADE"),
                             scenes = events(trace, "SCENE");
    for (size_t i = 0; i + 1 < scenes.size(); ++i) {
        const int position = scenes[i].position;
        SCOPED_TRACE("position " + std::to_string(position));
        const fraglume::SceneTiming timing = shortTiming(position);
        const Event *arrival = nullptr, *fade = nullptr;
        for (const Event &e : taken)
            if (e.position == position)
                arrival = &e;
        for (const Event &e : fades)
            if (e.position == position)
                fade = &e;
        ASSERT_TRUE(arrival) << trace;
        const Event &next = scenes[i + 1];
        EXPECT_GE(next.time - arrival->time, timing.hold + timing.fade - kEarly);
        EXPECT_LE(next.previousFrame - arrival->time, timing.hold + timing.fade + kEarly);
        if (fade) {
            EXPECT_GE(fade->time - arrival->time, timing.hold - kEarly);
            EXPECT_LE(fade->previousFrame - arrival->time, timing.hold + kEarly);
        }

        // Texture unit 1 carries the image the position's own layout puts there.
        int expected = 0;
        for (const fraglume::ChannelBinding &b : fraglume::channelBindings(timing.channelLayout))
            if (b.unit == 1)
                expected = fraglume::kImageSlotIds[size_t(b.slot)];
        EXPECT_EQ(linesStartingWith(trace, "UNIT1 " + std::to_string(position) + " "),
                  std::vector<std::string>{"UNIT1 " + std::to_string(position) + " " + std::to_string(expected)});
    }

    // Every wipe frame, by what it shows rather than by the wipe's formula: the fade buffer
    // ('x') is a band from the top edge down over the scene ('o'), with at most a row of
    // front between them; from frame to frame of one wipe the band never shrinks; a frame in
    // the first half of the fade (by the clock, from the arrival plus the hold) still shows
    // mostly the scene, and one in its last tenth mostly the fade buffer.
    std::map<int, size_t> band; // per position: the 'x' rows of its latest wipe frame
    int firstHalf = 0, secondHalf = 0;
    for (const std::string &line : linesStartingWith(trace, "WIPE ")) {
        std::istringstream in(line.substr(5));
        int position = 0;
        double before = 0, after = 0;
        std::string rows;
        in >> position >> before >> after >> rows;
        SCOPED_TRACE(line);
        ASSERT_EQ(int(rows.size()), kHeight);
        const size_t lowestReplaced = rows.find('x'), highestScene = rows.rfind('o');
        if (lowestReplaced != std::string::npos && highestScene != std::string::npos) {
            EXPECT_LE(highestScene, lowestReplaced + 1) << "scene rows above the fade buffer's band";
        }
        const size_t replaced = size_t(std::count(rows.begin(), rows.end(), 'x')),
                     old = size_t(std::count(rows.begin(), rows.end(), 'o'));
        EXPECT_GE(replaced + 1, band[position]) << "the band shrank";
        band[position] = replaced;

        const Event *arrival = nullptr;
        for (const Event &e : taken)
            if (e.position == position)
                arrival = &e;
        ASSERT_TRUE(arrival);
        const fraglume::SceneTiming timing = shortTiming(position);
        const double fadeStart = arrival->time + timing.hold;
        if (after < fadeStart - kEarly + timing.fade / 2) {
            ++firstHalf;
            EXPECT_GT(old, replaced) << "the first half of a wipe shows mostly the scene";
        } else if (before > fadeStart + kEarly + timing.fade / 2) {
            ++secondHalf;
            if (before > fadeStart + kEarly + timing.fade * 0.9) {
                EXPECT_GT(replaced, old) << "the last tenth of a wipe shows mostly the fade buffer";
            }
        }
    }
    EXPECT_GT(firstHalf, 0) << "no wipe frame came in the first half of a fade";
    EXPECT_GT(secondHalf, 0) << "no wipe frame came in the second half of a fade";
}

// Without the uniform header every scene fails: one line per playlist job, and with nothing
// left to build the player ends by itself instead of waiting on an empty screen.
TEST_F(PlayerFaults, WhenEverySceneFailsThePlayerQuitsOnceNothingIsLeftToBuild)
{
    start("trace_player_no_header");
    expectOrderlyEnd(0, 90);
    const std::vector<std::string> console = consoleLines();
    EXPECT_EQ(console, std::vector<std::string>(fraglume::kPlaylist.size(), kSceneFailure + missingResource(67)));
    EXPECT_TRUE(linesStartingWith(process->output(), "UNIT1 ").empty()) << "a scene was shown";
}

// The scene taken after the last switch is never shown: from the frame that ends the last
// wipe until the window goes away, every frame is black.
TEST_F(PlayerFaults, AfterTheLastWipeEveryFrameIsBlackUntilTheWindowCloses)
{
    start("trace_player", {"--short"});
    expectOrderlyEnd(0, 150);
    const std::string trace = process->output();
    ASSERT_FALSE(linesStartingWith(trace, "SCENE 15 ").empty()) << trace;
    // The switch frame, then the frame of the quit request at least.
    const std::vector<std::string> ended = linesStartingWith(trace, "ENDED ");
    EXPECT_GE(ended.size(), 2u);
    for (const std::string &line : ended)
        EXPECT_EQ(line, "ENDED 0");
}

// The ways a run is cut short, at the moments that matter: Escape while the loader is parked
// in the middle of the playlist, signals while a scene plays, the window closed during a wipe,
// an exception out of an event handler. Each ends in order; only the exception fails the run.
TEST_F(PlayerFaults, RunsCutShortPutTheDesktopBack)
{
    struct Case {
        const char *name;
        std::vector<std::string> args;
        const char *waitFor; // trace line to wait for before acting
        int status;
    };
    const Case cases[] = {
        {"Escape while loading", {"--short", "--hold-loader"}, "CURSOR -1", 0},
        {"SIGTERM mid-show", {"--short"}, "SCENE 2 ", 0},
        {"SIGINT mid-show", {"--short"}, "SCENE 2 ", 0},
        {"window closed mid-fade", {"--short", "--long-fade"}, "FADE 2 ", 0},
        {"exception from keyDown", {"--short", "--throw-key"}, "SCENE 2 ", 1},
    };
    for (const Case &c : cases) {
        const std::string name = c.name;
        SCOPED_TRACE(name);
        start("trace_player", c.args);
        ASSERT_TRUE(waitForTrace(c.waitFor, 90)) << process->errors();
        if (name == "Escape while loading") {
            // A moment for the loader to reach its next job and stop there.
            std::this_thread::sleep_for(std::chrono::seconds(1));
            pressKey("Escape");
        } else if (name == "SIGTERM mid-show") {
            process->signal(SIGTERM);
        } else if (name == "SIGINT mid-show") {
            process->signal(SIGINT);
        } else if (name == "window closed mid-fade") {
            x->requestClose(playerWindow());
        } else {
            pressKey("x");
        }
        expectOrderlyEnd(c.status);
        const std::string trace = process->output();
        if (name == "Escape while loading") {
            EXPECT_LT(events(trace, "SCENE").size(), fraglume::kPlaylist.size())
                << "the playlist was not still loading";
        }
        if (name == "window closed mid-fade") {
            EXPECT_TRUE(linesStartingWith(trace, "SCENE 3 ").empty()) << "the wipe ran to its end";
        }
        if (c.status == 1) {
            EXPECT_NE(process->errors().find("fault injected into keyDown"), std::string::npos) << process->errors();
        } else {
            EXPECT_EQ(consoleLines(), std::vector<std::string>{});
        }
    }
}

// 101 files dropped at once while the loader is parked: the handler takes what fits in the
// load queue and returns at once (a handler that waited for room would never return, since the
// loader only moves on after it), the rest are ignored, and each accepted file ends in the
// loader's failure line without touching the show, which plays to its end.
TEST_F(PlayerFaults, AHundredAndOneDroppedFilesAreTakenAsFarAsThereIsRoom)
{
    start("trace_player", {"--short", "--hold-loader", "--drop", "101"});
    ASSERT_TRUE(waitForTrace("DROP HANDLED", 90)) << process->errors();
    const std::vector<std::string> drop = linesStartingWith(process->output(), "DROP 101 ");
    ASSERT_EQ(drop.size(), 1u) << process->output();
    const int unfinished = std::atoi(drop[0].c_str() + std::strlen("DROP 101 "));
    expectOrderlyEnd(0, 150);

    const std::vector<std::string> dropped = consoleLines();
    std::printf("%zu of the 101 dropped files were queued\n", dropped.size());
    for (const std::string &line : dropped)
        EXPECT_EQ(line, kSceneFailure + missingResource(-1));
    // Of the playlist jobs not yet built, the parked loader holds one and the others still
    // wait in the load queue: the files fill exactly the rest of it.
    ASSERT_GE(unfinished, 1) << "the loader was not parked inside a job";
    EXPECT_EQ(dropped.size(), size_t(fraglume::JobQueue::kCapacity - (unfinished - 1)))
        << unfinished << " playlist jobs were not built yet";

    std::vector<int> played;
    for (const Event &e : events(process->output(), "SCENE"))
        played.push_back(e.position);
    EXPECT_EQ(played, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
}

// Dropped paths arrive as UTF-8 whatever the process locale says: an accented name under the
// C locale and a plain name under a locale that is not installed are taken like any other, and
// a name that is not UTF-8 at all is refused with a line of its own. Either way the file
// dropped after it is still taken and the show goes on.
TEST_F(PlayerFaults, DroppedFileNamesAreReadAsUtf8WhateverTheLocale)
{
    const std::string taken = kSceneFailure + missingResource(-1);
    struct Case {
        const char *name;
        std::string file;
        const char *locale;
        std::string line; // the console line for the file
    };
    const Case cases[] = {
        {"an accented name under the C locale", "/tmp/caf\xC3\xA9.frag", "C", taken},
        {"a name that is not UTF-8 under C.UTF-8", "/tmp/caf\xE9.frag", "C.UTF-8",
         kSceneFailure + "Error in UTF-8 to wide string conversion."},
        {"a plain name under a locale that is not installed", "/tmp/plain.frag", "xx_XX.UTF-8", taken},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        start("trace_player", {"--short", "--drop-file", c.file, "--drop-file", "/tmp/next.frag"}, LUME_RESOURCES_DIR,
              {{"LANG", c.locale}, {"LC_ALL", ""}, {"LC_CTYPE", ""}});
        ASSERT_TRUE(waitForTrace("DROP HANDLED", 90)) << process->errors();
        ASSERT_TRUE(waitForErrorLines(kSceneFailure, 2, 90)) << process->errors();
        pressKey("Escape");
        expectOrderlyEnd(0);
        EXPECT_EQ(consoleLines(), (std::vector<std::string>{c.line, taken}));
    }
}

// Two 1920x1080 monitors side by side make one 3840x1080 screen (Xvfb has a single output: it
// drives the left monitor, the right one is a monitor without an output of its own, and its
// screen keeps the 3840x1080 mode it started with, which the output still lists). The
// desktop the player must put back is the primary output's own mode, not the screen's size:
// asked for its own 1920x1080 the output is switched once at start and once at shutdown,
// nothing is refused, and afterwards the output and the screen are as they were.
TEST_F(PlayerFaults, OnTwoMonitorsShutdownPutsBackThePrimaryOutputsOwnMode)
{
    screen = {3840, 1080};
    desktopSetup = "xrandr --newmode desktop 0 1920 0 0 0 1080 0 0 0 && xrandr --addmode screen desktop && "
                   "xrandr --output screen --mode desktop --primary --fb 3840x1080 && "
                   "xrandr --setmonitor left 1920/508x1080/286+0+0 screen && "
                   "xrandr --setmonitor right 1920/508x1080/286+1920+0 none";
    const auto primary = [&] {
        return runCommand("DISPLAY=" + server->display() + " xrandr | grep \"^screen connected\"");
    };
    start("trace_player", {"--short"});
    ASSERT_EQ(primary(), "screen connected primary 1920x1080+0+0 0mm x 0mm\n");
    ASSERT_TRUE(waitForTrace("SCENE 1 ", 90)) << process->errors();
    pressKey("Escape");
    EXPECT_EQ(process->waitFor(60), 0) << process->errors();

    std::vector<std::string> calls;
    for (const std::string &line : splitLines(process->output()))
        if (startsWith(line, "DISPLAY ") || startsWith(line, "CURSOR "))
            calls.push_back(line);
    EXPECT_EQ(calls, (std::vector<std::string>{"DISPLAY 1920x1080 0", "CURSOR -1", "CURSOR 0", "DISPLAY 1920x1080 0"}));
    EXPECT_EQ(consoleLines(""), std::vector<std::string>{});
    EXPECT_EQ(primary(), "screen connected primary 1920x1080+0+0 0mm x 0mm\n");
    EXPECT_EQ(x->screenSize(), std::make_pair(3840, 1080));
}
