// The row conversion every source uses to write into a target: layouts, component types,
// colour models, and the layouts it refuses.

#include "framework/image/ImageIo.h"
#include "tests/image/ImageFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace lume;
using namespace lume::test;
using Order = ImageIo::ChannelOrder;
using Type = ImageIo::DataType;
using Model = ImageIo::ColorModel;

namespace {

// One pixel row of given components in any layout.
class RowSource : public ImageSource {
  public:
    RowSource(Order order, Type type, Model model, std::vector<double> components) : mComponents(components)
    {
        setChannelOrder(order);
        setDataType(type);
        setColorModel(model);
        size_t perPixel = order == Order::Unknown ? components.size() : size_t(channelOrderComponents(order));
        setSize(int32_t(components.size() / perPixel), 1);
        for (double v : components) {
            if (type == Type::UInt16) {
                uint16_t c = uint16_t(v);
                mBytes.insert(mBytes.end(), reinterpret_cast<uint8_t *>(&c), reinterpret_cast<uint8_t *>(&c) + 2);
            } else if (type == Type::Float32) {
                float c = float(v);
                mBytes.insert(mBytes.end(), reinterpret_cast<uint8_t *>(&c), reinterpret_cast<uint8_t *>(&c) + 4);
            } else {
                mBytes.push_back(uint8_t(v));
            }
        }
    }
    void load(const ImageTargetRef &target) override { writeRows(*target, mBytes.data(), mBytes.size()); }

    std::vector<double> mComponents;
    Bytes mBytes;
};

struct ConvertCase {
    const char *name;
    Order srcOrder;
    Type srcType;
    std::vector<double> src;
    Order dstOrder;
    Type dstType;
    std::vector<double> expect;
};

Model modelOf(Order order)
{
    return (order == Order::Y || order == Order::YA) ? Model::Gray : Model::RGB;
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

class RowConversion : public testing::TestWithParam<ConvertCase> {};

TEST_P(RowConversion, WritesTheTargetLayout)
{
    const ConvertCase &c = GetParam();
    RowSource source(c.srcOrder, c.srcType, modelOf(c.srcOrder), c.src);
    auto target = std::make_shared<CpuTarget>(source.getWidth(), 1, c.dstOrder, c.dstType, modelOf(c.dstOrder));
    source.load(target);
    int perPixel = ImageIo::channelOrderComponents(c.dstOrder);
    ASSERT_EQ(c.expect.size(), size_t(perPixel * source.getWidth()));
    for (size_t i = 0; i < c.expect.size(); ++i)
        EXPECT_NEAR(target->component(int(i) / perPixel, 0, int(i) % perPixel), c.expect[i], 1e-6)
            << c.name << " component " << i;
    EXPECT_EQ(target->mFinalized, 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Layouts, RowConversion,
    testing::Values(
        // Layout only: what a texture upload needs; values pass unchanged.
        ConvertCase{"bgr_to_rgb", Order::BGR, Type::UInt8, {1, 2, 3, 4, 5, 6}, Order::RGB, Type::UInt8, {3, 2, 1, 6, 5, 4}},
        ConvertCase{"bgrx_to_rgb", Order::BGRX, Type::UInt8, {1, 2, 3, 9}, Order::RGB, Type::UInt8, {3, 2, 1}},
        ConvertCase{"bgra_to_rgba", Order::BGRA, Type::UInt8, {1, 2, 3, 4}, Order::RGBA, Type::UInt8, {3, 2, 1, 4}},
        ConvertCase{"bgra_to_argb", Order::BGRA, Type::UInt8, {1, 2, 3, 4}, Order::ARGB, Type::UInt8, {4, 3, 2, 1}},
        ConvertCase{"rgba_to_rgb_drops_alpha", Order::RGBA, Type::UInt8, {1, 2, 3, 4}, Order::RGB, Type::UInt8, {1, 2, 3}},
        ConvertCase{"rgba16_to_rgba16", Order::RGBA, Type::UInt16, {0x1234, 2, 0xFFFF, 4}, Order::RGBA, Type::UInt16, {0x1234, 2, 0xFFFF, 4}},
        ConvertCase{"rgb_float_to_rgb_float", Order::RGB, Type::Float32, {0.25, -2, 7.5}, Order::RGB, Type::Float32, {0.25, -2, 7.5}},
        ConvertCase{"y_to_y", Order::Y, Type::UInt8, {77, 78}, Order::Y, Type::UInt8, {77, 78}},
        ConvertCase{"ya_to_ya", Order::YA, Type::UInt16, {700, 9}, Order::YA, Type::UInt16, {700, 9}},
        // Components the source lacks: opaque alpha, padding filled, never left undefined.
        ConvertCase{"bgr_to_rgba_opaque", Order::BGR, Type::UInt8, {1, 2, 3}, Order::RGBA, Type::UInt8, {3, 2, 1, 255}},
        ConvertCase{"bgr_to_xbgr", Order::BGR, Type::UInt8, {1, 2, 3}, Order::XBGR, Type::UInt8, {255, 1, 2, 3}},
        ConvertCase{"y16_to_ya16_opaque", Order::Y, Type::UInt16, {700}, Order::YA, Type::UInt16, {700, 65535}},
        // Colour models.
        ConvertCase{"y_to_rgb", Order::Y, Type::UInt8, {77}, Order::RGB, Type::UInt8, {77, 77, 77}},
        ConvertCase{"red_to_y", Order::RGB, Type::UInt8, {255, 0, 0}, Order::Y, Type::UInt8, {76}},
        ConvertCase{"white_to_y", Order::BGR, Type::UInt8, {255, 255, 255}, Order::Y, Type::UInt8, {255}},
        // Component types keep the full range.
        ConvertCase{"u8_to_u16", Order::RGB, Type::UInt8, {0xAB, 0, 255}, Order::RGB, Type::UInt16, {0xABAB, 0, 0xFFFF}},
        ConvertCase{"u16_to_u8", Order::RGB, Type::UInt16, {0x1234, 0xFFFF, 0x80FF}, Order::RGB, Type::UInt8, {0x12, 0xFF, 0x80}},
        ConvertCase{"u8_to_float", Order::RGB, Type::UInt8, {255, 0, 51}, Order::RGB, Type::Float32, {1.0, 0.0, 0.2}},
        ConvertCase{"float_to_u8_clamps", Order::RGB, Type::Float32, {1.5, -1, kNaN}, Order::RGB, Type::UInt8, {255, 0, 0}},
        ConvertCase{"float_to_u16", Order::RGB, Type::Float32, {0.5, 1, 0}, Order::RGB, Type::UInt16, {32768, 65535, 0}}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

void PrintTo(const ConvertCase &c, std::ostream *os)
{
    *os << c.name;
}

struct RefusalCase {
    const char *name;
    Order srcOrder;
    Type srcType;
    Model srcModel;
    Order dstOrder;
    Type dstType;
    Model dstModel;
    enum { DataType, ColorModel, ChannelOrder } expect;
};

void PrintTo(const RefusalCase &c, std::ostream *os)
{
    *os << c.name;
}

class RowConversionRefuses : public testing::TestWithParam<RefusalCase> {};

// Refused before any row is written: the target keeps its marker bytes and is not finalized.
TEST_P(RowConversionRefuses, WithTheMatchingExceptionAndTouchesNothing)
{
    const RefusalCase &c = GetParam();
    RowSource source(c.srcOrder, c.srcType, c.srcModel, {1, 2, 3, 4});
    auto target = std::make_shared<CpuTarget>(1, 1, c.dstOrder, c.dstType, c.dstModel);
    switch (c.expect) {
    case RefusalCase::DataType: EXPECT_THROW(source.load(target), ImageIoExceptionIllegalDataType); break;
    case RefusalCase::ColorModel: EXPECT_THROW(source.load(target), ImageIoExceptionIllegalColorModel); break;
    case RefusalCase::ChannelOrder: EXPECT_THROW(source.load(target), ImageIoExceptionIllegalChannelOrder); break;
    }
    EXPECT_EQ(target->mData, Bytes(target->mData.size(), 0xCD));
    EXPECT_EQ(target->mFinalized, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Layouts, RowConversionRefuses,
    testing::Values(
        RefusalCase{"source_type_unknown", Order::RGBA, Type::Unknown, Model::RGB, Order::RGBA, Type::UInt8, Model::RGB, RefusalCase::DataType},
        RefusalCase{"target_type_unknown", Order::RGBA, Type::UInt8, Model::RGB, Order::RGBA, Type::Unknown, Model::RGB, RefusalCase::DataType},
        RefusalCase{"source_model_unknown", Order::RGBA, Type::UInt8, Model::Unknown, Order::RGBA, Type::UInt8, Model::RGB, RefusalCase::ColorModel},
        RefusalCase{"target_model_unknown", Order::RGBA, Type::UInt8, Model::RGB, Order::RGBA, Type::UInt8, Model::Unknown, RefusalCase::ColorModel},
        RefusalCase{"target_order_unknown", Order::RGBA, Type::UInt8, Model::RGB, Order::Unknown, Type::UInt8, Model::RGB, RefusalCase::ChannelOrder},
        RefusalCase{"source_order_unknown", Order::Unknown, Type::UInt8, Model::RGB, Order::RGBA, Type::UInt8, Model::RGB, RefusalCase::ChannelOrder},
        RefusalCase{"grey_source_in_colour_order", Order::RGBA, Type::UInt8, Model::Gray, Order::RGBA, Type::UInt8, Model::RGB, RefusalCase::ChannelOrder},
        RefusalCase{"grey_target_in_colour_order", Order::RGBA, Type::UInt8, Model::RGB, Order::RGBA, Type::UInt8, Model::Gray, RefusalCase::ChannelOrder}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

// Spelled out independently of the implementation's table: where each component sits.
TEST(ChannelOrders, PositionsCountsAndAlpha)
{
    struct Row {
        Order order;
        const char *letters; // component letter at each position; X = padding
    };
    const Row rows[] = {{Order::RGBA, "RGBA"}, {Order::BGRA, "BGRA"}, {Order::ARGB, "ARGB"}, {Order::ABGR, "ABGR"},
                        {Order::RGBX, "RGBX"}, {Order::BGRX, "BGRX"}, {Order::XRGB, "XRGB"}, {Order::XBGR, "XBGR"},
                        {Order::RGB, "RGB"},   {Order::BGR, "BGR"},   {Order::Y, "Y"},       {Order::YA, "YA"}};
    for (const Row &row : rows) {
        std::string letters = row.letters;
        ImageIo::ChannelPositions p = ImageIo::channelOrderPositions(row.order);
        auto at = [&](char c) { return int(letters.find(c) == std::string::npos ? -1 : letters.find(c)); };
        EXPECT_EQ(ImageIo::channelOrderComponents(row.order), int(letters.size())) << letters;
        EXPECT_EQ(p.red, at('R')) << letters;
        EXPECT_EQ(p.green, at('G')) << letters;
        EXPECT_EQ(p.blue, at('B')) << letters;
        EXPECT_EQ(p.alpha, at('A')) << letters;
        EXPECT_EQ(p.gray, at('Y')) << letters;
        EXPECT_EQ(ImageIo::channelOrderHasAlpha(row.order), at('A') >= 0) << letters;
    }
    EXPECT_THROW(ImageIo::channelOrderComponents(Order::Unknown), ImageIoExceptionIllegalChannelOrder);
    EXPECT_THROW(ImageIo::channelOrderComponents(static_cast<Order>(-1)), ImageIoExceptionIllegalChannelOrder);
    EXPECT_FALSE(ImageIo::channelOrderHasAlpha(Order::Unknown));
    EXPECT_EQ(ImageIo::dataTypeBytes(Type::UInt16), 2);
    EXPECT_THROW(ImageIo::dataTypeBytes(Type::Unknown), ImageIoExceptionIllegalDataType);
}

// A target that has no memory for a row stops the load instead of being written through null.
TEST(ImageTargets, WithoutRowMemoryFailTheLoad)
{
    class NoRows : public CpuTarget {
      public:
        using CpuTarget::CpuTarget;
        void *getRowPointer(int32_t) override { return nullptr; }
    };
    RowSource source(Order::RGB, Type::UInt8, Model::RGB, {1, 2, 3});
    EXPECT_THROW(source.load(std::make_shared<NoRows>(1, 1, Order::RGB, Type::UInt8, Model::RGB)),
                 ImageIoExceptionFailedLoad);
}

// A target that states a size smaller than the image is refused before anything is written.
TEST(ImageTargets, SmallerThanTheImageFailTheLoad)
{
    RowSource source(Order::RGB, Type::UInt8, Model::RGB, {1, 2, 3, 4, 5, 6}); // 2 x 1
    auto narrow = std::make_shared<CpuTarget>(1, 1, Order::RGB, Type::UInt8, Model::RGB);
    EXPECT_THROW(source.load(narrow), ImageIoExceptionFailedLoad);
    EXPECT_EQ(narrow->mData, Bytes(3, 0xCD));
    auto unsized = std::make_shared<CpuTarget>(2, 1, Order::RGB, Type::UInt8, Model::RGB);
    unsized->clearSize();
    EXPECT_NO_THROW(source.load(unsized));
    EXPECT_EQ(unsized->component(1, 0, 2), 6);
}

TEST(ImageTargets, SetRowCopiesOneRowInTheTargetLayout)
{
    CpuTarget target(2, 2, Order::RGB, Type::UInt16, Model::RGB);
    const uint16_t row[6] = {1, 2, 3, 4, 5, 0xFFFF};
    target.setRow(1, row);
    EXPECT_EQ(target.component(1, 1, 2), 0xFFFF);
    EXPECT_EQ(target.component(0, 1, 0), 1);
    EXPECT_EQ(target.mData[0], 0xCD); // row 0 untouched
}

} // namespace
