#pragma once

namespace lume::gl {

// Swap interval 1 (true) or 0 (false) for the context current on the calling thread
// (Context.h). Does nothing when no context is current.
void enableVerticalSync(bool enable = true);
// False when unknown (no current context).
bool isVerticalSyncEnabled();

} // namespace lume::gl
