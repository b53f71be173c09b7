// Start-up: loader, image slots, transition program, the playlist and the music.
#include "app/FraglumeApp.h"

#include "app/ImageSlots.h"
#include "app/SceneAssembly.h"
#include "framework/app/Resources.h"
#include "framework/gl/GlslProg.h"

#include <exception>

namespace fraglume {

using namespace lume;
using namespace lume::app;

void FraglumeApp::setup()
{
    mLoadQueue = std::make_unique<JobQueue>();
    mReadyQueue = std::make_unique<JobQueue>();
    mLoader = std::make_unique<SceneLoader>(*mLoadQueue, *mReadyQueue, getConsole());
    mLoader->setImages(&mImages, &mImagesReady);

    if (!startLoaderThread()) {
        mLoader->markFinished();
        fatalError("Failed to create the loader thread and context.");
    }

    try {
        for (int slot = 0; slot < kImageSlotCount; ++slot)
            mImages[size_t(slot)] = loadImageSlot(slot);
        mTransitionProgram = std::make_shared<gl::GlslProg>(loadResource(kVertexShaderId, "FRAG"),
                                                            loadResource(kTransitionShaderId, "FRAG"));
    } catch (const std::exception &exc) {
        fatalError("Failed to load common textures and shaders:\n%s", exc.what());
    }
    warmUpDisplayPasses(mTransitionProgram.get());
    // The loader binds these textures in its own context for its warm-up draws: they must be
    // complete before it looks at them (the warm-up above ends with glFinish).
    mImagesReady.store(true, std::memory_order_release);

    for (const PlaylistEntry &entry : kPlaylist) {
        mLoader->submit({entry.sceneId, L"", nullptr, entry.position});
        mShow.setEntry(entry.position, entry.timing);
    }
    mShow.setSceneCount(kSceneCount);

    startMusic();
}

} // namespace fraglume
