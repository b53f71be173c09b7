#include "app/ScenePass.h"

#include "app/Uniforms.h"
#include "framework/gl/Draw.h"
#include "framework/gl/Fbo.h"
#include "framework/gl/GlslProg.h"
#include "framework/gl/Matrices.h"
#include "framework/gl/Texture.h"

#include <string>

namespace fraglume {

using namespace lume;

namespace {

// Names are built once: the per-frame pass sets 29 uniforms by name and should cost no more
// than the location cache lookups.
struct UniformNames {
    std::array<std::string, 8> channelTime, channelResolution, channel;
    UniformNames()
    {
        for (int i = 0; i < 8; ++i) {
            channelTime[i] = "iChannelTime[" + std::to_string(i) + "]";
            channelResolution[i] = "iChannelResolution[" + std::to_string(i) + "]";
            channel[i] = "iChannel" + std::to_string(i);
        }
    }
};

const UniformNames &names()
{
    static const UniformNames sNames;
    return sNames;
}

} // namespace

gl::Fbo::Format sceneBufferFormat()
{
    return gl::Fbo::Format();
}

void bindChannels(const ImageSlots &images, int layout)
{
    for (const ChannelBinding &b : channelBindings(layout))
        if (b.slot >= 0 && images[b.slot])
            images[b.slot]->bind(GLuint(b.unit));
}

void setSceneUniforms(const std::shared_ptr<gl::GlslProg> &program, const SceneInputs &inputs)
{
    if (!program)
        return;
    gl::GlslProg &prog = *program;
    prog.bind();

    const Vec3f resolution{float(inputs.resolution.x), float(inputs.resolution.y), 1.0f};
    // One reading per frame: the scene time and the eight channel times agree.
    const float time = float(inputs.now) - inputs.startTime;
    Vec3f channelResolution[8];
    for (int i = 0; i < 8; ++i) {
        const auto &slot = inputs.images ? (*inputs.images)[i] : nullptr;
        channelResolution[i] =
            slot ? Vec3f{float(slot->getWidth()), float(slot->getHeight()), 1.0f} : Vec3f{1.0f, 1.0f, 1.0f};
    }
    const Vec4f date = inputs.date ? *inputs.date : dateUniformNow();

    const UniformNames &n = names();
    prog.uniform("iResolution", resolution);
    prog.uniform("iGlobalTime", time);
    for (int i = 0; i < 8; ++i)
        prog.uniform(n.channelTime[i], time);
    for (int i = 0; i < 8; ++i)
        prog.uniform(n.channelResolution[i], channelResolution[i]);
    for (int i = 0; i < 8; ++i)
        prog.uniform(n.channel[i], i);
    prog.uniform("iDate", date);
    prog.uniform("iSampleRate", kSceneSampleRate);
    prog.uniform("iMouse", inputs.mouse);
}

void renderScene(gl::Fbo &target, const std::shared_ptr<gl::GlslProg> &program, const SceneInputs &inputs)
{
    target.bindFramebuffer();
    setSceneUniforms(program, inputs);
    gl::clear(ColorA{0, 0, 0, 1}, true);
    // First corner at the bottom left: the fragment shader runs once for every pixel.
    gl::drawSolidRect(Rectf{0.0f, float(inputs.resolution.y), float(inputs.resolution.x), 0.0f});
    gl::GlslProg::unbind();
    gl::Fbo::unbindFramebuffer();
}

void drawWipe(gl::GlslProg &transition, gl::Fbo &scene, gl::Fbo &fade, float t, const Rectf &window)
{
    fade.getTexture(0).bind(1);
    transition.bind();
    transition.uniform("iSrc", 0);
    transition.uniform("iDst", 1);
    transition.uniform("iFade", t);
    gl::draw(scene.getTexture(0), window);
    gl::GlslProg::unbind();
}

void setWindowMatrices(int width, int height)
{
    gl::setViewport(Area(0, 0, width, height));
    gl::setMatricesWindowPersp(width, height);
}

} // namespace fraglume
