#include "app/render/Render.h"

#include "app/CommandLineError.h"
#include "app/Playlist.h"
#include "app/Uniforms.h"
#include "app/render/FrameTimeline.h"
#include "app/render/FrameWriter.h"
#include "app/render/Progress.h"
#include "app/render/ShowRenderer.h"
#include "app/render/Yuv420.h"
#include "audio/Mp3Decoder.h"
#include "framework/app/Platform.h"

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace fraglume {

namespace {

constexpr int kInterruptedStatus = 130;

// Encoding runs on a thread of its own, a few frames behind the renderer, at the lowest
// priority. The GL driver draws on threads of its own that meet at the end of every pass;
// an encoder of equal priority preempting one of them left the other waiting (measured: a
// third more time per frame for an eighth more work). At the lowest priority the encoder
// fills the gaps between passes and the time the render thread waits for a free slot. The
// lowest priority the platform grants rather than an idle class: beside other busy programs
// an idle-class thread all but stopped (a 2.6 s render took 57 s); at nice 19 it took 4.4 s.

class WriterThread {
  public:
    WriterThread(FrameWriter &writer, int width, int height) : mWriter(writer), mWidth(width), mHeight(height)
    {
        const size_t pixels = size_t(width) * size_t(height);
        for (auto &slot : mSlots)
            slot.pixels.resize(writer.pixels() == FramePixels::Rgba ? pixels * 4 : pixels * 3 / 2);
        mThread = std::thread([this] { run(); });
    }

    ~WriterThread() { stop(); }

    // Puts the frame into a free slot, waiting for one, in the layout the writer takes.
    // Rethrows the writer's failure.
    void push(int64_t frame, const uint8_t *rgba)
    {
        std::unique_lock lock(mMutex);
        mChanged.wait(lock, [this] { return mQueued < kDepth || mError; });
        if (mError)
            std::rethrow_exception(mError);
        Slot &slot = mSlots[(mFirst + mQueued) % kDepth];
        lock.unlock();
        // Only this thread fills the slot behind the queue; the writer does not look at it yet.
        // The colour conversion is done here, on the render thread, so that it overlaps with
        // the encoder's work instead of queueing behind it.
        if (mWriter.pixels() == FramePixels::Yuv420)
            rgbaToYuv420(rgba, mWidth, mHeight, slot.pixels.data());
        else
            std::memcpy(slot.pixels.data(), rgba, slot.pixels.size());
        slot.frame = frame;
        lock.lock();
        ++mQueued;
        mChanged.notify_all();
    }

    // Waits until every frame is written, then completes the output.
    void finish()
    {
        stop();
        if (mError)
            std::rethrow_exception(mError);
        mWriter.finish();
    }

  private:
    static constexpr int kDepth = 4;
    struct Slot {
        int64_t frame = 0;
        std::vector<uint8_t> pixels;
    };

    void stop()
    {
        {
            std::lock_guard lock(mMutex);
            mClosing = true;
        }
        mChanged.notify_all();
        if (mThread.joinable())
            mThread.join();
    }

    void run()
    {
        lume::app::platform().lowerThreadPriority();
        std::unique_lock lock(mMutex);
        for (;;) {
            mChanged.wait(lock, [this] { return mQueued > 0 || mClosing; });
            if (mQueued == 0 || mError)
                return;
            Slot &slot = mSlots[mFirst];
            lock.unlock();
            try {
                mWriter.write(slot.frame, slot.pixels.data());
            } catch (...) {
                lock.lock();
                mError = std::current_exception();
                mChanged.notify_all();
                return;
            }
            lock.lock();
            mFirst = (mFirst + 1) % kDepth;
            --mQueued;
            mChanged.notify_all();
        }
    }

    FrameWriter &mWriter;
    int mWidth, mHeight;
    Slot mSlots[kDepth];
    int mFirst = 0, mQueued = 0;
    bool mClosing = false;
    std::exception_ptr mError;
    std::mutex mMutex;
    std::condition_variable mChanged;
    std::thread mThread;
};

std::string seconds(double s)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", s);
    return text;
}

} // namespace

Soundtrack loadSoundtrack(int64_t first, int64_t count, int fps)
{
    Soundtrack sound;
    lume::audio::Mp3Decoder decoder;
    if (decoder.open(kSoundtrackFile) != lume::audio::Result::Ok) {
        std::fprintf(stderr, "fraglume: no %s in the working folder: the video has no sound\n", kSoundtrackFile);
        return sound;
    }
    sound.sampleRate = decoder.sampleRate();
    const int64_t begin = first * sound.sampleRate / fps;
    const int64_t length = (first + count) * sound.sampleRate / fps - begin;
    std::vector<int16_t> skipped(size_t(sound.sampleRate) * 2);
    for (int64_t left = begin; left > 0;) {
        const int got = decoder.read(skipped.data(), int(std::min<int64_t>(left, sound.sampleRate)));
        if (got <= 0)
            break;
        left -= got;
    }
    // Past the music's end the video is silent, but just as long.
    sound.samples.assign(size_t(length) * 2, 0);
    for (int64_t done = 0; done < length;) {
        const int got = decoder.read(&sound.samples[size_t(done) * 2], int(std::min<int64_t>(length - done, 65536)));
        if (got <= 0)
            break;
        done += got;
    }
    return sound;
}

bool renderRange(ShowRenderer &renderer, FrameWriter &writer, const FrameRange &range, int width, int height,
                 const std::function<void()> &frameDone, const std::function<bool()> &stop)
{
    WriterThread encoder(writer, width, height);
    auto sink = [&](int64_t frame, const uint8_t *rgba) {
        encoder.push(frame, rgba);
        frameDone();
    };
    const int64_t end = range.first + range.count;
    for (int64_t frame = renderer.nextFrame(); frame < end; ++frame) {
        if (stop())
            return false;
        if (!renderer.step(frame, frame >= range.first))
            break;
        renderer.collect(sink, false);
    }
    renderer.collect(sink, true);
    encoder.finish();
    return true;
}

int runRender(const RenderOptions &options)
{
    const std::string &target = options.output.empty() ? options.framesDir : options.output;
    const int64_t showFrames = showFrameCount(options.fps);
    const FrameRange range = frameRange(options.fps, options.from, options.to, showFrames);
    if (range.count == 0) {
        std::fprintf(stderr, "fraglume: --from %s is at or past the end of the show (%s at %d fps)\n",
                     seconds(options.from).c_str(), seconds(double(showFrames) / options.fps).c_str(), options.fps);
        return kBadCommandLineStatus;
    }
    // From here on an outside quit (Ctrl-C, SIGTERM) ends the render between two frames; the
    // platform takes those signals before any thread of the render starts.
    lume::app::Platform &platform = lume::app::platform();
    try {
        std::unique_ptr<FrameWriter> writer;
        if (options.output.empty())
            writer = makePngSequenceWriter(options.framesDir, options.width, options.height);
        else
            writer = makeVideoWriter(options.output, options.width, options.height, options.fps, options.crf,
                                     loadSoundtrack(range.first, range.count, options.fps));

        ShowRenderer::Setup setup;
        setup.width = options.width;
        setup.height = options.height;
        setup.fps = options.fps;
        setup.date = dateUniform(std::chrono::sys_seconds{std::chrono::seconds{options.date}});
        ShowRenderer renderer(setup);
        Progress progress(range.count, stderr);
        const bool complete = renderRange(
            renderer, *writer, range, options.width, options.height, [&progress] { progress.frameDone(); },
            [&platform] { return platform.quitRequested(); });
        if (!complete) {
            std::fputc('\n', stderr);
            std::fprintf(stderr, "fraglume: render interrupted; %s\n",
                         options.output.empty() ? ("the frames finished so far are in '" + target + "'").c_str()
                                                : ("nothing written to '" + target + "'").c_str());
            return kInterruptedStatus;
        }
        progress.finish();
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "fraglume: %s\n", error.what());
        return 1;
    }
}

} // namespace fraglume
