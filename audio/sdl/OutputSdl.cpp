// The output layer over SDL2 audio. Only the audio subsystem is touched: video, events and
// the rest of SDL belong to the application framework.
#include "audio/Output.h"

#include <SDL.h>

#include <cstring>

namespace lume::audio {

namespace {

constexpr const char* kSilentDriver = "dummy";

// About 46 ms per buffer: short enough that closing a device (which waits two periods for
// the last buffer to drain) stays around a tenth of a second, long enough that a busy
// machine has time to run the audio thread.
Uint16 bufferFrames(int sampleRate) {
  int frames = 256;
  while (frames * 2 <= sampleRate / 16) frames *= 2;
  return Uint16(frames);
}

}  // namespace

OutputDriver::~OutputDriver() { stop(); }

Result OutputDriver::start() {
  if (mStarted) return Result::Ok;
  // SDL picks the driver: SDL_AUDIODRIVER if set, else the first one that initialises.
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    mStarted = true;
    const char* name = SDL_GetCurrentAudioDriver();
    mName = name ? name : "";
    return Result::Ok;
  }
  return startSilent();
}

Result OutputDriver::startSilent() {
  // The driver is chosen through the hint; override it only for this one initialisation so
  // that an SDL_AUDIODRIVER set by the user still counts for anything started later.
  SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, kSilentDriver, SDL_HINT_OVERRIDE);
  int rc = SDL_InitSubSystem(SDL_INIT_AUDIO);
  SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  if (rc != 0) return Result::Output;
  mStarted = true;
  mName = kSilentDriver;
  return Result::Ok;
}

void OutputDriver::stop() {
  if (!mStarted) return;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  mStarted = false;
  mName.clear();
}

Result OutputDriver::openDevice(int sampleRate, FillFunction fill, void* user,
                                std::unique_ptr<OutputDevice>* device) {
  device->reset();
  if (!mStarted) return Result::Output;
  std::unique_ptr<OutputDevice> opened(new OutputDevice(this, fill, user));

  SDL_AudioSpec want{};
  want.freq = sampleRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = bufferFrames(sampleRate);
  want.callback = &OutputDevice::callback;
  want.userdata = opened.get();
  // No allowed changes: SDL converts if the hardware wants another format, so the callback
  // always sees the file's own rate.
  SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);

  // No usable device. Switching drivers restarts SDL audio, which would cut off our other
  // devices and anyone else's, so it is done only when nothing is open and we are the only
  // holder of the audio subsystem.
  if (id == 0 && mName != kSilentDriver && mOpenDevices == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mStarted = false;
    if (SDL_WasInit(SDL_INIT_AUDIO) != 0) {
      start();
      return Result::Output;
    }
    if (startSilent() != Result::Ok) return Result::Output;
    id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  }
  if (id == 0) return Result::Output;

  opened->mId = id;
  ++mOpenDevices;
  *device = std::move(opened);
  return Result::Ok;
}

OutputDevice::~OutputDevice() { close(); }

void OutputDevice::callback(void* self, uint8_t* stream, int bytes) {
  auto* device = static_cast<OutputDevice*>(self);
  constexpr int kFrameBytes = 2 * int(sizeof(int16_t));
  device->mFill(device->mUser, reinterpret_cast<int16_t*>(stream), bytes / kFrameBytes);
}

void OutputDevice::setPaused(bool paused) {
  if (mId) SDL_PauseAudioDevice(mId, paused ? 1 : 0);
}

void OutputDevice::lock() {
  if (mId) SDL_LockAudioDevice(mId);
}

void OutputDevice::unlock() {
  if (mId) SDL_UnlockAudioDevice(mId);
}

void OutputDevice::close() {
  if (!mId) return;
  SDL_CloseAudioDevice(mId);
  mId = 0;
  --mDriver->mOpenDevices;
}

}  // namespace lume::audio
