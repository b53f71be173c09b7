#pragma once

#include <array>
#include <vector>

namespace fraglume {

// The show's fixed data: which image fills each texture slot, which scene plays at each
// playlist position with its timing, and which images each channel layout puts on the units.

constexpr int kImageSlotCount = 23;
// IMAGE resource id held by each texture slot.
extern const std::array<int, kImageSlotCount> kImageSlotIds;

// Resource ids of the engine texts.
constexpr int kVertexShaderId = 65;
constexpr int kTransitionShaderId = 66;
constexpr int kHeaderShaderId = 67;

// One entry of the scene table.
struct SceneTiming {
    float hold = 0.0f;     // seconds the scene plays before its transition starts
    float fade = 0.0f;     // seconds the transition lasts
    int channelLayout = 0; // which images the texture units carry while it plays
    int reserved = 0;
};

struct PlaylistEntry {
    int position;
    int sceneId; // FRAG resource id
    SceneTiming timing;
};

// Positions 1 to 15; position 15 only ends the show.
extern const std::array<PlaylistEntry, 15> kPlaylist;

// The FRAG ids of every scene source the show embeds, in id order (the playlist plays all but
// one of them).
extern const std::array<int, 15> kShowSceneIds;
bool isShowSceneId(int id);
// The layout the show plays a scene id with (its first playlist position); 0 for an id the
// playlist does not play.
int showLayoutOf(int sceneId);

// The soundtrack, read from the working folder: the show plays it, the render muxes it.
constexpr const char *kSoundtrackFile = "vell-short.mp3";

// Scene table capacity and the number of entries the show uses (entry 0 stays all zero, the
// entry "before" the first scene).
constexpr int kSceneTableSize = 40;
constexpr int kSceneCount = 16;

// One texture binding of a channel layout: texture unit and image slot.
struct ChannelBinding {
    int unit;
    int slot;
};

// The bindings of a layout in the order they are made: unit 0 (slot 0) always first, then the
// layout's units. Units a layout does not name keep whatever they held. A layout outside the
// table binds unit 0 only.
std::vector<ChannelBinding> channelBindings(int layout);

// The slot index holding an IMAGE resource id, or -1.
int slotOfImage(int imageId);

} // namespace fraglume
