#include "framework/app/Resources.h"

#include "framework/app/ResourceTable.h"

#include <cstdio>
#include <cstring>

namespace lume::app {

ResourceLoadExc::ResourceLoadExc(int id, const std::string &type)
{
    std::snprintf(mMessage, sizeof mMessage, "Failed to load resource: #%d type: %s", id, type.c_str());
}

DataSourceRef loadResource(int id, const std::string &type)
{
    // Resource ids are 16-bit on the platforms that have native resources; keep the same
    // key space so a table entry never answers for an id those could not hold.
    if (id >= 0 && id <= 0xFFFF) {
        for (const ResourceEntry &entry : resourceTable()) {
            if (entry.id == id && type == entry.type) {
                auto *bytes = const_cast<unsigned char *>(entry.begin);
                return DataSourceBuffer::create(Buffer(bytes, static_cast<uint32_t>(entry.end - entry.begin)));
            }
        }
    }
    throw ResourceLoadExc(id, type);
}

} // namespace lume::app
