// Resource lookup on Linux: a walk over the table lume_embed_resources (cmake/Resources.cmake)
// generates from the manifest and links into each executable, its bytes placed by the
// assembler's .incbin into read-only data. Type names match without regard to ASCII case, as
// the Windows lookup matches them, so a name finds the same resource on both platforms
// (manifest type names are ASCII tokens). Left out: language variants (a manifest holds one file
// per type and id).
#include "framework/app/ResourceLookup.h"

#include "framework/app/incbin/ResourceTable.h"

#include <cstring>

namespace lume::app {

namespace {

bool sameTypeName(const std::string &type, const char *entryType)
{
    auto upper = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
    size_t n = std::strlen(entryType);
    if (type.size() != n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (upper(static_cast<unsigned char>(type[i])) != upper(static_cast<unsigned char>(entryType[i])))
            return false;
    return true;
}

} // namespace

std::optional<std::span<const unsigned char>> findResource(uint16_t id, const std::string &type)
{
    for (const ResourceEntry &entry : resourceTable())
        if (entry.id == id && sameTypeName(type, entry.type))
            return std::span<const unsigned char>(entry.begin, entry.end);
    return std::nullopt;
}

} // namespace lume::app
