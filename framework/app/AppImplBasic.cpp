#include "framework/app/AppImplBasic.h"

#include "framework/app/AppBasic.h"
#include "framework/app/Window.h"
#include "framework/app/WindowImpl.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <typeinfo>

namespace lume::app {

double FramePacing::nextFrameTime(double nextFrameTime, double now, double secondsPerFrame)
{
    if (now - nextFrameTime > 1.0) {
        // More than a second behind: skip the missed periods instead of running them back to
        // back, keeping the loop's phase. (Truncated in double: no integer overflow however
        // long the stall.)
        nextFrameTime = std::trunc((now - nextFrameTime) / secondsPerFrame) * secondsPerFrame + nextFrameTime;
    }
    return nextFrameTime + secondsPerFrame;
}

AppImplBasic::AppImplBasic(AppBasic *app) : mApp(app) {}

AppImplBasic::~AppImplBasic()
{
    destroyWindows();
}

void AppImplBasic::destroyWindows()
{
    // Newest first, so a window that shares objects with an older one goes before it.
    while (!mWindows.empty())
        mWindows.pop_back();
}

void AppImplBasic::run()
{
    try {
        runLoop();
    } catch (...) {
        // The application failed: it still gets its shutdown (which puts the desktop back),
        // then the error goes on to the launcher.
        std::exception_ptr error = std::current_exception();
        try {
            mApp->privateShutdown();
        } catch (const std::exception &e) {
            mApp->console() << e.what() << '\n';
        } catch (...) {
        }
        std::rethrow_exception(error);
    }
    mApp->privateShutdown();
}

void AppImplBasic::runLoop()
{
    const AppBasic::Settings &settings = mApp->getSettings();
    mFrameRate = settings.frameRate;
    mFrameRateEnabled = settings.frameRateEnabled;

    std::vector<WindowFormat> formats = settings.windowFormats;
    if (formats.empty())
        formats.push_back(settings.defaultWindowFormat);
    for (WindowFormat &format : formats) {
        if (!format.titleSpecified) {
            format.title = settings.title;
            format.titleSpecified = true;
        }
        createWindow(format);
    }

    mApp->privateSetup();
    mSetupHasBeenCalled = true;
    for (size_t i = 0; i < mWindows.size(); ++i)
        mWindows[i]->resizeNotify();

    mNextFrameTime = mApp->getElapsedSeconds();
    while (!mShouldQuit) {
        mApp->privateUpdate();
        for (size_t i = 0; i < mWindows.size(); ++i)
            mWindows[i]->redraw();

        const double now = mApp->getElapsedSeconds();
        // A frame rate that is not a positive number has no period to pace by.
        const bool validRate = mFrameRate > 0.0f && std::isfinite(mFrameRate);
        if (validRate)
            mNextFrameTime = FramePacing::nextFrameTime(mNextFrameTime, now, 1.0 / mFrameRate);
        // Every frame handles what is already queued, paced or not: a period shorter than the
        // event wait's margin (500 fps) leaves no time to wait for events, and a frame that
        // finishes early would otherwise sleep through all of its input.
        pumpEvents();
        checkQuitRequest();
        if (validRate && mFrameRateEnabled && !mShouldQuit)
            waitUntil(mNextFrameTime);
    }
}

double AppImplBasic::now() const
{
    return mApp->getElapsedSeconds();
}

void AppImplBasic::checkQuitRequest()
{
    if (quitRequested())
        mShouldQuit = true;
}

void AppImplBasic::waitUntil(double due)
{
    if (due - now() < 1e-7)
        return;
    // Input stays live while the loop idles (Escape is handled inside the wait): wait for
    // events until just before the due time...
    const double handOver = due - kPreciseSleepMargin;
    while (handOver - now() >= 0.001) {
        waitEvents(handOver);
        checkQuitRequest();
        if (mShouldQuit)
            return;
    }
    // ...then sleep to the due time itself, which the event wait cannot hit precisely.
    sleepUntil(due);
}

void AppImplBasic::setFrameRate(float frameRate)
{
    mFrameRate = frameRate;
    mFrameRateEnabled = true;
    mNextFrameTime = mApp->getElapsedSeconds();
}

void AppImplBasic::setActiveWindow(WindowRef window)
{
    mActiveWindow = std::move(window);
}

void AppImplBasic::setForegroundWindow(WindowRef window)
{
    mForegroundWindow = std::move(window);
}

WindowRef AppImplBasic::getWindowIndex(size_t index) const
{
    if (index >= mWindows.size())
        return nullptr;
    return mWindows[index]->getWindow();
}

WindowRef AppImplBasic::createWindow(WindowFormat format)
{
    if (!format.renderer && mApp->getDefaultRenderer())
        format.renderer = mApp->getDefaultRenderer()->clone();

    // Share objects with the first window whose renderer is of the same kind.
    RendererRef sharedRenderer;
    if (format.renderer) {
        const Renderer &wanted = *format.renderer;
        for (const auto &existing : mWindows) {
            RendererRef renderer = existing->getRenderer();
            if (renderer && typeid(*renderer) == typeid(wanted)) {
                sharedRenderer = renderer;
                break;
            }
        }
    }

    std::unique_ptr<WindowImpl> impl = createWindowImpl(format, sharedRenderer);
    WindowRef window = impl->getWindow();
    mWindows.push_back(std::move(impl));
    // The new window is the one its creation messages were about.
    mActiveWindow = window;
    if (mSetupHasBeenCalled)
        window->emitResize();
    return window;
}

void AppImplBasic::closeWindow(WindowImpl *window)
{
    auto it = std::find_if(mWindows.begin(), mWindows.end(), [window](const auto &w) { return w.get() == window; });
    if (it != mWindows.end()) {
        (*it)->getWindow()->emitClose();
        (*it)->destroyNative();
        std::unique_ptr<WindowImpl> closing = std::move(*it);
        mWindows.erase(it);
        closing.reset(); // the Window object is now invalid
    }
    if (mWindows.empty() && mApp->getSettings().quitOnLastWindowClose)
        mShouldQuit = true;
}

} // namespace lume::app
