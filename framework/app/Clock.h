#pragma once

namespace lume::app {

// Monotonic seconds from an arbitrary origin. The application timer and the main loop read
// time only through a Clock, so tests can drive the loop with a clock of their own.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual double now() const = 0;
};

// The process's monotonic high-resolution clock.
const Clock &steadyClock();

} // namespace lume::app
