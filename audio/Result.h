#pragma once

namespace lume::audio {

// Outcome of every engine call. Callers may ignore it (the player does): on any result but Ok
// every out-handle the call was given is null, so a failed open or play leaves nothing to
// release and nothing that plays.
enum class Result {
    Ok = 0,
    InvalidParam,  // a null out-pointer, a channel count below one
    InvalidHandle, // a sound this system did not create or has already released
    Initialized,   // init() on a system that is already initialised
    Uninitialized, // a call that needs init() first
    FileNotFound,  // nothing at that path
    FileBad,       // something at that path, but not a readable regular file (a directory)
    Format,        // a readable file that holds no MPEG audio the decoder can read
    NoDecoder,     // the system has no MP3 decoder at all (Mp3Decoder::missingDecoder says why)
    NoChannel,     // as many channels as init() allowed are already playing
    Output,        // no output device could be opened, not even the silent one
};

} // namespace lume::audio
