#include "framework/gl/EntryPoints.h"

#include "framework/gl/Context.h"

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

// Before main: until this runs glad's own loader stands behind the stubs, and that one binds
// entry points whether or not a context is current.
[[maybe_unused]] const bool sLoaderInstalled = (gladSetGLOnDemandLoader(loadFromCurrentContext), true);

} // namespace

GLADapiproc loadFromCurrentContext(const char *name)
{
    const Context *context = getCurrentContext();
    return context ? reinterpret_cast<GLADapiproc>(context->getProcAddress(name)) : nullptr;
}

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
