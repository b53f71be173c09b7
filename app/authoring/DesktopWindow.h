#pragma once

namespace lume::app {
class Window;
}

namespace fraglume {

// Turns the window into a borderless one covering its display (the display keeps its mode),
// or back into the framed window it was, at the same place and size. The window's resize
// follows as an event.
void setDesktopFullScreen(lume::app::Window &window, bool fullScreen);

} // namespace fraglume
