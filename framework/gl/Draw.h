#pragma once

#include "framework/Color.h"
#include "framework/Rect.h"
#include "framework/gl/Exception.h"
#include "framework/gl/Texture.h"

namespace lume::gl {

// Clears colour, and depth too (with the depth mask opened) unless told not to.
void clear(const ColorA &color = ColorA{0, 0, 0, 1}, bool clearDepthBuffer = true);

// The rectangle as a triangle strip with texture coordinates 0..1 across it, (0, 0) at
// (x1, y1); with textureRectangle the coordinates are the rectangle's own corners. Leaves the
// vertex and texture-coordinate arrays disabled.
void drawSolidRect(const Rectf &rect, bool textureRectangle = false);

// The whole texture stretched onto `destRect`, with fixed-function texturing.
void draw(const Texture &texture, const Rectf &destRect);
// The texel area `srcArea` of the texture stretched onto `destRect`. Leaves the texture
// binding, the target's enable and the client arrays as it found them. Throws
// ExceptionUnknownTarget, before drawing, for a target it cannot save and restore.
void draw(const Texture &texture, const Area &srcArea, const Rectf &destRect);

} // namespace lume::gl
