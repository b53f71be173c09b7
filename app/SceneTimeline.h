#pragma once

#include "app/Playlist.h"

#include <array>
#include <functional>
#include <optional>

namespace fraglume {

// What a frame puts into the window.
enum class FrameAction {
    Blank,  // no scene has taken over yet, or the show is over: opaque black
    Show,   // the live scene
    Fade,   // the wipe from the live scene into the fade buffer
    Switch, // the fade buffer, then the waiting scene takes over
};

// The show's pacing, kept free of GL and clocks so every decision can be tested against a
// table of times. The render thread owns it; `now` is always the application clock.
//
// A scene plays until the program after it has been taken from the loader, then for its own
// hold, then fades for its own fade length, and the waiting scene switches in. Scenes carry
// their playlist position, so when one fails to build the next one that did build still
// uses its own entry and the show still reaches its end.
class SceneTimeline {
  public:
    SceneTimeline() = default;

    // The show as it plays: every playlist entry and the scene count.
    void setPlaylist();
    void setEntry(int position, const SceneTiming &timing);
    void setSceneCount(int count) { mSceneCount = count; }
    const SceneTiming &entry(int position) const;
    // The entry of the scene now playing.
    const SceneTiming &currentEntry() const { return entry(mScenePosition); }

    int scenePosition() const { return mScenePosition; }
    float sceneStartTime() const { return mSceneStartTime; }
    double fadeStart() const { return mFadeStart; }
    double fadeLength() const { return mFadeLength; }
    bool hasNext() const { return mHasNext; }
    bool hasCurrent() const { return mHasCurrent; }

    // Every playlist position has been reached.
    bool shouldQuit() const { return mScenePosition > mSceneCount - 2; }

    // A built scene for playlist `position` (0: no position, it follows the current one) was
    // taken at `now`: the playing scene's hold and fade start counting.
    void programTaken(double now, int position);
    // Nothing more will arrive: schedule the end of the show as if a last scene had been
    // taken, so the playing scene still gets its hold and fade and the show quits after it.
    void endTaken(double now);

    // The frame update's part of the hand-over, once per frame: while no scene waits for its
    // switch, take at most one built scene and schedule the playing scene's hold and fade;
    // with none ready and none to come, schedule the end of the show instead.
    // `take` takes the oldest built scene and returns its playlist position, or nothing when
    // none is ready; it is not called while a scene waits. `loaderIdle` says nothing more
    // will be handed over; read it before `take` looks. The loader hands a job over before it
    // counts it as done, so read after an empty queue it could already count a scene handed
    // over in between, and the show would end without playing it.
    void handOver(double now, bool loaderIdle, const std::function<std::optional<int>()> &take);

    // t of the fade: below 0 while holding, 0 to 1 while fading.
    double fadeProgress(double now) const { return (now - mFadeStart) / mFadeLength; }
    // What this frame shows. On Switch the caller puts the fade buffer on screen, makes the
    // waiting program current and calls switched().
    FrameAction decide(double now) const;

    // The waiting scene takes over at `now`. Returns true if a program took over (false when
    // the end of the show was switched in).
    bool switched(double now);

  private:
    std::array<SceneTiming, kSceneTableSize> mTable{};
    int mSceneCount = 0;
    int mScenePosition = 0;
    float mSceneStartTime = 0.0f;
    bool mFirstProgram = true;
    double mFadeStart = 0.0;
    double mFadeLength = 0.0;
    bool mHasNext = false;
    bool mNextIsEnd = false;
    int mNextPosition = 0;
    bool mHasCurrent = false;
};

} // namespace fraglume
