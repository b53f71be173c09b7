#pragma once

#include <string>

namespace lume::gl {

// Whether the current context's driver lists the extension (exact word match). The answer is
// cached per name for the whole process; safe to call from several threads.
bool isExtensionAvailable(const std::string &extName);

} // namespace lume::gl
