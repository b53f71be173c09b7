#include "framework/app/AppBasic.h"

#include "framework/app/AppImplBasic.h"
#include "framework/app/Platform.h"

#include <iostream>

namespace lume::app {

AppBasic::AppBasic() : AppBasic(steadyClock()) {}

AppBasic::AppBasic(const Clock &clock) : App(clock) {}

AppBasic::~AppBasic()
{
    // The windows (and their contexts) go first, while the rest of the object still exists.
    mImpl.reset();
}

void AppBasic::prepareSettings(Settings *) {}

void AppBasic::quit()
{
    if (mImpl)
        mImpl->quit();
    else
        mSettings.shouldQuit = true; // before the loop exists: launch nothing
}

WindowRef AppBasic::getWindow() const
{
    return mImpl ? mImpl->getWindow() : nullptr;
}

size_t AppBasic::getNumWindows() const
{
    return mImpl ? mImpl->getNumWindows() : 0;
}

WindowRef AppBasic::getWindowIndex(size_t index) const
{
    return mImpl ? mImpl->getWindowIndex(index) : nullptr;
}

float AppBasic::getFrameRate() const
{
    return mImpl ? mImpl->getFrameRate() : mSettings.frameRate;
}

void AppBasic::setFrameRate(float frameRate)
{
    if (mImpl) {
        mImpl->setFrameRate(frameRate);
    } else {
        mSettings.frameRate = frameRate;
        mSettings.frameRateEnabled = true;
    }
}

void AppBasic::disableFrameRate()
{
    if (mImpl)
        mImpl->disableFrameRate();
    else
        mSettings.frameRateEnabled = false;
}

bool AppBasic::isFrameRateEnabled() const
{
    return mImpl ? mImpl->isFrameRateEnabled() : mSettings.frameRateEnabled;
}

WindowRef AppBasic::getForegroundWindow() const
{
    return mImpl ? mImpl->getForegroundWindow() : nullptr;
}

std::filesystem::path AppBasic::getAppPath() const
{
    return platform().getAppPath();
}

void AppBasic::launch(const char *title, const std::vector<std::string> &args)
{
    mCommandLineArgs.insert(mCommandLineArgs.end(), args.begin(), args.end());
    mSettings.title = title ? title : "";
    prepareSettings(&mSettings);
    if (mSettings.shouldQuit)
        return;

    if (mSettings.consoleWindowEnabled) {
        platform().openConsoleWindow();
        setConsoleStream(std::shared_ptr<std::ostream>(&std::cout, [](std::ostream *) {}));
    }
    enablePowerManagement(mSettings.powerManagement);

    mImpl = platform().createAppImpl(this);
    mImpl->run();
}

int launchApplication(AppBasic *app, RendererRef defaultRenderer, const char *name)
{
    // The platform first: it sets up what must precede everything else (signal handling,
    // thread-safe windowing) before the application's settings touch the display.
    Platform &p = platform();
    App::setInstance(app);
    const std::vector<std::string> args = p.getCommandLine();
    app->setDefaultRenderer(std::move(defaultRenderer));

    int status = 0;
    try {
        app->launch(name, args);
    } catch (const std::exception &e) {
        app->console() << e.what() << std::endl;
        status = 1;
    } catch (...) {
        app->console() << "Unknown exception" << std::endl;
        status = 1;
    }
    delete app;
    App::setInstance(nullptr);
    return status;
}

} // namespace lume::app
