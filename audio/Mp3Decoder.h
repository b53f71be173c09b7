#pragma once

#include "audio/Result.h"

#include <cstdint>
#include <string>

struct mpg123_handle_struct;

namespace lume::audio {

// One MP3 file decoded by libmpg123 to interleaved stereo 16-bit frames at the file's own
// sample rate (mono is duplicated to both sides). Not thread-safe: the owner makes sure only
// one thread reads at a time.
class Mp3Decoder {
 public:
  static constexpr int kChannels = 2;
  static constexpr int kBytesPerFrame = kChannels * int(sizeof(int16_t));

  Mp3Decoder() = default;
  ~Mp3Decoder();
  Mp3Decoder(const Mp3Decoder&) = delete;
  Mp3Decoder& operator=(const Mp3Decoder&) = delete;

  // Opens the file and checks that it decodes: FileNotFound, FileBad or Format on failure.
  // Scans the whole file once so that the length is exact, not estimated from the bit rate.
  Result open(const std::string& path);

  int sampleRate() const { return mSampleRate; }
  int64_t lengthFrames() const { return mLengthFrames; }
  double durationSeconds() const { return mSampleRate ? double(mLengthFrames) / mSampleRate : 0.0; }

  // Decodes up to `count` frames into `frames`; returns how many it wrote. Fewer than asked
  // means the stream has ended (or broke off on damaged data, which ends it the same way).
  int read(int16_t* frames, int count);

  // Back to the first frame, for playing the stream again.
  bool rewind();

 private:
  void close();

  mpg123_handle_struct* mHandle = nullptr;
  int mSampleRate = 0;
  int64_t mLengthFrames = 0;
  bool mEnded = false;
};

}  // namespace lume::audio
