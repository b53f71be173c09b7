#pragma once

#include "framework/Vector.h"
#include "framework/app/DisplayMode.h"

#include <cstdint>

namespace lume::app::xrandr {

// Switches the primary output of the X display ($DISPLAY) to a mode of exactly width x
// height, resizing the screen to fit. kDisplayChangeBadMode when the output lists no mode of
// that size; kDisplayChangeFailed when there is no X display or RandR 1.2, or the server
// refuses (X errors are caught, never fatal). The first change records the configuration in force, which
// restoreOriginalMode() puts back; a change back to the recorded mode also gives the screen
// its recorded size again.
DisplayChange changePrimaryMode(int32_t width, int32_t height);

// The primary output's size as it is now (the mode of its CRTC, rotation applied): the
// desktop size that changePrimaryMode can put back. On a screen shared by several monitors
// this is less than the screen. The X screen's size when RandR 1.2 is missing or no output
// drives a CRTC; false without an X display.
bool getPrimarySize(Vec2i &size);

// Puts back the configuration recorded before the first change if it is not in force (a
// safety net for runs that end without their own restore). Registered with atexit by the
// first change; also safe to call from the quit-signal thread.
void restoreOriginalMode();

} // namespace lume::app::xrandr
