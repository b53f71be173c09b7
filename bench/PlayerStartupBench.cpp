// Start-up of the real player: from launch to the first frame that shows a scene, and how
// much of it is image decoding. Runs on $DISPLAY, or on a private 640x480 Xvfb when there is
// none. Usage: player_startup_bench [runs]
#include "app/FraglumeApp.h"
#include "app/Playlist.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Resources.h"
#include "framework/image/ImageIo.h"
#include "tests/window/XvfbSupport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace lume;
using namespace lume::app;
using namespace fraglume;
using SteadyClock = std::chrono::steady_clock;

namespace {

SteadyClock::time_point sLaunch;
double sSetupSeconds = 0.0, sFirstSceneSeconds = 0.0;

double since(SteadyClock::time_point t)
{
    return std::chrono::duration<double>(SteadyClock::now() - t).count();
}

// The player as it is, stopped at the end of the first frame that shows a scene.
class StartupApp : public FraglumeApp {
  public:
    void setup() override
    {
        const SteadyClock::time_point start = SteadyClock::now();
        FraglumeApp::setup();
        sSetupSeconds = since(start);
    }
    void draw() override
    {
        FraglumeApp::draw();
        if (mEngine.timeline().hasCurrent() && mEngine.timeline().decide(getElapsedSeconds()) == FrameAction::Show &&
            !mDone) {
            mDone = true;
            sFirstSceneSeconds = since(sLaunch);
            quit();
        }
    }

  private:
    bool mDone = false;
};

// Decoding alone, as start-up does it, without the textures.
double decodeSeconds()
{
    const SteadyClock::time_point start = SteadyClock::now();
    for (int id : kImageSlotIds)
        loadImage(loadResource(id, "IMAGE"), ImageSource::Options(), "");
    return since(start);
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
    std::unique_ptr<test::XvfbServer> server;
    if (!std::getenv("DISPLAY")) {
        server = std::make_unique<test::XvfbServer>(640, 480);
        setenv("DISPLAY", server->display().c_str(), 1);
    }
    for (int run = 0; run < runs; ++run) {
        sLaunch = SteadyClock::now();
        launchApplication(new StartupApp, std::make_shared<RendererGl>(0), "FraglumeApp");
        const double decode = decodeSeconds();
        std::printf("start-up run %d: launch to first scene frame %.3f s (setup %.3f s); image decode %.3f s, "
                    "%.0f%% of it\n",
                    run + 1, sFirstSceneSeconds, sSetupSeconds, decode, 100.0 * decode / sFirstSceneSeconds);
    }
    return 0;
}
