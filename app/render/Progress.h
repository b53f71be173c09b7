#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace fraglume {

// One progress report: "frame 1200/22200  41.2 fps  8:32 left".
std::string progressLine(int64_t done, int64_t total, double framesPerSecond);

// The render's progress on standard error: redrawn in place on a terminal, a plain line every
// few seconds when the stream is a file or a pipe (a log should not fill with redraws).
class Progress {
  public:
    Progress(int64_t total, std::FILE *stream);
    void frameDone();
    // The last report, ended with a line break.
    void finish();

  private:
    using Clock = std::chrono::steady_clock;
    void report();

    int64_t mTotal;
    int64_t mDone = 0;
    std::FILE *mStream;
    bool mTerminal;
    Clock::time_point mStart, mLastReport;
};

} // namespace fraglume
