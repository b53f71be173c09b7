// The test context through WGL: hidden windows of the process's own class, so the same
// driver path as the player's (under Wine: Wine's WGL on the X server's GLX).
#include "tests/support/GlContext.h"
#include "tests/support/GlOverride.h"

#include "framework/gl/EntryPoints.h"

#include <glad/gl.h>

#include <windows.h>

#include <exception>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

namespace lume::test {

namespace {

constexpr const wchar_t *kClassName = L"LumeTestGlClass";

[[noreturn]] void fail(const std::string &what)
{
    throw std::runtime_error(what + " failed (error " + std::to_string(GetLastError()) + ")");
}

// Binding an entry point needs a context: report none while this thread has no current one,
// so the loader leaves the call a no-op and tries again next time. OpenGL 1.1 functions are
// opengl32.dll's own exports; wglGetProcAddress has only the later ones.
GLADapiproc loadGlProc(const char *name)
{
    if (!wglGetCurrentContext())
        return nullptr;
    const auto wgl = reinterpret_cast<std::intptr_t>(wglGetProcAddress(name));
    if (wgl != 0 && wgl != 1 && wgl != 2 && wgl != 3 && wgl != -1)
        return reinterpret_cast<GLADapiproc>(wgl);
    static const HMODULE sOpenGl = LoadLibraryW(L"opengl32.dll");
    return reinterpret_cast<GLADapiproc>(GetProcAddress(sOpenGl, name));
}

void initOnce()
{
    static std::once_flag sOnce;
    std::call_once(sOnce, [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            fail("RegisterClassExW");
        gladSetGLOnDemandLoader(loadGlProc);
    });
}

// A hidden window with a double-buffered RGBA8 pixel format, depth 24, and a context on it.
struct Surface {
    HWND wnd = nullptr;
    HDC dc = nullptr;
    HGLRC rc = nullptr;

    Surface(int width, int height, HGLRC shareWith)
    {
        initOnce();
        wnd = CreateWindowExW(0, kClassName, L"lume-test-gl", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
        if (!wnd)
            fail("CreateWindowExW");
        dc = GetDC(wnd);
        PIXELFORMATDESCRIPTOR pfd{};
        pfd.nSize = sizeof pfd;
        pfd.nVersion = 1;
        pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        pfd.iPixelType = PFD_TYPE_RGBA;
        pfd.cColorBits = 32;
        pfd.cAlphaBits = 8;
        pfd.cDepthBits = 24;
        const int format = ChoosePixelFormat(dc, &pfd);
        if (!format || !SetPixelFormat(dc, format, &pfd)) {
            destroy();
            fail("SetPixelFormat");
        }
        rc = wglCreateContext(dc);
        // Shared before it is first current: it must not own objects yet.
        if (!rc || (shareWith && !wglShareLists(shareWith, rc))) {
            destroy();
            fail("wglCreateContext/wglShareLists");
        }
    }
    ~Surface() { destroy(); }
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    void destroy()
    {
        if (rc) {
            if (wglGetCurrentContext() == rc)
                wglMakeCurrent(nullptr, nullptr);
            wglDeleteContext(rc);
            rc = nullptr;
        }
        if (wnd) {
            ReleaseDC(wnd, dc);
            DestroyWindow(wnd);
            wnd = nullptr;
        }
    }
    void makeCurrent(const char *what)
    {
        if (!wglMakeCurrent(dc, rc))
            fail(what);
    }
};

} // namespace

struct GlContext::Impl {
    Impl(int width, int height) : surface(width, height, nullptr) {}
    Surface surface;
};

struct SharedGlContext::Impl {
    explicit Impl(HGLRC shareWith) : surface(1, 1, shareWith) {}
    Surface surface;
};

GlContext::GlContext(int width, int height)
    : mImpl(std::make_unique<Impl>(width, height)), mWidth(width), mHeight(height)
{
    makeCurrent();
    // As the application does: every entry point bound once, here, before any test starts a
    // thread that makes GL calls.
    static std::once_flag sBound;
    std::call_once(sBound, [] { gl::bindEntryPoints(loadGlProc); });
    glViewport(0, 0, width, height);
}

GlContext::~GlContext() = default;

void GlContext::makeCurrent()
{
    mImpl->surface.makeCurrent("wglMakeCurrent");
}

void GlContext::releaseCurrent()
{
    wglMakeCurrent(nullptr, nullptr);
}

std::unique_ptr<SharedGlContext> GlContext::createSharedContext()
{
    makeCurrent();
    auto impl = std::make_unique<SharedGlContext::Impl>(mImpl->surface.rc);
    makeCurrent();
    return std::unique_ptr<SharedGlContext>(new SharedGlContext(std::move(impl)));
}

SharedGlContext::SharedGlContext(std::unique_ptr<Impl> impl) : mImpl(std::move(impl)) {}

SharedGlContext::~SharedGlContext()
{
    HGLRC previous = wglGetCurrentContext();
    HDC previousDC = wglGetCurrentDC();
    mImpl->surface.destroy();
    // Deleting a context may leave the calling thread without one; put its own back.
    if (previous && previous != mImpl->surface.rc)
        wglMakeCurrent(previousDC, previous);
}

void SharedGlContext::makeCurrent()
{
    mImpl->surface.makeCurrent("wglMakeCurrent (shared)");
}

void SharedGlContext::release()
{
    wglMakeCurrent(nullptr, nullptr);
}

void SharedGlContext::runOnThread(const std::function<void()> &work)
{
    std::exception_ptr failure;
    std::thread thread([&] {
        try {
            makeCurrent();
            work();
            glFinish();
        } catch (...) {
            failure = std::current_exception();
        }
        release();
    });
    thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

void *glProc(const char *name)
{
    return reinterpret_cast<void *>(loadGlProc(name));
}

} // namespace lume::test
