#pragma once

#include <string>

// windows.h first: the headers below rely on its declarations.
#include <windows.h>

#include <mfidl.h>
#include <mfreadwrite.h>

namespace lume::audio::mf {

// The Media Foundation entry points the MP3 decoder calls, taken from mfplat.dll and
// mfreadwrite.dll when first asked for rather than imported: Windows N and KN editions without
// the Media Feature Pack (and some Server installs) have neither, and a program importing them
// would not start there at all. Without them the decoder answers that it has no decoder and the
// show runs silently.
struct MediaFoundation {
    HRESULT(WINAPI *startup)(ULONG version, DWORD flags) = nullptr;
    HRESULT(WINAPI *shutdown)() = nullptr;
    HRESULT(WINAPI *createMediaType)(IMFMediaType **type) = nullptr;
    HRESULT(WINAPI *createSourceReaderFromUrl)
    (LPCWSTR url, IMFAttributes *attributes, IMFSourceReader **reader) = nullptr;
};

// The entry points, or null when a library or one of its functions is missing. Loaded once
// for the process (the libraries stay loaded); any thread.
const MediaFoundation *mediaFoundation();

// Why mediaFoundation() is null, as a short English clause naming the library; empty when it is
// not.
const std::string &mediaFoundationProblem();

} // namespace lume::audio::mf
