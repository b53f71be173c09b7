#pragma once

#include "app/render/FrameTimeline.h"
#include "app/render/FrameWriter.h"
#include "app/render/RenderOptions.h"

#include <functional>

namespace fraglume {

// `fraglume --render`: renders the range of the show the options ask for into a video with
// the soundtrack (kSoundtrackFile in the working folder, as the show plays it) or a PNG
// sequence, with progress on standard error. Returns the process status: 0 when the output
// is complete, 1 when the render failed, kBadCommandLineStatus for a range outside the
// show, and 130 when Ctrl-C or SIGTERM ended it; in every case but 0 nothing is left under
// the requested name (a PNG sequence keeps the frames already finished).
int runRender(const RenderOptions &options);

class ShowRenderer;

// The render loop: steps `renderer` on from its next frame to the end of `range`, and hands
// the frames inside the range (`width` x `height`) to `writer` on an encoding thread of its
// own, which overlaps with drawing. `frameDone` is called for each frame handed on; `stop` is asked before each
// frame. Returns true when every frame was written and the writer finished; false when
// stopped (the writer is left unfinished). Throws what the renderer or writer throw.
bool renderRange(ShowRenderer &renderer, FrameWriter &writer, const FrameRange &range, int width, int height,
                 const std::function<void()> &frameDone, const std::function<bool()> &stop);

// The soundtrack (kSoundtrackFile in the working folder) from the instant of frame `first`
// for `count` frames; empty (a silent video) when the file is missing or does not decode,
// as the show then plays silently.
Soundtrack loadSoundtrack(int64_t first, int64_t count, int fps);

} // namespace fraglume
