// Per frame: the clock read once, the engine's hand-over, the scene pass, and show, wipe or
// switch in the window.
#include "app/FraglumeApp.h"

#include "app/Uniforms.h"

namespace fraglume {

using namespace lume;

void FraglumeApp::update()
{
    mFrameTime = getElapsedSeconds();
    updateMusic();
    if (mEngine.over())
        quit();
    mEngine.update(mFrameTime, false);
}

void FraglumeApp::draw()
{
    const Vec2i size = getWindowSize();
    ShowEngine::FrameInputs inputs;
    inputs.resolution = size;
    inputs.mouse = mouseUniform(mMouse, mMousePressed, size.y);
    const FrameAction action = mEngine.renderFrame(mFrameTime, inputs);
    mEngine.compose(action, mFrameTime, Rectf{0.0f, 0.0f, float(size.x), float(size.y)});
    mEngine.finishFrame(action, mFrameTime);
}

} // namespace fraglume
