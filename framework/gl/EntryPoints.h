#pragma once

#include <glad/gl.h>

namespace lume::gl {

// Binds every GL entry point the loader declares, now, through `load` (the function given to
// gladSetGLOnDemandLoader); a context must be current on the calling thread. Returns how many
// were bound. Entry points `load` cannot resolve keep their on-demand stub, which does nothing
// and tries again at the next call.
//
// Left to itself the on-demand loader binds an entry point at its first call and writes the
// shared pointer from whichever thread makes that call, so a render thread and a loader
// thread calling the same function for the first time race on it. Call this once, right
// after the first context is current and before any other thread makes GL calls.
int bindEntryPoints(GLADloadfunc load);

} // namespace lume::gl
