#pragma once

#include <memory>

namespace lume::app {

class App;
class WindowImpl;
class Renderer;
using RendererRef = std::shared_ptr<Renderer>;

// What a window draws through. The launcher's default renderer is never attached itself:
// every window gets a clone of it.
class Renderer {
  public:
    virtual ~Renderer() = default;

    virtual RendererRef clone() const = 0;
    // Binds the renderer to a freshly created native window; `sharedRenderer`, when given,
    // is the renderer of an existing window whose objects the new context shares.
    virtual void attachWindow(App *app, WindowImpl *window, const RendererRef &sharedRenderer) = 0;
    // Ends the renderer's context (the window is closing).
    virtual void kill() = 0;
    virtual void startDraw() = 0;
    virtual void finishDraw() = 0;
    virtual void makeCurrentContext() = 0;
    // Viewport and matrices for the window's current size.
    virtual void defaultResize() = 0;
};

} // namespace lume::app
