#include "app/SceneAssembly.h"

#include "app/Playlist.h"
#include "framework/app/Resources.h"
#include "framework/gl/Fbo.h"
#include "framework/gl/GlslProg.h"

#include <glad/gl.h>

namespace lume::app {

std::string joinSceneFragment(const std::string &header, const std::string &scene)
{
    return header + scene;
}

std::shared_ptr<gl::GlslProg> buildSceneProgramFromResources(int sceneId)
{
    const std::string vertex = loadString(loadResource(kVertexShaderId, "FRAG"));
    const std::string scene = loadString(loadResource(sceneId, "FRAG"));
    const std::string header = loadString(loadResource(kHeaderShaderId, "FRAG"));
    const std::string fragment = joinSceneFragment(header, scene);
    return std::make_shared<gl::GlslProg>(vertex.c_str(), fragment.c_str());
}

void warmUpSceneProgram(const std::shared_ptr<gl::GlslProg> &program, const ImageSlots *images, int position)
{
    if (!program)
        return;
    // Units a layout skips keep the previous scene's image, so replay the playlist's
    // bindings up to this position to get the texture state the scene will really see.
    if (images) {
        for (const PlaylistEntry &e : kPlaylist)
            if (e.position <= position)
                bindChannels(*images, e.timing.channelLayout);
    }
    // Framebuffers are not shared between contexts: each warm-up makes its own, with the
    // format of the scene buffer.
    constexpr int kSize = 4;
    gl::Fbo target(kSize, kSize);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    setWindowMatrices(kSize, kSize);

    SceneInputs inputs;
    inputs.resolution = {kSize, kSize};
    inputs.clock = [] { return 0.0; };
    inputs.images = images;
    inputs.date = Vec4f{};
    renderScene(target, program, inputs);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    glFinish();
}

} // namespace lume::app
