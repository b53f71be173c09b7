#include "audio/Result.h"

namespace lume::audio {

const char *resultText(Result result)
{
    switch (result) {
    case Result::Ok: return "ok";
    case Result::InvalidParam: return "invalid parameter";
    case Result::InvalidHandle: return "invalid handle";
    case Result::Initialized: return "already initialised";
    case Result::Uninitialized: return "not initialised";
    case Result::FileNotFound: return "file not found";
    case Result::FileBad: return "not a readable file";
    case Result::Format: return "not a decodable MP3 stream";
    case Result::NoDecoder: return "no MP3 decoder on this system";
    case Result::NoChannel: return "no free channel";
    case Result::Output: return "no audio output device";
    }
    return "unknown result";
}

} // namespace lume::audio
