#pragma once

#include <optional>

namespace fraglume {

// Frames per second and milliseconds per frame, summed up once a second: an author sees
// what a change costs, and the worst frame shows a stall that an average would hide.
struct FrameRate {
    double fps = 0.0;
    double meanMs = 0.0;  // mean time between frames
    double worstMs = 0.0; // longest time between two frames
};

// Fed the clock reading at each frame; free of clocks itself.
class FrameRateReadout {
  public:
    explicit FrameRateReadout(double intervalSeconds = 1.0) : mInterval(intervalSeconds) {}
    // Counts the frame at `now`; once the interval since the last readout is over, gives
    // the readout of the frames in it and starts the next interval.
    std::optional<FrameRate> frame(double now);

  private:
    double mInterval;
    std::optional<double> mStart; // first frame of the interval
    double mLast = 0.0;
    int mFrames = 0; // frames after mStart
    double mWorst = 0.0;
};

} // namespace fraglume
