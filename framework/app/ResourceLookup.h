#pragma once

// The platform's half of loadResource, for Resources.cpp only.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace lume::app {

// The bytes of the executable's embedded resource (id, type), or nothing when it holds no such
// resource. The bytes belong to the executable and stay valid for the whole run; an empty
// resource is found with no bytes. Safe to call from any thread. Each platform defines it once,
// beside the way its build embeds resources: incbin/ reads the table the build generates from
// the manifest, rc/ the Windows resource section. Type names match without regard to ASCII case
// on every platform (Windows' own rule); a type name no manifest can hold finds nothing.
std::optional<std::span<const unsigned char>> findResource(uint16_t id, const std::string &type);

} // namespace lume::app
