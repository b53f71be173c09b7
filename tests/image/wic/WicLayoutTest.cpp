// What the Windows decoder delivers for each kind of file: the same table the Linux decoder
// meets, on committed copies of the files the Linux encoders write, and how it refuses bad
// bytes.

#include "framework/image/wic/ImageSourceFileWic.h"
#include "tests/image/ImageFixtures.h"
#include "tests/image/LayoutTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

using namespace lume;
using namespace lume::test;
using Order = ImageIo::ChannelOrder;
using Type = ImageIo::DataType;
using Model = ImageIo::ColorModel;

namespace {

// WIC upsamples JPEG chroma differently from libjpeg-turbo: colours near a band edge differ
// by a few steps. PNG pixels must match exactly.
constexpr double kJpegTolerance = 8;

Bytes committed(const std::string &file)
{
    std::ifstream in(std::string(LUME_IMAGE_FIXTURES) + "/layout/" + file, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Where this decoder's layout differs from the table. A grey PNG with a transparent key comes
// out of Wine's PNG decoder as a palette image, which delivers RGBA (same pixels, other
// order; the texture upload gets the same values).
LayoutCase forWic(LayoutCase c)
{
    if (std::string(c.name) == "png_grey8_key")
        c.order = Order::RGBA;
    return c;
}

double toleranceOf(const LayoutCase &c)
{
    return std::string(c.file).ends_with(".jpg") ? kJpegTolerance : c.tolerance;
}

class WicLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(WicLayout, DeliversTheTableLayoutTopRowFirst)
{
    const LayoutCase c = forWic(GetParam());
    Bytes file = committed(c.file);
    ASSERT_FALSE(file.empty()) << c.file;
    auto source = std::make_shared<ImageSourceFileWic>(sourceOf(file));
    ASSERT_EQ(source->getChannelOrder(), c.order);
    ASSERT_EQ(source->getDataType(), c.type);
    EXPECT_EQ(source->getColorModel(), c.order == Order::Y ? Model::Gray : Model::RGB);
    ASSERT_EQ(source->getWidth(), c.width);
    ASSERT_EQ(source->getHeight(), c.height);
    const std::string &letters = orderLetters(c.order);
    int bytes = c.type == Type::UInt16 ? 2 : 1;
    ASSERT_EQ(source->getRowBytes(), c.width * int(letters.size()) * bytes);
    EXPECT_FALSE(source->isPremultiplied());

    const uint8_t *data = source->getData();
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            for (size_t i = 0; i < letters.size(); ++i) {
                const uint8_t *p =
                    data + size_t(y) * size_t(source->getRowBytes()) + (size_t(x) * letters.size() + i) * bytes;
                double value = p[0];
                if (bytes == 2) {
                    uint16_t v;
                    std::memcpy(&v, p, 2);
                    value = v;
                }
                EXPECT_NEAR(value, pick(c.expect(x, y), letters[i]), toleranceOf(c))
                    << c.name << " pixel " << x << "," << y << " component " << letters[i];
            }
}

// Through the registry into what a texture upload asks for, twice.
TEST_P(WicLayout, LoadsIntoAnUploadTargetRepeatedly)
{
    const LayoutCase &c = GetParam();
    ImageSourceRef source = loadImage(sourceOf(committed(c.file)));
    bool grey = source->getColorModel() == Model::Gray;
    Order order = grey ? (source->hasAlpha() ? Order::YA : Order::Y) : (source->hasAlpha() ? Order::RGBA : Order::RGB);
    const std::string &letters = orderLetters(order);
    for (int round = 0; round < 2; ++round) {
        auto target = std::make_shared<CpuTarget>(c.width, c.height, order, c.type, source->getColorModel());
        source->load(target);
        EXPECT_EQ(target->mFinalized, 1);
        for (int y : {0, c.height - 1})
            for (int x : {0, c.width - 1})
                for (size_t i = 0; i < letters.size(); ++i)
                    EXPECT_NEAR(target->component(x, y, int(i)), pick(c.expect(x, y), letters[i]), toleranceOf(c))
                        << c.name << " pixel " << x << "," << y << " component " << letters[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Files, WicLayout, testing::ValuesIn(layoutCases()),
                         [](const auto &info) { return std::string(info.param.name); });

Bytes cut(Bytes bytes, size_t keep)
{
    bytes.resize(keep);
    return bytes;
}

TEST(WicDecoder, RefusesBytesThatAreNoImageAndFramesTheFileDoesNotHave)
{
    Bytes png = committed("rgba8.png");
    Bytes jpeg = committed("colour.jpg");
    const struct {
        const char *what;
        Bytes bytes;
    } bad[] = {
        {"empty", {}},
        {"text", {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}},
        {"png signature only", cut(png, 8)},
        {"png cut in its header", cut(png, 20)},
        {"jpeg start marker only", {0xFF, 0xD8, 0xFF}},
    };
    for (const auto &c : bad) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(ImageSourceFileWic{sourceOf(c.bytes)}, ImageIoExceptionFailedLoad);
        EXPECT_THROW(loadImage(sourceOf(c.bytes)), ImageIoExceptionFailedLoad);
    }
    EXPECT_NO_THROW(ImageSourceFileWic(sourceOf(png), ImageSource::Options().index(0)));
    EXPECT_THROW(ImageSourceFileWic(sourceOf(png), ImageSource::Options().index(1)), ImageIoExceptionFailedLoad);
    EXPECT_THROW(ImageSourceFileWic(sourceOf(png), ImageSource::Options().index(-1)), ImageIoExceptionFailedLoad);
    EXPECT_THROW(loadImage(nullptr), ImageIoExceptionFailedLoad);
    EXPECT_THROW(ImageSourceFileWic(sourceOf(jpeg)).load(nullptr), ImageIoExceptionFailedLoad);
}

} // namespace
