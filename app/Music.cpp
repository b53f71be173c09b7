// The soundtrack: one MP3 stream from the working folder, started once and never consulted.
#include "app/FraglumeApp.h"

#include "app/Playlist.h"

#include "audio/Channel.h"
#include "audio/Mp3Decoder.h"
#include "audio/Sound.h"
#include "audio/System.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace fraglume {

using namespace lume;

namespace {

audio::System *sMusicSystem = nullptr;
audio::Sound *sMusicSound = nullptr;
audio::Channel *sMusicChannel = nullptr;

// Called by the engine on its own audio thread: touches nothing.
audio::Result musicChannelCallback(audio::Channel *, audio::ChannelCallbackType, void *, void *)
{
    return audio::Result::Ok;
}

} // namespace

void FraglumeApp::startMusic()
{
    audio::systemCreate(&sMusicSystem);
    if (sMusicSystem)
        sMusicSystem->init(32);
    sMusicSound = nullptr;
    sMusicChannel = nullptr;
    playMusic(std::filesystem::path(kSoundtrackFile));
}

void FraglumeApp::playMusic(const std::filesystem::path &path)
{
    if (path.empty() || !sMusicSystem)
        return;
    // A missing soundtrack is not an error: the show runs silently.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || error)
        return;
    if (sMusicChannel)
        stopMusic();
    const audio::Result result = sMusicSystem->createStream(path.string(), &sMusicSound);
    // The soundtrack is there but the system cannot decode it at all (Windows without Media
    // Foundation): unlike a missing file, this is worth a line, since nothing else would tell.
    if (result == audio::Result::NoDecoder)
        console() << "The music is off: " << audio::Mp3Decoder::missingDecoder() << "; the show runs silently."
                  << std::endl;
    if (!sMusicSound)
        return;
    sMusicSystem->playSound(sMusicSound, false, &sMusicChannel);
    if (sMusicChannel)
        sMusicChannel->setCallback(musicChannelCallback);
    // The one thing a machine without a sound card hears about it: the engine holds the
    // sound library's own probing messages back and names the reason here.
    std::string silentReason;
    if (sMusicSystem->getSilentReason(&silentReason) == audio::Result::Ok && !silentReason.empty())
        console() << "No sound device (" << silentReason << "); the show runs silently." << std::endl;
}

void FraglumeApp::stopMusic()
{
    if (!sMusicSound)
        return;
    if (sMusicChannel) {
        sMusicChannel->setCallback(nullptr);
        bool playing = false;
        sMusicChannel->isPlaying(&playing);
        if (playing)
            sMusicChannel->stop();
    }
    sMusicSound->release();
    sMusicSound = nullptr;
    sMusicChannel = nullptr;
}

void FraglumeApp::updateMusic()
{
    if (sMusicSystem)
        sMusicSystem->update();
}

void FraglumeApp::shutdownMusic()
{
    if (sMusicChannel && sMusicSound)
        stopMusic();
    if (sMusicSystem) {
        // Releasing deletes the engine; the handle must not be used again.
        sMusicSystem->release();
        sMusicSystem = nullptr;
    }
}

} // namespace fraglume
