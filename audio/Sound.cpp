#include "audio/Sound.h"

#include "audio/Mp3Decoder.h"
#include "audio/System.h"

namespace lume::audio {

Sound::Sound(System *system, std::unique_ptr<Mp3Decoder> decoder) : mSystem(system), mDecoder(std::move(decoder)) {}

Sound::~Sound() = default;

Result Sound::getDuration(double *seconds) const
{
    if (!seconds)
        return Result::InvalidParam;
    *seconds = mDecoder->durationSeconds();
    return Result::Ok;
}

Result Sound::release()
{
    mSystem->destroySound(this);
    return Result::Ok;
}

} // namespace lume::audio
