// The output layer over waveOut: Output.h for Windows. Covers the system's default output
// device through the wave mapper (which converts any sample rate for the hardware), with a
// silent real-time thread as the fallback when no device opens. waveOut rather than XAudio2:
// XAudio2 crashes when the machine has no audio device, waveOut fails cleanly. Left out:
// choosing a device by name, capture, formats other than stereo 16-bit.
#include "audio/Output.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

// windows.h first: the headers below rely on its declarations.
#include <windows.h>

#include <mmsystem.h>

namespace lume::audio {

namespace {

constexpr const char *kDeviceDriver = "waveout";
constexpr const char *kSilentDriver = "silent";
constexpr int kFrameBytes = 2 * int(sizeof(int16_t));

// About 46 ms per buffer, four in flight: a frame of the caller that stalls never starves the
// device, and closing waits at most a buffer period for the thread to notice.
constexpr int kBuffers = 4;

int bufferFrames(int sampleRate)
{
    int frames = 256;
    while (frames * 2 <= sampleRate / 16)
        frames *= 2;
    return frames;
}

} // namespace

struct OutputDriver::Impl {
    bool started = false;
    std::string name;
    std::string silentReason;
    int openDevices = 0;
};

// One stream: a thread that keeps the device's buffers filled, or, on the silent driver,
// consumes the same amount of samples per period against the clock.
struct OutputDevice::Impl {
    ~Impl() { close(); }

    bool openWave(int sampleRate);
    void start();
    void close();
    void runWave();
    void runSilent();
    void fillUnlocked(int16_t *frames, int count);

    OutputDriver::Impl *driver = nullptr;
    FillFunction fill = nullptr;
    void *user = nullptr;
    int sampleRate = 0;
    int frames = 0; // per buffer

    HWAVEOUT wave = nullptr; // null on the silent driver
    HANDLE doneEvent = nullptr;
    std::vector<std::vector<int16_t>> memory;
    std::vector<WAVEHDR> headers;

    std::mutex fillMutex; // held while fill runs; lock()/unlock() take it
    std::atomic<bool> paused{true};
    std::atomic<bool> quit{false};
    bool open = false;
    std::thread thread;
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

Result OutputDriver::start()
{
    if (mImpl->started)
        return Result::Ok;
    mImpl->started = true;
    mImpl->name = waveOutGetNumDevs() > 0 ? kDeviceDriver : kSilentDriver;
    if (mImpl->name == kSilentDriver)
        mImpl->silentReason = "no waveOut device";
    return Result::Ok;
}

void OutputDriver::stop()
{
    mImpl->started = false;
    mImpl->name.clear();
    mImpl->silentReason.clear();
}

bool OutputDevice::Impl::openWave(int rate)
{
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = DWORD(rate);
    format.wBitsPerSample = 16;
    format.nBlockAlign = kFrameBytes;
    format.nAvgBytesPerSec = DWORD(rate) * kFrameBytes;
    doneEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!doneEvent)
        return false;
    if (waveOutOpen(&wave, WAVE_MAPPER, &format, DWORD_PTR(doneEvent), 0, CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        wave = nullptr;
        CloseHandle(doneEvent);
        doneEvent = nullptr;
        return false;
    }
    memory.assign(kBuffers, std::vector<int16_t>(size_t(frames) * 2));
    headers.assign(kBuffers, WAVEHDR{});
    for (int i = 0; i < kBuffers; ++i) {
        headers[size_t(i)].lpData = reinterpret_cast<LPSTR>(memory[size_t(i)].data());
        headers[size_t(i)].dwBufferLength = DWORD(frames * kFrameBytes);
        waveOutPrepareHeader(wave, &headers[size_t(i)], sizeof(WAVEHDR));
    }
    return true;
}

void OutputDevice::Impl::start()
{
    open = true;
    thread = std::thread([this] { wave ? runWave() : runSilent(); });
}

void OutputDevice::Impl::fillUnlocked(int16_t *out, int count)
{
    std::lock_guard<std::mutex> hold(fillMutex);
    fill(user, out, count);
}

void OutputDevice::Impl::runWave()
{
    // Nothing is queued while paused, so a paused stream does not advance.
    bool playing = false;
    while (!quit) {
        if (paused) {
            if (playing) {
                waveOutPause(wave);
                playing = false;
            }
        } else {
            if (!playing) {
                waveOutRestart(wave);
                playing = true;
            }
            for (WAVEHDR &header : headers) {
                if (header.dwFlags & WHDR_INQUEUE)
                    continue;
                fillUnlocked(reinterpret_cast<int16_t *>(header.lpData), frames);
                waveOutWrite(wave, &header, sizeof(WAVEHDR));
            }
        }
        WaitForSingleObject(doneEvent, 20);
    }
}

void OutputDevice::Impl::runSilent()
{
    // Consumes one buffer per period on an absolute schedule, so a late wake-up is caught up
    // and the stream ends when it would have on a device.
    using Clock = std::chrono::steady_clock;
    std::vector<int16_t> scratch(size_t(frames) * 2);
    const auto period = std::chrono::duration<double>(double(frames) / sampleRate);
    auto due = Clock::now();
    while (!quit) {
        if (paused) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            due = Clock::now();
            continue;
        }
        fillUnlocked(scratch.data(), frames);
        due += std::chrono::duration_cast<Clock::duration>(period);
        std::this_thread::sleep_until(due);
    }
}

void OutputDevice::Impl::close()
{
    if (!open)
        return;
    quit = true;
    if (doneEvent)
        SetEvent(doneEvent);
    if (thread.joinable())
        thread.join();
    if (wave) {
        waveOutReset(wave);
        for (WAVEHDR &header : headers)
            waveOutUnprepareHeader(wave, &header, sizeof(WAVEHDR));
        waveOutClose(wave);
        wave = nullptr;
    }
    if (doneEvent) {
        CloseHandle(doneEvent);
        doneEvent = nullptr;
    }
    open = false;
    --driver->openDevices;
}

Result OutputDriver::openDevice(int sampleRate, FillFunction fill, void *user, std::unique_ptr<OutputDevice> *device)
{
    device->reset();
    if (!mImpl->started || sampleRate <= 0 || !fill)
        return Result::Output;
    auto made = std::make_unique<OutputDevice::Impl>();
    made->driver = mImpl.get();
    made->fill = fill;
    made->user = user;
    made->sampleRate = sampleRate;
    made->frames = bufferFrames(sampleRate);

    // No usable device: the silent driver takes over, as it would at start on a machine
    // without one. Switched only while nothing is open, so no stream changes driver midway.
    if (mImpl->name == kDeviceDriver && !made->openWave(sampleRate)) {
        if (mImpl->openDevices > 0)
            return Result::Output;
        mImpl->name = kSilentDriver;
        mImpl->silentReason = "the waveOut device did not open";
    }
    ++mImpl->openDevices;
    made->start();
    device->reset(new OutputDevice(std::move(made)));
    return Result::Ok;
}

OutputDevice::OutputDevice(std::unique_ptr<Impl> impl) : mImpl(std::move(impl)) {}

OutputDevice::~OutputDevice()
{
    close();
}

bool OutputDevice::isOpen() const
{
    return mImpl->open;
}

void OutputDevice::setPaused(bool paused)
{
    mImpl->paused = paused;
    if (mImpl->doneEvent)
        SetEvent(mImpl->doneEvent);
}

void OutputDevice::lock()
{
    mImpl->fillMutex.lock();
}

void OutputDevice::unlock()
{
    mImpl->fillMutex.unlock();
}

void OutputDevice::close()
{
    mImpl->close();
}

} // namespace lume::audio
