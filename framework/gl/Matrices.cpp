#include "framework/gl/Matrices.h"

#include <glad/gl.h>

#include <cmath>
#include <numbers>

namespace lume::gl {

void setMatricesWindowPersp(int width, int height, float fovDegrees, float nearPlane, float farPlane,
                            bool originUpperLeft)
{
    if (width <= 0 || height <= 0)
        return;

    const double halfAngle = fovDegrees * std::numbers::pi / 360.0;
    const double eyeDistance = (height / 2.0) / std::tan(halfAngle);
    const double nearZ = nearPlane > 0 ? nearPlane : eyeDistance / 10.0;
    const double farZ = farPlane > 0 ? farPlane : eyeDistance * 10.0;
    const double aspect = double(width) / double(height);
    const double f = 1.0 / std::tan(halfAngle);

    // Column-major, as glLoadMatrix reads it.
    // clang-format off
    const GLfloat projection[16] = {
        GLfloat(f / aspect), 0, 0, 0,
        0, GLfloat(f), 0, 0,
        0, 0, GLfloat((farZ + nearZ) / (nearZ - farZ)), -1,
        0, 0, GLfloat(2.0 * farZ * nearZ / (nearZ - farZ)), 0,
    };
    // clang-format on
    // Eye at (w/2, h/2, d) looking down -z at the window's centre, y up.
    // clang-format off
    const GLfloat view[16] = {
        1, 0, 0, 0,
        0, 1, 0, 0,
        0, 0, 1, 0,
        GLfloat(-width / 2.0), GLfloat(-height / 2.0), GLfloat(-eyeDistance), 1,
    };
    // clang-format on

    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(view);
    if (originUpperLeft) {
        glScalef(1.0f, -1.0f, 1.0f);
        glTranslatef(0.0f, GLfloat(-height), 0.0f);
    }
}

void setViewport(const Area &area)
{
    glViewport(area.x1, area.y1, area.getWidth(), area.getHeight());
}

} // namespace lume::gl
