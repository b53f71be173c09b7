#include "audio/mf/MediaFoundationMf.h"

namespace lume::audio::mf {

namespace {

struct Loaded {
    MediaFoundation functions;
    bool complete = false;
    std::string problem;
};

// Searched for in the system folder only: a DLL of the same name beside the program or in the
// working folder must not be taken instead.
HMODULE loadSystemLibrary(const wchar_t *name)
{
    HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Systems without the safe-search flags (Windows 7 without KB2533623) refuse the call with
    // an invalid-parameter error; a plain load is all they offer.
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER)
        module = LoadLibraryW(name);
    return module;
}

template <typename Function>
bool take(HMODULE module, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    return function != nullptr;
}

Loaded load()
{
    Loaded loaded;
    MediaFoundation &f = loaded.functions;
    HMODULE platform = loadSystemLibrary(L"mfplat.dll");
    if (!platform) {
        loaded.problem = "Media Foundation (mfplat.dll) is not installed";
        return loaded;
    }
    if (!take(platform, "MFStartup", f.startup) || !take(platform, "MFShutdown", f.shutdown) ||
        !take(platform, "MFCreateMediaType", f.createMediaType)) {
        loaded.problem = "Media Foundation's mfplat.dll lacks a function the player needs";
        return loaded;
    }
    HMODULE readWrite = loadSystemLibrary(L"mfreadwrite.dll");
    if (!readWrite) {
        loaded.problem = "Media Foundation's source reader (mfreadwrite.dll) is not installed";
        return loaded;
    }
    if (!take(readWrite, "MFCreateSourceReaderFromURL", f.createSourceReaderFromUrl)) {
        loaded.problem = "Media Foundation's mfreadwrite.dll lacks a function the player needs";
        return loaded;
    }
    loaded.complete = true;
    return loaded;
}

const Loaded &loaded()
{
    static const Loaded instance = load();
    return instance;
}

} // namespace

const MediaFoundation *mediaFoundation()
{
    return loaded().complete ? &loaded().functions : nullptr;
}

const std::string &mediaFoundationProblem()
{
    return loaded().problem;
}

} // namespace lume::audio::mf
