// A test build of the player: the shipped FraglumeApp, unchanged, under a subclass that
// writes what happens to standard output and can stage faults. It is linked once per test
// resource set (broken images, shaders, scenes), so what the player embeds is the fault.
//
// Options (the shipped program takes none):
//   --short        short holds and fades (tests/faults/ShortShow.h) so a show takes ~30 s
//   --long-fade    with --short, the wipe of position 2 lasts a minute: a test that acts
//                  during it cannot miss it, however slowly the machine runs
//   --hold-loader  after start-up the loader stops at its next warm-up draw and stays there
//                  (until a drop has been handled, with --drop): "still loading" for as long
//                  as a test needs, and a load queue nobody takes from
//   --drop N       in the first frame, N files are dropped on the window through SDL's event
//                  queue, as the desktop delivers a drop
//   --drop-file P  in the first frame, a file named P (bytes as given) is dropped the same way;
//                  repeated, the files arrive in one drop in the order given
//   --throw-key    the X key makes keyDown throw
//   --endurance    report the resident memory after the second scene, at the end of the
//                  show, and for each scene after its first frame and as its wipe begins
//   --watch-wipes  compare every wipe frame in the window with the scene it wipes (WIPE)
//
// Trace lines, one per event, flushed as written:
//   DISPLAY <w>x<h> <code>     a display-mode change and its result
//   CURSOR <count>             the cursor display count after a show or hide
//   MESSAGE BOX <title>, the text, END MESSAGE BOX <bytes>
//   TAKEN <position> <t>       a built scene arrived while <position> plays: its hold starts
//   FADE <position> <t>        the first wipe frame of <position>
//   SCENE <position> <t>       <position> took over
//   ENDED <pixels>             a frame drawn once every position has been reached (from the
//                              last switch on), with the number of its pixels that are not black
//   UNIT1 <position> <image>   the IMAGE id texture unit 1 carries while <position> plays
//   WIPE <position> <t> <t> <rows>
//                              a wipe frame: the clock just before and just after the frame
//                              was drawn, and one character per window
//                              row from the bottom: 'o' the row shows the live scene, 'x' it
//                              is mostly replaced by the fade buffer (opaque black), '.' the
//                              scene's row is too dark to tell
//   DROP <files> <unfinished>  a drop arrives; the loader has <unfinished> jobs not yet built
//   DROP HANDLED
//   RSS scene2|end <kB>, RSS played|held <position> <kB>
//   QUIT, SHUTDOWN
// <t> is the application clock in seconds.
#include "app/FraglumeApp.h"
#include "framework/app/AppImplBasic.h"
#include "framework/app/Platform.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Window.h"
#include "framework/gl/Texture.h"
#include "tests/faults/ShortShow.h"

#include <SDL.h>
#include <glad/gl.h>

#include <dlfcn.h>
#include <link.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace lume;
using namespace lume::app;
using namespace fraglume;

namespace {

void trace(const char *format, ...) __attribute__((format(printf, 1, 2)));
void trace(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::putchar('\n');
    std::fflush(stdout);
}

struct Options {
    bool shortShow = false;
    bool longFade = false;
    bool holdLoader = false;
    std::vector<std::string> drop;
    bool throwKey = false;
    bool endurance = false;
    bool watchWipes = false;
};

Options parseOptions(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--short")
            options.shortShow = true;
        else if (arg == "--long-fade")
            options.longFade = true;
        else if (arg == "--hold-loader")
            options.holdLoader = true;
        else if (arg == "--drop" && i + 1 < argc)
            for (int n = std::atoi(argv[++i]), k = 0; k < n; ++k)
                options.drop.push_back("/tmp/dropped scene " + std::to_string(k) + ".frag");
        else if (arg == "--drop-file" && i + 1 < argc)
            options.drop.push_back(argv[++i]);
        else if (arg == "--throw-key")
            options.throwKey = true;
        else if (arg == "--endurance")
            options.endurance = true;
        else if (arg == "--watch-wipes")
            options.watchWipes = true;
        else
            throw std::invalid_argument("unknown option " + arg);
    }
    return options;
}

// The real platform, with display modes, the cursor count and message boxes traced.
class TracingPlatform : public Platform {
  public:
    explicit TracingPlatform(std::unique_ptr<Platform> inner) : mInner(std::move(inner)) {}
    std::vector<std::string> getCommandLine() override { return mInner->getCommandLine(); }
    std::filesystem::path getAppPath() override { return mInner->getAppPath(); }
    std::unique_ptr<AppImplBasic> createAppImpl(AppBasic *app) override { return mInner->createAppImpl(app); }
    std::unique_ptr<RendererGlImpl> createRendererGlImpl(RendererGl *r) override
    {
        return mInner->createRendererGlImpl(r);
    }
    void writeDebugOutput(std::string_view text) override { mInner->writeDebugOutput(text); }
    void openConsoleWindow() override { mInner->openConsoleWindow(); }
    int showCursor(bool show) override
    {
        const int count = mInner->showCursor(show);
        trace("CURSOR %d", count);
        return count;
    }
    void setPowerManagement(bool enabled) override { mInner->setPowerManagement(enabled); }
    std::vector<DisplayInfo> enumerateDisplays() override { return mInner->enumerateDisplays(); }
    DisplayChange changeDisplayMode(int32_t w, int32_t h) override
    {
        const DisplayChange code = mInner->changeDisplayMode(w, h);
        trace("DISPLAY %dx%d %d", w, h, code);
        return code;
    }
    Vec2i getDesktopSize() override { return mInner->getDesktopSize(); }
    void showMessageBox(void *owner, const std::string &title, const std::string &text, MessageBoxIcon icon) override
    {
        trace("MESSAGE BOX %s\n%s\nEND MESSAGE BOX %zu", title.c_str(), text.c_str(), text.size());
        mInner->showMessageBox(owner, title, text, icon);
    }
    bool quitRequested() override { return mInner->quitRequested(); }
    void lowerThreadPriority() override { mInner->lowerThreadPriority(); }
    void coverDisplay(void *window, bool cover) override { mInner->coverDisplay(window, cover); }

  private:
    std::unique_ptr<Platform> mInner;
};

// Mesa unloads its DRI driver with the last context; LeakSanitizer (in the endurance build and
// the sanitizer trees), which checks at exit, would then report the driver's long-lived
// allocations with no module to suppress them by.
void keepDriverLoaded()
{
    std::vector<std::string> drivers;
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *out) {
            if (info->dlpi_name && std::strstr(info->dlpi_name, "_dri.so"))
                static_cast<std::vector<std::string> *>(out)->push_back(info->dlpi_name);
            return 0;
        },
        &drivers);
    for (const std::string &driver : drivers)
        dlopen(driver.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

class TracedPlayer : public FraglumeApp {
  public:
    explicit TracedPlayer(Options options) : mOptions(options) {}

    void setup() override
    {
        FraglumeApp::setup();
        keepDriverLoaded();
        if (mOptions.shortShow)
            for (const PlaylistEntry &entry : kPlaylist)
                mEngine.timeline().setEntry(entry.position, test::shortTiming(entry.position));
        if (mOptions.shortShow && mOptions.longFade) {
            SceneTiming timing = test::shortTiming(2);
            timing.fade = 60.0f;
            mEngine.timeline().setEntry(2, timing);
        }
        // The loader waits for this flag before each warm-up draw (it guards the image slots
        // during start-up); clearing it again parks the loader inside its next job.
        if (mOptions.holdLoader)
            mEngine.imagesReadyFlag().store(false);
    }

    void update() override
    {
        const bool hadNext = mEngine.timeline().hasNext();
        FraglumeApp::update();
        if (!hadNext && mEngine.timeline().hasNext())
            trace("TAKEN %d %.3f", mEngine.timeline().scenePosition(), mFrameTime);
        if (mEngine.timeline().shouldQuit() && !mQuitTraced) {
            mQuitTraced = true;
            if (mOptions.endurance)
                trace("RSS end %ld", residentKilobytes());
            trace("QUIT");
        }
        if (!mOptions.drop.empty() && !mDropSent) {
            mDropSent = true;
            pushDrop(mOptions.drop);
        }
    }

    void draw() override
    {
        const int position = mEngine.timeline().scenePosition();
        // The frame's one clock reading, which the whole frame decides and draws on.
        const double before = mFrameTime;
        // The clock reading the previous frame decided on: a switch or fade that starts on
        // the first frame past its due time had that reading still before it, however late
        // the frame itself came on a busy machine.
        const double previous = mLastDecision;
        mLastDecision = before;
        const FrameAction action = mEngine.timeline().decide(before);
        if (action == FrameAction::Fade && mFadeTraced != position) {
            mFadeTraced = position;
            trace("FADE %d %.3f %.3f", position, getElapsedSeconds(), previous);
            if (mOptions.endurance)
                trace("RSS held %d %ld", position, residentKilobytes());
        }
        FraglumeApp::draw();
        if (mEngine.timeline().shouldQuit())
            trace("ENDED %zu", litPixels());
        if (mOptions.watchWipes && action == FrameAction::Fade && mEngine.timeline().scenePosition() == position)
            traceWipe(position, before, getElapsedSeconds());
        if (mEngine.timeline().scenePosition() != position) {
            trace("SCENE %d %.3f %.3f", mEngine.timeline().scenePosition(), getElapsedSeconds(), previous);
            if (mOptions.endurance && mEngine.timeline().scenePosition() == 3)
                trace("RSS scene2 %ld", residentKilobytes());
        }
        if (action == FrameAction::Show && mUnitTraced != position) {
            mUnitTraced = position;
            trace("UNIT1 %d %d", position, imageOnUnit(1));
            if (mOptions.endurance)
                trace("RSS played %d %ld", position, residentKilobytes());
        }
    }

    void keyDown(KeyEvent event) override
    {
        if (mOptions.throwKey && event.getCode() == 'x')
            throw std::runtime_error("fault injected into keyDown");
        FraglumeApp::keyDown(event);
    }

    void fileDrop(FileDropEvent event) override
    {
        trace("DROP %zu %d", event.getFiles().size(), mEngine.pendingJobs());
        FraglumeApp::fileDrop(event);
        trace("DROP HANDLED");
        if (mOptions.holdLoader)
            mEngine.imagesReadyFlag().store(true);
    }

    void shutdown() override
    {
        FraglumeApp::shutdown();
        trace("SHUTDOWN");
    }

  private:
    // The wipe mixes the live scene towards the fade buffer, which is opaque black, so a row's
    // colour is the scene's scaled by what is left of it: compare the window (the back buffer,
    // before the swap) with the scene buffer this frame drew, row by row.
    void traceWipe(int position, double before, double after)
    {
        const int width = getWindowWidth(), height = getWindowHeight();
        std::vector<unsigned char> window(size_t(width) * size_t(height) * 4), scene(window.size());
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, window.data());
        mEngine.sceneBuffer().bindFramebuffer();
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, scene.data());
        gl::Fbo::unbindFramebuffer();
        std::string rows(size_t(height), '.');
        for (int y = 0; y < height; ++y) {
            long inScene = 0, inWindow = 0;
            for (size_t i = size_t(y) * size_t(width) * 4; i < size_t(y + 1) * size_t(width) * 4; i += 4)
                for (size_t c = 0; c < 3; ++c) {
                    inScene += scene[i + c];
                    inWindow += window[i + c];
                }
            if (inScene >= long(width) * 3 * 8)
                rows[size_t(y)] = 2 * inWindow < inScene ? 'x' : 'o';
        }
        trace("WIPE %d %.4f %.4f %s", position, before, after, rows.c_str());
    }

    // The IMAGE id of the slot texture bound to `unit`, or 0.
    int imageOnUnit(int unit)
    {
        GLint bound = 0;
        glActiveTexture(GL_TEXTURE0 + unit);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        glActiveTexture(GL_TEXTURE0);
        for (int slot = 0; slot < kImageSlotCount; ++slot)
            if (mEngine.images()[size_t(slot)] && GLint(mEngine.images()[size_t(slot)]->getId()) == bound)
                return kImageSlotIds[size_t(slot)];
        return 0;
    }

    // Pixels of the frame just drawn (the back buffer, before the swap) that are not black.
    size_t litPixels()
    {
        const Vec2i size = getWindowSize();
        std::vector<unsigned char> pixels(size_t(size.x) * size_t(size.y) * 4);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, size.x, size.y, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        size_t lit = 0;
        for (size_t i = 0; i < pixels.size(); i += 4)
            lit += (pixels[i] | pixels[i + 1] | pixels[i + 2]) != 0;
        return lit;
    }

    // What a desktop drop of these files turns into: begin, one event per file, complete.
    void pushDrop(const std::vector<std::string> &files)
    {
        const Uint32 window = SDL_GetWindowID(static_cast<SDL_Window *>(getWindow()->getNative()));
        auto push = [window](Uint32 type, const char *file) {
            SDL_Event event{};
            event.type = type;
            event.drop.windowID = window;
            event.drop.file = file ? SDL_strdup(file) : nullptr;
            SDL_PushEvent(&event);
        };
        push(SDL_DROPBEGIN, nullptr);
        for (const std::string &file : files)
            push(SDL_DROPFILE, file.c_str());
        push(SDL_DROPCOMPLETE, nullptr);
    }

    Options mOptions;
    bool mQuitTraced = false;
    bool mDropSent = false;
    double mLastDecision = 0.0;
    int mFadeTraced = -1;
    int mUnitTraced = -1;
};

} // namespace

int main(int argc, char **argv)
{
    const Options options = parseOptions(argc, argv);
    setPlatform(std::make_unique<TracingPlatform>(createDefaultPlatform()));
    return launchApplication(new TracedPlayer(options), std::make_shared<RendererGl>(0), "FraglumeApp");
}
