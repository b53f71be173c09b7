// Resource lookup on Windows: the executable's own resource section, which windres fills from
// the .rc file lume_embed_resources (cmake/Resources.cmake) writes from the manifest. Type
// names match without regard to case, as FindResourceW compares them (the Linux table does the
// same). Left out: language variants (a manifest holds one file per type and id).
#include "framework/app/ResourceLookup.h"

#include <windows.h>

namespace lume::app {

namespace {

// The type as FindResourceW takes it, or nothing for a name no manifest can hold and Windows
// would read as something else: "#10" names the numeric type 10, an embedded zero byte ends
// the name early, and text that is not UTF-8 has no wide form.
std::optional<std::wstring> resourceTypeName(const std::string &type)
{
    if (type.empty() || type[0] == '#' || type.find('\0') != std::string::npos)
        return std::nullopt;
    int size = static_cast<int>(type.size());
    int wideSize = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, type.data(), size, nullptr, 0);
    if (wideSize <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<size_t>(wideSize), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, type.data(), size, wide.data(), wideSize);
    return wide;
}

} // namespace

std::optional<std::span<const unsigned char>> findResource(uint16_t id, const std::string &type)
{
    // Id 0 would be a null name pointer, not an id.
    std::optional<std::wstring> wideType = resourceTypeName(type);
    if (id == 0 || !wideType)
        return std::nullopt;
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(id), wideType->c_str());
    if (!info)
        return std::nullopt;
    HGLOBAL handle = LoadResource(nullptr, info);
    if (!handle)
        return std::nullopt;
    const void *bytes = LockResource(handle);
    if (!bytes)
        return std::nullopt;
    // Resource memory is part of the loaded image: valid for the whole run, never freed.
    return std::span<const unsigned char>(static_cast<const unsigned char *>(bytes), SizeofResource(nullptr, info));
}

} // namespace lume::app
