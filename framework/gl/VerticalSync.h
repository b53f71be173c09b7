#pragma once

namespace lume::gl {

// Swap-interval control belongs to the windowing system, so the backend that owns the
// context installs these; the toolkit only forwards. Either may be null.
using SetSwapIntervalFn = void (*)(int interval);
using GetSwapIntervalFn = int (*)();
void setSwapIntervalHooks(SetSwapIntervalFn set, GetSwapIntervalFn get);

// Swap interval 1 (true) or 0 (false) for the current context. Does nothing when no backend
// installed a hook or no context is current on the calling thread.
void enableVerticalSync(bool enable = true);
void disableVerticalSync();
// False when unknown (no hook, no current context).
bool isVerticalSyncEnabled();

} // namespace lume::gl
