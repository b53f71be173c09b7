#pragma once

#include "framework/Rect.h"

namespace lume::gl {

// Window matrices: a perspective camera (vertical field of view `fovDegrees`) whose z = 0
// plane maps one-to-one onto a width x height viewport, so drawing happens in window pixels.
// With originUpperLeft the origin is the top-left corner and y grows downwards. Near and
// far planes that are not positive default to a tenth and ten times the eye distance.
// Loads GL_PROJECTION and GL_MODELVIEW and leaves GL_MODELVIEW the current matrix mode. A
// width or height of 0 or less has no such camera: the matrices are left as they are.
void setMatricesWindowPersp(int width, int height, float fovDegrees = 60.0f, float nearPlane = 0.0f,
                            float farPlane = 0.0f, bool originUpperLeft = true);

// glViewport over the area (origin at the bottom left, as GL counts).
void setViewport(const Area &area);

} // namespace lume::gl
