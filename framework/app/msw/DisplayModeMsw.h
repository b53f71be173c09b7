#pragma once

#include "framework/Vector.h"
#include "framework/app/DisplayMode.h"

#include <cstdint>

namespace lume::app::msw {

// Switches the primary display to a mode of exactly width x height (a dynamic change, not
// stored in the registry): kDisplayChangeBadMode when the display lists no mode of that size,
// otherwise the code ChangeDisplaySettingsExW gives. The first change records the mode in
// force, which restoreOriginalMode() puts back.
DisplayChange changePrimaryMode(int32_t width, int32_t height);

// The primary display's size as it is now (the mode in force): the desktop size that
// changePrimaryMode can put back. False when the system does not say.
bool getPrimarySize(Vec2i &size);

// Puts back the mode recorded before the first change if it is not in force (a safety net
// for runs that end without their own restore). Registered with atexit by the first change;
// also safe to call from the console control handler and from a crash.
void restoreOriginalMode();

} // namespace lume::app::msw
