// Console control events and abnormal ends: the desktop mode comes back however the process
// ends.
#include "framework/app/msw/DisplayModeMsw.h"
#include "framework/app/msw/PlatformMsw.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <exception>
#include <thread>

namespace lume::app {

namespace {

std::atomic<int> sQuitRequests{0};
std::atomic<ULONGLONG> sFirstRequest{0};
HANDLE sQuitEvent = nullptr;
std::terminate_handler sPreviousTerminate = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER sPreviousFilter = nullptr;

// How long the orderly way may take after the console window closes or the session ends:
// the system ends the process itself a few seconds after the handler is called.
constexpr DWORD kOrderlyEndMs = 4000;

// Runs on a thread the system starts for each event. Ctrl-C and Ctrl-Break ask for an
// orderly quit (the loop ends, shutdown puts the desktop back); one that comes more than a
// second after the first means the orderly way is stuck, so the desktop is put back from here
// and the process ends. Repeats within that second are the same request. Closing the console
// and ending the session end the process once the handler returns, so the handler waits for
// the orderly end a while and puts the desktop back itself before it gives up.
BOOL WINAPI consoleControlHandler(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        if (sQuitRequests.load() > 0 && GetTickCount64() - sFirstRequest.load() > 1000) {
            msw::restoreOriginalMode();
            ExitProcess(STATUS_CONTROL_C_EXIT);
        }
        PlatformMsw::requestOutsideQuit();
        return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        PlatformMsw::requestOutsideQuit();
        Sleep(kOrderlyEndMs); // the process normally ends meanwhile, and this thread with it
        msw::restoreOriginalMode();
        return TRUE;
    default: return FALSE;
    }
}

[[noreturn]] void terminateRestoringDesktop()
{
    msw::restoreOriginalMode();
    if (sPreviousTerminate)
        sPreviousTerminate();
    std::abort();
}

// A crash (access violation and the like) ends the process without any of its own code
// running; the desktop mode goes back first.
LONG WINAPI crashRestoringDesktop(EXCEPTION_POINTERS *info)
{
    msw::restoreOriginalMode();
    return sPreviousFilter ? sPreviousFilter(info) : EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

void PlatformMsw::takeQuitSignals()
{
    sQuitEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    // A process may start with Ctrl-C turned off (inherited from its parent); the quit
    // request must reach the handler all the same.
    SetConsoleCtrlHandler(nullptr, FALSE);
    SetConsoleCtrlHandler(consoleControlHandler, TRUE);
    sPreviousTerminate = std::set_terminate(terminateRestoringDesktop);
    sPreviousFilter = SetUnhandledExceptionFilter(crashRestoringDesktop);
}

void PlatformMsw::requestOutsideQuit()
{
    if (sQuitRequests.fetch_add(1) == 0) {
        sFirstRequest = GetTickCount64();
        SetEvent(sQuitEvent);
        // On a thread of its own: closing the box waits for the box to appear.
        std::thread(closeOpenMessageBox).detach();
    }
}

bool PlatformMsw::quitSignalled()
{
    return sQuitRequests.load() > 0;
}

void *PlatformMsw::quitEvent()
{
    return sQuitEvent;
}

} // namespace lume::app
