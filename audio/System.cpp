#include "audio/System.h"

#include "audio/Channel.h"
#include "audio/Mp3Decoder.h"
#include "audio/Output.h"
#include "audio/Sound.h"

#include <algorithm>

namespace lume::audio {

Result systemCreate(System **system)
{
    if (!system)
        return Result::InvalidParam;
    *system = new System();
    return Result::Ok;
}

System::System() : mDriver(std::make_unique<OutputDriver>()) {}

// Channels first: their audio threads read the sounds' decoders.
System::~System()
{
    for (auto &channel : mChannels)
        channel->stop();
    mChannels.clear();
    mSounds.clear();
    mDriver->stop();
}

Result System::init(int maxChannels)
{
    if (mInitialized)
        return Result::Initialized;
    if (maxChannels < 1)
        return Result::InvalidParam;
    Result result = mDriver->start();
    if (result != Result::Ok)
        return result;
    mMaxChannels = maxChannels;
    mInitialized = true;
    return Result::Ok;
}

Result System::createStream(const std::string &path, Sound **sound)
{
    if (!sound)
        return Result::InvalidParam;
    *sound = nullptr;
    if (!mInitialized)
        return Result::Uninitialized;
    auto decoder = std::make_unique<Mp3Decoder>();
    Result result = decoder->open(path);
    if (result != Result::Ok)
        return result;
    mSounds.emplace_back(new Sound(this, std::move(decoder)));
    *sound = mSounds.back().get();
    return Result::Ok;
}

Result System::playSound(Sound *sound, bool paused, Channel **channel)
{
    if (!channel)
        return Result::InvalidParam;
    *channel = nullptr;
    if (!mInitialized)
        return Result::Uninitialized;
    if (!sound)
        return Result::InvalidParam;
    if (!ownsSound(sound))
        return Result::InvalidHandle;

    if (sound->mChannel)
        sound->mChannel->stop();
    closeFinishedChannels();
    if (openChannelCount() >= mMaxChannels)
        return Result::NoChannel;
    if (!sound->mDecoder->rewind())
        return Result::Format;

    // The channel's state is complete before its device exists, so the audio thread never sees
    // it half made.
    std::unique_ptr<Channel> made(new Channel(sound));
    Result result = mDriver->openDevice(sound->mDecoder->sampleRate(), &Channel::fill, made.get(), &made->mDevice);
    if (result != Result::Ok)
        return result;
    sound->mChannel = made.get();
    if (!paused)
        made->mDevice->setPaused(false);
    mChannels.push_back(std::move(made));
    *channel = mChannels.back().get();
    return Result::Ok;
}

Result System::update()
{
    return mInitialized ? Result::Ok : Result::Uninitialized;
}

Result System::getDriverName(std::string *name) const
{
    if (!name)
        return Result::InvalidParam;
    if (!mInitialized)
        return Result::Uninitialized;
    *name = mDriver->name();
    return Result::Ok;
}

Result System::getSilentReason(std::string *reason) const
{
    if (!reason)
        return Result::InvalidParam;
    if (!mInitialized)
        return Result::Uninitialized;
    *reason = mDriver->silentReason();
    return Result::Ok;
}

Result System::release()
{
    delete this;
    return Result::Ok;
}

void System::destroySound(Sound *sound)
{
    if (sound->mChannel)
        sound->mChannel->stop();
    auto found =
        std::find_if(mSounds.begin(), mSounds.end(), [sound](const auto &owned) { return owned.get() == sound; });
    if (found != mSounds.end())
        mSounds.erase(found);
}

// A finished channel's device keeps its audio thread alive, writing silence; closing it
// waits for that thread, so it is done here rather than in update().
void System::closeFinishedChannels()
{
    for (auto &channel : mChannels) {
        bool playing = false;
        channel->isPlaying(&playing);
        if (!playing)
            channel->stop();
    }
}

int System::openChannelCount() const
{
    return int(std::count_if(mChannels.begin(), mChannels.end(),
                             [](const auto &channel) { return channel->mDevice && channel->mDevice->isOpen(); }));
}

bool System::ownsSound(const Sound *sound) const
{
    return std::any_of(mSounds.begin(), mSounds.end(), [sound](const auto &owned) { return owned.get() == sound; });
}

} // namespace lume::audio
