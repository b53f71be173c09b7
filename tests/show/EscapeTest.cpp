// The real player under a private X server: Escape while it is still loading.
#include "tests/window/XvfbSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace lume::test;

// Escape while the show is still starting quits at once with status 0. Started from a folder
// without the soundtrack, the player runs silently and reports nothing about it.
TEST(ShowWindow, EscapeDuringLoadingQuitsCleanly)
{
    XvfbServer server(640, 480);
    Process player({FRAGLUME_EXE}, {{"DISPLAY", server.display()}}, std::filesystem::temp_directory_path().string(),
                   120);
    XClient client(server.display());
    const XWindowId window = client.waitForWindow("FraglumeApp", 30.0, &player);
    ASSERT_NE(window, 0u) << player.errors();
    runCommand("DISPLAY=" + server.display() + " xdotool windowfocus --sync " + std::to_string(window) + " key Escape");
    // Generous: the loader finishes the scene it is building before it stops, and under
    // ThreadSanitizer on a busy machine one build can take many seconds.
    const std::optional<int> status = player.waitFor(60.0);
    ASSERT_TRUE(status) << "still running after Escape";
    EXPECT_EQ(*status, 0) << player.errors();
    EXPECT_EQ(player.errors().find("vell-short"), std::string::npos) << player.errors();
}
