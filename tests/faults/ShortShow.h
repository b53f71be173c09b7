#pragma once

// The short timing table the fault player uses with --short: every position keeps its scene
// and channel layout, but holds and fades shrink to a few seconds so a whole show takes about
// half a minute. Odd and even positions differ by more than a second of hold and half a
// second of fade, so a scene that took its neighbour's entry shows in the measured times.

#include "app/Playlist.h"

namespace lume::test {

inline fraglume::SceneTiming shortTiming(int position)
{
    const bool odd = position % 2 == 1;
    fraglume::SceneTiming timing;
    timing.hold = odd ? 0.8f : 2.0f;
    timing.fade = odd ? 0.3f : 0.9f;
    for (const fraglume::PlaylistEntry &entry : fraglume::kPlaylist)
        if (entry.position == position)
            timing.channelLayout = entry.timing.channelLayout;
    return timing;
}

} // namespace lume::test
