#pragma once

#include "app/Playlist.h"
#include "framework/Rect.h"
#include "framework/Vector.h"
#include "framework/gl/Fbo.h"

#include <array>
#include <memory>
#include <optional>

namespace lume::gl {
class GlslProg;
class Texture;
} // namespace lume::gl

namespace fraglume {

// The texture slots every scene can see, filled at start-up; an empty handle is a slot whose
// image did not load.
using ImageSlots = std::array<std::shared_ptr<lume::gl::Texture>, kImageSlotCount>;

// What a scene is fed besides its program.
struct SceneInputs {
    lume::Vec2i resolution; // "iResolution": the size of the buffer the scene fills
    float startTime = 0.0f; // clock reading at which the scene took over
    double now = 0.0;       // the frame's clock reading: every time value derives from it
    const ImageSlots *images = nullptr;
    lume::Vec4f mouse;               // "iMouse", already in gl_FragCoord space
    std::optional<lume::Vec4f> date; // "iDate"; the current UTC date when unset
};

// The format of the buffers the scene pass renders into and the wipe reads (the scene and
// fade buffers, and the loader's warm-up targets): RGBA8 colour, a depth texture, linear and
// clamped. Mesa builds a program's machine code for the formats it draws into, so every
// buffer a scene is drawn into has this one format.
lume::gl::Fbo::Format sceneBufferFormat();

// Binds image slot 0 to unit 0, then the images of the layout to their units, in the
// layout's order. Empty slots are skipped, so their units keep what they held.
void bindChannels(const ImageSlots &images, int layout);

// Binds the program and sets all 28 scene uniforms by name, then "iMouse". Nothing when the
// program is empty. Leaves the program bound.
void setSceneUniforms(const std::shared_ptr<lume::gl::GlslProg> &program, const SceneInputs &inputs);

// The scene pass: renders the program over the whole of `target` (bound as the render
// target, uniforms set, cleared to opaque black, one rectangle in window pixels), then
// unbinds program and buffer. Viewport and matrices are the caller's: window pixels of
// `target`'s size (the player's buffers have the window's size, so the renderer's window
// set-up serves). Channels are bound beforehand with bindChannels.
void renderScene(lume::gl::Fbo &target, const std::shared_ptr<lume::gl::GlslProg> &program, const SceneInputs &inputs);

// The wipe: the scene buffer's texture drawn into `window` through the transition program,
// mixing towards the fade buffer's texture (unit 1) by `t` from 0 to 1.
void drawWipe(lume::gl::GlslProg &transition, lume::gl::Fbo &scene, lume::gl::Fbo &fade, float t,
              const lume::Rectf &window);

// The largest side of a picture the scene pass draws (the scene buffers of the window, the
// render and the authoring mode). 8192 rather than more: it is what GL drivers commonly offer
// for a texture and framebuffer, and at 16384 one RGBA buffer alone is a gigabyte, of which
// the render holds six.
constexpr int kMaxPictureSide = 8192;

// Window matrices and viewport for drawing in pixels of a width x height target, for callers
// without a renderer that already set them (tools, benchmarks, tests).
void setWindowMatrices(int width, int height);

} // namespace fraglume
