#include "framework/app/Resources.h"

#include "framework/app/ResourceLookup.h"

#include <cstdio>

namespace lume::app {

ResourceLoadExc::ResourceLoadExc(int id, const std::string &type)
{
    std::snprintf(mMessage, sizeof mMessage, "Failed to load resource: #%d type: %s", id, type.c_str());
}

DataSourceRef loadResource(int id, const std::string &type)
{
    // Resource ids are 16-bit on the platforms that have native resources; keep the same
    // key space everywhere so no platform answers for an id another could not hold.
    if (id >= 0 && id <= 0xFFFF) {
        if (auto bytes = findResource(static_cast<uint16_t>(id), type)) {
            auto *data = const_cast<unsigned char *>(bytes->data());
            return DataSourceBuffer::create(Buffer(data, static_cast<uint32_t>(bytes->size())));
        }
    }
    throw ResourceLoadExc(id, type);
}

} // namespace lume::app
