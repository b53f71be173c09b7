// Resource lookup on Linux: a walk over the table lume_embed_resources (cmake/Resources.cmake)
// generates from the manifest and links into each executable, its bytes placed by the
// assembler's .incbin into read-only data. Type names match exactly, byte for byte. Left out:
// language variants (a manifest holds one file per type and id).
#include "framework/app/ResourceLookup.h"

#include "framework/app/incbin/ResourceTable.h"

namespace lume::app {

std::optional<std::span<const unsigned char>> findResource(uint16_t id, const std::string &type)
{
    for (const ResourceEntry &entry : resourceTable())
        if (entry.id == id && type == entry.type)
            return std::span<const unsigned char>(entry.begin, entry.end);
    return std::nullopt;
}

} // namespace lume::app
