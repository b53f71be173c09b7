#pragma once

#include "framework/Vector.h"
#include "framework/app/Display.h"
#include "framework/app/Renderer.h"

#include <string>

namespace lume::app {

// How a window is created. Passed by value.
class WindowFormat {
  public:
    WindowFormat() = default;

    // Empty: a clone of the application's default renderer.
    RendererRef renderer;
    // Cover the display, without border.
    bool fullScreen = false;
    // Empty: the main display.
    DisplayRef display;
    // Client size in pixels.
    Vec2i size{640, 480};
    // Client position in virtual-screen pixels; used only when posSpecified, otherwise the
    // window is centred.
    Vec2i pos{0, 0};
    bool posSpecified = false;
    bool resizable = true;
    bool borderless = false;
    bool alwaysOnTop = false;
    std::string title;
    // Without it the settings' title is used.
    bool titleSpecified = false;

    WindowFormat &setSize(const Vec2i &s)
    {
        size = s;
        return *this;
    }
    WindowFormat &setPos(const Vec2i &p)
    {
        pos = p;
        posSpecified = true;
        return *this;
    }
    WindowFormat &setTitle(const std::string &t)
    {
        title = t;
        titleSpecified = true;
        return *this;
    }
};

} // namespace lume::app
