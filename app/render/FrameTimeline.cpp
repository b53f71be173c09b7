#include "app/render/FrameTimeline.h"

#include "app/Playlist.h"

#include <algorithm>
#include <cmath>

namespace fraglume {

FrameTimeline::FrameTimeline(int fps) : mFps(fps)
{
    mTimeline.setPlaylist();
}

bool FrameTimeline::update(int64_t frame, const std::function<std::optional<int>()> &take)
{
    if (mTimeline.shouldQuit())
        return false;
    // `take` waits until the loader has handed the next scene over or dropped it, so when it
    // finds nothing, nothing more will come: the loader counts as idle.
    mTimeline.handOver(timeOf(frame), true, take);
    return true;
}

int64_t showFrameCount(int fps)
{
    FrameTimeline show(fps);
    size_t next = 0;
    auto take = [&]() -> std::optional<int> {
        if (next == kPlaylist.size())
            return std::nullopt;
        return kPlaylist[next++].position;
    };
    int64_t frame = 0;
    for (; show.update(frame, take); ++frame)
        if (show.decide(frame) == FrameAction::Switch)
            show.switched(frame);
    return frame;
}

FrameRange frameRange(int fps, double from, std::optional<double> to, int64_t showFrames)
{
    // The first frame whose instant is not before the given second; a hair of tolerance so
    // that 40 s at 30 fps is frame 1200 whatever the rounding of 40 * 30.
    auto firstAtOrAfter = [fps](double seconds) { return int64_t(std::ceil(seconds * fps - 1e-6)); };
    FrameRange range;
    range.first = std::min(firstAtOrAfter(from), showFrames);
    const int64_t end = to ? std::min(firstAtOrAfter(*to), showFrames) : showFrames;
    range.count = std::max<int64_t>(0, end - range.first);
    return range;
}

} // namespace fraglume
