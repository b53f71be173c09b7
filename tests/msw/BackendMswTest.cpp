// The Windows backend on a real desktop (under Wine: an X server the test stage provides):
// the window the player asks for, the system's messages becoming the framework's events,
// the renderer's pixels and shared context, display modes, and the outside quit.
#include "framework/app/AppBasic.h"
#include "framework/app/DisplayMode.h"
#include "framework/app/MessageBox.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Window.h"

#include <glad/gl.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using namespace lume::app;
using lume::Vec2i;

namespace {

std::string hex(uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%#x", value);
    return buffer;
}

// The player's window: borderless, fixed, at the origin.
void playerWindow(App::Settings *settings, Vec2i size)
{
    WindowFormat &format = settings->defaultWindowFormat;
    format.size = size;
    format.pos = {0, 0};
    format.posSpecified = true;
    format.resizable = false;
    format.borderless = true;
}

class RecordingApp : public AppBasic {
  public:
    RecordingApp(std::vector<std::string> &log, size_t awaited, std::function<void(HWND)> script)
        : mLog(log), mAwaited(awaited), mScript(std::move(script))
    {
    }

    void prepareSettings(Settings *settings) override { playerWindow(settings, {320, 200}); }
    void setup() override { mScript(static_cast<HWND>(getWindow()->getNative())); }
    void update() override
    {
        // The run lasts until the awaited events have arrived, however many frames a busy
        // machine takes to dispatch them, then five frames more for any that should not.
        if (mLog.size() < mAwaited)
            mLastFrameShort = getElapsedFrames();
        if (getElapsedFrames() >= mLastFrameShort + 5 || getElapsedFrames() >= 600)
            quit();
    }
    void keyDown(KeyEvent e) override { key("keyDown", e); }
    void keyUp(KeyEvent e) override { key("keyUp", e); }
    void mouseDown(MouseEvent e) override { mouse("mouseDown", e); }
    void mouseUp(MouseEvent e) override { mouse("mouseUp", e); }
    void mouseDrag(MouseEvent e) override { mouse("mouseDrag", e); }
    void mouseMove(MouseEvent e) override { mouse("mouseMove", e); }
    void mouseWheel(MouseEvent e) override
    {
        mLog.push_back("mouseWheel " + std::to_string(e.getWheelIncrement()) + " at " + std::to_string(e.getX()) + "," +
                       std::to_string(e.getY()) + " native " + hex(e.getNativeModifiers()));
    }
    void fileDrop(FileDropEvent e) override
    {
        std::string text = "fileDrop at " + std::to_string(e.getX()) + "," + std::to_string(e.getY());
        for (const auto &f : e.getFiles()) {
            const std::u8string name = f.u8string();
            text += " " + std::string(name.begin(), name.end());
        }
        mLog.push_back(text);
    }

  private:
    void key(const char *what, const KeyEvent &e)
    {
        mLog.push_back(std::string(what) + " code " + std::to_string(e.getCode()) + " native " +
                       std::to_string(e.getNativeKeyCode()) + " char " + std::to_string(e.getCharUtf32()) + " mods " +
                       hex(e.getModifiers()));
    }
    void mouse(const char *what, const MouseEvent &e)
    {
        // Whether the window holds the mouse capture while the event is handled.
        const bool captured = GetCapture() == static_cast<HWND>(getWindow()->getNative());
        mLog.push_back(std::string(what) + " " + std::to_string(e.getInitiator()) + " at " + std::to_string(e.getX()) +
                       "," + std::to_string(e.getY()) + " mods " + hex(e.getModifiers()) + " native " +
                       hex(e.getNativeModifiers()) + (captured ? " captured" : ""));
    }

    std::vector<std::string> &mLog;
    size_t mAwaited;
    uint32_t mLastFrameShort = 0;
    std::function<void(HWND)> mScript;
};

// A key message's second parameter: repeat count 1, the scan code, the extended-key bit and,
// for a release, the previous-state and transition bits.
LPARAM keyData(uint32_t scanCode, bool up = false, bool extended = false)
{
    return static_cast<LPARAM>(1u | (scanCode << 16) | (extended ? 1u << 24 : 0u) | (up ? 3u << 30 : 0u));
}

// Runs an application whose setup posts the messages of `script` to its window, and gives
// what reached the application once `awaited` entries have (the posted messages come first:
// a queue hands out posted messages before the desktop's own input).
std::vector<std::string> run(size_t awaited, const std::function<void(HWND)> &script)
{
    std::vector<std::string> log;
    EXPECT_EQ(
        launchApplication(new RecordingApp(log, awaited, script), std::make_shared<RendererGl>(0), "BackendEvents"), 0);
    return log;
}

// A drop handle as the shell makes it: the files as a double-terminated wide list.
HDROP makeDrop(POINT point, const std::vector<std::wstring> &files)
{
    std::wstring list;
    for (const auto &f : files)
        list += f + L'\0';
    list += L'\0';
    const size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto *drop = static_cast<DROPFILES *>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = point;
    drop->fNC = FALSE;
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char *>(drop) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

} // namespace

TEST(BackendMsw, ThePlayersWindowIsABorderlessPopUpOfTheFrameworksClassAtTheOrigin)
{
    struct Seen {
        std::wstring className, title;
        LONG style = 0;
        POINT origin{-1, -1};
        RECT client{};
        bool visible = false;
    } seen;
    class PlacementApp : public AppBasic {
      public:
        explicit PlacementApp(Seen &seen) : mSeen(seen) {}
        void prepareSettings(Settings *settings) override { playerWindow(settings, {320, 200}); }
        void setup() override
        {
            HWND wnd = static_cast<HWND>(getWindow()->getNative());
            wchar_t text[64] = {};
            GetClassNameW(wnd, text, 64);
            mSeen.className = text;
            GetWindowTextW(wnd, text, 64);
            mSeen.title = text;
            mSeen.style = GetWindowLongW(wnd, GWL_STYLE);
            ClientToScreen(wnd, &(mSeen.origin = POINT{0, 0}));
            GetClientRect(wnd, &mSeen.client);
            mSeen.visible = IsWindowVisible(wnd);
            quit();
        }

      private:
        Seen &mSeen;
    };
    EXPECT_EQ(launchApplication(new PlacementApp(seen), std::make_shared<RendererGl>(0), "FraglumeApp"), 0);
    EXPECT_EQ(seen.className, L"LumeWinClass");
    EXPECT_EQ(seen.title, L"FraglumeApp"); // the launcher's name titles the window
    EXPECT_TRUE(seen.style & WS_POPUP);
    EXPECT_FALSE(seen.style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_EQ(seen.origin.x, 0);
    EXPECT_EQ(seen.origin.y, 0);
    EXPECT_EQ(seen.client.right, 320);
    EXPECT_EQ(seen.client.bottom, 200);
    EXPECT_TRUE(seen.visible);
}

TEST(BackendMsw, KeysCarryWindowsCodesAndTheSideOfTheirModifier)
{
    // Posted key messages do not change the system's keyboard state: the script sets it as
    // both Shift keys held, which the backend asks when one comes up (the characters are
    // KeyTranslationMswTest's).
    const std::vector<std::string> expected = {
        "keyDown code 303 native 16 char 0 mods 0x8", // right Shift
        "keyDown code 97 native 65 char 65 mods 0x8", // Shift+A
        "keyDown code 304 native 16 char 0 mods 0x8", // left Shift while right is held
        "keyUp code 303 native 16 char 0 mods 0x8",   // right Shift up: still the right side
        "keyUp code 304 native 16 char 0 mods 0",
        "keyDown code 307 native 18 char 0 mods 0x10", // right Alt, a system key
        "keyUp code 307 native 18 char 0 mods 0",      "keyDown code 27 native 27 char 27 mods 0",
    };
    const auto log = run(expected.size(), [](HWND w) {
        BYTE shiftsHeld[256] = {};
        shiftsHeld[VK_SHIFT] = shiftsHeld[VK_LSHIFT] = shiftsHeld[VK_RSHIFT] = 0x80;
        SetKeyboardState(shiftsHeld);
        PostMessageW(w, WM_KEYDOWN, VK_SHIFT, keyData(0x36));
        PostMessageW(w, WM_KEYDOWN, 'A', keyData(0x1E));
        PostMessageW(w, WM_KEYDOWN, VK_SHIFT, keyData(0x2A));
        PostMessageW(w, WM_KEYUP, VK_SHIFT, keyData(0x36, true));
        PostMessageW(w, WM_KEYUP, VK_SHIFT, keyData(0x2A, true));
        PostMessageW(w, WM_SYSKEYDOWN, VK_MENU, keyData(0x38, false, true) | (1 << 29));
        PostMessageW(w, WM_SYSKEYUP, VK_MENU, keyData(0x38, true, true));
        PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, keyData(0x01));
    });
    EXPECT_EQ(log, expected);
}

// Windows sends one key-up when both Shift keys are released together: the other side must not
// stay held (every later key would carry Shift until the focus changed).
TEST(BackendMsw, BothShiftKeysReleasedTogetherComeUpFromOneKeyUp)
{
    const std::vector<std::string> expected = {
        "keyDown code 304 native 16 char 0 mods 0x8", "keyDown code 303 native 16 char 0 mods 0x8",
        "keyUp code 303 native 16 char 0 mods 0x8", // the one key-up Windows sends
        "keyUp code 304 native 16 char 0 mods 0",   // the system says left Shift is up too
        "keyDown code 97 native 65 char 97 mods 0", // A is plain
    };
    const auto log = run(expected.size(), [](HWND w) {
        PostMessageW(w, WM_KEYDOWN, VK_SHIFT, keyData(0x2A));
        PostMessageW(w, WM_KEYDOWN, VK_SHIFT, keyData(0x36));
        PostMessageW(w, WM_KEYUP, VK_SHIFT, keyData(0x36, true));
        BYTE nothingHeld[256] = {};
        SetKeyboardState(nothingHeld);
        PostMessageW(w, WM_KEYDOWN, 'A', keyData(0x1E));
    });
    EXPECT_EQ(log, expected);
}

TEST(BackendMsw, KeysReleasedWhileAnotherProgramHadTheFocusAreForgottenWhenItComesBack)
{
    const std::vector<std::string> expected = {
        "keyDown code 304 native 16 char 0 mods 0x8", // left Shift down
        "keyDown code 97 native 65 char 97 mods 0",   // Shift came up elsewhere: A is plain
    };
    const auto log = run(expected.size(), [](HWND w) {
        PostMessageW(w, WM_KEYDOWN, VK_SHIFT, keyData(0x2A));
        // The system's state says nothing is held when the focus comes back.
        BYTE nothingHeld[256] = {};
        SetKeyboardState(nothingHeld);
        PostMessageW(w, WM_KILLFOCUS, 0, 0);
        PostMessageW(w, WM_SETFOCUS, 0, 0);
        PostMessageW(w, WM_KEYDOWN, 'A', keyData(0x1E));
    });
    EXPECT_EQ(log, expected);
}

TEST(BackendMsw, ButtonsCaptureTheMouseAndDragUntilReleasedOrUntilTheFocusGoes)
{
    const std::vector<std::string> expected = {
        "mouseDown 1 at 10,20 mods 0x1 native 0x1 captured",
        "mouseDrag 0 at 700,-5 mods 0x1 native 0x1 captured", // outside the window: still ours
        "mouseUp 1 at 700,-5 mods 0 native 0",
        "mouseMove 0 at 30,40 mods 0 native 0",
        "mouseDown 2 at 50,60 mods 0x2 native 0x2 captured",
        "mouseUp 0 at 50,60 mods 0 native 0", // the focus went while the button was held
        "mouseMove 0 at 31,41 mods 0 native 0",
    };
    const auto log = run(expected.size(), [](HWND w) {
        PostMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
        PostMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(700, -5));
        PostMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(700, -5));
        PostMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(30, 40));
        PostMessageW(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 60));
        PostMessageW(w, WM_KILLFOCUS, 0, 0);
        PostMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(31, 41));
    });
    ASSERT_GE(log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + expected.size()), expected);
}

TEST(BackendMsw, WheelInScreenPixelsAndDroppedFilesWithWideNames)
{
    // "λ" is in no ANSI code page a Western system uses: an ANSI query would turn it into '?'.
    const std::vector<std::string> expected = {
        "mouseWheel -1.000000 at 5,6 native 0xff880000",
        "fileDrop at 7,8 C:\\tmp\\first scene.frag C:\\tmp\\\xce\xbb.frag",
    };
    const auto log = run(expected.size(), [](HWND w) {
        PostMessageW(w, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(5, 6));
        PostMessageW(
            w, WM_DROPFILES,
            reinterpret_cast<WPARAM>(makeDrop({7, 8}, {L"C:\\tmp\\first scene.frag", L"C:\\tmp\\\u03bb.frag"})), 0);
    });
    ASSERT_GE(log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + expected.size()), expected);
}

namespace {

// Draws a 10x10 red square at window pixel (20, 30) under the renderer's default matrices and
// reads back what landed where. Also checks the shared context the renderer makes for other
// threads: a texture created there is visible in the window's context.
class PixelApp : public AppBasic {
  public:
    int32_t level = -1; // the antialiasing level the renderer ended with
    void prepareSettings(Settings *settings) override { playerWindow(settings, {320, 200}); }
    void setup() override
    {
        auto renderer = std::dynamic_pointer_cast<RendererGl>(getWindow()->getRenderer());
        level = renderer->getAntiAliasing();
        std::unique_ptr<SharedContext> shared = renderer->createSharedContext();
        ASSERT_TRUE(shared);
        GLuint texture = 0;
        std::thread([&] {
            ASSERT_TRUE(shared->makeCurrent());
            glGenTextures(1, &texture);
            glBindTexture(GL_TEXTURE_2D, texture);
            glFinish();
            shared->release();
        }).join();
        shared.reset(); // its hidden window goes at the next pump
        sharedTextureSeen = texture != 0 && glIsTexture(texture);
    }
    void draw() override
    {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor4f(1, 0, 0, 1);
        glRectf(20, 30, 30, 40);
        // GL counts rows from the bottom.
        const auto red = [](int x, int y) {
            unsigned char rgba[4] = {};
            glReadPixels(x, 200 - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
            return rgba[0] > 200 && rgba[1] < 50;
        };
        inside = red(20, 30) && red(29, 39);
        outside = red(19, 30) || red(30, 30) || red(20, 29) || red(20, 40);
        quit();
    }

    bool sharedTextureSeen = false, inside = false, outside = true;
};

} // namespace

TEST(BackendMsw, WindowPixelsFromTheTopLeftAndASharedContextForOtherThreads)
{
    // Level 6 asks for 32 samples, which no driver here offers: the renderer lowers the level
    // to one the driver has (or none), and the shared context still matches its format.
    for (int32_t asked : {0, 6}) {
        SCOPED_TRACE(asked);
        auto *app = new PixelApp;
        bool seen = false, inside = false, outside = true;
        int32_t level = -1;
        app->getSignalShutdown().connect([&] {
            seen = app->sharedTextureSeen;
            inside = app->inside;
            outside = app->outside;
            level = app->level;
        });
        EXPECT_EQ(launchApplication(app, std::make_shared<RendererGl>(asked), "BackendRenderer"), 0);
        EXPECT_TRUE(seen);
        EXPECT_TRUE(inside);
        EXPECT_FALSE(outside);
        EXPECT_GE(level, 0);
        EXPECT_LE(level, asked == 0 ? 0 : asked - 1);
    }
}

TEST(BackendMsw, OnlyListedSizesAreDisplayModesAndTheDesktopSizeIsOne)
{
    const Vec2i desktop = getDesktopSize();
    ASSERT_GT(desktop.x, 0);
    ASSERT_GT(desktop.y, 0);
    // The desktop's own size is always listed; an odd size that no display lists is not.
    EXPECT_EQ(switchPrimaryDisplayMode(desktop.x, desktop.y), kDisplayChangeSuccessful);
    EXPECT_EQ(switchPrimaryDisplayMode(desktop.x + 3, desktop.y + 1), kDisplayChangeBadMode);
    EXPECT_EQ(getDesktopSize(), desktop);
}

TEST(BackendMsw, AnErrorInAHandlerCalledFromTheWindowProcedureEndsTheRunAfterShutdown)
{
    // Key handlers run inside DispatchMessageW, draw inside RedrawWindow: the system's own
    // frames lie between the loop and the handler.
    class ThrowingApp : public AppBasic {
      public:
        ThrowingApp(bool inDraw, bool &shutdown) : mInDraw(inDraw), mShutdown(shutdown) {}
        void prepareSettings(Settings *settings) override { playerWindow(settings, {320, 200}); }
        void setup() override
        {
            PostMessageW(static_cast<HWND>(getWindow()->getNative()), WM_KEYDOWN, VK_ESCAPE, keyData(0x01));
        }
        void keyDown(KeyEvent) override
        {
            if (!mInDraw)
                throw std::runtime_error("failed in keyDown");
        }
        void draw() override
        {
            if (mInDraw)
                throw std::runtime_error("failed in draw");
        }
        void update() override
        {
            if (getElapsedFrames() >= 600)
                quit();
        }
        void shutdown() override { mShutdown = true; }

      private:
        bool mInDraw;
        bool &mShutdown;
    };
    for (bool inDraw : {false, true}) {
        SCOPED_TRACE(inDraw ? "draw" : "keyDown");
        bool shutdown = false;
        testing::internal::CaptureStderr();
        const int status =
            launchApplication(new ThrowingApp(inDraw, shutdown), std::make_shared<RendererGl>(0), "BackendErrors");
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(status, 1);
        EXPECT_TRUE(shutdown);
        EXPECT_NE(errors.find(inDraw ? "failed in draw" : "failed in keyDown"), std::string::npos) << errors;
    }
}
