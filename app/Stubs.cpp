// Placeholders until the player's own start-up, frame, input, loader and music code lands:
// a black window that Escape closes.
#include "app/FraglumeApp.h"

#include "framework/gl/Draw.h"

namespace lume::app {

void FraglumeApp::setup() {}

void FraglumeApp::update() {}

void FraglumeApp::draw()
{
    gl::clear(ColorA{0, 0, 0, 1});
}

void FraglumeApp::mouseDown(MouseEvent) {}

void FraglumeApp::mouseDrag(MouseEvent) {}

void FraglumeApp::keyDown(KeyEvent event)
{
    if (event.getCode() == KeyEvent::KEY_ESCAPE)
        quit();
}

void FraglumeApp::resize() {}

void FraglumeApp::fileDrop(FileDropEvent) {}

void FraglumeApp::shutdownMusic() {}

void FraglumeApp::stopLoader()
{
    mLoaderStop = true;
    if (mLoaderThread && mLoaderThread->joinable())
        mLoaderThread->join();
    mReadyQueue.reset();
    mLoadQueue.reset();
}

} // namespace lume::app
