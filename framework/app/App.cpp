#include "framework/app/App.h"

#include "framework/app/Console.h"
#include "framework/app/Platform.h"
#include "framework/app/Window.h"

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/system/system_error.hpp>

namespace lume::app {

App *App::sInstance = nullptr;

App::Timer::Timer(bool startNow, const Clock &clock) : mClock(&clock)
{
    if (startNow)
        start();
}

void App::Timer::start()
{
    mStartTime = mClock->now();
    mIsStopped = false;
}

void App::Timer::stop()
{
    if (!mIsStopped) {
        mEndTime = mClock->now();
        mIsStopped = true;
    }
}

double App::Timer::getSeconds() const
{
    if (mIsStopped)
        return mEndTime - mStartTime;
    return mClock->now() - mStartTime;
}

App::App() : App(steadyClock()) {}

App::App(const Clock &clock)
    : mTimer(true, clock), mTimeline(std::make_shared<Timeline>()), mIo(std::make_shared<boost::asio::io_context>()),
      mIoWork(std::make_shared<boost::asio::executor_work_guard<boost::asio::io_context::executor_type>>(
          mIo->get_executor()))
{
}

App::~App()
{
    if (sInstance == this)
        sInstance = nullptr;
}

void App::enablePowerManagement(bool enable)
{
    mPowerManagement = enable;
    platform().setPowerManagement(enable);
}

void App::setWindowPos(const Vec2i &pos)
{
    if (WindowRef window = getWindow())
        window->setPos(pos);
}

void App::privateSetup()
{
    mTimeline->stepTo(static_cast<float>(getElapsedSeconds()));
    setup();
}

void App::privateUpdate()
{
    boost::system::error_code error;
    mIo->poll(error);
    if (error)
        throw boost::system::system_error(error);

    mSignalUpdate();
    update();

    mFrameCount += 1;
    mTimeline->stepTo(static_cast<float>(getElapsedSeconds()));

    const double now = getElapsedSeconds();
    if (now > mFpsLastSampleTime + mFpsSampleInterval) {
        mAverageFps = static_cast<float>((mFrameCount - mFpsLastSampleFrame) / (now - mFpsLastSampleTime));
        mFpsLastSampleTime = now;
        mFpsLastSampleFrame = mFrameCount;
    }
}

void App::privateShutdown()
{
    mSignalShutdown();
    shutdown();
}

int32_t App::getWindowWidth() const
{
    return getWindowSize().x;
}

int32_t App::getWindowHeight() const
{
    return getWindowSize().y;
}

Vec2i App::getWindowSize() const
{
    WindowRef window = getWindow();
    if (!window)
        throw ExcInvalidWindow();
    return window->getSize();
}

Area App::getWindowBounds() const
{
    const Vec2i size = getWindowSize();
    return Area(0, 0, size.x, size.y);
}

void App::setConsoleStream(std::shared_ptr<std::ostream> stream)
{
    mConsole.setStream(std::move(stream));
}

void App::hideCursor()
{
    Platform &p = platform();
    int count;
    do {
        count = p.showCursor(false);
    } while (count >= 0);
    while (count < -1)
        count = p.showCursor(true);
}

void App::showCursor()
{
    Platform &p = platform();
    int count;
    do {
        count = p.showCursor(true);
    } while (count < 0);
    while (count > 0)
        count = p.showCursor(false);
}

} // namespace lume::app
