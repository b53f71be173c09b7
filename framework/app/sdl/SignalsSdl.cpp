// Quit signals and abnormal ends: the desktop mode comes back however the process ends.
#include "framework/app/sdl/AppImplSdl.h"
#include "framework/app/sdl/DisplayModeXrandr.h"
#include "framework/app/sdl/PlatformSdl.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <thread>

namespace lume::app {

namespace {

std::atomic<int> sQuitSignals{0};
std::terminate_handler sPreviousTerminate = nullptr;

sigset_t quitSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

// SIGINT and SIGTERM are blocked in every thread and taken here instead: the first asks for
// an orderly quit (the loop ends, shutdown puts the desktop back). One that comes more than a
// second later means the orderly way is stuck, so the desktop is put back from here and the
// process ends. Repeats within that second are the same request: supervisors such as
// timeout(1) signal the process and then its whole group.
void quitSignalThread(sigset_t signals, void (*closeMessageBox)())
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point first;
    for (;;) {
        int signal = 0;
        if (sigwait(&signals, &signal) != 0)
            continue;
        if (sQuitSignals.fetch_add(1) == 0) {
            first = Clock::now();
            AppImplSdl::wakeEventLoop();
            // On a thread of its own, so that this one goes on taking signals meanwhile.
            std::thread(closeMessageBox).detach();
        } else if (Clock::now() - first > std::chrono::seconds(1)) {
            xrandr::restoreOriginalMode();
            _exit(128 + signal);
        }
    }
}

// A forked child (SDL's message box helper, or a program started from here) gets the usual
// signal handling back: the blocked set is this process's own arrangement.
void unblockQuitSignalsInChild()
{
    const sigset_t signals = quitSignals();
    pthread_sigmask(SIG_UNBLOCK, &signals, nullptr);
}

[[noreturn]] void terminateRestoringDesktop()
{
    xrandr::restoreOriginalMode();
    if (sPreviousTerminate)
        sPreviousTerminate();
    std::abort();
}

} // namespace

void PlatformSdl::takeQuitSignals()
{
    const sigset_t signals = quitSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr); // inherited by every thread started later
    pthread_atfork(nullptr, nullptr, unblockQuitSignalsInChild);
    std::thread(quitSignalThread, signals, &PlatformSdl::closeOpenMessageBox).detach();
    sPreviousTerminate = std::set_terminate(terminateRestoringDesktop);
}

bool PlatformSdl::quitSignalled()
{
    return sQuitSignals.load() > 0;
}

} // namespace lume::app
