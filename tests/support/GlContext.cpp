// Pixel read-back and comparison for GL tests: the same on every backend.
#include "tests/support/GlContext.h"

#include <glad/gl.h>

#include <cstdlib>

namespace lume::test {

std::ostream &operator<<(std::ostream &os, const Rgba &c)
{
    return os << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}

bool closeTo(const Rgba &a, const Rgba &b, int tolerance)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance &&
           std::abs(a.a - b.a) <= tolerance;
}

std::vector<Rgba> readPixels(int x, int y, int width, int height)
{
    std::vector<Rgba> pixels(size_t(width) * size_t(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

Rgba readPixel(int x, int y)
{
    return readPixels(x, y, 1, 1).front();
}

} // namespace lume::test
