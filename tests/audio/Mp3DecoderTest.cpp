// The MP3 decoder on its own, as every platform's backend must behave.
#include "audio/Mp3Decoder.h"
#include "tests/audio/AudioFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;
using namespace lume::audio;
using namespace lume::test;

namespace {

// The decoder on its own, as every platform's backend must behave: the whole stream in reads
// of any size, nothing past the end, and after rewinding from the end the same frames again
// (a sound played again once it has finished). After a failed open it reads nothing.
TEST(Mp3Decoder, ReadsTheWholeStreamAgainAfterRewindingFromTheEnd)
{
    for (const Fixture &f : {kMono22k, kStereo44k}) {
        SCOPED_TRACE(f.file);
        Mp3Decoder decoder;
        ASSERT_EQ(decoder.open(fixture(f.file)), Result::Ok);
        EXPECT_EQ(decoder.sampleRate(), f.sampleRate);
        EXPECT_EQ(decoder.lengthFrames(), f.frames);

        auto readAll = [&decoder] {
            std::vector<int16_t> all;
            int16_t chunk[1021 * Mp3Decoder::kChannels];
            while (int got = decoder.read(chunk, 1021))
                all.insert(all.end(), chunk, chunk + got * Mp3Decoder::kChannels);
            return all;
        };
        std::vector<int16_t> first = readAll();
        EXPECT_EQ(int64_t(first.size()), f.frames * Mp3Decoder::kChannels);
        int16_t one[Mp3Decoder::kChannels];
        EXPECT_EQ(decoder.read(one, 1), 0);

        // Equal within one step: after a seek a decoder may round a few samples the other way.
        ASSERT_TRUE(decoder.rewind());
        std::vector<int16_t> again = readAll();
        ASSERT_EQ(again.size(), first.size());
        int worst = 0;
        for (size_t i = 0; i < first.size(); ++i)
            worst = std::max(worst, std::abs(first[i] - again[i]));
        EXPECT_LE(worst, 1);

        // A failed open leaves nothing behind from the stream before.
        EXPECT_EQ(decoder.open(fixture("missing.mp3")), Result::FileNotFound);
        EXPECT_EQ(decoder.sampleRate(), 0);
        EXPECT_EQ(decoder.read(one, 1), 0);
        EXPECT_FALSE(decoder.rewind());
    }
}

// Each kind of path that holds no stream gets its own answer, and the decoder stays empty.
TEST(Mp3Decoder, RefusesPathsThatHoldNoStream)
{
    const fs::path dir = fs::temp_directory_path() / ("lume-mp3-" + std::to_string(std::rand()));
    fs::create_directories(dir);
    auto write = [&](const std::string &name, const std::string &bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    };
    std::string noise;
    uint32_t state = 12345;
    for (int i = 0; i < 65536; ++i) {
        state = state * 1664525u + 1013904223u;
        noise.push_back(char(state >> 24));
    }
    const struct {
        const char *what;
        std::string path;
        Result expected;
    } cases[] = {
        {"missing file", (dir / "vell-short.mp3").string(), Result::FileNotFound},
        {"empty path", "", Result::FileNotFound},
        {"directory", dir.string(), Result::FileBad},
        {"text file", write("notes.mp3", "not an mp3\n"), Result::Format},
        {"empty file", write("empty.mp3", ""), Result::Format},
        {"random bytes", write("noise.mp3", noise), Result::Format},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Mp3Decoder decoder;
        EXPECT_EQ(decoder.open(c.path), c.expected);
        EXPECT_EQ(decoder.lengthFrames(), 0);
        int16_t one[Mp3Decoder::kChannels];
        EXPECT_EQ(decoder.read(one, 1), 0);
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
}

} // namespace
