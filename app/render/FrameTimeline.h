#pragma once

#include "app/SceneTimeline.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace fraglume {

// The show's pacing driven by a frame counter instead of the wall clock: frame n happens at
// t = n / fps seconds of the show, so scene switches land on exact frames and a frame shows
// the show at its own instant. The same SceneTimeline decides as in the live player; only
// the clock and the hand-over differ: the render waits for the program a frame needs, so a
// scene never plays longer because its successor was late. Free of GL, so the whole show's
// frames can be counted before anything is drawn.
class FrameTimeline {
  public:
    // The playlist's entries, at `fps` frames per second.
    explicit FrameTimeline(int fps);

    int fps() const { return mFps; }
    double timeOf(int64_t frame) const { return double(frame) / double(mFps); }

    // The frame update of `frame`: false once the show is over (every position reached),
    // and that frame is not part of it. Otherwise hands a built scene over while none waits:
    // `take` waits for the next built scene and returns its playlist position, or nothing
    // when none will come.
    bool update(int64_t frame, const std::function<std::optional<int>()> &take);
    // What `frame` shows; on Switch the caller makes the waiting program current and calls
    // switched(frame).
    FrameAction decide(int64_t frame) const { return mTimeline.decide(timeOf(frame)); }
    void switched(int64_t frame) { mTimeline.switched(timeOf(frame)); }

    const SceneTimeline &timeline() const { return mTimeline; }

  private:
    int mFps;
    SceneTimeline mTimeline;
};

// The frames of the whole show at `fps`, every scene built: frame 0 up to the frame of the
// last switch.
int64_t showFrameCount(int fps);

// The frames of a render: the first one at or after `from` seconds, up to the last one before
// `to` (or the end of the show). An empty range has count 0.
struct FrameRange {
    int64_t first = 0;
    int64_t count = 0;
};
FrameRange frameRange(int fps, double from, std::optional<double> to, int64_t showFrames);

} // namespace fraglume
