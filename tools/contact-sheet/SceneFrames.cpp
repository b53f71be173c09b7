#include "tools/contact-sheet/SceneFrames.h"

#include "app/Playlist.h"
#include "app/SceneAssembly.h"
#include "framework/gl/Fbo.h"
#include "framework/gl/GlslProg.h"

#include <glad/gl.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lume::tools {

namespace {

// How long an unplayed source is shown for, so its moments still spread over a hold.
constexpr float kUnplayedHold = 20.0f;

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::vector<ShowScene> showScenes()
{
    std::vector<ShowScene> scenes;
    auto listed = [&](int id) {
        return std::any_of(scenes.begin(), scenes.end(), [id](const ShowScene &s) { return s.sceneId == id; });
    };
    for (const fraglume::PlaylistEntry &e : fraglume::kPlaylist)
        if (!listed(e.sceneId))
            scenes.push_back({e.sceneId, e.position, e.timing.hold, e.timing.channelLayout});
    for (int id : fraglume::kShowSceneIds)
        if (!listed(id))
            scenes.push_back({id, 0, kUnplayedHold, 0});
    return scenes;
}

std::shared_ptr<gl::GlslProg> buildScene(int sceneId, const std::string &sceneDir)
{
    if (sceneDir.empty())
        return fraglume::buildSceneProgramFromResources(sceneId);
    return fraglume::assembleSceneProgram(readFile(sceneDir + "/" + std::to_string(sceneId) + ".frag"));
}

struct SceneFrames::Impl {
    int mWidth, mHeight;
    const fraglume::ImageSlots &mImages;
    gl::Fbo mTarget;
};

SceneFrames::SceneFrames(int width, int height, const fraglume::ImageSlots &images)
    : mImpl(new Impl{width, height, images, gl::Fbo(width, height)})
{
}

SceneFrames::~SceneFrames() = default;

Picture SceneFrames::render(const std::shared_ptr<gl::GlslProg> &program, const ShowScene &scene, float seconds)
{
    if (scene.position > 0) {
        for (int layout : fraglume::showLayoutsUpTo(scene.position))
            fraglume::bindChannels(mImpl->mImages, layout);
    } else {
        fraglume::bindChannels(mImpl->mImages, scene.channelLayout);
    }
    fraglume::setWindowMatrices(mImpl->mWidth, mImpl->mHeight);
    fraglume::SceneInputs inputs;
    inputs.resolution = {mImpl->mWidth, mImpl->mHeight};
    inputs.startTime = 100.0f;
    inputs.now = 100.0 + double(seconds);
    inputs.images = &mImpl->mImages;
    fraglume::renderScene(mImpl->mTarget, program, inputs);

    Picture picture(mImpl->mWidth, mImpl->mHeight);
    std::vector<uint8_t> rgba(size_t(mImpl->mWidth) * size_t(mImpl->mHeight) * 4);
    mImpl->mTarget.bindFramebuffer();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, mImpl->mWidth, mImpl->mHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    gl::Fbo::unbindFramebuffer();
    // GL counts rows from the bottom; pictures are stored top row first.
    for (int y = 0; y < mImpl->mHeight; ++y)
        for (int x = 0; x < mImpl->mWidth; ++x) {
            const uint8_t *src = &rgba[(size_t(mImpl->mHeight - 1 - y) * size_t(mImpl->mWidth) + size_t(x)) * 4];
            uint8_t *dst = picture.at(x, y);
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
        }
    return picture;
}

} // namespace lume::tools
