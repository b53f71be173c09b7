#include "framework/gl/EntryPoints.h"

namespace lume::gl {

namespace {

template <typename Fn>
void bindOne(Fn &slot, const char *name, GLADloadfunc load, int &bound)
{
    if (GLADapiproc proc = load(name)) {
        slot = reinterpret_cast<Fn>(proc);
        ++bound;
    }
}

} // namespace

int bindEntryPoints(GLADloadfunc load)
{
    int bound = 0;
    // One line per entry point of glad/gl.h, generated at configure time (see CMakeLists.txt).
#define LUME_GL_ENTRY_POINT(name) bindOne(glad_##name, #name, load, bound);
#include "GlEntryPoints.inc"
#undef LUME_GL_ENTRY_POINT
    return bound;
}

} // namespace lume::gl
