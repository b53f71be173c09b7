#include "framework/app/sdl/DisplayModeXwayland.h"

#include "framework/app/sdl/X11Util.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstdlib>
#include <map>
#include <mutex>
#include <string>

namespace lume::app::xwayland {

namespace {

std::mutex sMutex;
std::optional<Vec2i> sAccepted;

bool hasRandr12(::Display *display)
{
    int eventBase, errorBase, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &major, &minor))
        return false;
    return major > 1 || (major == 1 && minor >= 2);
}

// The primary output (else the first connected one driving a CRTC) with its mode list and
// the size of its current mode. Released together.
struct Output {
    XRRScreenResources *res = nullptr;
    XRROutputInfo *info = nullptr;
    Vec2i current;

    Output(::Display *display, ::Window root)
    {
        res = XRRGetScreenResourcesCurrent(display, root);
        if (!res)
            return;
        const RROutput primary = XRRGetOutputPrimary(display, root);
        for (int i = 0; i < res->noutput; ++i) {
            XRROutputInfo *candidate = XRRGetOutputInfo(display, res, res->outputs[i]);
            if (!candidate)
                continue;
            const bool usable = candidate->connection == RR_Connected && candidate->crtc != None;
            if (usable && (!info || res->outputs[i] == primary)) {
                if (info)
                    XRRFreeOutputInfo(info);
                info = candidate;
                if (res->outputs[i] == primary)
                    break;
            } else {
                XRRFreeOutputInfo(candidate);
            }
        }
        if (!info)
            return;
        if (XRRCrtcInfo *crtc = XRRGetCrtcInfo(display, res, info->crtc)) {
            current = {static_cast<int>(crtc->width), static_cast<int>(crtc->height)};
            XRRFreeCrtcInfo(crtc);
        }
    }
    ~Output()
    {
        if (info)
            XRRFreeOutputInfo(info);
        if (res)
            XRRFreeScreenResources(res);
    }
    Output(const Output &) = delete;
    Output &operator=(const Output &) = delete;

    bool lists(int width, int height) const
    {
        for (int i = 0; info && i < info->nmode; ++i)
            for (int j = 0; j < res->nmode; ++j)
                if (res->modes[j].id == info->modes[i] && static_cast<int>(res->modes[j].width) == width &&
                    static_cast<int>(res->modes[j].height) == height)
                    return true;
        return false;
    }
};

} // namespace

bool isXwayland()
{
    static std::mutex sCacheMutex;
    static std::map<std::string, bool> sCache;
    const char *env = std::getenv("DISPLAY");
    const std::string name = env ? env : "";
    std::lock_guard lock(sCacheMutex);
    if (const auto it = sCache.find(name); it != sCache.end())
        return it->second;
    x11::Connection connection;
    ::Display *display = connection.display;
    if (!display)
        return false; // not cached: the server may still be coming up
    bool xwayland = false;
    if (hasRandr12(display)) {
        x11::ErrorTrap trap(display);
        const Output output(display, DefaultRootWindow(display));
        xwayland = output.info && std::string(output.info->name).rfind("XWAYLAND", 0) == 0;
    }
    sCache[name] = xwayland;
    return xwayland;
}

DisplayChange acceptMode(int32_t width, int32_t height)
{
    std::lock_guard lock(sMutex);
    x11::Connection connection;
    ::Display *display = connection.display;
    if (!display || !hasRandr12(display))
        return kDisplayChangeFailed;
    x11::ErrorTrap trap(display);
    const Output output(display, DefaultRootWindow(display));
    if (!output.info || trap.failed())
        return kDisplayChangeFailed;
    if (!output.lists(width, height))
        return kDisplayChangeBadMode;
    if (output.current == Vec2i{width, height} && sAccepted)
        sAccepted.reset(); // back to the desktop's size: no emulation wanted any more
    else
        sAccepted = Vec2i{width, height};
    return kDisplayChangeSuccessful;
}

std::optional<Vec2i> acceptedMode()
{
    std::lock_guard lock(sMutex);
    return sAccepted;
}

} // namespace lume::app::xwayland
