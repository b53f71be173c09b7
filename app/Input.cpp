// Input: Escape ends the show, the mouse is recorded for the scenes, dropped files are
// reported and ignored; resize re-creates the engine's two off-screen buffers.
#include "app/FraglumeApp.h"

#include "framework/app/Utf.h"

namespace fraglume {

using namespace lume;
using namespace lume::app;

void FraglumeApp::mouseDown(MouseEvent event)
{
    const float x = float(event.getX()), y = float(event.getY());
    mMouse = {x, y, x, y};
    mMousePressed = true;
}

void FraglumeApp::mouseDrag(MouseEvent event)
{
    mMouse.x = float(event.getX());
    mMouse.y = float(event.getY());
}

void FraglumeApp::keyDown(KeyEvent event)
{
    if (event.getCode() == KeyEvent::KEY_ESCAPE)
        quit();
}

void FraglumeApp::resize()
{
    // A minimised window has no client area: nothing is shown, so keep the buffers we have
    // (a 0x0 framebuffer cannot be completed) and re-create them when the area comes back.
    if (getWindowWidth() <= 0 || getWindowHeight() <= 0)
        return;
    try {
        mEngine.makeBuffers(getWindowSize());
    } catch (const std::exception &exc) {
        fatalError("Failed to create the off-screen buffers:\n%s", exc.what());
    }
}

void FraglumeApp::fileDrop(FileDropEvent event)
{
    // The loader builds only embedded scenes and never reads these files: each job names no
    // scene, so it ends in the loader's failure line and nothing changes on screen.
    for (const std::filesystem::path &file : event.getFiles()) {
        LoadJob job;
        job.sceneId = kNoSceneId;
        // The desktop hands over paths as UTF-8 whatever the process locale says (which may
        // not even be installed), so the name is converted without it: u8string() gives the
        // bytes as they came where paths are narrow, and UTF-8 where they are wide, and never
        // consults the locale (wstring() would). A name that is not UTF-8 is refused here,
        // with the line the loader writes for any refused job.
        try {
            const std::u8string utf8 = file.u8string();
            job.name = toWide({reinterpret_cast<const char *>(utf8.data()), utf8.size()});
        } catch (const std::exception &exc) {
            console() << "Failed to compile the shader: " << exc.what() << std::endl;
            continue;
        }
        if (!mEngine.trySubmit(job))
            break;
    }
}

} // namespace fraglume
