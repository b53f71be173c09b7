#pragma once

// The committed MP3 fixtures (fixtures/README.md says how they were made) and what a decoder
// must find in them.

#include <cstdint>
#include <ostream>
#include <string>

namespace lume::test {

inline std::string fixture(const std::string &name)
{
    return std::string(LUME_AUDIO_FIXTURES) + "/" + name;
}

struct Fixture {
    const char *file;
    int sampleRate;
    int64_t frames;
    double leftHz;
    double rightHz;
};

inline void PrintTo(const Fixture &f, std::ostream *os)
{
    *os << f.file;
}

inline const Fixture kMono22k{"sine440-mono-22k.mp3", 22050, 22050, 440.0, 440.0};
inline const Fixture kStereo44k{"sine440-660-stereo-44k.mp3", 44100, 33075, 440.0, 660.0};

} // namespace lume::test
