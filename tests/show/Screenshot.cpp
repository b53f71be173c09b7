#include "tests/show/Screenshot.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>

namespace lume::test {

namespace {

// One colour channel of a pixel as 0 to 255, wherever its mask puts it.
unsigned char channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    const unsigned long maximum = mask >> shift;
    return static_cast<unsigned char>(((pixel & mask) >> shift) * 255 / maximum);
}

} // namespace

double Screenshot::litShare(int y0, int y1) const
{
    if (width == 0 || y1 <= y0)
        return 0.0;
    size_t lit = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned char *p = &rgb[size_t((y * width + x) * 3)];
            if (p[0] + p[1] + p[2] > 24)
                ++lit;
        }
    return double(lit) / double((y1 - y0) * width);
}

double Screenshot::differenceTo(const Screenshot &other) const
{
    if (rgb.size() != other.rgb.size() || rgb.empty())
        return 0.0;
    double sum = 0.0;
    for (size_t i = 0; i < rgb.size(); ++i)
        sum += std::abs(int(rgb[i]) - int(other.rgb[i]));
    return sum / double(rgb.size());
}

Screenshot takeScreenshot(const std::string &display)
{
    // Straight from the server: a few milliseconds, so a poll sees even a short moment (an
    // external grabber takes a good part of a second on a busy machine).
    Screenshot shot;
    Display *x = XOpenDisplay(display.c_str());
    if (!x)
        return shot;
    XWindowAttributes attributes;
    const Window root = DefaultRootWindow(x);
    XGetWindowAttributes(x, root, &attributes);
    if (XImage *image =
            XGetImage(x, root, 0, 0, unsigned(attributes.width), unsigned(attributes.height), AllPlanes, ZPixmap)) {
        shot.width = image->width;
        shot.height = image->height;
        shot.rgb.resize(size_t(shot.width) * size_t(shot.height) * 3);
        unsigned char *out = shot.rgb.data();
        for (int y = 0; y < shot.height; ++y)
            for (int x0 = 0; x0 < shot.width; ++x0) {
                const unsigned long pixel = XGetPixel(image, x0, y);
                *out++ = channel(pixel, image->red_mask);
                *out++ = channel(pixel, image->green_mask);
                *out++ = channel(pixel, image->blue_mask);
            }
        XDestroyImage(image);
    }
    XCloseDisplay(x);
    return shot;
}

} // namespace lume::test
