// MP3 decoding over Media Foundation's source reader: the backend half of Mp3Decoder on
// Windows. Covers what the system's MP3 decoder reads (MPEG audio, mono or stereo, at the
// file's rate), delivered as stereo 16-bit. The source reader is used rather than ACM because
// it gives exactly the stream's own frames (ACM pads each end with about 2,000 silent frames).
// Left out: streams without an end (the whole file is decoded once to measure it) and tags.
// Media Foundation's functions come from MediaFoundationMf (loaded at run time); its
// interfaces are called through their objects as usual.
#include "audio/Mp3Decoder.h"

#include "audio/mf/MediaFoundationMf.h"

#include <cstring>
#include <filesystem>
#include <vector>

#include <windows.h>

#include <mfapi.h>

namespace lume::audio {

namespace {

// Media Foundation objects are free-threaded, but every thread that calls them needs COM.
// The audio thread reads the stream, the caller opens it; each joins an apartment once. A
// thread that is already in one (the render thread decodes images in a single-threaded one)
// keeps it.
void enterCom()
{
    struct Apartment {
        Apartment() : initialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
        ~Apartment()
        {
            if (initialized)
                CoUninitialize();
        }
        bool initialized;
    };
    thread_local Apartment apartment;
    (void)apartment;
}

template <typename T>
void release(T *&object)
{
    if (object)
        object->Release();
    object = nullptr;
}

constexpr DWORD kStream = DWORD(MF_SOURCE_READER_FIRST_AUDIO_STREAM);

} // namespace

struct Mp3Decoder::Impl {
    ~Impl()
    {
        release(reader);
        if (started)
            mf::mediaFoundation()->shutdown();
    }

    // Decodes the next sample into `pending`; false at the end of the stream or on an error.
    bool decodeMore();

    bool started = false;
    IMFSourceReader *reader = nullptr;
    int channels = 0;             // of the decoded PCM: 1 (duplicated on read) or 2
    std::vector<int16_t> pending; // decoded frames not yet read, as stereo
    size_t pendingAt = 0;         // first unread sample in pending
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

bool Mp3Decoder::Impl::decodeMore()
{
    while (!ended) {
        DWORD flags = 0;
        IMFSample *sample = nullptr;
        HRESULT hr = reader->ReadSample(kStream, 0, nullptr, &flags, nullptr, &sample);
        if (FAILED(hr) || (flags & (MF_SOURCE_READERF_ERROR | MF_SOURCE_READERF_ENDOFSTREAM)))
            ended = true;
        if (!sample)
            continue; // a gap or format notice without data; read on
        IMFMediaBuffer *buffer = nullptr;
        BYTE *bytes = nullptr;
        DWORD length = 0;
        bool got = false;
        if (SUCCEEDED(sample->ConvertToContiguousBuffer(&buffer)) &&
            SUCCEEDED(buffer->Lock(&bytes, nullptr, &length))) {
            size_t samples = length / sizeof(int16_t);
            const auto *pcm = reinterpret_cast<const int16_t *>(bytes);
            pending.erase(pending.begin(), pending.begin() + ptrdiff_t(pendingAt));
            pendingAt = 0;
            if (channels == 1) {
                for (size_t i = 0; i < samples; ++i)
                    pending.insert(pending.end(), {pcm[i], pcm[i]});
            } else {
                pending.insert(pending.end(), pcm, pcm + samples - samples % 2);
            }
            got = samples > 0;
            buffer->Unlock();
        }
        release(buffer);
        release(sample);
        if (got)
            return true;
    }
    return false;
}

std::string Mp3Decoder::missingDecoder()
{
    return mf::mediaFoundationProblem();
}

Result Mp3Decoder::openFile(const std::string &path)
{
    const mf::MediaFoundation *mf = mf::mediaFoundation();
    if (!mf)
        return Result::NoDecoder;
    enterCom();
    auto impl = std::make_unique<Impl>();
    if (FAILED(mf->startup(MF_VERSION, MFSTARTUP_LITE)))
        return Result::Format;
    impl->started = true;

    // The path is UTF-8; the system takes it as UTF-16, never through the ANSI code page.
    std::wstring wide = std::filesystem::path(std::u8string(path.begin(), path.end())).wstring();
    HRESULT hr = mf->createSourceReaderFromUrl(wide.c_str(), nullptr, &impl->reader);
    if (FAILED(hr)) {
        bool unreadable = hr == HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED) ||
                          hr == HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION) ||
                          hr == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
        return unreadable ? Result::FileBad : Result::Format;
    }
    IMFSourceReader *reader = impl->reader;
    reader->SetStreamSelection(DWORD(MF_SOURCE_READER_ALL_STREAMS), FALSE);
    if (FAILED(reader->SetStreamSelection(kStream, TRUE)))
        return Result::Format;

    // Ask for 16-bit PCM at the file's own rate and channel count; mono is widened on read.
    IMFMediaType *wanted = nullptr;
    if (FAILED(mf->createMediaType(&wanted)))
        return Result::Format;
    wanted->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio);
    wanted->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_PCM);
    wanted->SetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, 16);
    hr = reader->SetCurrentMediaType(kStream, nullptr, wanted);
    release(wanted);
    IMFMediaType *actual = nullptr;
    if (FAILED(hr) || FAILED(reader->GetCurrentMediaType(kStream, &actual)))
        return Result::Format;
    UINT32 rate = 0, channels = 0, bits = 0;
    actual->GetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, &rate);
    actual->GetUINT32(MF_MT_AUDIO_NUM_CHANNELS, &channels);
    actual->GetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, &bits);
    release(actual);
    if (rate == 0 || bits != 16 || (channels != 1 && channels != 2))
        return Result::Format;
    impl->channels = int(channels);

    // The duration attribute is an estimate from the bit rate; the exact length needs one
    // pass over the whole stream.
    int64_t frames = 0;
    while (impl->decodeMore()) {
        frames += int64_t(impl->pending.size() / kChannels);
        impl->pending.clear();
    }
    if (frames <= 0)
        return Result::Format;

    mImpl = std::move(impl);
    if (!rewind()) {
        close();
        return Result::Format;
    }
    mSampleRate = int(rate);
    mLengthFrames = frames;
    return Result::Ok;
}

int Mp3Decoder::read(int16_t *frames, int count)
{
    if (!mImpl || count <= 0)
        return 0;
    enterCom();
    Impl &impl = *mImpl;
    const size_t want = size_t(count) * kChannels;
    size_t have = 0;
    while (have < want) {
        if (impl.pendingAt == impl.pending.size() && !impl.decodeMore())
            break;
        size_t take = std::min(want - have, impl.pending.size() - impl.pendingAt);
        std::memcpy(frames + have, impl.pending.data() + impl.pendingAt, take * sizeof(int16_t));
        impl.pendingAt += take;
        have += take;
    }
    return int(have / kChannels);
}

bool Mp3Decoder::rewind()
{
    if (!mImpl)
        return false;
    enterCom();
    PROPVARIANT position;
    PropVariantInit(&position);
    position.vt = VT_I8;
    position.hVal.QuadPart = 0;
    HRESULT hr = mImpl->reader->SetCurrentPosition(GUID_NULL, position);
    PropVariantClear(&position);
    if (FAILED(hr))
        return false;
    mImpl->pending.clear();
    mImpl->pendingAt = 0;
    mImpl->ended = false;
    return true;
}

} // namespace lume::audio
