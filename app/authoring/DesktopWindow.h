#pragma once

namespace lume::app {
class Window;
}

namespace fraglume {

// Puts the window into a borderless window the size of its desktop (no display-mode change)
// or back to the window it was. The window's resize follows as an event.
void setDesktopFullScreen(lume::app::Window &window, bool fullScreen);

} // namespace fraglume
