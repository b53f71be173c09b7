// The process: command line, paths, debug output, the console window, the cursor, power.
#include "framework/app/msw/PlatformMsw.h"

#include "framework/app/CommandLineOutput.h"
#include "framework/app/Utf.h"
#include "framework/app/msw/AppImplMsw.h"
#include "framework/app/msw/RendererGlImplMsw.h"

#include <windows.h>

#include <shellapi.h>

#include <io.h>

#include <cstdio>
#include <stdexcept>

namespace lume::app {

namespace {

// UTF-16 from the system into UTF-8. The system's text may hold unpaired surrogates (file
// names are not checked); they become U+FFFD instead of ending the run.
std::string fromSystemText(const wchar_t *text)
{
    std::u16string units(reinterpret_cast<const char16_t *>(text));
    try {
        return toUtf8(units);
    } catch (const std::runtime_error &) {
        for (size_t i = 0; i < units.size(); ++i) {
            const char16_t u = units[i];
            const bool high = u >= 0xD800 && u <= 0xDBFF, low = u >= 0xDC00 && u <= 0xDFFF;
            if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
                ++i;
            else if (high || low)
                units[i] = 0xFFFD;
        }
        return toUtf8(units);
    }
}

// A standard handle that leads somewhere: a console, a file or a pipe. A windowed program
// started from a console or a shortcut gets none (null); one whose starter redirected its
// output gets those.
bool leadsSomewhere(HANDLE handle)
{
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

std::wstring wideText(std::string_view text)
{
    // Invalid UTF-8 is replaced rather than lost.
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

// UTF-8 text to standard output or error. Through the C runtime's stream where it has a
// handle (a redirect, a console program's console, Wine's terminal), so that it keeps the
// runtime's line ends and order; else straight to the standard handle, which
// attachStartingConsole may have pointed at the starting console: the runtime of a windowed
// program cannot always reopen its streams there (Wine's refuses), and a console takes UTF-16
// whatever its code page.
void writeStandard(DWORD which, std::FILE *stream, std::string_view text)
{
    const int fd = _fileno(stream);
    const intptr_t runtimeHandle = fd >= 0 ? _get_osfhandle(fd) : -1;
    if (runtimeHandle != -1 && runtimeHandle != -2) {
        std::fwrite(text.data(), 1, text.size(), stream);
        std::fflush(stream);
        return;
    }
    const HANDLE handle = GetStdHandle(which);
    if (!leadsSomewhere(handle))
        return;
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = wideText(text);
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

} // namespace

void attachStartingConsole()
{
    const bool output = leadsSomewhere(GetStdHandle(STD_OUTPUT_HANDLE));
    const bool errors = leadsSomewhere(GetStdHandle(STD_ERROR_HANDLE));
    if (output && errors)
        return; // both redirected, or Wine, which hands a program the terminal's streams
    // The console of the program that started this one (cmd.exe's, PowerShell's). Access denied
    // means the process has a console already (Wine gives a windowed child its parent's).
    // A shell does not wait for a windowed program: the lines come after its next prompt.
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE)
        return;
    // Kept open for the process's life: it is the standard handle from now on.
    if (!output)
        SetStdHandle(STD_OUTPUT_HANDLE, console);
    if (!errors)
        SetStdHandle(STD_ERROR_HANDLE, console);
}

void printCommandLineAnswer(const std::string &text)
{
    writeStandard(STD_OUTPUT_HANDLE, stdout, text);
}

void showCommandLineRefusal(const std::string &line)
{
    if (leadsSomewhere(GetStdHandle(STD_ERROR_HANDLE))) {
        writeStandard(STD_ERROR_HANDLE, stderr, line + "\n");
        return;
    }
    // Started from a shortcut or Explorer: a box is the only place a person looks.
    MessageBoxW(nullptr, wideText(line).c_str(), L"fraglume", MB_OK | MB_ICONERROR);
}

std::unique_ptr<Platform> createDefaultPlatform()
{
    return std::make_unique<PlatformMsw>();
}

PlatformMsw::PlatformMsw()
{
    takeQuitSignals();
    // Window sizes and display modes are meant in real pixels, not in the scaled ones the
    // system shows a program that does not say it knows about scaling.
    SetProcessDPIAware();
}

std::vector<std::string> PlatformMsw::getCommandLine()
{
    std::vector<std::string> args;
    int count = 0;
    LPWSTR *argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv)
        return args;
    for (int i = 0; i < count; ++i)
        args.push_back(fromSystemText(argv[i]));
    LocalFree(argv);
    return args;
}

std::filesystem::path PlatformMsw::getAppPath()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return std::filesystem::path(L".\\");
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2); // the name was cut: try again with more room
    }
    return std::filesystem::path(buffer).remove_filename();
}

std::unique_ptr<AppImplBasic> PlatformMsw::createAppImpl(AppBasic *app)
{
    return std::make_unique<AppImplMsw>(app, this);
}

std::unique_ptr<RendererGlImpl> PlatformMsw::createRendererGlImpl(RendererGl *renderer)
{
    return std::make_unique<RendererGlImplMsw>(renderer);
}

void PlatformMsw::writeDebugOutput(std::string_view text)
{
    // The debugger sees UTF-16.
    OutputDebugStringW(wideText(text).c_str());
    // A program started from a console, or with its error stream redirected, has one.
    writeStandard(STD_ERROR_HANDLE, stderr, text);
}

void PlatformMsw::openConsoleWindow()
{
    if (!AllocConsole())
        return; // already has one
    std::FILE *ignored = nullptr;
    freopen_s(&ignored, "CONIN$", "r", stdin);
    freopen_s(&ignored, "CONOUT$", "w", stdout);
    freopen_s(&ignored, "CONOUT$", "w", stderr);
}

int PlatformMsw::showCursor(bool show)
{
    return ShowCursor(show ? TRUE : FALSE);
}

void PlatformMsw::setPowerManagement(bool enabled)
{
    std::lock_guard lock(mMutex);
    mPowerManagement = enabled;
    // Besides the window procedure's refusal of the screen-saver and monitor-power commands:
    // newer systems ask the execution state instead.
    SetThreadExecutionState(enabled ? ES_CONTINUOUS : ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED);
}

} // namespace lume::app
