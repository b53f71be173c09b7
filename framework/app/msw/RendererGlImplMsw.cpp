#include "framework/app/msw/RendererGlImplMsw.h"

#include "framework/app/App.h"
#include "framework/app/WindowImpl.h"

#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace lume::app {

namespace {

// WGL_ARB_pixel_format and WGL_ARB_multisample names (not in the system headers).
enum : int {
    WGL_DRAW_TO_WINDOW_ARB = 0x2001,
    WGL_ACCELERATION_ARB = 0x2003,
    WGL_SUPPORT_OPENGL_ARB = 0x2010,
    WGL_DOUBLE_BUFFER_ARB = 0x2011,
    WGL_COLOR_BITS_ARB = 0x2014,
    WGL_ALPHA_BITS_ARB = 0x201B,
    WGL_DEPTH_BITS_ARB = 0x2022,
    WGL_STENCIL_BITS_ARB = 0x2023,
    WGL_FULL_ACCELERATION_ARB = 0x2027,
    WGL_SAMPLE_BUFFERS_ARB = 0x2041,
    WGL_SAMPLES_ARB = 0x2042,
};
using ChoosePixelFormatArb = BOOL(WINAPI *)(HDC, const int *, const FLOAT *, UINT, int *, UINT *);
using SwapIntervalExt = BOOL(WINAPI *)(int);
using GetSwapIntervalExt = int(WINAPI *)();

// 32-bit colour, 16-bit depth, no stencil, double-buffered; every other field 0.
PIXELFORMATDESCRIPTOR makePixelFormat()
{
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 16;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}
const PIXELFORMATDESCRIPTOR kPixelFormat = makePixelFormat();

// The hidden windows of shared contexts: a window must be destroyed by the thread that made
// it (the main thread), but a shared context ends on its own thread, so its window waits here
// until the loop comes by.
constexpr const wchar_t *kHiddenClassName = L"LumeGlContextClass";
std::mutex sRetiredMutex;
std::vector<HWND> sRetiredWindows;

HWND createHiddenWindow(int width = 1, int height = 1)
{
    static const bool sRegistered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kHiddenClassName;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    if (!sRegistered)
        return nullptr;
    return CreateWindowExW(0, kHiddenClassName, L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

class SharedContextMsw : public SharedContext {
  public:
    SharedContextMsw(HWND wnd, HDC dc, HGLRC rc) : mWnd(wnd), mDC(dc), mRC(rc) {}
    ~SharedContextMsw() override
    {
        if (wglGetCurrentContext() == mRC)
            wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(mRC);
        std::lock_guard lock(sRetiredMutex);
        sRetiredWindows.push_back(mWnd);
    }
    bool makeCurrent() override { return wglMakeCurrent(mDC, mRC); }
    void release() override { wglMakeCurrent(nullptr, nullptr); }

  private:
    HWND mWnd;
    HDC mDC;
    HGLRC mRC;
};

void writeConsole(RendererGl *renderer, const char *what)
{
    if (App *app = renderer->getApp() ? renderer->getApp() : App::get())
        app->console() << what << " (error " << GetLastError() << ")\n";
}

// The pixel format every context of this process uses once the multisample search has run:
// a context can share objects only with contexts of a compatible format.
int sPixelFormat = 0;

} // namespace

RendererGlImplMsw::RendererGlImplMsw(RendererGl *renderer) : mRenderer(renderer) {}

RendererGlImplMsw::~RendererGlImplMsw()
{
    kill();
}

RendererGlImplMsw::Proc RendererGlImplMsw::procAddress(const char *name)
{
    // Some drivers answer small numbers instead of null for names they do not have.
    const auto wgl = reinterpret_cast<std::intptr_t>(wglGetProcAddress(name));
    if (wgl != 0 && wgl != 1 && wgl != 2 && wgl != 3 && wgl != -1)
        return reinterpret_cast<Proc>(wgl);
    static const HMODULE sOpenGl = LoadLibraryW(L"opengl32.dll");
    return sOpenGl ? reinterpret_cast<Proc>(GetProcAddress(sOpenGl, name)) : nullptr;
}

bool RendererGlImplMsw::setPixelFormat(HDC dc, int pixelFormat)
{
    const int format = pixelFormat ? pixelFormat : ChoosePixelFormat(dc, &kPixelFormat);
    return format != 0 && SetPixelFormat(dc, format, &kPixelFormat);
}

int RendererGlImplMsw::findMultisampleFormat()
{
    // wglChoosePixelFormatARB is an entry point of a context: ask it of a throw-away context
    // on a hidden window (a window's pixel format can be set only once).
    int found = 0;
    int level = mRenderer->getAntiAliasing();
    HWND wnd = createHiddenWindow();
    HDC dc = wnd ? GetDC(wnd) : nullptr;
    HGLRC rc = dc && setPixelFormat(dc, 0) ? wglCreateContext(dc) : nullptr;
    HDC previousDC = wglGetCurrentDC();
    HGLRC previousRC = wglGetCurrentContext();
    if (rc && wglMakeCurrent(dc, rc)) {
        if (auto choose = reinterpret_cast<ChoosePixelFormatArb>(procAddress("wglChoosePixelFormatARB"))) {
            for (; level > 0 && !found; --level) {
                const int attributes[] = {WGL_DRAW_TO_WINDOW_ARB,
                                          1,
                                          WGL_SUPPORT_OPENGL_ARB,
                                          1,
                                          WGL_ACCELERATION_ARB,
                                          WGL_FULL_ACCELERATION_ARB,
                                          WGL_COLOR_BITS_ARB,
                                          24,
                                          WGL_ALPHA_BITS_ARB,
                                          8,
                                          WGL_DEPTH_BITS_ARB,
                                          16,
                                          WGL_STENCIL_BITS_ARB,
                                          0,
                                          WGL_DOUBLE_BUFFER_ARB,
                                          1,
                                          WGL_SAMPLE_BUFFERS_ARB,
                                          1,
                                          WGL_SAMPLES_ARB,
                                          RendererGl::kSampleCounts[level],
                                          0};
                const FLOAT noFloats[] = {0.0f, 0.0f};
                int format = 0;
                UINT count = 0;
                if (choose(dc, attributes, noFloats, 1, &format, &count) && count > 0) {
                    found = format;
                    mRenderer->setAntiAliasing(level);
                }
            }
        }
        wglMakeCurrent(previousDC, previousRC);
    }
    if (!found)
        mRenderer->setAntiAliasing(0);
    if (rc)
        wglDeleteContext(rc);
    if (wnd) {
        ReleaseDC(wnd, dc);
        DestroyWindow(wnd);
    }
    return found;
}

bool RendererGlImplMsw::initialize(WindowImpl *window, RendererGlImpl *sharedWith)
{
    mWnd = static_cast<HWND>(window->getNative());
    mDC = mWnd ? GetDC(mWnd) : nullptr; // the class's own device context: no release needed
    if (!mDC)
        return false;
    if (mRenderer->getAntiAliasing() > 0 && !sPixelFormat)
        sPixelFormat = findMultisampleFormat();
    if (!setPixelFormat(mDC, sPixelFormat)) {
        writeConsole(mRenderer, "Failed to set the pixel format");
        return false;
    }
    mRC = wglCreateContext(mDC);
    if (!mRC) {
        writeConsole(mRenderer, "Failed to create the OpenGL context");
        return false;
    }
    // Sharing must be set up before the new context is first current.
    auto *other = dynamic_cast<RendererGlImplMsw *>(sharedWith);
    if (other && other->mRC && !wglShareLists(other->mRC, mRC))
        writeConsole(mRenderer, "Failed to share OpenGL objects between windows");
    if (!wglMakeCurrent(mDC, mRC)) {
        writeConsole(mRenderer, "Failed to make the OpenGL context current");
        wglDeleteContext(mRC);
        mRC = nullptr;
        return false;
    }
    return true;
}

void RendererGlImplMsw::initializeOffscreen(Vec2i size)
{
    // A popup window never shown: WGL needs a device context with a pixel format, and the
    // hidden window's client area is the default framebuffer.
    mWnd = createHiddenWindow(size.x, size.y);
    mOwnsWindow = mWnd != nullptr;
    mDC = mWnd ? GetDC(mWnd) : nullptr;
    const char *failed = !mDC                                 ? "no hidden window"
                         : !setPixelFormat(mDC, sPixelFormat) ? "no pixel format"
                         : !(mRC = wglCreateContext(mDC))     ? "wglCreateContext failed"
                         : !wglMakeCurrent(mDC, mRC)          ? "wglMakeCurrent failed"
                                                              : nullptr;
    if (failed) {
        const std::string reason = std::string(failed) + " (error " + std::to_string(GetLastError()) + ")";
        kill();
        throw std::runtime_error("Failed to create an offscreen OpenGL context: " + reason);
    }
    destroyRetiredWindows();
}

void RendererGlImplMsw::kill()
{
    if (mRC) {
        if (wglGetCurrentContext() == mRC)
            wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(mRC);
        mRC = nullptr;
    }
    if (mOwnsWindow) {
        ReleaseDC(mWnd, mDC);
        DestroyWindow(mWnd);
        mWnd = nullptr;
        mDC = nullptr;
        mOwnsWindow = false;
        // No message loop runs here to destroy the hidden windows of ended shared contexts.
        destroyRetiredWindows();
    }
}

void RendererGlImplMsw::makeCurrentContext()
{
    if (mRC)
        wglMakeCurrent(mDC, mRC);
}

void RendererGlImplMsw::swapBuffers()
{
    if (mRC)
        SwapBuffers(mDC);
}

RendererGlImplMsw::Proc RendererGlImplMsw::getProcAddress(const char *name) const
{
    return procAddress(name);
}

void RendererGlImplMsw::setSwapInterval(int interval)
{
    if (auto swapInterval = reinterpret_cast<SwapIntervalExt>(procAddress("wglSwapIntervalEXT")))
        swapInterval(interval);
}

int RendererGlImplMsw::getSwapInterval() const
{
    if (auto swapInterval = reinterpret_cast<GetSwapIntervalExt>(procAddress("wglGetSwapIntervalEXT")))
        return swapInterval();
    return 0;
}

Vec2i RendererGlImplMsw::getDrawableSize() const
{
    RECT rect{};
    if (mWnd)
        GetClientRect(mWnd, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

std::unique_ptr<SharedContext> RendererGlImplMsw::createSharedContext()
{
    if (!mRC)
        return nullptr;
    // Its own hidden drawable, so that it never competes with the render context for the
    // window's device context.
    HWND wnd = createHiddenWindow();
    HDC dc = wnd ? GetDC(wnd) : nullptr;
    HGLRC rc = dc && setPixelFormat(dc, sPixelFormat) ? wglCreateContext(dc) : nullptr;
    // Shared before the new context is ever current (it must not own objects yet); it is made
    // current on the other thread only.
    if (rc && !wglShareLists(mRC, rc)) {
        wglDeleteContext(rc);
        rc = nullptr;
    }
    if (!rc) {
        writeConsole(mRenderer, "Failed to create a shared OpenGL context");
        if (wnd)
            DestroyWindow(wnd);
        makeCurrentContext();
        return nullptr;
    }
    makeCurrentContext(); // the render context stays this thread's
    return std::make_unique<SharedContextMsw>(wnd, dc, rc);
}

void RendererGlImplMsw::destroyRetiredWindows()
{
    std::vector<HWND> retired;
    {
        std::lock_guard lock(sRetiredMutex);
        retired.swap(sRetiredWindows);
    }
    for (HWND wnd : retired)
        DestroyWindow(wnd);
}

} // namespace lume::app
