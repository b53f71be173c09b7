// The render thread's frames while the loader builds the fifteen playlist scenes in its own
// context: the worst frame against the steady median of the same scene. Then the first frame
// of every handed-over scene against its second, with and without the loader's warm-up draw.
//
// Usage: player_compile_bench [--no-cache] [--no-warm-up]
// By default Mesa's shader cache starts empty in a fresh folder, as on the first run of the
// show on a machine: every compile is real, and what the loader's warm-up leaves in the cache
// is there for the render context. --no-cache turns the cache off altogether; --no-warm-up
// skips the loader's warm-up draw (one configuration per run, each with its own cache).
#include "PlayerBenchSupport.h"

#include "app/SceneAssembly.h"
#include "app/SceneLoader.h"
#include "framework/gl/Draw.h"
#include "framework/gl/Fbo.h"
#include "framework/gl/GlslProg.h"
#include "tests/support/GlContext.h"

#include <atomic>
#include <cstring>
#include <cstdlib>
#include <iostream>
#include <thread>

using namespace lume;

namespace {

constexpr int kWidth = 640, kHeight = 480;

struct Frame {
    app::ImageSlots &images;
    gl::Fbo &fbo;
    void operator()(const std::shared_ptr<gl::GlslProg> &program, int layout) const
    {
        app::SceneInputs inputs;
        inputs.resolution = {kWidth, kHeight};
        inputs.clock = bench::nowSeconds;
        inputs.images = &images;
        app::bindChannels(images, layout);
        app::renderScene(fbo, program, inputs);
        gl::draw(fbo.getTexture(0), Rectf{0, 0, float(kWidth), float(kHeight)});
    }
};

struct Built {
    std::shared_ptr<gl::GlslProg> program;
    int position;
};

// Runs the loader over the playlist while `frame` keeps drawing; returns the frame times and
// the built scenes in hand-over order.
std::vector<double> loadWhileDrawing(test::GlContext &context, app::ImageSlots &images, bool warmUp,
                                     const std::function<void()> &frame, std::vector<Built> &built)
{
    app::JobQueue loadQueue, readyQueue;
    app::Console console(std::shared_ptr<std::ostream>(&std::cerr, [](std::ostream *) {}));
    app::SceneLoader loader(loadQueue, readyQueue, console);
    std::atomic<bool> imagesReady{true}, stop{false};
    loader.setImages(&images, &imagesReady);
    loader.setWarmUp(warmUp);
    auto shared = context.createSharedContext();
    std::thread thread([&] { shared->runOnThread([&] { loader.run(stop); }); });
    for (const app::PlaylistEntry &e : app::kPlaylist)
        loader.submit({e.sceneId, L"", nullptr, e.position});

    std::vector<double> times;
    while (loader.pending() > 0 || readyQueue.hasJobs()) {
        times.push_back(bench::timeFrame(frame));
        // The hand-over as the frame update does it: one job per frame.
        if (readyQueue.hasJobs()) {
            app::LoadJob job;
            readyQueue.pop(job);
            built.push_back({job.program, job.position});
        }
    }
    stop = true;
    thread.join();
    return times;
}

// First and second frame of each built scene, drawn in playlist order as the show would.
void firstFrames(const char *label, const std::vector<Built> &built, const Frame &frame)
{
    double worst = 0.0, sum = 0.0, firstSum = 0.0;
    for (const Built &b : built) {
        const int layout = app::kPlaylist[size_t(b.position - 1)].timing.channelLayout;
        const double first = bench::timeFrame([&] { frame(b.program, layout); });
        const double second = bench::timeFrame([&] { frame(b.program, layout); });
        worst = std::max(worst, first / second);
        sum += first / second;
        firstSum += first - second;
    }
    std::printf("hand-over %s: first frame / second frame: mean %.2f, worst %.2f; extra %.1f ms per scene\n", label,
                sum / double(built.size()), worst, firstSum / double(built.size()) * 1e3);
}

} // namespace

int main(int argc, char **argv)
{
    bool cache = true, warmUp = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-cache") == 0)
            cache = false;
        else if (std::strcmp(argv[i], "--no-warm-up") == 0)
            warmUp = false;
    }
    if (cache) {
        char dir[] = "/tmp/player-compile-bench-XXXXXX";
        if (!mkdtemp(dir))
            return 1;
        setenv("MESA_SHADER_CACHE_DIR", dir, 1);
        unsetenv("MESA_SHADER_CACHE_DISABLE");
    } else {
        setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
    }
    std::printf("shader cache %s, warm-up %s\n", cache ? "empty at start" : "off", warmUp ? "on" : "off");
    test::GlContext context(kWidth, kHeight);
    app::setWindowMatrices(kWidth, kHeight);
    app::ImageSlots images = bench::loadShowImages();
    gl::Fbo fbo(kWidth, kHeight);
    fbo.getTexture(0).setFlipped();
    const Frame frame{images, fbo};

    auto steadyProgram = app::buildSceneProgramFromResources(app::kPlaylist.front().sceneId);
    auto steadyFrame = [&] { frame(steadyProgram, 0); };
    for (int i = 0; i < 20; ++i)
        bench::timeFrame(steadyFrame);
    std::vector<double> steady;
    for (int i = 0; i < 120; ++i)
        steady.push_back(bench::timeFrame(steadyFrame));
    const double steadyMedian = bench::median(steady);

    std::vector<Built> built;
    const std::vector<double> during = loadWhileDrawing(context, images, warmUp, steadyFrame, built);
    std::vector<double> sorted = during;
    std::sort(sorted.begin(), sorted.end());
    const double worst = sorted.back();
    const double p90 = sorted[sorted.size() * 9 / 10];
    std::printf("compile hitch: %zu scenes built over %zu frames; worst frame %.2f ms (90th percentile %.2f ms), "
                "steady median %.2f ms, ratio %.2f (target <= 1.5)\n",
                built.size(), during.size(), worst * 1e3, p90 * 1e3, steadyMedian * 1e3, worst / steadyMedian);
    firstFrames(warmUp ? "with warm-up" : "without warm-up", built, frame);
    return 0;
}
