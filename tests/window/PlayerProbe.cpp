// A test program: the player's own lifecycle (settings, display mode, shutdown, the
// fatal-error box) under application code that fails on purpose, chosen by the first
// argument:
//   fatal <text>   setup shows the fatal-error box with <text>
//   fatal-long     setup shows a text longer than the box takes, cut inside a character
//   throw-setup, throw-update, throw-draw, throw-key
//                  an exception leaves setup, the 5th update, the 5th draw, or a key handler
//   mouse          the player's own mouse handlers and frame draw feed a scene that writes
//                  the iMouse it receives into pixels; after each mouse event the probe writes
//                  "DOWN|DRAG|UP|MOVE <x> <y>", and after the next frame "IMOUSE <x> <y> <z> <w>"
//                  as read back from the scene's buffer
// Every message box text is also written to standard output, framed by lines
// "MESSAGE BOX <title>" and "END MESSAGE BOX <bytes>".
#include "app/FraglumeApp.h"
#include "app/Playlist.h"
#include "framework/app/AppImplBasic.h"
#include "framework/app/Platform.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Resources.h"
#include "framework/gl/Draw.h"
#include "framework/gl/GlslProg.h"

#include <glad/gl.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

using namespace lume::app;
using namespace fraglume;

namespace {

// The real platform, with the message box texts recorded on the way.
class RecordingPlatform : public Platform {
  public:
    explicit RecordingPlatform(std::unique_ptr<Platform> inner) : mInner(std::move(inner)) {}
    std::vector<std::string> getCommandLine() override { return mInner->getCommandLine(); }
    std::filesystem::path getAppPath() override { return mInner->getAppPath(); }
    std::unique_ptr<AppImplBasic> createAppImpl(AppBasic *app) override { return mInner->createAppImpl(app); }
    std::unique_ptr<RendererGlImpl> createRendererGlImpl(RendererGl *r) override
    {
        return mInner->createRendererGlImpl(r);
    }
    void writeDebugOutput(std::string_view text) override { mInner->writeDebugOutput(text); }
    void openConsoleWindow() override { mInner->openConsoleWindow(); }
    int showCursor(bool show) override { return mInner->showCursor(show); }
    void setPowerManagement(bool enabled) override { mInner->setPowerManagement(enabled); }
    std::vector<DisplayInfo> enumerateDisplays() override { return mInner->enumerateDisplays(); }
    DisplayChange changeDisplayMode(int32_t w, int32_t h) override { return mInner->changeDisplayMode(w, h); }
    lume::Vec2i getDesktopSize() override { return mInner->getDesktopSize(); }
    void showMessageBox(void *owner, const std::string &title, const std::string &text, MessageBoxIcon icon) override
    {
        std::printf("MESSAGE BOX %s\n%s\nEND MESSAGE BOX %zu\n", title.c_str(), text.c_str(), text.size());
        std::fflush(stdout);
        mInner->showMessageBox(owner, title, text, icon);
    }
    bool quitRequested() override { return mInner->quitRequested(); }
    void lowerThreadPriority() override { mInner->lowerThreadPriority(); }
    void coverDisplay(void *window, bool cover) override { mInner->coverDisplay(window, cover); }

  private:
    std::unique_ptr<Platform> mInner;
};

// Pixel n of the bottom row carries iMouse component n as an integer: magnitude / 256 in red,
// magnitude % 256 in green, the sign in blue. Anything else stays black.
const char *const kMouseScene = R"(#version 120
uniform vec4 iMouse;
void main()
{
    int n = int(gl_FragCoord.x);
    if (gl_FragCoord.y > 1.0 || n > 3) {
        gl_FragColor = vec4(0.0, 0.0, 0.0, 1.0);
        return;
    }
    float v = n == 0 ? iMouse.x : n == 1 ? iMouse.y : n == 2 ? iMouse.z : iMouse.w;
    float a = floor(abs(v) + 0.5);
    gl_FragColor = vec4(floor(a / 256.0) / 255.0, mod(a, 256.0) / 255.0, v < 0.0 ? 1.0 : 0.0, 1.0);
}
)";

class ProbeApp : public FraglumeApp {
  public:
    void setup() override
    {
        const auto &args = getCommandLineArgs();
        mMode = args.size() > 1 ? args[1] : "";
        if (mMode == "mouse") {
            const std::string vertex = lume::loadString(loadResource(kVertexShaderId, "FRAG"));
            mEngine.play(std::make_shared<lume::gl::GlslProg>(vertex.c_str(), kMouseScene));
            // A show at its first position, not yet over: an ended show renders no scene.
            mEngine.timeline().setSceneCount(kSceneCount);
        } else if (mMode == "fatal")
            fatalError("%s", args.size() > 2 ? args[2].c_str() : "");
        else if (mMode == "fatal-long")
            fatalError("%s\xE2\x82\xAC and more", std::string(4094, 'a').c_str()); // the euro sign crosses the limit
        else if (mMode == "throw-setup")
            throw std::runtime_error("probe failure in setup");
    }
    void update() override
    {
        if (mMode == "throw-update" && getElapsedFrames() == 4)
            throw std::runtime_error("probe failure in update");
    }
    void draw() override
    {
        if (mMode == "mouse") {
            // The shipped frame: the scene pass with the player's own uniforms (no scene is
            // scheduled, so the window itself stays blank).
            FraglumeApp::draw();
            if (mMouseEvents) {
                mMouseEvents = false;
                reportMouseUniform();
            }
            return;
        }
        lume::gl::clear(lume::ColorA{0, 0, 0, 1});
        if (mMode == "throw-draw" && ++mDraws == 5)
            throw std::runtime_error("probe failure in draw");
    }
    void keyDown(KeyEvent event) override
    {
        if (mMode == "throw-key")
            throw std::runtime_error("probe failure in a key handler");
        FraglumeApp::keyDown(event);
    }
    void mouseDown(MouseEvent event) override
    {
        if (traceMouse("DOWN", event))
            FraglumeApp::mouseDown(event);
    }
    void mouseDrag(MouseEvent event) override
    {
        if (traceMouse("DRAG", event))
            FraglumeApp::mouseDrag(event);
    }
    void mouseUp(MouseEvent event) override
    {
        if (traceMouse("UP", event))
            FraglumeApp::mouseUp(event);
    }
    void mouseMove(MouseEvent event) override
    {
        if (traceMouse("MOVE", event))
            FraglumeApp::mouseMove(event);
    }
    void resize() override
    {
        if (mMode == "mouse")
            FraglumeApp::resize();
    }
    void fileDrop(FileDropEvent) override {}

  private:
    // In mouse mode: writes the event's line and asks for a report after the next frame.
    bool traceMouse(const char *what, const MouseEvent &event)
    {
        if (mMode != "mouse")
            return false;
        std::printf("%s %d %d\n", what, event.getX(), event.getY());
        std::fflush(stdout);
        mMouseEvents = true;
        return true;
    }

    void reportMouseUniform()
    {
        unsigned char pixels[4 * 4] = {};
        mEngine.sceneBuffer().bindFramebuffer();
        glReadPixels(0, 0, 4, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
        lume::gl::Fbo::unbindFramebuffer();
        int values[4];
        for (int n = 0; n < 4; ++n) {
            const unsigned char *p = pixels + 4 * n;
            values[n] = (p[2] ? -1 : 1) * (p[0] * 256 + p[1]);
        }
        std::printf("IMOUSE %d %d %d %d\n", values[0], values[1], values[2], values[3]);
        std::fflush(stdout);
    }

    std::string mMode;
    int mDraws = 0;
    bool mMouseEvents = false;
};

} // namespace

int main()
{
    setPlatform(std::make_unique<RecordingPlatform>(createDefaultPlatform()));
    return launchApplication(new ProbeApp, std::make_shared<RendererGl>(0), "FraglumeApp");
}
