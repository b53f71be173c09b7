// Frame pacing of the main loop at 60 frames per second (or the rate given) with a trivial draw (a clear), on
// the real backend: the periods between frame starts against the ideal 1/60 s, and the CPU
// the main thread uses while the loop waits for the next frame. Runs on $DISPLAY, or on a
// private Xvfb when there is none.
//
// Phases: 2 s unpaced (the loop never waits: measures what the swap and the event pump cost
// per frame), 1 s paced warm-up, 10 s paced measurement.
#include "framework/app/AppBasic.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Window.h"
#include "framework/gl/Draw.h"
#include "tests/window/XvfbSupport.h"

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace lume::app;

namespace {

// 60 by default; `bench_pacing 500` measures the show's rate at 1920x1080, where the period
// is shorter than the event wait's margin.
double sFrameRate = 60.0;
double sIdeal = 1.0 / sFrameRate;
constexpr double kCalibrationSeconds = 2.0;
constexpr double kWarmupSeconds = 1.0;
constexpr double kMeasureSeconds = 10.0;

double wallNow()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double threadCpuNow()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double processCpuNow()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// One frame: when its update started, and when its draw ended (before the swap).
struct Sample {
    double updateWall, updateCpu;
    double drawnWall = 0, drawnCpu = 0;
};

class PacingApp : public AppBasic {
  public:
    void prepareSettings(Settings *settings) override
    {
        settings->setFrameRate(static_cast<float>(sFrameRate));
        settings->defaultWindowFormat.size = {640, 480};
        settings->defaultWindowFormat.setPos({0, 0});
        settings->defaultWindowFormat.resizable = false;
    }
    void setup() override
    {
        getWindow()->getSignalPostDraw().connect([this] {
            if (mCurrent) {
                mCurrent->drawnWall = wallNow();
                mCurrent->drawnCpu = threadCpuNow();
            }
        });
        disableFrameRate();
        mPhaseStart = wallNow();
    }
    void update() override
    {
        const double now = wallNow();
        const double cpu = threadCpuNow();
        const double inPhase = now - mPhaseStart;
        if (mPhase == 0 && inPhase >= kCalibrationSeconds) {
            mPhase = 1;
            mPhaseStart = now;
            setFrameRate(static_cast<float>(sFrameRate));
        } else if (mPhase == 1 && inPhase >= kWarmupSeconds) {
            mPhase = 2;
            mPhaseStart = now;
            mProcessCpuStart = processCpuNow();
        } else if (mPhase == 2 && inPhase >= kMeasureSeconds) {
            mProcessCpu = processCpuNow() - mProcessCpuStart;
            mMeasuredWall = inPhase;
            quit();
        }
        std::vector<Sample> *target = mPhase == 0 ? &mCalibration : mPhase == 2 ? &mMeasured : nullptr;
        if (target) {
            target->push_back({now, cpu});
            mCurrent = &target->back();
        } else {
            mCurrent = nullptr;
        }
    }
    void draw() override { lume::gl::clear(lume::ColorA{0.1f, 0.1f, 0.1f, 1.0f}); }
    void shutdown() override { report(); }

  private:
    // CPU and wall time from the end of each draw to the next update: swap, pump and wait.
    static void betweenFrames(const std::vector<Sample> &samples, double &cpu, double &wall, size_t &count)
    {
        cpu = wall = 0;
        count = 0;
        for (size_t i = 0; i + 1 < samples.size(); ++i) {
            if (samples[i].drawnWall == 0)
                continue;
            cpu += samples[i + 1].updateCpu - samples[i].drawnCpu;
            wall += samples[i + 1].updateWall - samples[i].drawnWall;
            ++count;
        }
    }

    void report() const
    {
        if (mMeasured.size() < 3) {
            std::printf("bench_pacing: too few frames measured (%zu)\n", mMeasured.size());
            return;
        }
        std::vector<double> periods, deviations;
        for (size_t i = 1; i < mMeasured.size(); ++i) {
            const double period = mMeasured[i].updateWall - mMeasured[i - 1].updateWall;
            periods.push_back(period);
            deviations.push_back(std::fabs(period - sIdeal));
        }
        const double mean = (mMeasured.back().updateWall - mMeasured.front().updateWall) / periods.size();
        std::sort(deviations.begin(), deviations.end());
        const auto quantile = [&](double q) {
            return deviations[std::min(deviations.size() - 1, static_cast<size_t>(q * (deviations.size() - 1) + 0.5))];
        };

        double calCpu, calWall, paceCpu, paceWall;
        size_t calCount, paceCount;
        betweenFrames(mCalibration, calCpu, calWall, calCount);
        betweenFrames(mMeasured, paceCpu, paceWall, paceCount);
        const double swapCpuPerFrame = calCount ? calCpu / calCount : 0;
        const double swapWallPerFrame = calCount ? calWall / calCount : 0;
        const double waitCpu = std::max(0.0, paceCpu - swapCpuPerFrame * paceCount);
        const double waitWall = std::max(1e-9, paceWall - swapWallPerFrame * paceCount);

        std::printf("bench_pacing: %zu frames paced at %.0f fps over %.2f s (ideal period %.3f ms)\n", mMeasured.size(),
                    sFrameRate, mMeasuredWall, sIdeal * 1e3);
        std::printf("  mean period        %.5f x ideal  (%.4f ms)        target: within 0.005 of 1\n", mean / sIdeal,
                    mean * 1e3);
        std::printf("  deviation p50      %.4f x ideal  (%.3f ms)\n", quantile(0.50) / sIdeal, quantile(0.50) * 1e3);
        std::printf("  deviation p99      %.4f x ideal  (%.3f ms)        target: under 1 ms\n", quantile(0.99) / sIdeal,
                    quantile(0.99) * 1e3);
        std::printf("  deviation max      %.4f x ideal  (%.3f ms)\n", deviations.back() / sIdeal,
                    deviations.back() * 1e3);
        std::printf("  unpaced frame      %.3f ms, of which swap and event pump %.3f ms (%.0f fps unpaced)\n",
                    calCount ? (mCalibration.back().updateWall - mCalibration.front().updateWall) /
                                   (mCalibration.size() - 1) * 1e3
                             : 0.0,
                    swapWallPerFrame * 1e3,
                    calCount
                        ? (mCalibration.size() - 1) / (mCalibration.back().updateWall - mCalibration.front().updateWall)
                        : 0.0);
        std::printf("  main-thread CPU between frames  %.4f of one core (swap and pump included)\n",
                    paceCpu / std::max(paceWall, 1e-9));
        std::printf("  main-thread CPU while waiting   %.4f of one core  target: under 0.05\n", waitCpu / waitWall);
        std::printf("  process CPU per second          %.4f of one core (all threads, drawing included)\n",
                    mProcessCpu / mMeasuredWall);
    }

    int mPhase = 0;
    double mPhaseStart = 0;
    double mProcessCpuStart = 0, mProcessCpu = 0, mMeasuredWall = 0;
    std::vector<Sample> mCalibration, mMeasured;
    Sample *mCurrent = nullptr;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1) {
        sFrameRate = std::atof(argv[1]);
        if (!(sFrameRate > 0.0 && sFrameRate <= 10000.0)) {
            std::fprintf(stderr, "bench_pacing: the frame rate must be a number from 0 to 10000, not \"%s\"\n",
                         argv[1]);
            return 2;
        }
        sIdeal = 1.0 / sFrameRate;
    }
    std::unique_ptr<lume::test::XvfbServer> server;
    if (!std::getenv("DISPLAY")) {
        server = std::make_unique<lume::test::XvfbServer>(1920, 1080);
        setenv("DISPLAY", server->display().c_str(), 1);
        std::printf("bench_pacing: no display; running on a private Xvfb at %s\n", server->display().c_str());
    }
    // The application reports its measurements from shutdown.
    return launchApplication(new PacingApp, std::make_shared<RendererGl>(0), "bench_pacing");
}
