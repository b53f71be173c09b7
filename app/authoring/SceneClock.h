#pragma once

namespace fraglume {

// The authoring scene's time ("iGlobalTime") as the keys steer it: it runs with the clock
// until paused, steps forwards and back, and restarts at 0. Free of clocks: every operation
// takes the clock reading `now` (seconds). Scene time never goes below 0.
class SceneClock {
  public:
    // Starts running at scene time `start` when the clock reads `now`.
    SceneClock(double start, double now) : mBase(start), mSince(now) {}

    double at(double now) const { return mPaused ? mBase : mBase + (now - mSince); }
    bool paused() const { return mPaused; }

    // Pauses a running clock, resumes a paused one; the time goes on from where it stood.
    void togglePause(double now);
    // Moves the time by `seconds` (negative: back), paused or not.
    void step(double seconds, double now);
    // Back to 0, keeping the paused state.
    void restart(double now);

  private:
    void set(double time, double now);

    double mBase;  // scene time at mSince
    double mSince; // clock reading mBase belongs to
    bool mPaused = false;
};

} // namespace fraglume
