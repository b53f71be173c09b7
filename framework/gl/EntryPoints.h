#pragma once

#include <glad/gl.h>

namespace lume::gl {

// The loader behind glad's on-demand stubs: the entry point of the context current on the
// calling thread (Context.h), null while there is none. A stub whose lookup gives null does
// nothing, returns 0 and looks again at the next call, so a GL call made without a context
// is harmless. Installed before main.
GLADapiproc loadFromCurrentContext(const char *name);

// Binds every GL entry point the loader declares, now, through `load`; a context must be
// current on the calling thread. Returns how many were bound. Entry points `load` cannot
// resolve keep their on-demand stub.
//
// Left to itself the on-demand loader binds an entry point at its first call and writes the
// shared pointer from whichever thread makes that call, so a render thread and a loader
// thread calling the same function for the first time race on it. Call this once, right
// after the first context is current and before any other thread makes GL calls.
int bindEntryPoints(GLADloadfunc load);

} // namespace lume::gl
