// A console that a person would type into, for the harness: starts the command line it is
// given inside its own console, with no standard handles (as cmd.exe starts a windowed
// program), waits for it to end, then writes to its own standard output "status N" and the
// text the console shows, one line per console row, trailing blanks cut.
#include <windows.h>

#include <string>

namespace {

void writeOut(HANDLE out, const std::string &text)
{
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string utf8(const std::wstring &text)
{
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    // The harness's pipe, taken before a console of our own could replace it.
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (argc < 2) {
        writeOut(out, "usage: console_probe PROGRAM [ARGS...]\n");
        return 2;
    }
    // A console of our own whose text can be read back (Wine gives a program started from a
    // terminal without one a console that keeps no text).
    FreeConsole();
    if (!AllocConsole()) {
        writeOut(out, "no console\n");
        return 3;
    }
    std::wstring command;
    for (int i = 1; i < argc; ++i)
        command += (i > 1 ? L" \"" : L"\"") + std::wstring(argv[i]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES; // all three null: nothing inherited
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        writeOut(out, "cannot start: error " + std::to_string(GetLastError()) + "\n");
        return 3;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (console == INVALID_HANDLE_VALUE || !GetConsoleScreenBufferInfo(console, &info)) {
        writeOut(out, "cannot read the console\n");
        return 3;
    }
    std::string report = "status " + std::to_string(status) + "\n";
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
        std::wstring row(static_cast<size_t>(info.dwSize.X), L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(console, row.data(), static_cast<DWORD>(row.size()), COORD{0, y}, &read);
        row.resize(read);
        while (!row.empty() && row.back() == L' ')
            row.pop_back();
        report += utf8(row) + "\n";
    }
    writeOut(out, report);
    return 0;
}
