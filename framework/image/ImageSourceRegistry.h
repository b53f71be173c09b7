#pragma once

#include "framework/image/ImageIo.h"

#include <map>
#include <mutex>
#include <string>

namespace lume {

// Chooses a decoder for a data source. The process-wide instance (get()) registers the
// platform's built-in decoders when it is first used, through registerBuiltInImageSources, so
// no static initialiser in a static library is needed (the linker may drop those). Separate
// instances start empty; tests use them.
class ImageSourceRegistry {
  public:
    ImageSourceRegistry() = default;
    ImageSourceRegistry(const ImageSourceRegistry &) = delete;
    ImageSourceRegistry &operator=(const ImageSourceRegistry &) = delete;

    static ImageSourceRegistry &get();

    // One generic source per priority; registering the same priority again replaces it.
    void registerGeneric(ImageSourceCreationFunc func, int32_t priority);
    // Any number of sources per extension; equal priorities are tried in registration order.
    void registerType(const std::string &extension, ImageSourceCreationFunc func, int32_t priority);

    // Sources for the (lower-cased) extension first, then the generic ones, each in ascending
    // priority. A creation function that throws (or returns nothing) is skipped and the next
    // is tried. Throws ImageIoExceptionFailedLoad when none succeeds.
    ImageSourceRef createSource(const DataSourceRef &dataSource, ImageSource::Options options,
                                const std::string &extension) const;

    // The text after the last "." of a path, or "" when there is none or a path separator
    // ("/" or "\\") follows it.
    static std::string extensionFromPath(const std::string &path);

  private:
    mutable std::mutex mMutex;
    std::map<int32_t, ImageSourceCreationFunc> mGeneric;
    std::map<std::string, std::multimap<int32_t, ImageSourceCreationFunc>> mByExtension;
};

// Registers the platform's built-in decoders into `registry`. Each platform's decoder defines
// it in its own folder (jpegpng/ over libjpeg-turbo and libpng) and the build compiles exactly
// one; the process-wide registry calls it once, on first use. Since get() calls it, the
// decoder's object file is always linked in.
void registerBuiltInImageSources(ImageSourceRegistry &registry);

} // namespace lume
