#include "app/authoring/AuthoringApp.h"

#include "app/Uniforms.h"
#include "framework/app/Platform.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Window.h"
#include "framework/gl/Draw.h"
#include "framework/gl/GlslProg.h"

#include <cstdio>
#include <exception>
#include <filesystem>

namespace fraglume {

using namespace lume;
using namespace lume::app;

namespace {

// The key table's codes for Home and for F (letters report lower case).
constexpr int32_t kKeyHome = 278;
constexpr int32_t kKeyF = 'f';

} // namespace

AuthoringApp::AuthoringApp(AuthoringOptions options) : mOptions(std::move(options)) {}

std::string AuthoringApp::sceneName() const
{
    // The file's own name: the folder is in the console's lines, and a title has little room.
    return mOptions.file.empty() ? "scene " + std::to_string(mOptions.sceneId)
                                 : std::filesystem::path(mOptions.file).filename().string();
}

void AuthoringApp::prepareSettings(Settings *settings)
{
    // A window among the author's others: the desktop keeps its mode and the cursor stays.
    settings->setFrameRate(60.0f);
    WindowFormat &format = settings->defaultWindowFormat;
    format.size = mOptions.size;
    format.resizable = true;
    format.borderless = false;
    format.setTitle("fraglume: " + sceneName());
}

void AuthoringApp::setup()
{
    try {
        mEngine.loadImages();
    } catch (const std::exception &exc) {
        // The scene still plays; the channels whose images did not load stay unbound.
        console() << "Failed to load the channel images: " << exc.what() << std::endl;
    }
    mEngine.imagesLoaded();
    mBuilder = std::make_unique<SceneBuilder>(getConsole(), &mEngine.images(), mOptions.layout);
    if (mOptions.file.empty())
        mBuilder->buildEmbedded(mOptions.sceneId);
    else
        mBuilder->watchFile(mOptions.file);

    // Started again when the first picture arrives; until then the keys have a clock to steer.
    mClock.emplace(mOptions.time, getElapsedSeconds());

    auto renderer = std::dynamic_pointer_cast<RendererGl>(getWindow()->getRenderer());
    auto build = [this](const std::atomic<bool> &stop) {
        // Builds (LLVM's machine code above all) take whole cores for hundreds of
        // milliseconds; at the lowest priority they wait for the frames, not the frames for them.
        lume::app::platform().lowerThreadPriority();
        mBuilder->run(stop);
    };
    if (!mEngine.startLoader(renderer ? renderer->createSharedContext() : nullptr, build)) {
        console() << "Failed to create the loader thread and context." << std::endl;
        quit();
    }
}

void AuthoringApp::shutdown()
{
    mEngine.stopLoader();
    // An outcome nobody took releases its program here, on the render thread.
    mBuilder.reset();
}

void AuthoringApp::update()
{
    mFrameTime = getElapsedSeconds();
    const double now = mFrameTime;
    if (mBuilder) {
        if (std::optional<SceneBuilder::Outcome> outcome = mBuilder->take()) {
            // The first picture shows the start time; later builds change only the program,
            // and the scene's time runs on.
            if (outcome->program && !mEngine.playing())
                mClock.emplace(mOptions.time, now);
            if (outcome->program)
                mEngine.play(std::move(outcome->program));
            if (outcome->status != mStatus) {
                mStatus = outcome->status;
                updateTitle();
            }
        }
    }
    if (std::optional<FrameRate> rate = mReadout.frame(now)) {
        mRate = rate;
        char line[96];
        std::snprintf(line, sizeof line, "%.1f fps, %.2f ms/frame (worst %.2f ms)", rate->fps, rate->meanMs,
                      rate->worstMs);
        console() << line << std::endl;
        updateTitle();
    }
}

void AuthoringApp::updateTitle()
{
    std::string title = "fraglume: " + sceneName();
    if (mStatus == SceneBuilder::Status::Failed)
        title += " - BUILD FAILED";
    else if (mStatus == SceneBuilder::Status::Unreadable)
        title += " - CANNOT READ";
    if (mRate) {
        char rate[48];
        std::snprintf(rate, sizeof rate, " - %.1f fps, %.1f ms", mRate->fps, mRate->meanMs);
        title += rate;
    }
    if (getWindow())
        getWindow()->setTitle(title);
}

void AuthoringApp::draw()
{
    const Vec2i size = getWindowSize();
    ShowEngine::FrameInputs inputs;
    inputs.resolution = size;
    inputs.mouse = mouseUniform(mMouse, mMousePressed, size.y);
    // The scene's own clock at the frame's time: it plays for as long as the author likes,
    // steered by the keys, so the show's timeline is not used.
    if (!mEngine.renderScene(mOptions.layout, mClock->at(mFrameTime), inputs)) {
        gl::clear(ColorA{0, 0, 0, 1});
        return;
    }
    mEngine.compose(FrameAction::Show, mFrameTime, Rectf{0.0f, 0.0f, float(size.x), float(size.y)});
}

void AuthoringApp::resize()
{
    if (getWindowWidth() <= 0 || getWindowHeight() <= 0)
        return;
    try {
        // One scene and no wipe: no fade buffer.
        mEngine.makeBuffers(getWindowSize(), false);
    } catch (const std::exception &exc) {
        console() << "Failed to create the scene buffer: " << exc.what() << std::endl;
    }
}

void AuthoringApp::keyDown(KeyEvent event)
{
    const double now = getElapsedSeconds();
    const double step = event.isShiftDown() ? 10.0 : 1.0;
    switch (event.getCode()) {
    case KeyEvent::KEY_ESCAPE: quit(); break;
    case KeyEvent::KEY_SPACE: mClock->togglePause(now); break;
    case KeyEvent::KEY_LEFT: mClock->step(-step, now); break;
    case KeyEvent::KEY_RIGHT: mClock->step(step, now); break;
    case kKeyHome: mClock->restart(now); break;
    case kKeyF:
        mFullScreen = !mFullScreen;
        lume::app::platform().coverDisplay(getWindow()->getNative(), mFullScreen);
        break;
    default: break;
    }
}

void AuthoringApp::mouseDown(MouseEvent event)
{
    const float x = float(event.getX()), y = float(event.getY());
    mMouse = {x, y, x, y};
    mMousePressed = true;
}

void AuthoringApp::mouseDrag(MouseEvent event)
{
    mMouse.x = float(event.getX());
    mMouse.y = float(event.getY());
}

void AuthoringApp::fileDrop(FileDropEvent event)
{
    if (event.getFiles().empty() || !mBuilder)
        return;
    // One scene at a time: the first file dropped becomes it.
    mOptions.file = event.getFile(0).string();
    mOptions.sceneId = 0;
    console() << "Now playing " << mOptions.file << std::endl;
    mBuilder->watchFile(mOptions.file);
    updateTitle();
}

int runAuthoring(const AuthoringOptions &options)
{
    auto *app = new AuthoringApp(options);
    auto renderer = std::make_shared<RendererGl>(0);
    return launchApplication(app, renderer, "FraglumeApp");
}

} // namespace fraglume
