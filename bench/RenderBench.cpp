// The offline renderer's throughput at 640x480 against the scene pass alone on the same
// frames: the read-back's and the encoder's share of a frame's cost. The reference draws the
// same frames of the show (scene pass and wipe, each frame finished) without reading them
// back or encoding; the render reads them back through pixel buffers and encodes H.264 with
// the soundtrack on its own thread. Rounds alternate so both see the same machine load.
//
// Usage: bench_render [from-seconds] [to-seconds]   (default 30 to 50: scene 1, the first
// wipe and switch, scene 2); run from the folder that holds vell-short.mp3 for sound.
#include "app/Uniforms.h"
#include "app/render/FrameTimeline.h"
#include "app/render/Render.h"
#include "app/render/RenderOptions.h"
#include "app/render/ShowRenderer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>
#include <memory>

#include <unistd.h>

using namespace fraglume;

namespace {

constexpr int kWidth = 640, kHeight = 480, kFps = 30, kRounds = 2;

using Clock = std::chrono::steady_clock;

ShowRenderer::Setup setup(bool readBack)
{
    ShowRenderer::Setup s;
    s.width = kWidth;
    s.height = kHeight;
    s.fps = kFps;
    s.date = dateUniform(std::chrono::sys_seconds{std::chrono::seconds{946684800}});
    s.readBack = readBack;
    return s;
}

// Wall time and the CPU time of all the process's threads (GL driver, encoder, loader): on
// a shared machine the second shows the cost even when other work steals the cores.
struct Cost {
    double wall = 1e30, cpu = 1e30;
};

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

struct Timer {
    Clock::time_point wall = Clock::now();
    double cpu = cpuSeconds();
    void keepBest(Cost &best) const
    {
        best.wall = std::min(best.wall, std::chrono::duration<double>(Clock::now() - wall).count());
        best.cpu = std::min(best.cpu, cpuSeconds() - cpu);
    }
};

// Steps the renderer up to the range without drawing and lets the loader finish every
// scene, so no compile falls into the timed frames; not timed.
void preRoll(ShowRenderer &renderer, const FrameRange &range)
{
    for (int64_t frame = renderer.nextFrame(); frame < range.first; ++frame)
        renderer.step(frame, false);
    renderer.waitForLoader();
}

void scenePass(const FrameRange &range, Cost &best)
{
    ShowRenderer renderer(setup(false));
    preRoll(renderer, range);
    const Timer timer;
    for (int64_t frame = range.first; frame < range.first + range.count; ++frame)
        renderer.step(frame, true);
    timer.keepBest(best);
}

void render(const FrameRange &range, const Soundtrack &sound, const std::string &path, Cost &best)
{
    ShowRenderer renderer(setup(true));
    preRoll(renderer, range);
    std::unique_ptr<FrameWriter> writer = makeVideoWriter(path, kWidth, kHeight, kFps, RenderOptions{}.crf, sound);
    const Timer timer;
    renderRange(
        renderer, *writer, range, kWidth, kHeight, [] {}, [] { return false; });
    timer.keepBest(best);
    std::filesystem::remove(path);
}

} // namespace

int main(int argc, char **argv)
{
    try {
        const double from = argc > 1 ? std::atof(argv[1]) : 30.0;
        const double to = argc > 2 ? std::atof(argv[2]) : 50.0;
        const FrameRange range = frameRange(kFps, from, to, showFrameCount(kFps));
        const Soundtrack sound = loadSoundtrack(range.first, range.count, kFps);
        const std::string path =
            (std::filesystem::temp_directory_path() / ("bench-render-" + std::to_string(::getpid()) + ".mp4")).string();
        Cost pass, full;
        for (int round = 0; round < kRounds; ++round) {
            scenePass(range, pass);
            render(range, sound, path, full);
        }
        const double frames = double(range.count);
        std::printf("render at %dx%d, %d fps, %.1f s to %.1f s (%lld frames), best of %d rounds\n", kWidth, kHeight,
                    kFps, from, to, static_cast<long long>(range.count), kRounds);
        std::printf("scene pass alone:            %7.1f frames/s  %6.1f ms CPU/frame\n", frames / pass.wall,
                    1e3 * pass.cpu / frames);
        std::printf("render (read-back + H.264):  %7.1f frames/s  %6.1f ms CPU/frame\n", frames / full.wall,
                    1e3 * full.cpu / frames);
        std::printf("render / scene pass:         %7.3fx wall (target at most 1.15x), %.3fx CPU\n",
                    full.wall / pass.wall, full.cpu / pass.cpu);
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_render: %s\n", error.what());
        return 1;
    }
}
