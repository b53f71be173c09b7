#pragma once

#include "framework/Rect.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace lume {

class Display;
using DisplayRef = std::shared_ptr<Display>;

// One monitor of the desktop. The list is built at the first query and kept: a monitor
// added or reconfigured later is not seen.
class Display {
  public:
    Display(const Area &area, int32_t bitsPerPixel, std::intptr_t native)
        : mArea(area), mBitsPerPixel(bitsPerPixel), mNative(native)
    {
    }

    // Virtual-screen pixels; x2 and y2 are exclusive.
    const Area &getArea() const { return mArea; }
    int32_t getWidth() const { return mArea.getWidth(); }
    int32_t getHeight() const { return mArea.getHeight(); }
    int32_t getBitsPerPixel() const { return mBitsPerPixel; }
    float getContentScale() const { return mContentScale; }
    // The platform's monitor handle.
    std::intptr_t getNative() const { return mNative; }

    // All displays, the main one (the one holding the desktop origin) first.
    static std::vector<DisplayRef> getDisplays();
    static DisplayRef getMainDisplay();
    // The display with this monitor handle, or the main display when none has it.
    static DisplayRef findFromNative(std::intptr_t native);
    // Drops the list so the next query enumerates again (tests).
    static void forgetDisplays();

  private:
    Area mArea;
    int32_t mBitsPerPixel;
    float mContentScale = 1.0f;
    std::intptr_t mNative;
};

} // namespace lume
