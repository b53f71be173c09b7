#include "audio/Channel.h"

#include "audio/Mp3Decoder.h"
#include "audio/Output.h"
#include "audio/Sound.h"

#include <algorithm>

namespace lume::audio {

Channel::Channel(Sound *sound) : mSound(sound) {}

Channel::~Channel()
{
    stop();
}

// Decoding happens here, on the audio thread, so the stream is fed for as long as the device
// runs, whatever the caller's thread is doing.
void Channel::fill(void *self, int16_t *frames, int frameCount)
{
    auto *channel = static_cast<Channel *>(self);
    int written = 0;
    if (channel->mDrained) {
        // The buffer before this one held the last samples, and the device has taken it: the
        // stream has now been played out.
        if (channel->mPlaying.exchange(false) && channel->mCallback) {
            channel->mCallback(channel, ChannelCallbackType::End, nullptr, nullptr);
        }
    } else {
        written = channel->mSound->mDecoder->read(frames, frameCount);
        if (written < frameCount)
            channel->mDrained = true;
    }
    std::fill(frames + written * Mp3Decoder::kChannels, frames + frameCount * Mp3Decoder::kChannels, int16_t(0));
}

Result Channel::setCallback(ChannelCallback callback)
{
    if (mDevice)
        mDevice->lock();
    mCallback = callback;
    if (mDevice)
        mDevice->unlock();
    return Result::Ok;
}

Result Channel::isPlaying(bool *playing) const
{
    if (!playing)
        return Result::InvalidParam;
    *playing = mPlaying.load();
    return Result::Ok;
}

Result Channel::setPaused(bool paused)
{
    if (mDevice)
        mDevice->setPaused(paused);
    return Result::Ok;
}

Result Channel::stop()
{
    if (mDevice) {
        // Silence first (the device stops calling fill at once), then wait for its thread.
        mDevice->setPaused(true);
        mDevice->close();
    }
    mPlaying.store(false);
    detach();
    return Result::Ok;
}

void Channel::detach()
{
    if (mSound && mSound->mChannel == this)
        mSound->mChannel = nullptr;
    mSound = nullptr;
}

} // namespace lume::audio
