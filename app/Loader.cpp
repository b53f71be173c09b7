// The loader thread: a second context sharing objects with the render context builds the
// scene programs, so a compile never stops the picture.
#include "app/FraglumeApp.h"

#include "framework/app/RendererGl.h"
#include "framework/app/Window.h"

namespace fraglume {

using namespace lume;
using namespace lume::app;

bool FraglumeApp::startLoaderThread()
{
    WindowRef window = getWindow();
    if (!window)
        return false;
    auto renderer = std::dynamic_pointer_cast<RendererGl>(window->getRenderer());
    if (!renderer)
        return false;
    std::shared_ptr<SharedContext> context = renderer->createSharedContext();
    if (!context)
        return false;
    mLoaderStop = false;
    mLoaderThread = std::make_shared<std::thread>([this, context] { loaderMain(context); });
    return true;
}

void FraglumeApp::loaderMain(std::shared_ptr<SharedContext> context)
{
    if (context->makeCurrent()) {
        mLoader->run(mLoaderStop);
        context->release();
    } else {
        console() << "Failed to make the loader context current." << std::endl;
    }
    // Nothing more will be built; the frame update may end the show once nothing waits.
    mLoader->markFinished();
}

void FraglumeApp::stopLoader()
{
    mLoaderStop = true;
    if (mLoaderThread && mLoaderThread->joinable())
        mLoaderThread->join();
    mLoaderThread.reset();
    // Jobs still queued release their programs here, on the render thread.
    mLoader.reset();
    mReadyQueue.reset();
    mLoadQueue.reset();
}

} // namespace fraglume
