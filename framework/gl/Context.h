#pragma once

namespace lume::gl {

// What the toolkit needs from the windowing system's OpenGL context: entry points and the
// swap interval belong to a context (with WGL they differ from one context to the next), so
// they are asked of the context current on the calling thread, never of a process-wide hook.
class Context {
  public:
    using Proc = void (*)();

    virtual ~Context() = default;
    // The address of a GL entry point for this context; null when it has none. Called only
    // while this context is current on the calling thread.
    virtual Proc getProcAddress(const char *name) const = 0;
    // The swap interval of this context's drawable: 1 waits for the vertical blank, 0 does not.
    virtual void setSwapInterval(int interval) = 0;
    virtual int getSwapInterval() const = 0;
};

// Records `context` as current on the calling thread (null: none). Whoever makes a context
// current through the windowing system says so here; the toolkit trusts it.
void makeContextCurrent(Context *context);
// The context last recorded as current on the calling thread, or null.
Context *getCurrentContext();

} // namespace lume::gl
