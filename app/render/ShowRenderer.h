#pragma once

#include "framework/Vector.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace fraglume {

// The show drawn off screen, frame by frame, by the player's own show engine (ShowEngine) on
// a frame clock: frame n is the show at n / fps seconds, and the hand-over waits for the
// program a frame needs. Nothing reads the wall clock: "iDate" is fixed and "iMouse" zero.
// The context is headless (SDL's offscreen driver over EGL): no window, no X server, no
// display-mode change. What is the render's own: that context, the wipe's buffer, and the
// read-back.
//
// Pixels come back asynchronously through pixel buffer objects, so the CPU copies frame n
// while GL is already drawing frame n + 1.
class ShowRenderer {
  public:
    struct Setup {
        int width = 0, height = 0, fps = 0;
        lume::Vec4f date; // "iDate"
        // Off: frames are drawn and finished but not read back (the benchmark's reference).
        bool readBack = true;
    };
    // Throws std::runtime_error when the context, the images or the transition cannot be made.
    explicit ShowRenderer(const Setup &setup);
    ~ShowRenderer();
    ShowRenderer(const ShowRenderer &) = delete;
    ShowRenderer &operator=(const ShowRenderer &) = delete;

    // The frame update and draw of `frame`; frames come in order from 0. Without `draw` only
    // the show moves on (frames before the rendered range). Waits for the loader when the
    // frame needs the next scene. False once the show is over: that frame is not drawn.
    bool step(int64_t frame, bool draw);
    // Waits until the loader has built every scene (benchmarks time frames without it).
    void waitForLoader();
    // The frame step() expects next.
    int64_t nextFrame() const;

    // Hands the drawn frames whose pixels have arrived to `sink`, oldest first: RGBA8, rows
    // bottom-up, valid during the call. With `all`, waits for every frame drawn so far.
    using Sink = std::function<void(int64_t frame, const uint8_t *rgba)>;
    void collect(const Sink &sink, bool all);

  private:
    struct Impl;
    std::unique_ptr<Impl> mImpl;
};

} // namespace fraglume
