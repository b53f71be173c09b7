// The SDL backend on a private X server: SDL's input becomes the framework's events with the
// Windows semantics (SDL events are pushed into a real window's queue), and the renderer's
// window matrices and shared context do what the player relies on.
#include "framework/app/AppBasic.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Window.h"
#include "framework/gl/Draw.h"
#include "tests/window/XvfbSupport.h"

#include <SDL.h>
#include <glad/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace lume::app;

namespace {

std::string hex(uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%#x", value);
    return buffer;
}

class RecordingApp : public AppBasic {
  public:
    RecordingApp(std::vector<std::string> &log, size_t awaited, std::function<void(Uint32)> script)
        : mLog(log), mAwaited(awaited), mScript(std::move(script))
    {
    }

    void prepareSettings(Settings *settings) override { settings->defaultWindowFormat.setPos({0, 0}); }
    void setup() override { mScript(SDL_GetWindowID(static_cast<SDL_Window *>(getWindow()->getNative()))); }
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
        mLog.push_back("mouseWheel " + std::to_string(e.getWheelIncrement()) + " native " +
                       hex(e.getNativeModifiers()));
    }
    void fileDrop(FileDropEvent e) override
    {
        std::string files;
        for (const auto &f : e.getFiles())
            files += " " + f.string();
        mLog.push_back("fileDrop" + files);
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
        mLog.push_back(std::string(what) + " " + std::to_string(e.getInitiator()) + " at " + std::to_string(e.getX()) +
                       "," + std::to_string(e.getY()) + " mods " + hex(e.getModifiers()) + " native " +
                       hex(e.getNativeModifiers()));
    }

    std::vector<std::string> &mLog;
    size_t mAwaited;
    uint32_t mLastFrameShort = 0;
    std::function<void(Uint32)> mScript;
};

void pushKey(Uint32 window, Uint32 type, SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod)
{
    SDL_Event e{};
    e.type = type;
    e.key.windowID = window;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.scancode = scancode;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    SDL_PushEvent(&e);
}

void pushButton(Uint32 window, Uint32 type, Uint8 button, int x, int y)
{
    SDL_Event e{};
    e.type = type;
    e.button.windowID = window;
    e.button.button = button;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

void pushMotion(Uint32 window, int x, int y)
{
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = window;
    e.motion.x = x;
    e.motion.y = y;
    SDL_PushEvent(&e);
}

void pushWindowEvent(Uint32 window, Uint8 event)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = window;
    e.window.event = event;
    SDL_PushEvent(&e);
}

void pushDrop(Uint32 window, Uint32 type, const char *file = nullptr)
{
    SDL_Event e{};
    e.type = type;
    e.drop.windowID = window;
    e.drop.file = file ? SDL_strdup(file) : nullptr;
    SDL_PushEvent(&e);
}

// Runs an application on a private X server whose setup pushes the events of `script`, and
// gives what reached the application once `awaited` entries have (the pushed events come
// first; the server's own pointer motion may follow).
std::vector<std::string> run(size_t awaited, const std::function<void(Uint32)> &script)
{
    lume::test::XvfbServer server(1280, 1024);
    setenv("DISPLAY", server.display().c_str(), 1);
    std::vector<std::string> log;
    EXPECT_EQ(
        launchApplication(new RecordingApp(log, awaited, script), std::make_shared<RendererGl>(0), "BackendEvents"), 0);
    return log;
}

} // namespace

TEST(BackendEvents, KeysCarryWindowsCodesAndTheSideOfTheirModifier)
{
    const std::vector<std::string> expected = {
        "keyDown code 303 native 16 char 0 mods 0x8", // right Shift
        "keyDown code 97 native 65 char 65 mods 0x8", // Shift+A
        "keyDown code 304 native 16 char 0 mods 0x8", // left Shift while right is held
        "keyUp code 303 native 16 char 0 mods 0x8",   // right Shift up: still the right side
        "keyUp code 304 native 16 char 0 mods 0",     "keyDown code 27 native 27 char 27 mods 0",
    };
    const auto log = run(expected.size(), [](Uint32 w) {
        pushKey(w, SDL_KEYDOWN, SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, KMOD_RSHIFT);
        pushKey(w, SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a, KMOD_RSHIFT);
        pushKey(w, SDL_KEYDOWN, SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, KMOD_SHIFT);
        pushKey(w, SDL_KEYUP, SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, KMOD_LSHIFT);
        pushKey(w, SDL_KEYUP, SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, KMOD_NONE);
        pushKey(w, SDL_KEYDOWN, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, KMOD_NONE);
    });
    EXPECT_EQ(log, expected);
}

TEST(BackendEvents, ButtonsDragUntilReleasedOrUntilTheFocusGoes)
{
    const std::vector<std::string> expected = {
        "mouseDown 1 at 10,20 mods 0x1 native 0x1", "mouseDrag 0 at 700,-5 mods 0x1 native 0x1",
        "mouseUp 1 at 700,-5 mods 0 native 0",      "mouseMove 0 at 30,40 mods 0 native 0",
        "mouseDown 2 at 50,60 mods 0x2 native 0x2",
        "mouseUp 0 at 50,60 mods 0 native 0", // the focus went while the button was held
        "mouseMove 0 at 31,41 mods 0 native 0",
    };
    const auto log = run(expected.size(), [](Uint32 w) {
        pushButton(w, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20);
        pushMotion(w, 700, -5); // outside the window: still a drag
        pushButton(w, SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 700, -5);
        pushMotion(w, 30, 40);
        pushButton(w, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 50, 60);
        pushWindowEvent(w, SDL_WINDOWEVENT_FOCUS_LOST);
        pushMotion(w, 31, 41);
    });
    ASSERT_GE(log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + expected.size()), expected);
}

TEST(BackendEvents, WheelAndDroppedFiles)
{
    const std::vector<std::string> expected = {
        "mouseWheel -1.000000 native 0xff880000", // -120 in the high word, as the wheel message has it
        "fileDrop /tmp/first scene.frag /tmp/second.frag",
    };
    const auto log = run(expected.size(), [](Uint32 w) {
        SDL_Event wheel{};
        wheel.type = SDL_MOUSEWHEEL;
        wheel.wheel.windowID = w;
        wheel.wheel.y = -1;
        wheel.wheel.preciseY = -1.0f;
        wheel.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
        SDL_PushEvent(&wheel);
        pushDrop(w, SDL_DROPBEGIN);
        pushDrop(w, SDL_DROPFILE, "/tmp/first scene.frag");
        pushDrop(w, SDL_DROPFILE, "/tmp/second.frag");
        pushDrop(w, SDL_DROPCOMPLETE);
    });
    EXPECT_EQ(log, expected);
}

namespace {

// Draws a 10x10 red square at window pixel (20, 30) under the renderer's default matrices and
// reads back what landed where. Also checks the shared context the renderer makes for other
// threads: a texture created there is visible in the window's context.
class PixelApp : public AppBasic {
  public:
    void prepareSettings(Settings *settings) override
    {
        settings->defaultWindowFormat.setPos({0, 0});
        settings->defaultWindowFormat.size = {320, 200};
    }
    void setup() override
    {
        auto renderer = std::dynamic_pointer_cast<RendererGl>(getWindow()->getRenderer());
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
        shared.reset();
        sharedTextureSeen = texture != 0 && glIsTexture(texture);
    }
    void draw() override
    {
        lume::gl::clear(lume::ColorA{0, 0, 0, 1});
        glColor4f(1, 0, 0, 1);
        lume::gl::drawSolidRect(lume::Rectf{20, 30, 30, 40});
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

TEST(BackendRenderer, WindowPixelsFromTheTopLeftAndASharedContextForOtherThreads)
{
    lume::test::XvfbServer server(640, 480);
    setenv("DISPLAY", server.display().c_str(), 1);
    auto *app = new PixelApp;
    bool seen = false, inside = false, outside = true;
    app->getSignalShutdown().connect([&] {
        seen = app->sharedTextureSeen;
        inside = app->inside;
        outside = app->outside;
    });
    EXPECT_EQ(launchApplication(app, std::make_shared<RendererGl>(0), "BackendRenderer"), 0);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(inside);
    EXPECT_FALSE(outside);
}
