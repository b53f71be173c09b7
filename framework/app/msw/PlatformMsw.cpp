// The process: command line, paths, debug output, the console window, the cursor, power.
#include "framework/app/msw/PlatformMsw.h"

#include "framework/app/Utf.h"
#include "framework/app/msw/AppImplMsw.h"
#include "framework/app/msw/RendererGlImplMsw.h"

#include <windows.h>

#include <shellapi.h>

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

} // namespace

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
    // The debugger sees UTF-16; invalid UTF-8 is replaced rather than lost.
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n > 0) {
        std::wstring wide(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
        OutputDebugStringW(wide.c_str());
    }
    // A program started from a console, or with its error stream redirected, has one.
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (err && err != INVALID_HANDLE_VALUE) {
        std::fwrite(text.data(), 1, text.size(), stderr);
        std::fflush(stderr);
    }
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
