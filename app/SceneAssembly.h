#pragma once

#include "app/ScenePass.h"

#include <memory>
#include <string>
#include <vector>

namespace lume::gl {
class GlslProg;
}

namespace fraglume {

// Builds a scene's program: the embedded vertex text, and as fragment text the embedded
// uniform header immediately followed by `scene` (the scene's own source), nothing inserted.
// The header starts with the version line and ends with a line break, so the scene's first
// line starts a line of its own. The embedded texts are read anew each time (nothing is
// cached between scenes). Throws what the resource loader and the program throw: a missing
// resource, a stage that does not compile or link.
std::shared_ptr<lume::gl::GlslProg> assembleSceneProgram(const std::string &scene);

// The same for the embedded scene source FRAG `sceneId`.
std::shared_ptr<lume::gl::GlslProg> buildSceneProgramFromResources(int sceneId);

// The channel layouts the show binds up to and including playlist `position`, in the order
// it binds them. Units a layout skips keep the previous scene's image, so binding all of
// them gives the texture state a scene really sees at its position.
std::vector<int> showLayoutsUpTo(int position);

// Draws the program once in the calling thread's context into a tiny buffer, in the state the
// scene pass will use (buffer format, channel textures of the scene's playlist position),
// and waits for the GPU. Mesa translates a program's machine code at its first draw, and GL
// wants the program finished before another context uses it: both then happen here, not in
// the render thread's first frame of the scene. `images` may be null (units stay unbound).
void warmUpSceneProgram(const std::shared_ptr<lume::gl::GlslProg> &program, const ImageSlots *images, int position);
// The same with the channel layouts bound before the draw given in the order they are bound
// (a scene that plays outside the playlist).
void warmUpSceneProgram(const std::shared_ptr<lume::gl::GlslProg> &program, const ImageSlots *images,
                        const std::vector<int> &layouts);

// Stand-ins for the image slots in the calling thread's context: tiny textures with what
// decides the machine code of a scene that samples them (internal format, wrap and filter,
// power-of-two sides), one per kind. The warm-up draws with these rather than with the
// real images, which the render context is sampling at the same time.
ImageSlots makeWarmUpStandIns(const ImageSlots &images);

// The same for the render context's own passes (the buffer shown in the window, the wipe),
// done once at start-up so their first use is not a frame of the show.
void warmUpDisplayPasses(lume::gl::GlslProg *transition);

} // namespace fraglume
