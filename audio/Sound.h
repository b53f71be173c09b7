#pragma once

#include "audio/Result.h"

#include <memory>

namespace lume::audio {

class Channel;
class Mp3Decoder;
class System;

// An opened MP3 stream. Made by System::createStream, played by System::playSound.
class Sound {
  public:
    // Total length in seconds, exact to the sample (the decoder scans the whole file at open).
    Result getDuration(double *seconds) const;

    // Stops the channel playing this sound, if any, and frees the sound. The handle is invalid
    // afterwards; the channel handle stays valid and reports that it is not playing.
    Result release();

  private:
    friend class Channel;
    friend class System;
    friend struct std::default_delete<Sound>;

    Sound(System *system, std::unique_ptr<Mp3Decoder> decoder);
    ~Sound();

    System *mSystem;
    std::unique_ptr<Mp3Decoder> mDecoder;
    Channel *mChannel = nullptr; // the channel currently holding the decoder, if any
};

} // namespace lume::audio
