#include "framework/app/Window.h"

#include "framework/app/App.h"
#include "framework/app/WindowImpl.h"

namespace lume::app {

Window::Window(App *app, WindowImpl *impl) : mApp(app), mImpl(impl) {}

void Window::checkValid() const
{
    if (!mValid)
        throw ExcInvalidWindow();
}

Vec2i Window::getSize() const
{
    checkValid();
    return mImpl->getSize();
}

Vec2i Window::getPos() const
{
    checkValid();
    return mImpl->getPos();
}

void Window::setPos(const Vec2i &pos)
{
    checkValid();
    mImpl->setPos(pos);
}

void Window::setSize(const Vec2i &size)
{
    checkValid();
    mImpl->setSize(size);
}

std::string Window::getTitle() const
{
    checkValid();
    return mImpl->getTitle();
}

void Window::setTitle(const std::string &title)
{
    checkValid();
    mImpl->setTitle(title);
}

void Window::hide()
{
    checkValid();
    mImpl->hide();
}

void Window::show()
{
    checkValid();
    mImpl->show();
}

bool Window::isHidden() const
{
    checkValid();
    return mImpl->isHidden();
}

void Window::close()
{
    checkValid();
    mImpl->close();
}

void *Window::getNative() const
{
    checkValid();
    return mImpl->getNative();
}

RendererRef Window::getRenderer() const
{
    checkValid();
    return mImpl->getRenderer();
}

DisplayRef Window::getDisplay() const
{
    checkValid();
    return mImpl->getDisplay();
}

float Window::getContentScale() const
{
    checkValid();
    return 1.0f;
}

App *Window::getApp() const
{
    checkValid();
    return mApp;
}

WindowImpl *Window::getImpl() const
{
    checkValid();
    return mImpl;
}

void Window::invalidate()
{
    mValid = false;
}

void Window::makeCurrent()
{
    if (RendererRef renderer = mImpl->getRenderer())
        renderer->makeCurrentContext();
}

template <typename EventT>
void Window::dispatch(EventSignal<EventT> &signal, EventT &event, void (App::*handler)(EventT))
{
    checkValid();
    makeCurrent();
    signal.emit(event);
    if (!event.isHandled())
        (mApp->*handler)(event);
}

void Window::emitMouseDown(MouseEvent &event)
{
    dispatch(mSignalMouseDown, event, &App::mouseDown);
}

void Window::emitMouseDrag(MouseEvent &event)
{
    dispatch(mSignalMouseDrag, event, &App::mouseDrag);
}

void Window::emitMouseUp(MouseEvent &event)
{
    dispatch(mSignalMouseUp, event, &App::mouseUp);
}

void Window::emitMouseWheel(MouseEvent &event)
{
    dispatch(mSignalMouseWheel, event, &App::mouseWheel);
}

void Window::emitMouseMove(MouseEvent &event)
{
    dispatch(mSignalMouseMove, event, &App::mouseMove);
}

void Window::emitKeyDown(KeyEvent &event)
{
    dispatch(mSignalKeyDown, event, &App::keyDown);
}

void Window::emitKeyUp(KeyEvent &event)
{
    dispatch(mSignalKeyUp, event, &App::keyUp);
}

void Window::emitFileDrop(FileDropEvent &event)
{
    dispatch(mSignalFileDrop, event, &App::fileDrop);
}

void Window::emitDraw()
{
    checkValid();
    makeCurrent();
    mSignalDraw();
    mApp->draw();
    mSignalPostDraw();
}

void Window::emitResize()
{
    checkValid();
    makeCurrent();
    if (RendererRef renderer = mImpl->getRenderer())
        renderer->defaultResize();
    mSignalResize();
    mApp->resize();
}

void Window::emitMove()
{
    checkValid();
    makeCurrent();
    mSignalMove();
}

void Window::emitDisplayChange()
{
    checkValid();
    makeCurrent();
    mSignalDisplayChange();
}

void Window::emitClose()
{
    checkValid();
    mSignalClose();
}

} // namespace lume::app
