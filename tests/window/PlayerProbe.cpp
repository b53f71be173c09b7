// A test program: the player's own lifecycle (settings, display mode, shutdown, the
// fatal-error box) under application code that fails on purpose, chosen by the first
// argument:
//   fatal <text>   setup shows the fatal-error box with <text>
//   fatal-long     setup shows a text longer than the box takes, cut inside a character
//   throw-setup, throw-update, throw-draw, throw-key
//                  an exception leaves setup, the 5th update, the 5th draw, or a key handler
// Every message box text is also written to standard output, framed by lines
// "MESSAGE BOX <title>" and "END MESSAGE BOX <bytes>".
#include "app/FraglumeApp.h"
#include "framework/app/AppImplBasic.h"
#include "framework/app/Platform.h"
#include "framework/app/RendererGl.h"
#include "framework/gl/Draw.h"

#include <cstdio>
#include <stdexcept>
#include <string>

using namespace lume::app;

namespace {

// The real platform, with the message box texts recorded on the way.
class RecordingPlatform : public Platform {
  public:
    explicit RecordingPlatform(std::unique_ptr<Platform> inner) : mInner(std::move(inner)) {}
    std::vector<std::string> getCommandLine() override { return mInner->getCommandLine(); }
    boost::filesystem::path getAppPath() override { return mInner->getAppPath(); }
    std::unique_ptr<AppImplBasic> createAppImpl(AppBasic *app) override { return mInner->createAppImpl(app); }
    std::unique_ptr<RendererGlImpl> createRendererGlImpl(RendererGl *r) override { return mInner->createRendererGlImpl(r); }
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

  private:
    std::unique_ptr<Platform> mInner;
};

class ProbeApp : public FraglumeApp {
  public:
    void setup() override
    {
        const auto &args = getCommandLineArgs();
        mMode = args.size() > 1 ? args[1] : "";
        if (mMode == "fatal")
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
    void mouseDown(MouseEvent) override {}
    void mouseDrag(MouseEvent) override {}
    void resize() override {}
    void fileDrop(FileDropEvent) override {}

  private:
    std::string mMode;
    int mDraws = 0;
};

} // namespace

int main()
{
    setPlatform(std::make_unique<RecordingPlatform>(createDefaultPlatform()));
    return launchApplication(new ProbeApp, std::make_shared<RendererGl>(0), "FraglumeApp");
}
