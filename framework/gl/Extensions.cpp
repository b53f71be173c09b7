#include "framework/gl/Extensions.h"

#include <glad/gl.h>

#include <cstring>
#include <map>
#include <mutex>

namespace lume::gl {

namespace {

std::mutex sExtensionMutex;
std::map<std::string, bool> sExtensions;
std::string sExtensionString;
bool sExtensionStringFetched = false;

// The string is split at single spaces; a name matches a word of the same length and bytes,
// so a longer extension that merely starts with the name does not count.
bool listed(const std::string &all, const std::string &name)
{
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find(' ', start);
        if (end == std::string::npos)
            end = all.size();
        if (end - start == name.size() && all.compare(start, name.size(), name) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

bool isExtensionAvailable(const std::string &extName)
{
    std::lock_guard<std::mutex> lock(sExtensionMutex);
    if (!sExtensionStringFetched) {
        // Without a current context there is no string yet; ask again next time instead of
        // caching "absent" for every extension.
        const GLubyte *text = glGetString(GL_EXTENSIONS);
        if (!text)
            return false;
        sExtensionString = reinterpret_cast<const char *>(text);
        sExtensionStringFetched = true;
    }
    auto it = sExtensions.find(extName);
    if (it != sExtensions.end())
        return it->second;
    bool available = !extName.empty() && listed(sExtensionString, extName);
    sExtensions.emplace(extName, available);
    return available;
}

} // namespace lume::gl
