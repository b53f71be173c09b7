#include "framework/app/RendererGl.h"

#include "framework/Rect.h"
#include "framework/app/Platform.h"
#include "framework/app/WindowImpl.h"
#include "framework/gl/EntryPoints.h"
#include "framework/gl/Matrices.h"

#include <algorithm>

namespace lume::app {

RendererGl::RendererGl(int32_t antiAliasing) : mAntiAliasing(std::clamp(antiAliasing, 0, kMaxAntiAliasing)) {}

RendererGl::~RendererGl()
{
    kill();
}

RendererRef RendererGl::clone() const
{
    auto copy = std::make_shared<RendererGl>(mAntiAliasing);
    copy->mApp = mApp;
    copy->mWindow = mWindow;
    return copy;
}

void RendererGl::attachWindow(App *app, WindowImpl *window, const RendererRef &sharedRenderer)
{
    mApp = app;
    mWindow = window;
    if (!mImpl)
        mImpl = platform().createRendererGlImpl(this);
    RendererGlImpl *shareWith = nullptr;
    if (auto *other = dynamic_cast<RendererGl *>(sharedRenderer.get()))
        shareWith = other->mHasContext ? other->mImpl.get() : nullptr;
    // The window code does not look at the result: a window without a context simply
    // draws nothing, and the backend has said why on the console.
    mHasContext = mImpl->initialize(window, shareWith);
    if (!mHasContext)
        return;
    madeCurrent();
    // Every GL entry point bound now, on this thread, before a loader thread exists: bound
    // lazily, the first call from either thread would write the shared pointer under the
    // other. A context sharing objects with one that bound them has the same entry points.
    if (!shareWith)
        gl::bindEntryPoints(gl::loadFromCurrentContext);
}

void RendererGl::attachOffscreen(Vec2i size)
{
    if (size.x <= 0 || size.y <= 0)
        throw std::runtime_error("an offscreen OpenGL context needs a size of at least 1x1");
    if (!mImpl)
        mImpl = platform().createRendererGlImpl(this);
    mImpl->initializeOffscreen(size);
    mHasContext = true;
    madeCurrent();
    // As attachWindow does, and for the same reason.
    gl::bindEntryPoints(gl::loadFromCurrentContext);
    gl::setViewport(Area(0, 0, size.x, size.y));
}

void RendererGl::kill()
{
    if (!mImpl)
        return;
    if (gl::getCurrentContext() == mImpl.get())
        gl::makeContextCurrent(nullptr);
    mImpl->kill();
    mHasContext = false;
}

void RendererGl::madeCurrent()
{
    gl::makeContextCurrent(mImpl.get());
}

void RendererGl::startDraw()
{
    makeCurrentContext();
}

void RendererGl::finishDraw()
{
    if (mImpl)
        mImpl->swapBuffers();
}

void RendererGl::makeCurrentContext()
{
    if (!mHasContext)
        return;
    mImpl->makeCurrentContext();
    madeCurrent();
}

void RendererGl::defaultResize()
{
    Vec2i size;
    if (mImpl)
        size = mImpl->getDrawableSize();
    else if (mWindow)
        size = mWindow->getSize();
    const int32_t w = std::max(size.x, 0);
    const int32_t h = std::max(size.y, 0);
    gl::setViewport(Area(0, 0, w, h));
    // A minimised window has no area: there is no camera for it, and the matrices it had
    // stay until it has a size again.
    if (w > 0 && h > 0)
        gl::setMatricesWindowPersp(w, h, 60.0f);
}

std::unique_ptr<SharedContext> RendererGl::createSharedContext()
{
    if (!mHasContext)
        return nullptr;
    std::unique_ptr<SharedContext> shared = mImpl->createSharedContext();
    madeCurrent();
    return shared;
}

} // namespace lume::app
