#include "app/authoring/FrameRateReadout.h"

#include <algorithm>

namespace fraglume {

std::optional<FrameRate> FrameRateReadout::frame(double now)
{
    if (!mStart) {
        mStart = mLast = now;
        return std::nullopt;
    }
    ++mFrames;
    mWorst = std::max(mWorst, now - mLast);
    mLast = now;
    const double span = now - *mStart;
    if (span < mInterval)
        return std::nullopt;
    FrameRate rate{mFrames / span, 1000.0 * span / mFrames, 1000.0 * mWorst};
    mStart = now;
    mFrames = 0;
    mWorst = 0.0;
    return rate;
}

} // namespace fraglume
