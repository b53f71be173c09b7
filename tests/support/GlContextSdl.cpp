// The test context on SDL's offscreen driver (EGL on Mesa).
#include "tests/support/GlContext.h"
#include "tests/support/GlOverride.h"

#include "framework/gl/EntryPoints.h"

#include <glad/gl.h>

#include <SDL2/SDL.h>

#include <cstdlib>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

namespace lume::test {

namespace {

// Binding an entry point needs a context: report none while this thread has no current one,
// so the loader leaves the call a no-op and tries again next time.
GLADapiproc loadGlProc(const char *name)
{
    if (!SDL_GL_GetCurrentContext())
        return nullptr;
    return reinterpret_cast<GLADapiproc>(SDL_GL_GetProcAddress(name));
}

void initVideo()
{
    static std::once_flag sOnce;
    std::call_once(sOnce, [] {
        // A caller that brought SDL video up already (another driver) keeps it.
        if (!SDL_WasInit(SDL_INIT_VIDEO)) {
            SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "offscreen", SDL_HINT_OVERRIDE);
            if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
                throw std::runtime_error(std::string("SDL video init failed: ") + SDL_GetError());
        }
        // SDL unloads the GL library with its last GL window, which would leave every entry
        // point the loader has bound dangling; one extra reference keeps it for the process.
        if (SDL_GL_LoadLibrary(nullptr) != 0)
            throw std::runtime_error(std::string("SDL_GL_LoadLibrary failed: ") + SDL_GetError());
        gladSetGLOnDemandLoader(loadGlProc);
    });
}

void setAttributes(bool shareWithCurrent)
{
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, shareWithCurrent ? 1 : 0);
}

SDL_Window *createHiddenWindow(int width, int height)
{
    SDL_Window *window = SDL_CreateWindow("lume-test-gl", 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window)
        throw std::runtime_error(std::string("SDL_CreateWindow failed: ") + SDL_GetError());
    return window;
}

} // namespace

struct GlContext::Impl {
    SDL_Window *mWindow = nullptr;
    SDL_GLContext mContext = nullptr;
};

struct SharedGlContext::Impl {
    SDL_Window *mWindow = nullptr;
    SDL_GLContext mContext = nullptr;
};

GlContext::GlContext(int width, int height) : mImpl(std::make_unique<Impl>()), mWidth(width), mHeight(height)
{
    initVideo();
    setAttributes(false);
    mImpl->mWindow = createHiddenWindow(width, height);
    mImpl->mContext = SDL_GL_CreateContext(mImpl->mWindow);
    if (!mImpl->mContext) {
        std::string error = SDL_GetError();
        SDL_DestroyWindow(mImpl->mWindow);
        throw std::runtime_error("SDL_GL_CreateContext failed: " + error);
    }
    makeCurrent();
    // As the application does: every entry point bound once, here, before any test starts a
    // thread that makes GL calls.
    static std::once_flag sBound;
    std::call_once(sBound, [] { gl::bindEntryPoints(loadGlProc); });
    glViewport(0, 0, width, height);
}

GlContext::~GlContext()
{
    if (SDL_GL_GetCurrentContext() == mImpl->mContext)
        SDL_GL_MakeCurrent(nullptr, nullptr);
    SDL_GL_DeleteContext(mImpl->mContext);
    SDL_DestroyWindow(mImpl->mWindow);
}

void GlContext::makeCurrent()
{
    if (SDL_GL_MakeCurrent(mImpl->mWindow, mImpl->mContext) != 0)
        throw std::runtime_error(std::string("SDL_GL_MakeCurrent failed: ") + SDL_GetError());
}

void GlContext::releaseCurrent()
{
    SDL_GL_MakeCurrent(nullptr, nullptr);
}

std::unique_ptr<SharedGlContext> GlContext::createSharedContext()
{
    makeCurrent();
    auto impl = std::make_unique<SharedGlContext::Impl>();
    setAttributes(true);
    impl->mWindow = createHiddenWindow(1, 1);
    // Creating a context makes it current; the caller's context is made current again below.
    impl->mContext = SDL_GL_CreateContext(impl->mWindow);
    std::string error = impl->mContext ? "" : SDL_GetError();
    setAttributes(false);
    makeCurrent();
    if (!impl->mContext) {
        SDL_DestroyWindow(impl->mWindow);
        throw std::runtime_error("shared SDL_GL_CreateContext failed: " + error);
    }
    return std::unique_ptr<SharedGlContext>(new SharedGlContext(std::move(impl)));
}

SharedGlContext::SharedGlContext(std::unique_ptr<Impl> impl) : mImpl(std::move(impl)) {}

SharedGlContext::~SharedGlContext()
{
    SDL_GLContext previous = SDL_GL_GetCurrentContext();
    SDL_Window *previousWindow = SDL_GL_GetCurrentWindow();
    if (previous == mImpl->mContext)
        SDL_GL_MakeCurrent(nullptr, nullptr);
    SDL_GL_DeleteContext(mImpl->mContext);
    // Deleting a context may leave the calling thread without one; put its own back.
    if (previous && previous != mImpl->mContext)
        SDL_GL_MakeCurrent(previousWindow, previous);
    SDL_DestroyWindow(mImpl->mWindow);
}

void SharedGlContext::makeCurrent()
{
    if (SDL_GL_MakeCurrent(mImpl->mWindow, mImpl->mContext) != 0)
        throw std::runtime_error(std::string("SDL_GL_MakeCurrent (shared) failed: ") + SDL_GetError());
}

void SharedGlContext::release()
{
    SDL_GL_MakeCurrent(nullptr, nullptr);
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
    return SDL_GL_GetCurrentContext() ? SDL_GL_GetProcAddress(name) : nullptr;
}

} // namespace lume::test
