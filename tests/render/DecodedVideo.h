#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lume::test {

// A video file read back through FFmpeg's demuxers and decoders, as a player would.
struct DecodedVideo {
    std::string videoCodec, pixelFormat;
    int width = 0, height = 0;
    int rateNum = 0, rateDen = 0;             // the stream's frame rate
    double videoDuration = 0.0;               // seconds, from the frames' timestamps
    std::string colorSpace, colorRange;       // the frames' tags, as FFmpeg names them
    std::vector<std::vector<uint8_t>> frames; // RGB24, rows top-down, converted as tagged
    bool hasAudio = false;
    std::string audioCodec;
    int sampleRate = 0;
    int64_t audioSamples = 0; // per channel, after the encoder's priming is dropped
};

// Throws std::runtime_error when the file cannot be opened or decoded.
DecodedVideo decodeVideo(const std::string &path);

} // namespace lume::test
