#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fraglume {

// How a frame's pixels reach a writer.
enum class FramePixels {
    Rgba,   // RGBA8, rows bottom-up, as GL reads them
    Yuv420, // yuv420p planes as rgbaToYuv420() makes them (Yuv420.h)
};

// Where rendered frames go. Frames arrive in order, laid out as pixels() asks. Output is
// written under a temporary name and only appears under the requested one at finish(): a
// writer destroyed before that (an error, Ctrl-C) removes what it wrote, so a truncated file
// never carries the requested name. Constructors and calls throw std::runtime_error with a
// one-line message.
class FrameWriter {
  public:
    virtual ~FrameWriter() = default;
    virtual FramePixels pixels() const = 0;
    // `frame` is the show's frame number (t = frame / fps).
    virtual void write(int64_t frame, const uint8_t *pixels) = 0;
    virtual void finish() = 0;
};

// The soundtrack of the rendered range: interleaved 16-bit stereo starting at the instant of
// the first frame, exactly as long as the frames (silence where the music has ended).
struct Soundtrack {
    int sampleRate = 0;
    std::vector<int16_t> samples; // 2 per sample frame
};

// The frames as NNNNNN.png (the show's frame number) in `folder`, which is created when it
// does not exist but its parent does. Each file appears whole: written aside, then renamed.
std::unique_ptr<FrameWriter> makePngSequenceWriter(const std::string &folder, int width, int height);

// H.264 (libx264, yuv420p, BT.709, constant quality `crf`) in MP4, or Matroska for a .mkv name, with
// the soundtrack as an AAC stream when it has samples.
std::unique_ptr<FrameWriter> makeVideoWriter(const std::string &path, int width, int height, int fps, int crf,
                                             const Soundtrack &sound);

// Throws when the folder a file is to be written in does not exist or cannot be written,
// naming the folder; checked before any work starts.
void checkOutputFolder(const std::string &folder);

} // namespace fraglume
