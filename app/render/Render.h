#pragma once

#include "app/render/RenderOptions.h"

namespace fraglume {

// `fraglume --render`: renders the range of the show the options ask for into a video with
// the soundtrack ("vell-short.mp3" in the working folder, as the show plays it) or a PNG
// sequence, with progress on standard error. Returns the process status: 0 when the output
// is complete, 1 when the render failed, kBadCommandLineStatus for a range outside the
// show, and 130 when Ctrl-C or SIGTERM ended it; in every case but 0 nothing is left under
// the requested name (a PNG sequence keeps the frames already finished).
int runRender(const RenderOptions &options);

} // namespace fraglume
