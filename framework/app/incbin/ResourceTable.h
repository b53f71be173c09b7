#pragma once

// The resource table of the Linux build: lume_embed_resources (cmake/Resources.cmake) generates
// it for each executable from its manifest, and ResourceLookupIncbin.cpp searches it.

#include <span>

namespace lume::app {

// One embedded resource: bytes compiled into the executable, valid for the whole run.
struct ResourceEntry {
    const char *type;
    int id;
    const unsigned char *begin;
    const unsigned char *end;
};

// The executable's table, generated at build time from its resource manifest.
std::span<const ResourceEntry> resourceTable();

} // namespace lume::app
