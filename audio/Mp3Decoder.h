#pragma once

#include "audio/Result.h"

#include <cstdint>
#include <memory>
#include <string>

namespace lume::audio {

// One MP3 file decoded to interleaved stereo 16-bit frames at the file's own sample rate
// (mono is duplicated to both sides). Not thread-safe: the owner makes sure only one thread
// reads at a time.
//
// The checks on the path are portable (Mp3Decoder.cpp); decoding is the platform's: one
// backend per platform defines Impl and the members marked below (mpg123/ here).
class Mp3Decoder {
  public:
    static constexpr int kChannels = 2;
    static constexpr int kBytesPerFrame = kChannels * int(sizeof(int16_t));

    Mp3Decoder();  // backend
    ~Mp3Decoder(); // backend
    Mp3Decoder(const Mp3Decoder &) = delete;
    Mp3Decoder &operator=(const Mp3Decoder &) = delete;

    // Opens the file and checks that it decodes: FileNotFound, FileBad or Format on failure,
    // NoDecoder when the system cannot decode MP3 at all.
    // Scans the whole file once so that the length is exact, not estimated from the bit rate.
    Result open(const std::string &path);

    int sampleRate() const { return mSampleRate; }
    int64_t lengthFrames() const { return mLengthFrames; }
    double durationSeconds() const { return mSampleRate ? double(mLengthFrames) / mSampleRate : 0.0; }

    // Decodes up to `count` frames into `frames`; returns how many it wrote. Fewer than asked
    // means the stream has ended (or broke off on damaged data, which ends it the same way).
    int read(int16_t *frames, int count); // backend

    // Back to the first frame, for playing the stream again.
    bool rewind(); // backend

    // Why this system cannot decode MP3 at all, as a short clause naming what is missing (a
    // system library the backend loads at run time), or empty when it can.
    static std::string missingDecoder(); // backend

  private:
    struct Impl; // the decoding library's state

    // Backend: opens a path known to be a regular file; on success sets the rate and length.
    // FileBad when the file cannot be opened, Format when it does not decode.
    Result openFile(const std::string &path);
    // Backend: drops the stream and zeroes the rate and length.
    void close();

    std::unique_ptr<Impl> mImpl;
    int mSampleRate = 0;
    int64_t mLengthFrames = 0;
};

} // namespace lume::audio
