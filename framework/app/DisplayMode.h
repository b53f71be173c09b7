#pragma once

#include "framework/Vector.h"

#include <cstdint>

namespace lume::app {

// Result codes of a display-mode change: the Windows DISP_CHANGE_* values on every platform,
// so they print as the numbers a Windows log shows.
enum DisplayChange : int32_t {
    kDisplayChangeSuccessful = 0,
    kDisplayChangeRestart = 1,
    kDisplayChangeFailed = -1,
    kDisplayChangeBadMode = -2,
    kDisplayChangeNotUpdated = -3,
    kDisplayChangeBadFlags = -4,
    kDisplayChangeBadParam = -5,
    kDisplayChangeBadDualView = -6,
};

// Switches the primary display to width x height (size only: depth and refresh are not
// asked for) for this run. kDisplayChangeBadMode when the display has no mode of that size,
// kDisplayChangeFailed when the change is refused.
DisplayChange switchPrimaryDisplayMode(int32_t width, int32_t height);
// The primary display's size as it is now: the size switchPrimaryDisplayMode puts back to
// restore the desktop (on several monitors, less than the whole desktop).
Vec2i getDesktopSize();

} // namespace lume::app
