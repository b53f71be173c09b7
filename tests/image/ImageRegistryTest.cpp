// Which decoder the registry picks, in which order, and where the extension comes from.

#include "framework/image/ImageSourceRegistry.h"
#include "tests/image/ImageFixtures.h"

#include <gtest/gtest.h>
#include <png.h>

#include <stdexcept>

using namespace lume;
using namespace lume::test;

namespace {

class NamedSource : public ImageSource {
  public:
    explicit NamedSource(std::string name) : mName(std::move(name)) {}
    void load(const ImageTargetRef &) override {}
    std::string mName;
};

std::string nameOf(const ImageSourceRef &source)
{
    return std::static_pointer_cast<NamedSource>(source)->mName;
}

// A creation function that records its call and then succeeds or throws what it is told.
ImageSourceCreationFunc candidate(std::vector<std::string> &calls, std::string name, int outcome)
{
    return [&calls, name, outcome](const DataSourceRef &, ImageSource::Options) -> ImageSourceRef {
        calls.push_back(name);
        if (outcome == 1)
            throw ImageIoExceptionFailedLoad();
        if (outcome == 2)
            throw std::runtime_error("not mine");
        if (outcome == 3)
            return nullptr;
        return std::make_shared<NamedSource>(name);
    };
}

enum { Succeeds = 0, ThrowsImageIo = 1, ThrowsOther = 2, ReturnsNothing = 3 };

TEST(ImageSourceRegistry, TriesExtensionSourcesThenGenericOnesInAscendingPriority)
{
    std::vector<std::string> calls;
    ImageSourceRegistry registry;
    registry.registerGeneric(candidate(calls, "generic0", ThrowsImageIo), 0);
    registry.registerGeneric(candidate(calls, "generic9", ThrowsImageIo), 9);
    registry.registerType("PNG", candidate(calls, "png5", ThrowsOther), 5);
    registry.registerType("png", candidate(calls, "png1", ReturnsNothing), 1);
    registry.registerType("png", candidate(calls, "png5b", ThrowsImageIo), 5);
    registry.registerType("jpg", candidate(calls, "jpg0", Succeeds), 0);

    EXPECT_THROW(registry.createSource(sourceOf({}), {}, "pNg"), ImageIoExceptionFailedLoad);
    EXPECT_EQ(calls, (std::vector<std::string>{"png1", "png5", "png5b", "generic0", "generic9"}));

    calls.clear();
    EXPECT_THROW(registry.createSource(sourceOf({}), {}, ""), ImageIoExceptionFailedLoad);
    EXPECT_EQ(calls, (std::vector<std::string>{"generic0", "generic9"}));
}

TEST(ImageSourceRegistry, FirstSourceThatDoesNotThrowWins)
{
    std::vector<std::string> calls;
    ImageSourceRegistry registry;
    registry.registerType("jpg", candidate(calls, "jpg-broken", ThrowsOther), 0);
    registry.registerType("jpg", candidate(calls, "jpg-good", Succeeds), 3);
    registry.registerGeneric(candidate(calls, "generic", Succeeds), 0);
    EXPECT_EQ(nameOf(registry.createSource(sourceOf({}), {}, "JPG")), "jpg-good");
    EXPECT_EQ(nameOf(registry.createSource(sourceOf({}), {}, "tiff")), "generic");
    EXPECT_EQ(calls, (std::vector<std::string>{"jpg-broken", "jpg-good", "generic"}));
}

TEST(ImageSourceRegistry, GenericPriorityRegisteredAgainReplacesTheEarlierSource)
{
    std::vector<std::string> calls;
    ImageSourceRegistry registry;
    registry.registerGeneric(candidate(calls, "old", Succeeds), 2);
    registry.registerGeneric(candidate(calls, "new", Succeeds), 2);
    EXPECT_EQ(nameOf(registry.createSource(sourceOf({}), {}, "")), "new");
    EXPECT_EQ(calls, std::vector<std::string>{"new"});
}

TEST(ImageSourceRegistry, OptionsReachTheCreationFunction)
{
    ImageSourceRegistry registry;
    int32_t seen = -1;
    registry.registerGeneric(
        [&](const DataSourceRef &, ImageSource::Options options) -> ImageSourceRef {
            seen = options.getIndex();
            return std::make_shared<NamedSource>("x");
        },
        0);
    registry.createSource(sourceOf({}), ImageSource::Options().index(4), "");
    EXPECT_EQ(seen, 4);
}

TEST(ImageSourceRegistry, ExtensionFromPath)
{
    const std::pair<const char *, const char *> cases[] = {
        {"picture.png", "png"},
        {"dir/a.b.JPG", "JPG"},
        {"no-extension", ""},
        {"", ""},
        {"trailing.", ""},
        {"dir.v2\\file", ""},
        {"dir.v2/file", ""},
        {".hidden", "hidden"},
        {"C:\\x.y\\img.Jpeg", "Jpeg"},
    };
    for (auto [path, ext] : cases)
        EXPECT_EQ(ImageSourceRegistry::extensionFromPath(path), ext) << path;
}

// The process-wide registry: the built-in decoder is there without any set-up, sources
// registered for an extension see data whose hint carries it, and an explicit extension wins
// over the hint.
TEST(LoadImage, UsesTheBuiltInDecoderAndTheExtensionFromTheHint)
{
    Bytes png = encodePng([] {
        PngSpec spec;
        spec.width = spec.height = 1;
        spec.colorType = PNG_COLOR_TYPE_GRAY;
        spec.rows = {{42}};
        return spec;
    }());
    EXPECT_EQ(loadImage(sourceOf(png))->getChannelOrder(), ImageIo::ChannelOrder::Y);

    std::vector<std::string> calls;
    registerSourceType("LumeTestA", candidate(calls, "a", Succeeds), 1);
    registerSourceType("lumetestb", candidate(calls, "b", ThrowsImageIo), 1);

    EXPECT_EQ(nameOf(loadImage(sourceOf(png, "some.dir/pic.lumetesta"))), "a");
    EXPECT_EQ(nameOf(loadImage(sourceOf(png, "pic.png"), {}, "LUMETESTA")), "a");
    // The hint is ignored when an extension is given.
    EXPECT_EQ(loadImage(sourceOf(png, "pic.lumetesta"), {}, "png")->getChannelOrder(), ImageIo::ChannelOrder::Y);
    // A refusing extension source falls through to the built-in decoder.
    EXPECT_EQ(loadImage(sourceOf(png, "pic.LumeTestB"))->getChannelOrder(), ImageIo::ChannelOrder::Y);
    EXPECT_EQ(calls, (std::vector<std::string>{"a", "a", "b"}));
}

} // namespace
