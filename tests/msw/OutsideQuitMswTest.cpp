// The outside quit on Windows (the console's Ctrl-C or close, the session ending): it closes
// an open message box, keeps later boxes from showing (their text goes to the debug output),
// and ends the loop in order. A program of its own: the request lasts for the process's life.
#include "framework/app/AppBasic.h"
#include "framework/app/MessageBox.h"
#include "framework/app/RendererGl.h"
#include "framework/app/Window.h"
#include "framework/app/msw/PlatformMsw.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

using namespace lume::app;

namespace {

// Message boxes are dialogs of the system's dialog class, on the thread that shows them.
HWND findMessageBox(DWORD thread)
{
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND wnd, LPARAM param) {
            wchar_t name[16] = {};
            if (GetClassNameW(wnd, name, 16) && std::wstring(name) == L"#32770" && IsWindowVisible(wnd)) {
                *reinterpret_cast<HWND *>(param) = wnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

struct Seen {
    std::atomic<bool> boxAppeared = false, firstReturned = false, closedByRequest = false, secondReturned = false;
    std::atomic<bool> laterBoxAppeared = false, shutdown = false;
    uint32_t framesAfterSetup = 0;
};

class QuitApp : public AppBasic {
  public:
    explicit QuitApp(Seen &seen) : mSeen(seen) {}

    void prepareSettings(Settings *settings) override { settings->defaultWindowFormat.size = {320, 200}; }
    void setup() override
    {
        const DWORD mainThread = GetCurrentThreadId();
        std::atomic<bool> done{false};
        // The outside request comes while the box is open. A box the request leaves open, or
        // one shown after it, is closed here (so the test ends) and counted.
        std::thread watcher([&] {
            const auto waitFor = [](auto condition, int seconds) {
                const auto start = std::chrono::steady_clock::now();
                while (!condition() && std::chrono::steady_clock::now() - start < std::chrono::seconds(seconds))
                    Sleep(20);
                return condition();
            };
            mSeen.boxAppeared = waitFor([&] { return findMessageBox(mainThread) != nullptr; }, 20);
            PlatformMsw::requestOutsideQuit();
            mSeen.closedByRequest = waitFor([&] { return mSeen.firstReturned.load(); }, 10);
            while (!done) {
                if (HWND box = findMessageBox(mainThread)) {
                    if (mSeen.firstReturned)
                        mSeen.laterBoxAppeared = true;
                    PostMessageW(box, WM_CLOSE, 0, 0);
                }
                Sleep(20);
            }
        });
        showMessageBox(getWindow(), u"The first scene failed to load.", u"Fatal Error", MessageBoxIcon::Error);
        mSeen.firstReturned = true;
        showMessageBox(getWindow(), u"A later failure.", u"Fatal Error", MessageBoxIcon::Error);
        mSeen.secondReturned = true;
        done = true;
        watcher.join();
    }
    void update() override
    {
        // The loop must end on its own: the request, not the application, ends it.
        if (++mSeen.framesAfterSetup >= 600)
            quit();
    }
    void shutdown() override { mSeen.shutdown = true; }

  private:
    Seen &mSeen;
};

} // namespace

TEST(OutsideQuitMsw, ClosesTheOpenMessageBoxKeepsLaterOnesAwayAndEndsTheLoopInOrder)
{
    Seen seen;
    testing::internal::CaptureStderr();
    const int status = launchApplication(new QuitApp(seen), std::make_shared<RendererGl>(0), "OutsideQuit");
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(seen.boxAppeared);
    EXPECT_TRUE(seen.closedByRequest);
    EXPECT_TRUE(seen.secondReturned);
    EXPECT_FALSE(seen.laterBoxAppeared);
    EXPECT_TRUE(seen.shutdown);
    EXPECT_LE(seen.framesAfterSetup, 1u);
    // Both texts stay visible: the run is being ended, so they go to the debug output too.
    EXPECT_NE(errors.find("Fatal Error: The first scene failed to load."), std::string::npos) << errors;
    EXPECT_NE(errors.find("Fatal Error: A later failure."), std::string::npos) << errors;
}
