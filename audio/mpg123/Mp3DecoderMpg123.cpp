// MP3 decoding over libmpg123: the backend half of Mp3Decoder (Impl, opening a file already
// known to be regular, reading, rewinding). Covers every MPEG audio file mpg123 decodes, mono
// or stereo at any of its rates, delivered as stereo 16-bit at the file's rate. Left out:
// streams without an end (the whole file is scanned once to measure it) and tags (skipped).
#include "audio/Mp3Decoder.h"

#include <mpg123.h>

#include <cstdio>
#include <mutex>

namespace lume::audio {

namespace {

// Library versions before 1.27 need one global init; later ones ignore it.
void initLibrary()
{
    static std::once_flag sOnce;
    std::call_once(sOnce, [] { mpg123_init(); });
}

} // namespace

struct Mp3Decoder::Impl {
    ~Impl()
    {
        mpg123_close(handle);
        mpg123_delete(handle);
    }

    mpg123_handle *handle = nullptr;
    bool ended = false;
};

Mp3Decoder::Mp3Decoder() = default;

Mp3Decoder::~Mp3Decoder()
{
    close();
}

void Mp3Decoder::close()
{
    mImpl.reset();
    mSampleRate = 0;
    mLengthFrames = 0;
}

std::string Mp3Decoder::missingDecoder()
{
    return {}; // linked into the program: there whenever the program runs
}

Result Mp3Decoder::openFile(const std::string &path)
{
    initLibrary();
    int err = MPG123_OK;
    mpg123_handle *handle = mpg123_new(nullptr, &err);
    if (!handle)
        return Result::Format;

    // Quiet: a damaged file must not write to the player's console. One output encoding,
    // stereo 16-bit at whatever rate the file has, so the output device matches the file.
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_FORCE_STEREO, 0.0);
    mpg123_format_none(handle);
    const long *rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i) {
        mpg123_format(handle, rates[i], MPG123_STEREO, MPG123_ENC_SIGNED_16);
    }

    if (mpg123_open(handle, path.c_str()) != MPG123_OK) {
        mpg123_delete(handle);
        return Result::FileBad;
    }
    mImpl = std::make_unique<Impl>();
    mImpl->handle = handle;

    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle, &rate, &channels, &encoding) != MPG123_OK || channels != kChannels ||
        encoding != MPG123_ENC_SIGNED_16 || rate <= 0) {
        close();
        return Result::Format;
    }
    if (mpg123_scan(handle) != MPG123_OK) {
        close();
        return Result::Format;
    }
    off_t length = mpg123_length(handle);
    if (length <= 0) {
        close();
        return Result::Format;
    }
    mSampleRate = int(rate);
    mLengthFrames = int64_t(length);
    return Result::Ok;
}

int Mp3Decoder::read(int16_t *frames, int count)
{
    if (!mImpl || count <= 0)
        return 0;
    auto *out = reinterpret_cast<unsigned char *>(frames);
    const size_t want = size_t(count) * kBytesPerFrame;
    size_t have = 0;
    int idleReads = 0;
    while (have < want && !mImpl->ended) {
        size_t done = 0;
        int rc = mpg123_read(mImpl->handle, out + have, want - have, &done);
        have += done;
        if (rc == MPG123_OK || rc == MPG123_NEW_FORMAT) {
            // A read that makes no progress more than a few times in a row would spin forever on
            // the audio thread; give up on the stream instead.
            idleReads = done ? 0 : idleReads + 1;
            if (idleReads > 4)
                mImpl->ended = true;
        } else {
            // MPG123_DONE, or an error mpg123 could not resync past: the stream is over.
            mImpl->ended = true;
        }
    }
    return int(have / kBytesPerFrame);
}

bool Mp3Decoder::rewind()
{
    if (!mImpl || mpg123_seek(mImpl->handle, 0, SEEK_SET) < 0)
        return false;
    mImpl->ended = false;
    return true;
}

} // namespace lume::audio
