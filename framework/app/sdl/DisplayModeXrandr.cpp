#include "framework/app/sdl/DisplayModeXrandr.h"

#include "framework/app/sdl/X11Util.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace lume::app::xrandr {

namespace {

std::mutex sMutex;
using x11::ErrorTrap;

struct DisplayConnection : x11::Connection {};

// The configuration in force before this process first changed it.
struct Original {
    bool valid = false;
    RRCrtc crtc = 0;
    RRMode mode = 0;
    int x = 0, y = 0;
    Rotation rotation = RR_Rotate_0;
    std::vector<RROutput> outputs;
    int screenWidth = 0, screenHeight = 0, screenWidthMm = 0, screenHeightMm = 0;
};
Original sOriginal;

// An X server whose last client leaves resets itself: it drops the mode it was given and
// hangs up on connections made while it resets. Every request here opens a short connection
// of its own, and before the window exists they may be the program's only ones, so one idle
// connection per display stays open until the process ends.
void holdServer()
{
    static std::mutex sHoldMutex;
    // Never destroyed: the connections are meant to last until the process is gone.
    static auto *sHeld = new std::map<std::string, ::Display *>;
    const char *name = std::getenv("DISPLAY");
    std::lock_guard lock(sHoldMutex);
    ::Display *&held = (*sHeld)[name ? name : ""];
    if (!held)
        held = XOpenDisplay(nullptr); // if the server is resetting, the next request tries again
}

bool hasRandr12(::Display *display)
{
    int eventBase, errorBase, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &major, &minor))
        return false;
    return major > 1 || (major == 1 && minor >= 2);
}

const XRRModeInfo *findModeInfo(const XRRScreenResources *res, RRMode id)
{
    for (int i = 0; i < res->nmode; ++i)
        if (res->modes[i].id == id)
            return &res->modes[i];
    return nullptr;
}

// The primary output, or the first connected output with an active CRTC when no output is
// marked primary.
RROutput findPrimaryOutput(::Display *display, ::Window root, XRRScreenResources *res)
{
    const RROutput primary = XRRGetOutputPrimary(display, root);
    RROutput fallback = None;
    for (int i = 0; i < res->noutput; ++i) {
        XRROutputInfo *info = XRRGetOutputInfo(display, res, res->outputs[i]);
        if (!info)
            continue;
        const bool usable = info->connection == RR_Connected && info->crtc != None;
        XRRFreeOutputInfo(info);
        if (!usable)
            continue;
        if (res->outputs[i] == primary)
            return primary;
        if (fallback == None)
            fallback = res->outputs[i];
    }
    return fallback;
}

// The screen's resources with the primary output and its CRTC, released together; `crtc` is
// null when there is no such output or it drives nothing.
struct PrimaryOutput {
    XRRScreenResources *res = nullptr;
    XRROutputInfo *output = nullptr;
    XRRCrtcInfo *crtc = nullptr;

    PrimaryOutput(::Display *display, ::Window root)
    {
        res = XRRGetScreenResourcesCurrent(display, root);
        const RROutput id = res ? findPrimaryOutput(display, root, res) : None;
        output = id != None ? XRRGetOutputInfo(display, res, id) : nullptr;
        crtc = output ? XRRGetCrtcInfo(display, res, output->crtc) : nullptr;
    }
    ~PrimaryOutput()
    {
        if (crtc)
            XRRFreeCrtcInfo(crtc);
        if (output)
            XRRFreeOutputInfo(output);
        if (res)
            XRRFreeScreenResources(res);
    }
    PrimaryOutput(const PrimaryOutput &) = delete;
    PrimaryOutput &operator=(const PrimaryOutput &) = delete;
};

// Screen size, resized through the larger of the two sizes so that every CRTC fits at every
// step, then set. Keeps the screen's physical pixel size.
void setScreenSize(::Display *display, ::Window root, int width, int height)
{
    const int screen = DefaultScreen(display);
    const int curWidth = DisplayWidth(display, screen), curHeight = DisplayHeight(display, screen);
    if (width == curWidth && height == curHeight)
        return;
    const int mmWidth = DisplayWidthMM(display, screen) * width / std::max(curWidth, 1);
    const int mmHeight = DisplayHeightMM(display, screen) * height / std::max(curHeight, 1);
    XRRSetScreenSize(display, root, width, height, std::max(mmWidth, 1), std::max(mmHeight, 1));
}

// Sets `mode` on `crtc` (at x, y with its rotation and outputs) and sizes the screen to the
// bounding box of all active CRTCs, but at least minWidth x minHeight. False when the server
// refuses.
bool applyCrtcMode(::Display *display, ::Window root, XRRScreenResources *res, RRCrtc crtc, RRMode mode, int x, int y,
                   Rotation rotation, RROutput *outputs, int noutput, int minWidth, int minHeight, ErrorTrap &trap)
{
    const XRRModeInfo *info = findModeInfo(res, mode);
    if (!info)
        return false;
    const bool sideways = rotation & (RR_Rotate_90 | RR_Rotate_270);
    const int modeWidth = sideways ? info->height : info->width;
    const int modeHeight = sideways ? info->width : info->height;

    int newWidth = std::max(x + modeWidth, minWidth), newHeight = std::max(y + modeHeight, minHeight);
    for (int i = 0; i < res->ncrtc; ++i) {
        if (res->crtcs[i] == crtc)
            continue;
        XRRCrtcInfo *other = XRRGetCrtcInfo(display, res, res->crtcs[i]);
        if (!other)
            continue;
        if (other->mode != None) {
            newWidth = std::max(newWidth, other->x + static_cast<int>(other->width));
            newHeight = std::max(newHeight, other->y + static_cast<int>(other->height));
        }
        XRRFreeCrtcInfo(other);
    }

    // Grow the screen first where the new layout needs more room, shrink it last, so that
    // every CRTC fits at every step. (Xlib's cached screen size stays the one read when the
    // connection opened, which is what these steps compare against.)
    const int screen = DefaultScreen(display);
    const int curWidth = DisplayWidth(display, screen), curHeight = DisplayHeight(display, screen);
    const int midWidth = std::max(curWidth, newWidth), midHeight = std::max(curHeight, newHeight);
    setScreenSize(display, root, midWidth, midHeight);
    if (trap.failed())
        return false;
    const Status status = XRRSetCrtcConfig(display, res, crtc, CurrentTime, x, y, mode, rotation, outputs, noutput);
    if (status != RRSetConfigSuccess || trap.failed())
        return false;
    if (newWidth != midWidth || newHeight != midHeight)
        setScreenSize(display, root, newWidth, newHeight);
    return !trap.failed();
}

} // namespace

DisplayChange changePrimaryMode(int32_t width, int32_t height)
{
    std::lock_guard lock(sMutex);
    holdServer();
    DisplayConnection connection;
    ::Display *display = connection.display;
    if (!display || !hasRandr12(display))
        return kDisplayChangeFailed;
    const ::Window root = DefaultRootWindow(display);
    ErrorTrap trap(display);

    const PrimaryOutput primary(display, root);
    if (!primary.crtc)
        return kDisplayChangeFailed;
    XRRScreenResources *res = primary.res;
    XRROutputInfo *outputInfo = primary.output;
    XRRCrtcInfo *crtcInfo = primary.crtc;
    const bool sideways = crtcInfo->rotation & (RR_Rotate_90 | RR_Rotate_270);
    const auto fits = [&](RRMode id) {
        const XRRModeInfo *info = findModeInfo(res, id);
        if (!info)
            return false;
        const int w = sideways ? info->height : info->width;
        const int h = sideways ? info->width : info->height;
        return w == width && h == height;
    };
    const auto listed = [&](RRMode id) {
        return std::find(outputInfo->modes, outputInfo->modes + outputInfo->nmode, id) !=
               outputInfo->modes + outputInfo->nmode;
    };
    // Prefer the mode the desktop had (so a restore gets its refresh rate back), then the
    // mode in force, then the output's first mode of that size (preferred modes first).
    RRMode mode = None;
    if (sOriginal.valid && sOriginal.crtc == outputInfo->crtc && listed(sOriginal.mode) && fits(sOriginal.mode))
        mode = sOriginal.mode;
    else if (fits(crtcInfo->mode))
        mode = crtcInfo->mode;
    for (int i = 0; mode == None && i < outputInfo->nmode; ++i)
        if (fits(outputInfo->modes[i]))
            mode = outputInfo->modes[i];
    if (mode == None)
        return kDisplayChangeBadMode;

    if (!sOriginal.valid) {
        const int screen = DefaultScreen(display);
        sOriginal.valid = true;
        sOriginal.crtc = outputInfo->crtc;
        sOriginal.mode = crtcInfo->mode;
        sOriginal.x = crtcInfo->x;
        sOriginal.y = crtcInfo->y;
        sOriginal.rotation = crtcInfo->rotation;
        sOriginal.outputs.assign(crtcInfo->outputs, crtcInfo->outputs + crtcInfo->noutput);
        sOriginal.screenWidth = DisplayWidth(display, screen);
        sOriginal.screenHeight = DisplayHeight(display, screen);
        sOriginal.screenWidthMm = DisplayWidthMM(display, screen);
        sOriginal.screenHeightMm = DisplayHeightMM(display, screen);
        std::atexit(restoreOriginalMode);
    }
    // The desktop's own mode brings the desktop's screen back with it: the screen may reach
    // past every CRTC (a monitor this process does not drive), and shrinking it to the
    // primary output would cut that part off.
    const bool desktopMode = mode == sOriginal.mode && outputInfo->crtc == sOriginal.crtc;
    const bool ok = applyCrtcMode(
        display, root, res, outputInfo->crtc, mode, crtcInfo->x, crtcInfo->y, crtcInfo->rotation, crtcInfo->outputs,
        crtcInfo->noutput, desktopMode ? sOriginal.screenWidth : 0, desktopMode ? sOriginal.screenHeight : 0, trap);
    return ok ? kDisplayChangeSuccessful : kDisplayChangeFailed;
}

bool getPrimarySize(Vec2i &size)
{
    std::lock_guard lock(sMutex);
    holdServer();
    DisplayConnection connection;
    ::Display *display = connection.display;
    if (!display)
        return false;
    const int screen = DefaultScreen(display);
    size = {DisplayWidth(display, screen), DisplayHeight(display, screen)};
    if (!hasRandr12(display))
        return true;
    ErrorTrap trap(display);
    const PrimaryOutput primary(display, DefaultRootWindow(display));
    // A CRTC's size already has its rotation applied.
    if (primary.crtc && primary.crtc->mode != None && !trap.failed())
        size = {static_cast<int>(primary.crtc->width), static_cast<int>(primary.crtc->height)};
    return true;
}

void restoreOriginalMode()
{
    std::lock_guard lock(sMutex);
    if (!sOriginal.valid)
        return;
    holdServer();
    DisplayConnection connection;
    ::Display *display = connection.display;
    if (!display || !hasRandr12(display))
        return;
    const ::Window root = DefaultRootWindow(display);
    ErrorTrap trap(display);
    XRRScreenResources *res = XRRGetScreenResourcesCurrent(display, root);
    if (!res)
        return;
    XRRCrtcInfo *crtcInfo = XRRGetCrtcInfo(display, res, sOriginal.crtc);
    const int screen = DefaultScreen(display);
    const bool inForce = crtcInfo && crtcInfo->mode == sOriginal.mode && crtcInfo->x == sOriginal.x &&
                         crtcInfo->y == sOriginal.y && DisplayWidth(display, screen) == sOriginal.screenWidth &&
                         DisplayHeight(display, screen) == sOriginal.screenHeight;
    if (crtcInfo && !inForce) {
        applyCrtcMode(display, root, res, sOriginal.crtc, sOriginal.mode, sOriginal.x, sOriginal.y, sOriginal.rotation,
                      sOriginal.outputs.data(), static_cast<int>(sOriginal.outputs.size()), sOriginal.screenWidth,
                      sOriginal.screenHeight, trap);
    }
    if (crtcInfo)
        XRRFreeCrtcInfo(crtcInfo);
    XRRFreeScreenResources(res);
}

} // namespace lume::app::xrandr
