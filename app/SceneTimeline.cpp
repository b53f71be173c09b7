#include "app/SceneTimeline.h"

namespace fraglume {

namespace {
const SceneTiming kNoTiming{};
}

void SceneTimeline::setPlaylist()
{
    for (const PlaylistEntry &entry : kPlaylist)
        setEntry(entry.position, entry.timing);
    setSceneCount(kSceneCount);
}

void SceneTimeline::setEntry(int position, const SceneTiming &timing)
{
    if (position >= 0 && position < kSceneTableSize)
        mTable[position] = timing;
}

const SceneTiming &SceneTimeline::entry(int position) const
{
    if (position < 0 || position >= kSceneTableSize)
        return kNoTiming;
    return mTable[position];
}

void SceneTimeline::programTaken(double now, int position)
{
    mHasNext = true;
    mNextIsEnd = false;
    mNextPosition = position > mScenePosition ? position : mScenePosition + 1;
    if (mFirstProgram) {
        // The first scene switches in at once: entry 0 has neither hold nor fade.
        mFadeStart = now;
        mFirstProgram = false;
        mSceneStartTime = float(now);
    } else {
        mFadeStart = double(currentEntry().hold) + now;
    }
    mFadeLength = double(currentEntry().fade);
}

void SceneTimeline::endTaken(double now)
{
    programTaken(now, mSceneCount - 1);
    mNextIsEnd = true;
}

void SceneTimeline::handOver(double now, bool loaderIdle, const std::function<std::optional<int>()> &take)
{
    if (mHasNext)
        return;
    if (const std::optional<int> position = take()) {
        programTaken(now, *position);
    } else if (loaderIdle) {
        // Every later scene failed (or the loader is gone): the playing scene still plays
        // out, then the show ends instead of waiting for ever.
        endTaken(now);
    }
}

FrameAction SceneTimeline::decide(double now) const
{
    // Once every position has been reached the show is over: the scene taken after the last
    // switch is current but never shown, and the frames until the window closes are black.
    if (shouldQuit() || (!mHasCurrent && !mHasNext))
        return FrameAction::Blank;
    const double t = fadeProgress(now);
    // The order matters: a t that is not a number (a fade of length 0 at its very start)
    // fails the first three tests and must switch; a fade of length 0 gives minus infinity
    // while holding and plus infinity after.
    bool toSwitch;
    if (t < 0.0)
        toSwitch = false;
    else if (t > 1.0)
        toSwitch = true;
    else if (t <= 0.0)
        toSwitch = false;
    else if (!(t < 1.0))
        toSwitch = true;
    else
        return mHasCurrent ? FrameAction::Fade : FrameAction::Blank;
    if (!toSwitch)
        return mHasCurrent ? FrameAction::Show : FrameAction::Blank;
    if (mHasNext)
        return FrameAction::Switch;
    // Past the fade with nothing waiting (the loader is late): the scene keeps playing live
    // until its successor arrives and its hold starts.
    return mHasCurrent ? FrameAction::Show : FrameAction::Blank;
}

bool SceneTimeline::switched(double now)
{
    if (!mHasNext)
        return false;
    const bool program = !mNextIsEnd;
    mHasNext = false;
    mNextIsEnd = false;
    // After the end of the show nothing plays any more.
    mHasCurrent = program;
    mScenePosition = mNextPosition;
    mSceneStartTime = float(now);
    return program;
}

} // namespace fraglume
