#include "app/Playlist.h"

#include <algorithm>
#include <utility>

namespace fraglume {

// clang-format off
const std::array<int, kImageSlotCount> kImageSlotIds = {
    138, 129, 130, 131, 128, 147, 149, 132, 133, 134, 135, 136,
    137, 139, 141, 142, 140, 143, 144, 145, 146, 148, 82,
};
// clang-format on

const std::array<PlaylistEntry, 15> kPlaylist = {{
    {1, 64, {41.0f, 1.0f, 0, 0}},
    {2, 68, {10.0f, 1.0f, 1, 0}},
    {3, 73, {18.0f, 1.0f, 2, 0}},
    {4, 72, {18.0f, 1.0f, 3, 0}},
    {5, 74, {18.0f, 1.0f, 4, 0}},
    {6, 71, {18.0f, 1.0f, 5, 0}},
    {7, 70, {19.0f, 1.0f, 6, 0}},
    {8, 75, {19.0f, 1.0f, 7, 0}},
    {9, 81, {19.0f, 1.0f, 8, 0}},
    {10, 76, {19.0f, 1.0f, 9, 0}},
    {11, 77, {34.0f, 1.0f, 0, 0}},
    {12, 78, {38.0f, 1.0f, 0, 0}},
    {13, 80, {65.0f, 1.0f, 8, 0}},
    {14, 79, {20.0f, 1.0f, 10, 0}},
    {15, 80, {5.0f, 1.0f, 8, 0}},
}};

const std::array<int, 15> kShowSceneIds = {64, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81};

bool isShowSceneId(int id)
{
    return std::find(kShowSceneIds.begin(), kShowSceneIds.end(), id) != kShowSceneIds.end();
}

int showLayoutOf(int sceneId)
{
    for (const PlaylistEntry &entry : kPlaylist)
        if (entry.sceneId == sceneId)
            return entry.timing.channelLayout;
    return 0;
}

namespace {

// Units 1 to 7 of each layout as IMAGE ids in binding order; 0 pairs are the kept units.
struct LayoutRow {
    std::array<std::pair<int, int>, 7> units; // (unit, image id), unit 0 = unused entry
};

const std::array<LayoutRow, 11> kLayouts = {{
    {{{{1, 129}, {2, 130}, {3, 131}, {4, 128}, {5, 137}, {6, 149}, {7, 143}}}},
    {{{{1, 137}, {2, 145}, {3, 131}, {4, 128}, {5, 147}, {6, 149}, {7, 144}}}},
    {{{{1, 129}, {2, 141}, {3, 141}, {4, 128}, {5, 147}, {6, 149}, {7, 139}}}},
    {{{{1, 130}, {2, 140}, {4, 140}, {5, 147}, {6, 149}, {7, 139}, {0, 0}}}},
    {{{{1, 132}, {2, 142}, {3, 142}, {4, 128}, {5, 147}, {6, 149}, {7, 139}}}},
    {{{{1, 134}, {2, 135}, {3, 131}, {4, 128}, {5, 147}, {6, 149}, {7, 139}}}},
    {{{{1, 131}, {2, 133}, {3, 131}, {4, 128}, {5, 147}, {6, 149}, {7, 139}}}},
    {{{{1, 148}, {2, 136}, {3, 131}, {4, 128}, {5, 147}, {6, 149}, {7, 139}}}},
    // Layouts 8 to 10 bind in their own order: the last unit set is 5.
    {{{{1, 133}, {2, 139}, {6, 82}, {7, 146}, {5, 147}, {0, 0}, {0, 0}}}},
    {{{{1, 149}, {2, 139}, {7, 146}, {5, 147}, {0, 0}, {0, 0}, {0, 0}}}},
    {{{{1, 134}, {2, 139}, {7, 146}, {5, 147}, {0, 0}, {0, 0}, {0, 0}}}},
}};

} // namespace

int slotOfImage(int imageId)
{
    auto it = std::find(kImageSlotIds.begin(), kImageSlotIds.end(), imageId);
    return it == kImageSlotIds.end() ? -1 : int(it - kImageSlotIds.begin());
}

std::vector<ChannelBinding> channelBindings(int layout)
{
    std::vector<ChannelBinding> bindings{{0, 0}};
    if (layout < 0 || layout >= int(kLayouts.size()))
        return bindings;
    for (auto [unit, imageId] : kLayouts[layout].units)
        if (unit != 0)
            bindings.push_back({unit, slotOfImage(imageId)});
    return bindings;
}

} // namespace fraglume
