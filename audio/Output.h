#pragma once

#include "audio/Result.h"

#include <cstdint>
#include <memory>
#include <string>

namespace lume::audio {

// Fills `frameCount` interleaved stereo 16-bit frames. Called on the device's audio thread,
// never while the owner holds the device lock.
using FillFunction = void (*)(void *user, int16_t *frames, int frameCount);

class OutputDevice;

// The platform's audio output layer, held by one System while it is initialised. Each
// platform implements this header in its own folder (sdl/ here); nothing of the platform's
// audio API shows through it.
//
// Machines without a sound card (build servers, CI) cannot open a real device. Rather than
// leave the caller without playback, the driver then switches to a silent driver that still
// consumes samples in real time, so a stream advances and ends exactly as it would on
// speakers. The switch is made when the first device fails to open (or at start when the
// platform layer cannot start at all); name() tells which driver is in use.
class OutputDriver {
  public:
    OutputDriver();
    ~OutputDriver();
    OutputDriver(const OutputDriver &) = delete;
    OutputDriver &operator=(const OutputDriver &) = delete;

    Result start();
    // Every device must be closed first.
    void stop();
    // Empty while stopped.
    const std::string &name() const;
    // Set once the driver has switched to silence because no device could be used: the
    // platform's own words for why, in one line. Empty otherwise, also when silence was asked
    // for by name.
    const std::string &silentReason() const;

    // Opens a paused stereo 16-bit device at `sampleRate`; `fill` feeds it once it is resumed.
    Result openDevice(int sampleRate, FillFunction fill, void *user, std::unique_ptr<OutputDevice> *device);

  private:
    friend class OutputDevice;
    struct Impl;
    std::unique_ptr<Impl> mImpl;
};

// One open output stream with its own audio thread.
class OutputDevice {
  public:
    ~OutputDevice();
    OutputDevice(const OutputDevice &) = delete;
    OutputDevice &operator=(const OutputDevice &) = delete;

    bool isOpen() const;
    void setPaused(bool paused);
    // While locked, the fill function is not running and will not start.
    void lock();
    void unlock();
    // Stops the audio thread and waits for it (about two buffer periods); the fill function is
    // never called after this returns.
    void close();

  private:
    friend class OutputDriver;
    struct Impl;
    explicit OutputDevice(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> mImpl;
};

} // namespace lume::audio
