// The output layer over SDL2 audio: Output.h for Linux. Covers the driver SDL picks (or the
// user names in SDL_AUDIODRIVER), with SDL's "dummy" driver as the silent real-time fallback,
// and devices at any sample rate (SDL converts for the hardware). Only the audio subsystem is
// touched: video, events and the rest of SDL belong to the application framework. Left out:
// choosing a device by name, capture, formats other than stereo 16-bit.
#include "audio/Output.h"

#include <SDL.h>
#include <dlfcn.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace lume::audio {

namespace {

constexpr const char *kSilentDriver = "dummy";

// ALSA's own error output. SDL loads libasound when it probes its drivers, and on a machine
// without a sound card ALSA writes every step of the failed probe to standard error ("ALSA lib
// confmisc.c:855:(parse_card) cannot find card '0'", a dozen lines and more). While the driver
// starts and opens a device those lines are the probe's noise: they are held back, the first
// one kept as the reason should no device open. At any other time (a device failing while it
// plays) they reach standard error as ALSA would write them.
using AlsaErrorHandler = void (*)(const char *file, int line, const char *function, int err, const char *fmt, ...);
using AlsaSetErrorHandler = int (*)(AlsaErrorHandler handler);
using AlsaStrError = const char *(*)(int err);

std::atomic<int> sAlsaProbes{0}; // probes under way
std::mutex sAlsaMutex;           // guards sAlsaFirstProbeMessage
std::string sAlsaFirstProbeMessage;
AlsaStrError sAlsaStrError = nullptr;

void alsaError(const char *file, int line, const char *function, int err, const char *fmt, ...)
{
    char text[512];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    std::string message = text;
    if (err != 0)
        message += std::string(": ") + (sAlsaStrError ? sAlsaStrError(err) : std::strerror(err < 0 ? -err : err));
    if (sAlsaProbes.load() > 0) {
        // The first message names the cause ("cannot find card '0'"); the rest follow from it.
        std::lock_guard lock(sAlsaMutex);
        if (sAlsaFirstProbeMessage.empty())
            sAlsaFirstProbeMessage = std::move(message);
        return;
    }
    // One write per line: the audio thread and the caller's may both report.
    char whole[1024];
    std::snprintf(whole, sizeof whole, "ALSA lib %s:%i:(%s) %s\n", file, line, function, message.c_str());
    std::fputs(whole, stderr);
}

// Installs the handler in the libasound SDL will use: the same library, loaded here first if
// SDL has not loaded it yet, and never unloaded, so the handler stays for the process.
void routeAlsaErrors()
{
    static std::once_flag once;
    std::call_once(once, [] {
        void *library = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return; // no ALSA here: nothing of it can write either
        auto set = reinterpret_cast<AlsaSetErrorHandler>(::dlsym(library, "snd_lib_error_set_handler"));
        sAlsaStrError = reinterpret_cast<AlsaStrError>(::dlsym(library, "snd_strerror"));
        if (set)
            set(&alsaError);
    });
}

// Holds ALSA's messages back for as long as it lives; firstMessage() is the first held back.
class AlsaProbe {
  public:
    AlsaProbe()
    {
        routeAlsaErrors();
        if (sAlsaProbes.fetch_add(1) == 0) {
            std::lock_guard lock(sAlsaMutex);
            sAlsaFirstProbeMessage.clear();
        }
    }
    ~AlsaProbe() { sAlsaProbes.fetch_sub(1); }
    AlsaProbe(const AlsaProbe &) = delete;
    AlsaProbe &operator=(const AlsaProbe &) = delete;

    static std::string firstMessage()
    {
        std::lock_guard lock(sAlsaMutex);
        return sAlsaFirstProbeMessage;
    }
};

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
    // Why the probe found nothing to play on: ALSA's first word, else SDL's.
    static std::string probeFailure(const std::string &sdlError);

    bool started = false;
    std::string name;
    std::string silentReason;
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

const std::string &OutputDriver::silentReason() const
{
    return mImpl->silentReason;
}

std::string OutputDriver::Impl::probeFailure(const std::string &sdlError)
{
    std::string alsa = AlsaProbe::firstMessage();
    if (!alsa.empty())
        return "ALSA: " + alsa;
    return sdlError.empty() ? "no audio driver started" : sdlError;
}

Result OutputDriver::start()
{
    if (mImpl->started)
        return Result::Ok;
    AlsaProbe probe;
    // SDL picks the driver: SDL_AUDIODRIVER if set, else the first one that initialises.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        mImpl->started = true;
        const char *name = SDL_GetCurrentAudioDriver();
        mImpl->name = name ? name : "";
        return Result::Ok;
    }
    const std::string why = Impl::probeFailure(SDL_GetError());
    const Result result = mImpl->startSilent();
    if (result == Result::Ok)
        mImpl->silentReason = why;
    return result;
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
    mImpl->silentReason.clear();
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
    AlsaProbe probe;
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
        const std::string why = Impl::probeFailure(SDL_GetError());
        if (mImpl->startSilent() != Result::Ok)
            return Result::Output;
        mImpl->silentReason = why;
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
