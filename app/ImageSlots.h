#pragma once

#include "app/ScenePass.h"
#include "framework/gl/Texture.h"

#include <memory>

namespace fraglume {

// The format every image slot shares: 2D, linear, no mipmaps, and repeating in both
// directions, since scenes tile their channels.
lume::gl::Texture::Format imageSlotFormat();

// Decodes the embedded image of `slot` and makes its texture on the current context. Throws
// the resource loader's or the decoder's exception.
std::shared_ptr<lume::gl::Texture> loadImageSlot(int slot);

} // namespace fraglume
