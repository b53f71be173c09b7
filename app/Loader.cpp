// The loader's context: a second context sharing objects with the window's render context,
// so the engine's loader builds the scene programs there and a compile never stops the
// picture.
#include "app/FraglumeApp.h"

#include "framework/app/RendererGl.h"
#include "framework/app/Window.h"

namespace fraglume {

using namespace lume;
using namespace lume::app;

bool FraglumeApp::startLoaderThread()
{
    WindowRef window = getWindow();
    auto renderer = window ? std::dynamic_pointer_cast<RendererGl>(window->getRenderer()) : nullptr;
    return mEngine.startLoader(renderer ? renderer->createSharedContext() : nullptr);
}

} // namespace fraglume
