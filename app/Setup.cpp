// Start-up: the loader, image slots, transition program, the playlist and the music.
#include "app/FraglumeApp.h"

#include <exception>

namespace fraglume {

void FraglumeApp::setup()
{
    // Started first, so the first compiles overlap with decoding the images.
    if (!startLoaderThread())
        fatalError("Failed to create the loader thread and context.");

    try {
        mEngine.loadImages();
        mEngine.loadTransition();
    } catch (const std::exception &exc) {
        fatalError("Failed to load common textures and shaders:\n%s", exc.what());
    }
    mEngine.imagesLoaded();
    mEngine.queuePlaylist();

    startMusic();
}

} // namespace fraglume
