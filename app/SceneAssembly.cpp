#include "app/SceneAssembly.h"

#include "app/ImageSlots.h"
#include "app/Playlist.h"
#include "framework/app/Resources.h"
#include "framework/gl/Draw.h"
#include "framework/gl/Fbo.h"
#include "framework/gl/GlslProg.h"

#include <glad/gl.h>

#include <map>
#include <tuple>

namespace fraglume {

using namespace lume;
using namespace lume::app;

std::shared_ptr<gl::GlslProg> assembleSceneProgram(const std::string &scene)
{
    const std::string vertex = loadString(loadResource(kVertexShaderId, "FRAG"));
    const std::string fragment = loadString(loadResource(kHeaderShaderId, "FRAG")) + scene;
    return std::make_shared<gl::GlslProg>(vertex.c_str(), fragment.c_str());
}

std::shared_ptr<gl::GlslProg> buildSceneProgramFromResources(int sceneId)
{
    return assembleSceneProgram(loadString(loadResource(sceneId, "FRAG")));
}

std::vector<int> showLayoutsUpTo(int position)
{
    std::vector<int> layouts;
    for (const PlaylistEntry &e : kPlaylist)
        if (e.position <= position)
            layouts.push_back(e.timing.channelLayout);
    return layouts;
}

namespace {

constexpr int kWarmUpSize = 4;

// Runs `draw` with viewport and matrices set for a tiny target, then puts them back and
// waits for the GPU.
template <typename Draw>
void drawTiny(Draw &&draw)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    setWindowMatrices(kWarmUpSize, kWarmUpSize);

    draw();

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    glFinish();
}

} // namespace

void warmUpSceneProgram(const std::shared_ptr<gl::GlslProg> &program, const ImageSlots *images, int position)
{
    warmUpSceneProgram(program, images, showLayoutsUpTo(position));
}

void warmUpSceneProgram(const std::shared_ptr<gl::GlslProg> &program, const ImageSlots *images,
                        const std::vector<int> &layouts)
{
    if (!program)
        return;
    drawTiny([&] {
        // Framebuffers are not shared between contexts: each warm-up makes its own, with the
        // format of the scene buffer. Made before the channels are bound, as making it binds
        // its textures on unit 0, where the scene's first channel must be.
        gl::Fbo target(kWarmUpSize, kWarmUpSize, sceneBufferFormat());
        if (images) {
            for (int layout : layouts)
                bindChannels(*images, layout);
        }
        SceneInputs inputs;
        inputs.resolution = {kWarmUpSize, kWarmUpSize};
        inputs.images = images;
        inputs.date = Vec4f{};
        renderScene(target, program, inputs);
    });
}

ImageSlots makeWarmUpStandIns(const ImageSlots &images)
{
    auto powerOfTwo = [](int32_t n) { return n > 0 && (n & (n - 1)) == 0; };
    std::map<std::tuple<bool, bool, GLint>, std::shared_ptr<gl::Texture>> kinds;
    ImageSlots standIns;
    for (size_t slot = 0; slot < images.size(); ++slot) {
        if (!images[slot])
            continue;
        const gl::Texture &image = *images[slot];
        const auto kind =
            std::make_tuple(powerOfTwo(image.getWidth()), powerOfTwo(image.getHeight()), image.getInternalFormat());
        std::shared_ptr<gl::Texture> &standIn = kinds[kind];
        if (!standIn) {
            gl::Texture::Format format = imageSlotFormat();
            format.setInternalFormat(image.getInternalFormat());
            standIn = std::make_shared<gl::Texture>(std::get<0>(kind) ? 4 : 3, std::get<1>(kind) ? 4 : 3, format);
        }
        standIns[slot] = standIn;
    }
    return standIns;
}

void warmUpDisplayPasses(gl::GlslProg *transition)
{
    drawTiny([&] {
        gl::Fbo scene(kWarmUpSize, kWarmUpSize, sceneBufferFormat());
        gl::Fbo fade(kWarmUpSize, kWarmUpSize, sceneBufferFormat());
        scene.getTexture(0).setFlipped();
        fade.getTexture(0).setFlipped();
        const Rectf rect{0, 0, float(kWarmUpSize), float(kWarmUpSize)};
        gl::draw(scene.getTexture(0), rect);
        if (transition)
            drawWipe(*transition, scene, fade, 0.5f, rect);
    });
}

} // namespace fraglume
