#include "app/authoring/SceneClock.h"

#include <algorithm>

namespace fraglume {

void SceneClock::set(double time, double now)
{
    mBase = std::max(0.0, time);
    mSince = now;
}

void SceneClock::togglePause(double now)
{
    set(at(now), now);
    mPaused = !mPaused;
}

void SceneClock::step(double seconds, double now)
{
    set(at(now) + seconds, now);
}

void SceneClock::restart(double now)
{
    set(0.0, now);
}

} // namespace fraglume
