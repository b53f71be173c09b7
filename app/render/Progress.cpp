#include "app/render/Progress.h"

#include <cmath>

#include <unistd.h>

namespace fraglume {

namespace {
constexpr auto kTerminalPeriod = std::chrono::milliseconds(250);
constexpr auto kLogPeriod = std::chrono::seconds(5);
} // namespace

std::string progressLine(int64_t done, int64_t total, double framesPerSecond)
{
    char text[128];
    if (framesPerSecond > 0.0 && std::isfinite(framesPerSecond)) {
        const long long left = std::llround(double(total - done) / framesPerSecond);
        std::snprintf(text, sizeof text, "frame %lld/%lld  %.1f fps  %lld:%02lld left", static_cast<long long>(done),
                      static_cast<long long>(total), framesPerSecond, left / 60, left % 60);
    } else {
        std::snprintf(text, sizeof text, "frame %lld/%lld", static_cast<long long>(done),
                      static_cast<long long>(total));
    }
    return text;
}

Progress::Progress(int64_t total, std::FILE *stream)
    : mTotal(total), mStream(stream), mTerminal(::isatty(::fileno(stream)) != 0), mStart(Clock::now()),
      mLastReport(mStart)
{
}

void Progress::frameDone()
{
    ++mDone;
    const auto now = Clock::now();
    if (now - mLastReport >= (mTerminal ? kTerminalPeriod : kLogPeriod)) {
        mLastReport = now;
        report();
        if (!mTerminal)
            std::fputc('\n', mStream);
    }
}

void Progress::finish()
{
    report();
    std::fputc('\n', mStream);
}

void Progress::report()
{
    const double seconds = std::chrono::duration<double>(Clock::now() - mStart).count();
    const std::string line = progressLine(mDone, mTotal, seconds > 0.0 ? double(mDone) / seconds : 0.0);
    // On a terminal the line is drawn over the last one, and what it left beyond is cleared.
    std::fprintf(mStream, mTerminal ? "\r%s\033[K" : "%s", line.c_str());
    std::fflush(mStream);
}

} // namespace fraglume
