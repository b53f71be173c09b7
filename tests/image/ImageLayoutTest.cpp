// What the built-in decoder delivers for each kind of file, and how it refuses bad files.

#include "framework/image/jpegpng/ImageSourceFileJpegPng.h"
#include "tests/image/ImageFixtures.h"
#include "tests/image/LayoutTable.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <thread>

using namespace lume;
using namespace lume::test;
using Order = ImageIo::ChannelOrder;
using Type = ImageIo::DataType;
using Model = ImageIo::ColorModel;

namespace {

using namespace lume::test::content;

void put16(Bytes &row, int v)
{
    row.push_back(uint8_t(v >> 8));
    row.push_back(uint8_t(v));
}

// Colour or grey rows (optionally with alpha) in PNG's big-endian packing.
PngSpec pngOf(int colorType, int bitDepth, int w = 3, int h = 2)
{
    PngSpec spec;
    spec.width = w;
    spec.height = h;
    spec.bitDepth = bitDepth;
    spec.colorType = colorType;
    for (int y = 0; y < h; ++y) {
        Bytes row;
        for (int x = 0; x < w; ++x) {
            std::vector<int> values;
            if (colorType & PNG_COLOR_MASK_COLOR)
                values = {R(x, y), G(x, y), B(x, y)};
            else
                values = {Y(x, y)};
            if (colorType & PNG_COLOR_MASK_ALPHA)
                values.push_back(A(x, y));
            for (int v : values) {
                if (bitDepth == 16)
                    put16(row, wide(v, x));
                else
                    row.push_back(uint8_t(v));
            }
        }
        spec.rows.push_back(row);
    }
    return spec;
}

// Grey samples of 1, 2 or 4 bits packed into bytes, most significant first.
PngSpec lowGrayPng(int depth, int w = 5, int h = 3)
{
    PngSpec spec;
    spec.width = w;
    spec.height = h;
    spec.bitDepth = depth;
    spec.colorType = PNG_COLOR_TYPE_GRAY;
    for (int y = 0; y < h; ++y) {
        Bytes row((size_t(w) * size_t(depth) + 7) / 8, 0);
        for (int x = 0; x < w; ++x) {
            int bit = x * depth;
            row[size_t(bit / 8)] |= uint8_t(lowGray(x, y, depth) << (8 - depth - bit % 8));
        }
        spec.rows.push_back(row);
    }
    return spec;
}

PngSpec palettePng(bool withAlpha)
{
    PngSpec spec;
    spec.width = 3;
    spec.height = 2;
    spec.bitDepth = 8;
    spec.colorType = PNG_COLOR_TYPE_PALETTE;
    spec.palette.assign(std::begin(kPalette), std::end(kPalette));
    if (withAlpha)
        spec.paletteAlpha.assign(std::begin(kPaletteAlpha), std::end(kPaletteAlpha));
    for (int y = 0; y < 2; ++y)
        spec.rows.push_back({uint8_t((0 + y) % 3), uint8_t((1 + y) % 3), uint8_t((2 + y) % 3)});
    return spec;
}

Bytes colorJpeg(bool progressive)
{
    Bytes pixels;
    for (int y = 0; y < kJpegH; ++y)
        for (int x = 0; x < kJpegW; ++x) {
            Px p = jpegColorAt(x, y);
            pixels.insert(pixels.end(), {uint8_t(p.r), uint8_t(p.g), uint8_t(p.b)});
        }
    return encodeJpeg(kJpegW, kJpegH, JpegKind::Color, pixels, progressive);
}

Bytes grayJpeg()
{
    Bytes pixels;
    for (int y = 0; y < kJpegH; ++y)
        for (int x = 0; x < kJpegW; ++x)
            pixels.push_back(uint8_t(jpegGrayAt(x, y)));
    return encodeJpeg(kJpegW, kJpegH, JpegKind::Gray, pixels);
}

PngSpec withKey(PngSpec spec)
{
    if (spec.colorType == PNG_COLOR_TYPE_GRAY)
        spec.transparentGray = uint16_t(Y(0, 0));
    else
        spec.transparentRgb = std::array<uint16_t, 3>{uint16_t(R(0, 0)), uint16_t(G(0, 0)), uint16_t(B(0, 0))};
    return spec;
}

PngSpec interlaced(PngSpec spec)
{
    spec.interlaced = true;
    return spec;
}

// The file each case of the shared table stands for, encoded here with libpng and libjpeg.
Bytes makeFile(const LayoutCase &c)
{
    static const std::map<std::string, std::function<Bytes()>> makers = {
        {"jpeg_colour", [] { return colorJpeg(false); }},
        {"jpeg_progressive", [] { return colorJpeg(true); }},
        {"jpeg_grey", grayJpeg},
        {"png_rgb8", [] { return encodePng(pngOf(PNG_COLOR_TYPE_RGB, 8)); }},
        {"png_rgba8", [] { return encodePng(pngOf(PNG_COLOR_TYPE_RGBA, 8)); }},
        {"png_rgb8_key", [] { return encodePng(withKey(pngOf(PNG_COLOR_TYPE_RGB, 8))); }},
        {"png_rgb16", [] { return encodePng(pngOf(PNG_COLOR_TYPE_RGB, 16)); }},
        {"png_rgba16", [] { return encodePng(pngOf(PNG_COLOR_TYPE_RGBA, 16)); }},
        {"png_palette", [] { return encodePng(palettePng(false)); }},
        {"png_palette_alpha", [] { return encodePng(palettePng(true)); }},
        {"png_grey8", [] { return encodePng(pngOf(PNG_COLOR_TYPE_GRAY, 8)); }},
        {"png_grey16", [] { return encodePng(pngOf(PNG_COLOR_TYPE_GRAY, 16)); }},
        {"png_grey1", [] { return encodePng(lowGrayPng(1)); }},
        {"png_grey2", [] { return encodePng(lowGrayPng(2)); }},
        {"png_grey4", [] { return encodePng(lowGrayPng(4)); }},
        {"png_grey8_key", [] { return encodePng(withKey(pngOf(PNG_COLOR_TYPE_GRAY, 8))); }},
        {"png_grey_alpha8", [] { return encodePng(pngOf(PNG_COLOR_TYPE_GRAY_ALPHA, 8)); }},
        {"png_grey_alpha16", [] { return encodePng(pngOf(PNG_COLOR_TYPE_GRAY_ALPHA, 16)); }},
        {"png_rgb8_interlaced", [] { return encodePng(interlaced(pngOf(PNG_COLOR_TYPE_RGB, 8))); }},
    };
    return makers.at(c.name)();
}

class DecoderLayout : public testing::TestWithParam<LayoutCase> {};

// The decoded description and the decoded bytes themselves, pixel by pixel, in the order the
// channel order names.
TEST_P(DecoderLayout, DeliversTheTableLayoutTopRowFirst)
{
    const LayoutCase &c = GetParam();
    auto source = std::make_shared<ImageSourceFileJpegPng>(sourceOf(makeFile(c)));
    ASSERT_EQ(source->getChannelOrder(), c.order);
    ASSERT_EQ(source->getDataType(), c.type);
    EXPECT_EQ(source->getColorModel(), c.order == Order::Y ? Model::Gray : Model::RGB);
    ASSERT_EQ(source->getWidth(), c.width);
    ASSERT_EQ(source->getHeight(), c.height);
    const std::string &letters = orderLetters(c.order);
    int bytes = c.type == Type::UInt16 ? 2 : 1;
    ASSERT_EQ(source->getRowBytes(), c.width * int(letters.size()) * bytes);
    EXPECT_FALSE(source->isPremultiplied());
    EXPECT_EQ(source->getPixelAspectRatio(), 1.0f);

    const uint8_t *data = source->getData();
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            for (size_t i = 0; i < letters.size(); ++i) {
                const uint8_t *p =
                    data + size_t(y) * size_t(source->getRowBytes()) + (size_t(x) * letters.size() + i) * bytes;
                double value = p[0];
                if (bytes == 2) {
                    uint16_t v;
                    std::memcpy(&v, p, 2); // machine byte order
                    value = v;
                }
                EXPECT_NEAR(value, pick(c.expect(x, y), letters[i]), c.tolerance)
                    << c.name << " pixel " << x << "," << y << " component " << letters[i];
            }
}

// What a texture upload asks for: the same component type, RGB/RGBA or Y/YA by the source's
// model and alpha. The source reorders into it, every time it is asked.
TEST_P(DecoderLayout, LoadsIntoAnUploadTargetRepeatedly)
{
    const LayoutCase &c = GetParam();
    ImageSourceRef source = loadImage(sourceOf(makeFile(c)));
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
                    EXPECT_NEAR(target->component(x, y, int(i)), pick(c.expect(x, y), letters[i]), c.tolerance)
                        << c.name << " pixel " << x << "," << y << " component " << letters[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DecoderLayout, testing::ValuesIn(layoutCases()),
                         [](const auto &info) { return std::string(info.param.name); });

// The Windows decoder is tested on committed copies of these files (it has no encoder to make
// them). They must still decode to what the encoders here write today; with
// LUME_WRITE_LAYOUT_FIXTURES set the copies are written afresh first.
TEST(LayoutFixtures, CommittedCopiesDecodeLikeFreshlyEncodedFiles)
{
    const std::string dir = std::string(LUME_IMAGE_FIXTURES) + "/layout/";
    bool rewrite = std::getenv("LUME_WRITE_LAYOUT_FIXTURES") != nullptr;
    auto rows = [](const Bytes &file) {
        ImageSourceFileJpegPng source(sourceOf(file));
        return Bytes(source.getData(), source.getData() + size_t(source.getRowBytes()) * size_t(source.getHeight()));
    };
    for (const LayoutCase &c : layoutCases()) {
        SCOPED_TRACE(c.name);
        Bytes fresh = makeFile(c);
        if (rewrite)
            std::ofstream(dir + c.file, std::ios::binary)
                .write(reinterpret_cast<const char *>(fresh.data()), std::streamsize(fresh.size()));
        std::ifstream in(dir + c.file, std::ios::binary);
        ASSERT_TRUE(in) << dir + c.file;
        Bytes committed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(rows(committed), rows(fresh));
    }
}

// Byte offset of the first chunk of the given type in a PNG file.
size_t chunkOffset(const Bytes &png, const char *type)
{
    for (size_t at = 8; at + 8 <= png.size();) {
        uint32_t length =
            uint32_t(png[at]) << 24 | uint32_t(png[at + 1]) << 16 | uint32_t(png[at + 2]) << 8 | png[at + 3];
        if (std::memcmp(&png[at + 4], type, 4) == 0)
            return at;
        at += 12 + length;
    }
    return 0;
}

// Byte offset of a JPEG marker (0xFF, code).
size_t markerOffset(const Bytes &jpeg, uint8_t code)
{
    for (size_t i = 0; i + 1 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == code)
            return i;
    return 0;
}

Bytes withJpegSize(Bytes jpeg, uint16_t width, uint16_t height)
{
    size_t sof = markerOffset(jpeg, 0xC0); // baseline frame header: FF C0, length, precision, height, width
    jpeg[sof + 5] = uint8_t(height >> 8);
    jpeg[sof + 6] = uint8_t(height);
    jpeg[sof + 7] = uint8_t(width >> 8);
    jpeg[sof + 8] = uint8_t(width);
    return jpeg;
}

Bytes cut(Bytes bytes, size_t keep)
{
    bytes.resize(keep);
    return bytes;
}

struct BadCase {
    const char *name;
    std::function<Bytes()> make;
};

std::vector<BadCase> badCases()
{
    auto png = [] { return encodePng(pngOf(PNG_COLOR_TYPE_RGBA, 8, 40, 30)); };
    auto jpeg = [] { return colorJpeg(false); };
    return {
        {"empty", [] { return Bytes{}; }},
        {"text", [] { return Bytes{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}; }},
        {"png_signature_only", [png] { return cut(png(), 8); }},
        {"png_cut_in_header", [png] { return cut(png(), 20); }},
        {"png_cut_in_data",
         [png] {
             Bytes b = png();
             return cut(b, chunkOffset(b, "IDAT") + 20);
         }},
        {"png_without_end_chunk",
         [png] {
             Bytes b = png();
             return cut(b, chunkOffset(b, "IEND"));
         }},
        {"png_bad_data_checksum",
         [png] {
             Bytes b = png();
             b[chunkOffset(b, "IDAT") + 10] ^= 0x55;
             return b;
         }},
        {"png_zero_width", [png] { return withPngSize(png(), 0, 30); }},
        {"png_zero_height", [png] { return withPngSize(png(), 40, 0); }},
        // Claims far more pixels than the file holds or the decoder accepts.
        {"png_too_large", [png] { return withPngSize(png(), 20000, 20000); }},
        {"png_too_wide", [png] { return withPngSize(png(), 70000, 1); }},
        {"png_size_overflow", [png] { return withPngSize(png(), 0x7fffffff, 0x7fffffff); }},
        // Complete and well formed, one row more than the pixel limit allows.
        {"png_complete_over_pixel_limit",
         [] {
             PngSpec spec;
             spec.width = 16384;
             spec.height = 16385;
             spec.bitDepth = 1;
             spec.colorType = PNG_COLOR_TYPE_GRAY;
             spec.rows.assign(size_t(spec.height), Bytes(16384 / 8, 0));
             return encodePng(spec);
         }},
        // Within the limits but without the data: fails on the missing rows.
        {"png_claims_more_rows", [png] { return withPngSize(png(), 40, 3000); }},
        {"jpeg_soi_only",
         [] {
             return Bytes{0xFF, 0xD8, 0xFF};
         }},
        {"jpeg_cut_in_data",
         [jpeg] {
             Bytes b = jpeg();
             size_t scan = markerOffset(b, 0xDA);
             return cut(b, scan + (b.size() - scan) / 2);
         }},
        {"jpeg_without_end_marker",
         [jpeg] {
             Bytes b = jpeg();
             return cut(b, b.size() - 2);
         }},
        {"jpeg_zero_height", [jpeg] { return withJpegSize(jpeg(), kJpegW, 0); }},
        {"jpeg_too_large", [jpeg] { return withJpegSize(jpeg(), 65000, 65000); }},
        {"jpeg_claims_more_rows", [jpeg] { return withJpegSize(jpeg(), kJpegW, 4000); }},
        {"jpeg_cmyk", [] { return encodeJpeg(8, 8, JpegKind::Cmyk, Bytes(8 * 8 * 4, 100)); }},
    };
}

void PrintTo(const BadCase &c, std::ostream *os)
{
    *os << c.name;
}

class DecoderRefuses : public testing::TestWithParam<BadCase> {};

TEST_P(DecoderRefuses, WithFailedLoad)
{
    Bytes bytes = GetParam().make();
    EXPECT_THROW(ImageSourceFileJpegPng{sourceOf(bytes)}, ImageIoExceptionFailedLoad);
    EXPECT_THROW(loadImage(sourceOf(bytes)), ImageIoExceptionFailedLoad);
}

INSTANTIATE_TEST_SUITE_P(Files, DecoderRefuses, testing::ValuesIn(badCases()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Decoder, RefusesFramesOtherThanTheFirstAndMissingInput)
{
    Bytes png = encodePng(pngOf(PNG_COLOR_TYPE_RGB, 8));
    EXPECT_NO_THROW(ImageSourceFileJpegPng(sourceOf(png), ImageSource::Options().index(0)));
    EXPECT_THROW(ImageSourceFileJpegPng(sourceOf(png), ImageSource::Options().index(1)), ImageIoExceptionFailedLoad);
    EXPECT_THROW(loadImage(sourceOf(png), ImageSource::Options().index(-1)), ImageIoExceptionFailedLoad);
    EXPECT_THROW(loadImage(nullptr), ImageIoExceptionFailedLoad);
    EXPECT_THROW(ImageSourceFileJpegPng(sourceOf(png)).load(nullptr), ImageIoExceptionFailedLoad);
}

// Each decode keeps its state to itself, so decoders on two threads do not disturb each other.
TEST(Decoder, DecodesOnTwoThreadsAtOnce)
{
    const Bytes png = encodePng(pngOf(PNG_COLOR_TYPE_RGBA, 16, 64, 64));
    const Bytes jpeg = colorJpeg(true);
    auto digest = [](const Bytes &file) {
        auto source = std::make_shared<ImageSourceFileJpegPng>(sourceOf(file));
        return Bytes(source->getData(),
                     source->getData() + size_t(source->getRowBytes()) * size_t(source->getHeight()));
    };
    const Bytes expectPng = digest(png), expectJpeg = digest(jpeg);
    bool okPng = true, okJpeg = true;
    std::thread a([&] {
        for (int i = 0; i < 30; ++i)
            okPng = okPng && digest(png) == expectPng;
    });
    std::thread b([&] {
        for (int i = 0; i < 30; ++i)
            okJpeg = okJpeg && digest(jpeg) == expectJpeg;
    });
    a.join();
    b.join();
    EXPECT_TRUE(okPng);
    EXPECT_TRUE(okJpeg);
}

TEST(ImageIoException, SaysUnknownException)
{
    try {
        loadImage(sourceOf(Bytes{1, 2, 3}));
        FAIL() << "no exception";
    } catch (const lume::Exception &e) {
        EXPECT_STREQ(e.what(), "Unknown exception");
    }
    EXPECT_STREQ(ImageIoExceptionIllegalChannelOrder().what(), "Unknown exception");
}

} // namespace
