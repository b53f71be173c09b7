// The output layer over SDL2 audio: Output.h for Linux. Covers the driver SDL picks (or the
// user names in SDL_AUDIODRIVER), with SDL's "dummy" driver as the silent real-time fallback,
// and devices at any sample rate (SDL converts for the hardware). Only the audio subsystem is
// touched: video, events and the rest of SDL belong to the application framework. Left out:
// choosing a device by name, capture, formats other than stereo 16-bit.
#include "audio/Output.h"

#include <SDL.h>

namespace lume::audio {

namespace {

constexpr const char *kSilentDriver = "dummy";

// About 46 ms per buffer: short enough that closing a device (which waits two periods for
// the last buffer to drain) stays around a tenth of a second, long enough that a busy
// machine has time to run the audio thread.
Uint16 bufferFrames(int sampleRate)
{
    int frames = 256;
    while (frames * 2 <= sampleRate / 16)
        frames *= 2;
    return Uint16(frames);
}

} // namespace

struct OutputDriver::Impl {
    Result startSilent();

    bool started = false;
    std::string name;
    int openDevices = 0;
};

struct OutputDevice::Impl {
    static void callback(void *self, Uint8 *stream, int bytes);

    OutputDriver::Impl *driver;
    FillFunction fill;
    void *user;
    SDL_AudioDeviceID id = 0;
};

OutputDriver::OutputDriver() : mImpl(std::make_unique<Impl>()) {}

OutputDriver::~OutputDriver()
{
    stop();
}

const std::string &OutputDriver::name() const
{
    return mImpl->name;
}

Result OutputDriver::start()
{
    if (mImpl->started)
        return Result::Ok;
    // SDL picks the driver: SDL_AUDIODRIVER if set, else the first one that initialises.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        mImpl->started = true;
        const char *name = SDL_GetCurrentAudioDriver();
        mImpl->name = name ? name : "";
        return Result::Ok;
    }
    return mImpl->startSilent();
}

Result OutputDriver::Impl::startSilent()
{
    // The driver is chosen through the hint; override it only for this one initialisation so
    // that an SDL_AUDIODRIVER set by the user still counts for anything started later.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, kSilentDriver, SDL_HINT_OVERRIDE);
    int rc = SDL_InitSubSystem(SDL_INIT_AUDIO);
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (rc != 0)
        return Result::Output;
    started = true;
    name = kSilentDriver;
    return Result::Ok;
}

void OutputDriver::stop()
{
    if (!mImpl->started)
        return;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mImpl->started = false;
    mImpl->name.clear();
}

Result OutputDriver::openDevice(int sampleRate, FillFunction fill, void *user, std::unique_ptr<OutputDevice> *device)
{
    device->reset();
    if (!mImpl->started)
        return Result::Output;
    auto made = std::make_unique<OutputDevice::Impl>();
    made->driver = mImpl.get();
    made->fill = fill;
    made->user = user;

    SDL_AudioSpec want{};
    want.freq = sampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = bufferFrames(sampleRate);
    want.callback = &OutputDevice::Impl::callback;
    want.userdata = made.get();
    // No allowed changes: SDL converts if the hardware wants another format, so the callback
    // always sees the file's own rate.
    SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);

    // No usable device. Switching drivers restarts SDL audio, which would cut off our other
    // devices and anyone else's, so it is done only when nothing is open and we are the only
    // holder of the audio subsystem.
    if (id == 0 && mImpl->name != kSilentDriver && mImpl->openDevices == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        mImpl->started = false;
        if (SDL_WasInit(SDL_INIT_AUDIO) != 0) {
            start();
            return Result::Output;
        }
        if (mImpl->startSilent() != Result::Ok)
            return Result::Output;
        id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    }
    if (id == 0)
        return Result::Output;

    made->id = id;
    ++mImpl->openDevices;
    device->reset(new OutputDevice(std::move(made)));
    return Result::Ok;
}

OutputDevice::OutputDevice(std::unique_ptr<Impl> impl) : mImpl(std::move(impl)) {}

OutputDevice::~OutputDevice()
{
    close();
}

void OutputDevice::Impl::callback(void *self, Uint8 *stream, int bytes)
{
    auto *device = static_cast<OutputDevice::Impl *>(self);
    constexpr int kFrameBytes = 2 * int(sizeof(int16_t));
    device->fill(device->user, reinterpret_cast<int16_t *>(stream), bytes / kFrameBytes);
}

bool OutputDevice::isOpen() const
{
    return mImpl->id != 0;
}

void OutputDevice::setPaused(bool paused)
{
    if (mImpl->id)
        SDL_PauseAudioDevice(mImpl->id, paused ? 1 : 0);
}

void OutputDevice::lock()
{
    if (mImpl->id)
        SDL_LockAudioDevice(mImpl->id);
}

void OutputDevice::unlock()
{
    if (mImpl->id)
        SDL_UnlockAudioDevice(mImpl->id);
}

void OutputDevice::close()
{
    if (!mImpl->id)
        return;
    SDL_CloseAudioDevice(mImpl->id);
    mImpl->id = 0;
    --mImpl->driver->openDevices;
}

} // namespace lume::audio
