// The player's frame against a bare GL loop drawing the same scene and blit at the same size:
// what the scene pass (channel binding, 29 uniforms by name, buffer, blit) costs on top of
// the scene itself. Usage: player_frame_bench [scene id] [width height]
#include "PlayerBenchSupport.h"

#include "app/SceneAssembly.h"
#include "framework/app/RendererGl.h"
#include "framework/gl/Draw.h"
#include "framework/gl/Fbo.h"
#include "framework/gl/GlslProg.h"

#include <cstdlib>
#include <string>

using namespace lume;

int main(int argc, char **argv)
{
    const int sceneId = argc > 1 ? std::atoi(argv[1]) : 64;
    const int width = argc > 3 ? std::atoi(argv[2]) : 640;
    const int height = argc > 3 ? std::atoi(argv[3]) : 480;
    int layout = 0;
    for (const fraglume::PlaylistEntry &e : fraglume::kPlaylist)
        if (e.sceneId == sceneId) {
            layout = e.timing.channelLayout;
            break;
        }

    app::RendererGl context;
    context.attachOffscreen({width, height});
    fraglume::setWindowMatrices(width, height);
    fraglume::ImageSlots images = bench::loadShowImages();
    auto program = fraglume::buildSceneProgramFromResources(sceneId);
    gl::Fbo sceneFbo(width, height);
    sceneFbo.getTexture(0).setFlipped();
    const Rectf window{0, 0, float(width), float(height)};

    fraglume::SceneInputs inputs;
    inputs.resolution = {width, height};
    inputs.images = &images;
    auto playerFrame = [&] {
        fraglume::bindChannels(images, layout);
        inputs.now = bench::nowSeconds();
        fraglume::renderScene(sceneFbo, program, inputs);
        gl::draw(sceneFbo.getTexture(0), window);
    };

    // The same work in plain GL: locations looked up once, only what the scene needs.
    const GLuint handle = program->getHandle();
    const GLint locResolution = glGetUniformLocation(handle, "iResolution");
    const GLint locTime = glGetUniformLocation(handle, "iGlobalTime");
    GLint locChannel[8];
    for (int i = 0; i < 8; ++i)
        locChannel[i] = glGetUniformLocation(handle, ("iChannel" + std::to_string(i)).c_str());
    std::vector<std::pair<int, GLuint>> units;
    for (const fraglume::ChannelBinding &b : fraglume::channelBindings(layout))
        if (b.slot >= 0 && images[size_t(b.slot)])
            units.push_back({b.unit, images[size_t(b.slot)]->getId()});
    const GLuint fboId = sceneFbo.getId();
    const GLuint sceneTex = sceneFbo.getTexture(0).getId();
    const float quad[8] = {float(width), float(height), 0, float(height), float(width), 0, 0, 0};
    const float sceneCoords[8] = {1, 0, 0, 0, 1, 1, 0, 1};
    const float blitVerts[8] = {float(width), 0, 0, 0, float(width), float(height), 0, float(height)};
    const float blitCoords[8] = {1, 1, 0, 1, 1, 0, 0, 0};
    auto bareFrame = [&] {
        for (auto [unit, id] : units) {
            glActiveTexture(GLenum(GL_TEXTURE0 + unit));
            glBindTexture(GL_TEXTURE_2D, id);
        }
        glActiveTexture(GL_TEXTURE0);
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, fboId);
        glUseProgram(handle);
        glUniform3f(locResolution, float(width), float(height), 1.0f);
        glUniform1f(locTime, float(bench::nowSeconds()));
        for (int i = 0; i < 8; ++i)
            glUniform1i(locChannel[i], i);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glVertexPointer(2, GL_FLOAT, 0, quad);
        glTexCoordPointer(2, GL_FLOAT, 0, sceneCoords);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
        glUseProgram(0);
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, sceneTex);
        glVertexPointer(2, GL_FLOAT, 0, blitVerts);
        glTexCoordPointer(2, GL_FLOAT, 0, blitCoords);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
        glDisable(GL_TEXTURE_2D);
        glDisableClientState(GL_VERTEX_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    };

    // Warm both paths up, then alternate short blocks so drift hits both alike.
    for (int i = 0; i < 10; ++i) {
        bench::timeFrame(playerFrame);
        bench::timeFrame(bareFrame);
    }
    std::vector<double> player, bare;
    for (int block = 0; block < 20; ++block)
        for (int i = 0; i < 15; ++i) {
            player.push_back(bench::timeFrame(playerFrame));
            bare.push_back(bench::timeFrame(bareFrame));
        }
    const double p = bench::median(player), b = bench::median(bare);
    std::printf("frame cost, scene %d at %dx%d: player %.3f ms, bare GL %.3f ms, ratio %.3f (target <= 1.02)\n",
                sceneId, width, height, p * 1e3, b * 1e3, p / b);
    return 0;
}
