#include "framework/app/WindowImpl.h"

#include "framework/app/AppBasic.h"
#include "framework/app/AppImplBasic.h"
#include "framework/app/Window.h"

namespace lume::app {

WindowImpl::WindowImpl(const WindowFormat &format, AppImplBasic *appImpl)
    : mAppImpl(appImpl), mSize(format.size), mFullScreen(format.fullScreen), mBorderless(format.borderless),
      mAlwaysOnTop(format.alwaysOnTop), mResizable(format.resizable), mWindowedSize(format.size),
      mDisplay(format.display ? format.display : Display::getMainDisplay()), mRenderer(format.renderer)
{
    if (format.posSpecified) {
        mWindowedPos = format.pos;
    } else {
        // Centred by the display's size, counted from the virtual-screen origin.
        const Area &area = mDisplay->getArea();
        mWindowedPos = {(area.getWidth() - mSize.x) / 2, (area.getHeight() - mSize.y) / 2};
    }
    mPos = mWindowedPos;
}

WindowImpl::~WindowImpl()
{
    if (mWindowRef)
        mWindowRef->invalidate();
}

void WindowImpl::finishCreation()
{
    mWindowRef = std::make_shared<Window>(mAppImpl->getApp(), this);
}

void WindowImpl::close()
{
    mAppImpl->closeWindow(this);
}

void WindowImpl::paint()
{
    mAppImpl->setActiveWindow(mWindowRef);
    if (mSize.x <= 0 || mSize.y <= 0)
        return;
    if (mRenderer)
        mRenderer->startDraw();
    mWindowRef->emitDraw();
    if (mRenderer)
        mRenderer->finishDraw();
}

void WindowImpl::resizeNotify()
{
    mAppImpl->setActiveWindow(mWindowRef);
    mWindowRef->emitResize();
}

} // namespace lume::app
