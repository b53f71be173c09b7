#include "audio/Mp3Decoder.h"

#include <mpg123.h>

#include <cstdio>
#include <filesystem>
#include <mutex>

namespace lume::audio {

namespace {

// Library versions before 1.27 need one global init; later ones ignore it.
void initLibrary() {
  static std::once_flag sOnce;
  std::call_once(sOnce, [] { mpg123_init(); });
}

}  // namespace

Mp3Decoder::~Mp3Decoder() { close(); }

void Mp3Decoder::close() {
  if (mHandle) {
    mpg123_close(mHandle);
    mpg123_delete(mHandle);
    mHandle = nullptr;
  }
  mSampleRate = 0;
  mLengthFrames = 0;
  mEnded = false;
}

Result Mp3Decoder::open(const std::string& path) {
  close();

  // Check the kind of file first: mpg123 opens a directory without complaint and only fails
  // on the first read, which would make it look like a format problem.
  std::error_code ec;
  auto status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return Result::FileNotFound;
  if (ec || status.type() != std::filesystem::file_type::regular) return Result::FileBad;

  initLibrary();
  int err = MPG123_OK;
  mpg123_handle* handle = mpg123_new(nullptr, &err);
  if (!handle) return Result::Format;

  // Quiet: a damaged file must not write to the player's console. One output encoding,
  // stereo 16-bit at whatever rate the file has, so the output device matches the file.
  mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_FORCE_STEREO, 0.0);
  mpg123_format_none(handle);
  const long* rates = nullptr;
  size_t rateCount = 0;
  mpg123_rates(&rates, &rateCount);
  for (size_t i = 0; i < rateCount; ++i) {
    mpg123_format(handle, rates[i], MPG123_STEREO, MPG123_ENC_SIGNED_16);
  }

  if (mpg123_open(handle, path.c_str()) != MPG123_OK) {
    mpg123_delete(handle);
    return Result::FileBad;
  }
  mHandle = handle;

  long rate = 0;
  int channels = 0;
  int encoding = 0;
  if (mpg123_getformat(mHandle, &rate, &channels, &encoding) != MPG123_OK ||
      channels != kChannels || encoding != MPG123_ENC_SIGNED_16 || rate <= 0) {
    close();
    return Result::Format;
  }
  if (mpg123_scan(mHandle) != MPG123_OK) {
    close();
    return Result::Format;
  }
  off_t length = mpg123_length(mHandle);
  if (length <= 0) {
    close();
    return Result::Format;
  }
  mSampleRate = int(rate);
  mLengthFrames = int64_t(length);
  return Result::Ok;
}

int Mp3Decoder::read(int16_t* frames, int count) {
  if (!mHandle || count <= 0) return 0;
  auto* out = reinterpret_cast<unsigned char*>(frames);
  const size_t want = size_t(count) * kBytesPerFrame;
  size_t have = 0;
  int idleReads = 0;
  while (have < want && !mEnded) {
    size_t done = 0;
    int rc = mpg123_read(mHandle, out + have, want - have, &done);
    have += done;
    if (rc == MPG123_OK || rc == MPG123_NEW_FORMAT) {
      // A read that makes no progress more than a few times in a row would spin forever on
      // the audio thread; give up on the stream instead.
      idleReads = done ? 0 : idleReads + 1;
      if (idleReads > 4) mEnded = true;
    } else {
      // MPG123_DONE, or an error mpg123 could not resync past: the stream is over.
      mEnded = true;
    }
  }
  return int(have / kBytesPerFrame);
}

bool Mp3Decoder::rewind() {
  if (!mHandle || mpg123_seek(mHandle, 0, SEEK_SET) < 0) return false;
  mEnded = false;
  return true;
}

}  // namespace lume::audio
