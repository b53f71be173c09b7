#include "framework/app/sdl/RendererGlImplSdl.h"

#include "framework/app/App.h"
#include "framework/app/WindowImpl.h"
#include "framework/app/sdl/PlatformSdl.h"

#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace lume::app {

namespace {

// Windows must be destroyed on the thread that runs the event loop, but a shared context
// ends on its own thread: its hidden window waits here until the loop comes by.
// Kept by id and video session: a context that outlives the video subsystem must not reach
// a window of a later session.
std::mutex sRetiredMutex;
std::vector<Uint32> sRetiredWindows;
unsigned sVideoSession = 1;

void retireWindow(SDL_Window *window, unsigned session)
{
    std::lock_guard lock(sRetiredMutex);
    if (session == sVideoSession)
        sRetiredWindows.push_back(SDL_GetWindowID(window));
}

class SharedContextSdl : public SharedContext {
  public:
    SharedContextSdl(SDL_Window *window, SDL_GLContext context) : mWindow(window), mContext(context)
    {
        std::lock_guard lock(sRetiredMutex);
        mSession = sVideoSession;
    }
    ~SharedContextSdl() override
    {
        if (SDL_GL_GetCurrentContext() == mContext)
            SDL_GL_MakeCurrent(nullptr, nullptr);
        SDL_GL_DeleteContext(mContext);
        retireWindow(mWindow, mSession);
    }
    bool makeCurrent() override { return SDL_GL_MakeCurrent(mWindow, mContext) == 0; }
    void release() override { SDL_GL_MakeCurrent(nullptr, nullptr); }

  private:
    SDL_Window *mWindow;
    SDL_GLContext mContext;
    unsigned mSession = 0;
};

void writeConsole(RendererGl *renderer, const char *what)
{
    if (App *app = renderer->getApp() ? renderer->getApp() : App::get())
        app->console() << what << SDL_GetError() << '\n';
}

} // namespace

RendererGlImplSdl::RendererGlImplSdl(RendererGl *renderer, PlatformSdl *platform)
    : mRenderer(renderer), mPlatform(platform)
{
}

RendererGlImplSdl::~RendererGlImplSdl()
{
    kill();
}

void RendererGlImplSdl::setPixelFormatAttributes(int samples)
{
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, samples > 0 ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, samples);
}

bool RendererGlImplSdl::initialize(WindowImpl *window, RendererGlImpl *sharedWith)
{
    mWindow = static_cast<SDL_Window *>(window->getNative());
    if (!mWindow)
        return false;
    auto *other = dynamic_cast<RendererGlImplSdl *>(sharedWith);
    if (other && other->mContext) {
        SDL_GL_MakeCurrent(other->mWindow, other->mContext);
        SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 1);
    } else {
        SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
    }
    mContext = SDL_GL_CreateContext(mWindow); // current on success
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
    if (!mContext) {
        writeConsole(mRenderer, "Failed to create the OpenGL context: ");
        return false;
    }
    return true;
}

void RendererGlImplSdl::initializeOffscreen(Vec2i size)
{
    mPlatform->startVideo(true);
    destroyRetiredWindows();
    setPixelFormatAttributes(0);
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
    mWindow = SDL_CreateWindow("", 0, 0, size.x, size.y, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    mOwnsWindow = mWindow != nullptr;
    mContext = mWindow ? SDL_GL_CreateContext(mWindow) : nullptr; // current on success
    if (!mContext) {
        const std::string error = SDL_GetError();
        kill();
        throw std::runtime_error("Failed to create an offscreen OpenGL context: " + error);
    }
}

void RendererGlImplSdl::kill()
{
    if (mContext) {
        if (SDL_GL_GetCurrentContext() == mContext)
            SDL_GL_MakeCurrent(nullptr, nullptr);
        SDL_GL_DeleteContext(mContext);
        mContext = nullptr;
    }
    if (mOwnsWindow) {
        SDL_DestroyWindow(mWindow);
        mWindow = nullptr;
        mOwnsWindow = false;
        // No event loop runs here to destroy the hidden windows of ended shared contexts.
        destroyRetiredWindows();
    }
}

void RendererGlImplSdl::makeCurrentContext()
{
    if (mContext)
        SDL_GL_MakeCurrent(mWindow, mContext);
}

void RendererGlImplSdl::swapBuffers()
{
    if (mContext)
        SDL_GL_SwapWindow(mWindow);
}

RendererGlImplSdl::Proc RendererGlImplSdl::getProcAddress(const char *name) const
{
    return reinterpret_cast<Proc>(SDL_GL_GetProcAddress(name));
}

void RendererGlImplSdl::setSwapInterval(int interval)
{
    SDL_GL_SetSwapInterval(interval);
}

int RendererGlImplSdl::getSwapInterval() const
{
    return SDL_GL_GetSwapInterval();
}

Vec2i RendererGlImplSdl::getDrawableSize() const
{
    Vec2i size;
    if (mWindow)
        SDL_GL_GetDrawableSize(mWindow, &size.x, &size.y);
    return size;
}

std::unique_ptr<SharedContext> RendererGlImplSdl::createSharedContext()
{
    if (!mContext)
        return nullptr;
    // Its own hidden 1x1 drawable: under SDL's offscreen driver a second context cannot be
    // made current on the window's drawable, and a separate one works everywhere.
    SDL_GL_MakeCurrent(mWindow, mContext);
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 1);
    SDL_Window *hidden = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    SDL_GLContext context = hidden ? SDL_GL_CreateContext(hidden) : nullptr;
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
    if (!context)
        writeConsole(mRenderer, "Failed to create a shared OpenGL context: ");
    SDL_GL_MakeCurrent(mWindow, mContext); // the render context stays this thread's
    if (!context) {
        if (hidden)
            SDL_DestroyWindow(hidden);
        return nullptr;
    }
    return std::make_unique<SharedContextSdl>(hidden, context);
}

void RendererGlImplSdl::destroyRetiredWindows()
{
    std::vector<Uint32> retired;
    {
        std::lock_guard lock(sRetiredMutex);
        retired.swap(sRetiredWindows);
    }
    for (Uint32 id : retired)
        if (SDL_Window *window = SDL_GetWindowFromID(id))
            SDL_DestroyWindow(window);
}

void RendererGlImplSdl::endVideoSession()
{
    destroyRetiredWindows();
    std::lock_guard lock(sRetiredMutex);
    ++sVideoSession;
}

} // namespace lume::app
