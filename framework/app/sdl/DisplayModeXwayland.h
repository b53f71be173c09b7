#pragma once

#include "framework/Vector.h"
#include "framework/app/DisplayMode.h"

#include <cstdint>
#include <optional>

namespace lume::app::xwayland {

// Whether $DISPLAY is Xwayland, the X server of a Wayland session: its primary RandR output
// is named XWAYLAND<n>. Asked once per display name.
bool isXwayland();

// The display-mode change on Xwayland. The compositor owns the monitor: Xwayland lists as
// RandR modes exactly the sizes it can emulate (scaled to the output) and emulates one only
// for the client's own full-screen window, so nothing is switched here. A listed size is
// recorded as the mode the covering window asks for (kDisplayChangeSuccessful); an unlisted
// one is kDisplayChangeBadMode; no X display or no RandR 1.2 is kDisplayChangeFailed. The
// desktop's own size clears the record. The emulation ends with the window, or with the
// connection when the process dies, so there is nothing to put back.
DisplayChange acceptMode(int32_t width, int32_t height);

// The size recorded by the last successful acceptMode other than the desktop's, if any.
std::optional<Vec2i> acceptedMode();

} // namespace lume::app::xwayland
