#include "app/Playlist.h"
#include "app/Uniforms.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>

using namespace fraglume;

namespace {

// "unit:image" pairs in binding order, so a table row reads like the layout table.
std::string describe(int layout)
{
    std::string s;
    for (const ChannelBinding &b : channelBindings(layout)) {
        if (!s.empty())
            s += ' ';
        s += std::to_string(b.unit) + ":" + (b.slot < 0 ? std::string("?") : std::to_string(kImageSlotIds[b.slot]));
    }
    return s;
}

} // namespace

TEST(ChannelLayouts, UnitsImagesAndOrder)
{
    const std::pair<int, const char *> rows[] = {
        {0, "0:138 1:129 2:130 3:131 4:128 5:137 6:149 7:143"},
        {1, "0:138 1:137 2:145 3:131 4:128 5:147 6:149 7:144"},
        {2, "0:138 1:129 2:141 3:141 4:128 5:147 6:149 7:139"},
        {3, "0:138 1:130 2:140 4:140 5:147 6:149 7:139"},
        {4, "0:138 1:132 2:142 3:142 4:128 5:147 6:149 7:139"},
        {5, "0:138 1:134 2:135 3:131 4:128 5:147 6:149 7:139"},
        {6, "0:138 1:131 2:133 3:131 4:128 5:147 6:149 7:139"},
        {7, "0:138 1:148 2:136 3:131 4:128 5:147 6:149 7:139"},
        {8, "0:138 1:133 2:139 6:82 7:146 5:147"},
        {9, "0:138 1:149 2:139 7:146 5:147"},
        {10, "0:138 1:134 2:139 7:146 5:147"},
        {11, "0:138"},
        {-1, "0:138"},
    };
    for (auto [layout, expected] : rows)
        EXPECT_EQ(describe(layout), expected) << "layout " << layout;
}

TEST(ChannelLayouts, KeptUnitsCarryTheEarlierScenesImages)
{
    // Replays the shipped playlist's bindings; a unit a layout skips keeps its last image.
    std::map<int, int> units;
    std::map<int, std::map<int, int>> byPosition;
    for (const PlaylistEntry &e : kPlaylist) {
        for (const ChannelBinding &b : channelBindings(e.timing.channelLayout))
            units[b.unit] = kImageSlotIds[b.slot];
        byPosition[e.position] = units;
    }
    EXPECT_EQ(byPosition[4][3], 141) << "layout 3 after layout 2";
    EXPECT_EQ(byPosition[9][3], 131);
    EXPECT_EQ(byPosition[9][4], 128);
    EXPECT_EQ(byPosition[13][6], 82);
    EXPECT_EQ(byPosition[14][6], 82) << "layout 10 after layout 8 keeps unit 6";
    EXPECT_EQ(byPosition[14][3], 131);
}

TEST(Playlist, SlotsAndPositions)
{
    EXPECT_EQ(slotOfImage(138), 0);
    EXPECT_EQ(slotOfImage(82), 22);
    EXPECT_EQ(slotOfImage(150), -1);
    std::map<int, int> seen;
    for (int id : kImageSlotIds)
        ++seen[id];
    EXPECT_EQ(seen.size(), size_t(kImageSlotCount)) << "every image in one slot";
    float holds = 0;
    for (size_t i = 0; i < kPlaylist.size(); ++i) {
        EXPECT_EQ(kPlaylist[i].position, int(i) + 1);
        if (i < 14)
            holds += kPlaylist[i].timing.hold + kPlaylist[i].timing.fade;
    }
    EXPECT_EQ(holds, 370.0f);
}

// The show itself, row by row: the timeline tests take their times from this table, so a
// swapped or shifted value here would pass everywhere else.
TEST(Playlist, EveryPositionPlaysItsSceneForItsHoldFadeAndLayout)
{
    struct Row {
        int position, sceneId;
        float hold, fade;
        int layout;
    };
    const Row rows[] = {
        {1, 64, 41, 1, 0},  {2, 68, 10, 1, 1},  {3, 73, 18, 1, 2},  {4, 72, 18, 1, 3},   {5, 74, 18, 1, 4},
        {6, 71, 18, 1, 5},  {7, 70, 19, 1, 6},  {8, 75, 19, 1, 7},  {9, 81, 19, 1, 8},   {10, 76, 19, 1, 9},
        {11, 77, 34, 1, 0}, {12, 78, 38, 1, 0}, {13, 80, 65, 1, 8}, {14, 79, 20, 1, 10}, {15, 80, 5, 1, 8},
    };
    ASSERT_EQ(kPlaylist.size(), std::size(rows));
    for (size_t i = 0; i < kPlaylist.size(); ++i) {
        const Row &row = rows[i];
        const PlaylistEntry &entry = kPlaylist[i];
        SCOPED_TRACE("position " + std::to_string(row.position));
        EXPECT_EQ(entry.position, row.position);
        EXPECT_EQ(entry.sceneId, row.sceneId);
        EXPECT_EQ(entry.timing.hold, row.hold);
        EXPECT_EQ(entry.timing.fade, row.fade);
        EXPECT_EQ(entry.timing.channelLayout, row.layout);
        EXPECT_EQ(entry.timing.reserved, 0);
    }
}

TEST(SceneUniforms, DateIsUtcCalendarAndSecondsOfDay)
{
    using namespace std::chrono;
    const sys_seconds t = sys_days{2026y / December / 7} + 13h + 45min + 30s;
    EXPECT_EQ(dateUniform(t), (lume::Vec4f{2026.0f, 12.0f, 7.0f, 49530.0f}));
    const sys_seconds leapDay = sys_days{2024y / February / 29} + 23h + 59min + 59s;
    EXPECT_EQ(dateUniform(leapDay), (lume::Vec4f{2024.0f, 2.0f, 29.0f, 86399.0f}));
    EXPECT_EQ(dateUniform(sys_seconds{}), (lume::Vec4f{1970.0f, 1.0f, 1.0f, 0.0f}));
}

TEST(SceneUniforms, MouseIsFlippedIntoFragCoordSpace)
{
    EXPECT_EQ(mouseUniform({10, 20, 30, 40}, false, 480), (lume::Vec4f{})) << "no press yet";
    EXPECT_EQ(mouseUniform({10, 20, 30, 40}, true, 480), (lume::Vec4f{10, 459, 30, 439}));
    EXPECT_EQ(mouseUniform({0, 0, 0, 0}, true, 480), (lume::Vec4f{0, 479, 0, 479})) << "top-left pixel";
}
