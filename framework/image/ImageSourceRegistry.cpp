#include "framework/image/ImageSourceRegistry.h"

#include <vector>

namespace lume {

namespace {

std::string toLower(std::string text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

} // namespace

ImageSourceRegistry &ImageSourceRegistry::get()
{
    // Built on first use, so the built-in decoders are there whatever the link order was.
    static ImageSourceRegistry sRegistry;
    static const bool sBuiltIns = [] {
        registerBuiltInImageSources(sRegistry);
        return true;
    }();
    (void)sBuiltIns;
    return sRegistry;
}

void ImageSourceRegistry::registerGeneric(ImageSourceCreationFunc func, int32_t priority)
{
    std::lock_guard lock(mMutex);
    mGeneric[priority] = std::move(func);
}

void ImageSourceRegistry::registerType(const std::string &extension, ImageSourceCreationFunc func, int32_t priority)
{
    std::lock_guard lock(mMutex);
    mByExtension[toLower(extension)].emplace(priority, std::move(func));
}

ImageSourceRef ImageSourceRegistry::createSource(const DataSourceRef &dataSource, ImageSource::Options options,
                                                 const std::string &extension) const
{
    // Candidates are copied out so a creation function may itself use the registry.
    std::vector<ImageSourceCreationFunc> candidates;
    {
        std::lock_guard lock(mMutex);
        std::string ext = toLower(extension);
        if (!ext.empty()) {
            auto it = mByExtension.find(ext);
            if (it != mByExtension.end())
                for (const auto &entry : it->second)
                    candidates.push_back(entry.second);
        }
        for (const auto &entry : mGeneric)
            candidates.push_back(entry.second);
    }

    for (const auto &create : candidates) {
        try {
            if (ImageSourceRef source = create(dataSource, options))
                return source;
        } catch (...) {
            // A decoder that cannot read the data says so by throwing; the next one may.
        }
    }
    throw ImageIoExceptionFailedLoad();
}

std::string ImageSourceRegistry::extensionFromPath(const std::string &path)
{
    size_t dot = path.rfind('.');
    if (dot == std::string::npos)
        return {};
    if (path.find_first_of("/\\", dot) != std::string::npos)
        return {};
    return path.substr(dot + 1);
}

ImageSourceRef loadImage(const DataSourceRef &dataSource, ImageSource::Options options, std::string extension)
{
    if (!dataSource)
        throw ImageIoExceptionFailedLoad();
    if (extension.empty())
        extension = ImageSourceRegistry::extensionFromPath(dataSource->getFilePathHint());
    return ImageSourceRegistry::get().createSource(dataSource, options, extension);
}

void registerSourceGeneric(ImageSourceCreationFunc func, int32_t priority)
{
    ImageSourceRegistry::get().registerGeneric(std::move(func), priority);
}

void registerSourceType(const std::string &extension, ImageSourceCreationFunc func, int32_t priority)
{
    ImageSourceRegistry::get().registerType(extension, std::move(func), priority);
}

} // namespace lume
