#pragma once

#include "app/ScenePass.h"
#include "tools/contact-sheet/BitmapFont.h"

#include <memory>
#include <string>
#include <vector>

namespace lume::gl {
class GlslProg;
}

namespace lume::tools {

// One scene source of the show as the sheet shows it: where it plays and for how long.
struct ShowScene {
    int sceneId = 0;
    int position = 0; // playlist position; 0 for a source the playlist never plays
    float hold = 0.0f;
    int channelLayout = 0;
};

// The playlist's scenes in playing order (the end marker, which replays the finale, left
// out), then every embedded scene source the playlist does not name.
std::vector<ShowScene> showScenes();

// Builds a scene's program through the player's own assembly, or, when `sceneDir` is not
// empty, from `sceneDir`/<id>.frag joined to the embedded header the same way (for editing
// a scene without rebuilding). Throws the loader's and the program's exceptions.
std::shared_ptr<gl::GlslProg> buildScene(int sceneId, const std::string &sceneDir);

// Renders scenes headless through the player's scene pass into a buffer of a fixed size,
// with the channels bound as they are at the scene's playlist position.
class SceneFrames {
  public:
    SceneFrames(int width, int height, const fraglume::ImageSlots &images);
    ~SceneFrames();

    // The frame the scene shows `seconds` after taking over, rows top-down.
    Picture render(const std::shared_ptr<gl::GlslProg> &program, const ShowScene &scene, float seconds);

  private:
    struct Impl;
    std::unique_ptr<Impl> mImpl;
};

} // namespace lume::tools
