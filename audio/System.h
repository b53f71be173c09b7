#pragma once

#include "audio/Result.h"

#include <memory>
#include <string>
#include <vector>

namespace lume::audio {

class Channel;
class OutputDriver;
class Sound;

// The audio engine: opens MP3 files as streams and plays each one on its own output device,
// opened at the file's own sample rate.
//
// Threads: all calls on a system and on its sounds and channels come from one thread, the
// caller's. Decoding happens on each device's audio thread, so playback keeps going however
// long the caller goes without calling in; update() is not needed to keep a stream fed.
//
// Ownership: the system owns every sound and channel it hands out. A channel stays valid
// (and answers isPlaying() with false once done) until the system is released; a sound stays
// valid until its own release() or the system's. After System::release() every handle from
// it is gone.
//
// Typical use:
//   systemCreate(&system); system->init(32);
//   system->createStream("music.mp3", &sound); system->playSound(sound, false, &channel);
//   ... channel->isPlaying(&playing) ...
//   channel->stop(); sound->release(); system->release();
class System {
  public:
    // Starts audio output with room for `maxChannels` channels playing at once (at least 1).
    Result init(int maxChannels);

    // Opens the MP3 file at `path` (UTF-8) for streaming. On failure *sound is null.
    Result createStream(const std::string &path, Sound **sound);

    // Starts `sound` from its beginning on a new channel, paused if asked. A sound plays on one
    // channel at a time: playing it again stops the channel it was on. Channels that have
    // finished are closed here. On failure *channel is null.
    Result playSound(Sound *sound, bool paused, Channel **channel);

    // Per-frame call kept for callers that expect one; the engine needs no help from it.
    Result update();

    // The output driver in use ("dummy" when no real device could be opened).
    Result getDriverName(std::string *name) const;
    // Why output is silent when no device could be used (one line in the platform's words);
    // empty while a device plays, or when the silent driver was asked for by name.
    Result getSilentReason(std::string *reason) const;

    // Stops every channel, frees every sound and channel, stops audio output and deletes the
    // system itself.
    Result release();

  private:
    friend Result systemCreate(System **system);
    friend class Sound;
    friend struct std::default_delete<System>;

    System();
    ~System();
    void destroySound(Sound *sound);
    void closeFinishedChannels();
    int openChannelCount() const;
    bool ownsSound(const Sound *sound) const;

    bool mInitialized = false;
    int mMaxChannels = 0;
    std::unique_ptr<OutputDriver> mDriver;
    std::vector<std::unique_ptr<Sound>> mSounds;
    std::vector<std::unique_ptr<Channel>> mChannels;
};

// Creates an uninitialised system; call init() next.
Result systemCreate(System **system);

} // namespace lume::audio
