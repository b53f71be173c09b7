#pragma once

#include "audio/Result.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace lume::audio {

class Channel;
class OutputDevice;
class Sound;

enum class ChannelCallbackType {
    End, // the stream played to its last sample; isPlaying() already reports false
};

// Called on the channel's audio thread, not the caller's, with the device locked: it must be
// quick and must not call into the engine. `data1` and `data2` are null for End. The result
// is ignored. A stop() or release does not call it.
using ChannelCallback = Result (*)(Channel *channel, ChannelCallbackType type, void *data1, void *data2);

// One playback of a sound on its own output device.
class Channel {
  public:
    // Sets or (with null) removes the callback. Once this returns, the old callback is not
    // running and will not be called again.
    Result setCallback(ChannelCallback callback);

    // True from playSound until the last decoded sample has been played or the channel was
    // stopped; a paused channel counts as playing.
    Result isPlaying(bool *playing) const;

    Result setPaused(bool paused);

    // Silences the channel now and closes its device (waits about a tenth of a second for the
    // audio thread). Stopping a finished or stopped channel does nothing and is not an error.
    Result stop();

  private:
    friend class Sound;
    friend class System;
    friend struct std::default_delete<Channel>;

    explicit Channel(Sound *sound);
    ~Channel();
    static void fill(void *self, int16_t *frames, int frameCount);
    void detach();

    Sound *mSound; // null once stopped
    std::unique_ptr<OutputDevice> mDevice;
    std::atomic<bool> mPlaying{true};
    bool mDrained = false;               // audio thread only: the decoder has delivered its last frame
    ChannelCallback mCallback = nullptr; // read on the audio thread under the device lock
};

} // namespace lume::audio
