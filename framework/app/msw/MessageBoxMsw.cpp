// MessageBoxW, which an outside quit closes.
#include "framework/app/msw/PlatformMsw.h"

#include <windows.h>

#include <algorithm>
#include <mutex>
#include <string>

namespace lume::app {

namespace {

// What the console control handler needs to close an open message box.
std::mutex sMessageBoxMutex;
bool sMessageBoxOpen = false;
DWORD sMessageBoxThread = 0;

std::wstring toSystemText(const std::string &utf8)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(n, 0)), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

BOOL CALLBACK closeIfMessageBox(HWND window, LPARAM)
{
    wchar_t className[16] = {};
    // A message box is a dialog of the system's dialog class; the OK box takes WM_CLOSE as OK.
    if (GetClassNameW(window, className, 16) && std::wstring(className) == L"#32770")
        PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

} // namespace

// The box runs its own message loop on the thread that asked for it; while it is open, an
// outside quit closes it the way its close button would, so the quit can go ahead. The box
// may not be up yet when the request comes: look again for a while.
void PlatformMsw::closeOpenMessageBox()
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        DWORD thread;
        {
            std::lock_guard lock(sMessageBoxMutex);
            if (!sMessageBoxOpen)
                return;
            thread = sMessageBoxThread;
        }
        EnumThreadWindows(thread, closeIfMessageBox, 0);
        Sleep(100);
    }
}

void PlatformMsw::showMessageBox(void *ownerNative, const std::string &title, const std::string &text,
                                 MessageBoxIcon icon)
{
    UINT style = MB_OK;
    if (icon == MessageBoxIcon::Error)
        style |= MB_ICONERROR;
    else if (icon == MessageBoxIcon::Warning)
        style |= MB_ICONWARNING;
    else if (icon == MessageBoxIcon::Information)
        style |= MB_ICONINFORMATION;
    {
        std::lock_guard lock(sMessageBoxMutex);
        sMessageBoxOpen = true;
        sMessageBoxThread = GetCurrentThreadId();
    }
    const bool shown = !quitSignalled() && MessageBoxW(static_cast<HWND>(ownerNative), toSystemText(text).c_str(),
                                                       toSystemText(title).c_str(), style) != 0;
    {
        std::lock_guard lock(sMessageBoxMutex);
        sMessageBoxOpen = false;
    }
    // Without a box (no desktop, or the run is being ended) the text must still be seen.
    if (!shown || quitSignalled())
        writeDebugOutput(title + ": " + text + "\n");
}

} // namespace lume::app
