#include "audio/Sound.h"
#include "audio/System.h"

#include <gtest/gtest.h>

using namespace lume::audio;

// The show runs 370 s from its first scene to the quit; the soundtrack rings out a little
// longer so the last fade never cuts the music.
TEST(Soundtrack, DecodesToTheShowsLength)
{
    System *system = nullptr;
    ASSERT_EQ(Result::Ok, systemCreate(&system));
    ASSERT_EQ(Result::Ok, system->init(1));
    Sound *sound = nullptr;
    ASSERT_EQ(Result::Ok, system->createStream(LUME_SOUNDTRACK, &sound)) << LUME_SOUNDTRACK;
    double seconds = 0;
    ASSERT_EQ(Result::Ok, sound->getDuration(&seconds));
    EXPECT_NEAR(375.0, seconds, 1.0);
    EXPECT_EQ(Result::Ok, sound->release());
    EXPECT_EQ(Result::Ok, system->release());
}
