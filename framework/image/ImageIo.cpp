#include "framework/image/ImageIo.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <type_traits>

namespace lume {

namespace {

struct OrderInfo {
    int components;
    ImageIo::ChannelPositions positions;
};

// Indexed by ChannelOrder value; -1 marks a component the order does not have.
constexpr OrderInfo kOrders[] = {
    {4, {0, 1, 2, 3, -1}},    // RGBA
    {4, {2, 1, 0, 3, -1}},    // BGRA
    {4, {1, 2, 3, 0, -1}},    // ARGB
    {4, {3, 2, 1, 0, -1}},    // ABGR
    {4, {0, 1, 2, -1, -1}},   // RGBX
    {4, {2, 1, 0, -1, -1}},   // BGRX
    {4, {1, 2, 3, -1, -1}},   // XRGB
    {4, {3, 2, 1, -1, -1}},   // XBGR
    {3, {0, 1, 2, -1, -1}},   // RGB
    {3, {2, 1, 0, -1, -1}},   // BGR
    {1, {-1, -1, -1, -1, 0}}, // Y
    {2, {-1, -1, -1, 1, 0}},  // YA
};

bool knownOrder(ImageIo::ChannelOrder order)
{
    auto value = static_cast<int32_t>(order);
    return value >= 0 && value < static_cast<int32_t>(std::size(kOrders));
}

const OrderInfo &orderInfo(ImageIo::ChannelOrder order)
{
    if (!knownOrder(order))
        throw ImageIoExceptionIllegalChannelOrder();
    return kOrders[static_cast<int32_t>(order)];
}

// Component values travel through memcpy so rows of any alignment are fine.
template <typename T>
T loadComponent(const uint8_t *p)
{
    T value;
    std::memcpy(&value, p, sizeof(T));
    return value;
}
template <typename T>
void storeComponent(uint8_t *p, T value)
{
    std::memcpy(p, &value, sizeof(T));
}

template <typename T>
constexpr T maxComponent()
{
    if constexpr (std::is_floating_point_v<T>)
        return T(1);
    else
        return std::numeric_limits<T>::max();
}

template <typename T>
float toUnit(T v)
{
    if constexpr (std::is_floating_point_v<T>)
        return v;
    else
        return float(v) / float(std::numeric_limits<T>::max());
}

template <typename T>
T fromUnit(float v)
{
    if constexpr (std::is_floating_point_v<T>) {
        return v;
    } else {
        // NaN and out-of-range floats clamp instead of overflowing the integer.
        if (!(v > 0.0f))
            return 0;
        if (v >= 1.0f)
            return std::numeric_limits<T>::max();
        return T(v * float(std::numeric_limits<T>::max()) + 0.5f);
    }
}

// Same type: the value is copied unchanged. Integer widening and narrowing keep the full range
// (0xAB <-> 0xABAB); anything involving float goes through the unit range.
template <typename S, typename T>
T convertComponent(S v)
{
    if constexpr (std::is_same_v<S, T>)
        return v;
    else if constexpr (std::is_same_v<S, uint8_t> && std::is_same_v<T, uint16_t>)
        return T(v * 257u);
    else if constexpr (std::is_same_v<S, uint16_t> && std::is_same_v<T, uint8_t>)
        return T((v * 255u + 32895u) >> 16);
    else
        return fromUnit<T>(toUnit(v));
}

struct RowLayout {
    ImageIo::ChannelPositions src;
    ImageIo::ChannelPositions dst;
    int srcInc; // components from one source pixel to the next
    int dstInc;
    bool srcGray;
    bool dstGray;
    bool dstPad[4]; // padding (X) positions of the target, filled so no byte is left undefined
};

template <typename S, typename T>
void convertRow(const uint8_t *src, uint8_t *dst, int32_t width, const RowLayout &l)
{
    constexpr size_t sb = sizeof(S), tb = sizeof(T);
    for (int32_t x = 0; x < width; ++x) {
        if (l.dstGray) {
            T gray;
            if (l.srcGray) {
                gray = convertComponent<S, T>(loadComponent<S>(src + l.src.gray * sb));
            } else {
                // Rec. 601 luma: the usual weights for turning colour into luminance.
                float y = 0.299f * toUnit(loadComponent<S>(src + l.src.red * sb)) +
                          0.587f * toUnit(loadComponent<S>(src + l.src.green * sb)) +
                          0.114f * toUnit(loadComponent<S>(src + l.src.blue * sb));
                gray = fromUnit<T>(y);
            }
            storeComponent<T>(dst + l.dst.gray * tb, gray);
        } else if (l.srcGray) {
            T gray = convertComponent<S, T>(loadComponent<S>(src + l.src.gray * sb));
            storeComponent<T>(dst + l.dst.red * tb, gray);
            storeComponent<T>(dst + l.dst.green * tb, gray);
            storeComponent<T>(dst + l.dst.blue * tb, gray);
        } else {
            storeComponent<T>(dst + l.dst.red * tb, convertComponent<S, T>(loadComponent<S>(src + l.src.red * sb)));
            storeComponent<T>(dst + l.dst.green * tb, convertComponent<S, T>(loadComponent<S>(src + l.src.green * sb)));
            storeComponent<T>(dst + l.dst.blue * tb, convertComponent<S, T>(loadComponent<S>(src + l.src.blue * sb)));
        }
        if (l.dst.alpha >= 0) {
            // A target that wants alpha from a source without it gets opaque pixels.
            T alpha =
                l.src.alpha >= 0 ? convertComponent<S, T>(loadComponent<S>(src + l.src.alpha * sb)) : maxComponent<T>();
            storeComponent<T>(dst + l.dst.alpha * tb, alpha);
        }
        for (int i = 0; i < 4; ++i)
            if (l.dstPad[i])
                storeComponent<T>(dst + i * tb, maxComponent<T>());
        src += l.srcInc * sb;
        dst += l.dstInc * tb;
    }
}

using RowFunc = void (*)(const uint8_t *, uint8_t *, int32_t, const RowLayout &);

template <typename S>
RowFunc rowFuncForTarget(ImageIo::DataType target)
{
    switch (target) {
    case ImageIo::DataType::UInt8: return &convertRow<S, uint8_t>;
    case ImageIo::DataType::UInt16: return &convertRow<S, uint16_t>;
    case ImageIo::DataType::Float32: return &convertRow<S, float>;
    default: throw ImageIoExceptionIllegalDataType();
    }
}

RowFunc rowFunc(ImageIo::DataType source, ImageIo::DataType target)
{
    switch (source) {
    case ImageIo::DataType::UInt8: return rowFuncForTarget<uint8_t>(target);
    case ImageIo::DataType::UInt16: return rowFuncForTarget<uint16_t>(target);
    case ImageIo::DataType::Float32: return rowFuncForTarget<float>(target);
    default: throw ImageIoExceptionIllegalDataType();
    }
}

// The colour model and the channel order must agree: grey data lives in Y or YA only.
void checkModelAndOrder(ImageIo::ColorModel model, ImageIo::ChannelOrder order)
{
    if (model != ImageIo::ColorModel::RGB && model != ImageIo::ColorModel::Gray)
        throw ImageIoExceptionIllegalColorModel();
    if (!knownOrder(order) || (model == ImageIo::ColorModel::Gray) != ImageIo::channelOrderIsGray(order))
        throw ImageIoExceptionIllegalChannelOrder();
}

} // namespace

bool ImageIo::hasAlpha() const
{
    return channelOrderHasAlpha(mChannelOrder);
}

int32_t ImageIo::channelOrderComponents(ChannelOrder order)
{
    return orderInfo(order).components;
}

ImageIo::ChannelPositions ImageIo::channelOrderPositions(ChannelOrder order)
{
    return orderInfo(order).positions;
}

bool ImageIo::channelOrderHasAlpha(ChannelOrder order)
{
    return knownOrder(order) && kOrders[static_cast<int32_t>(order)].positions.alpha >= 0;
}

bool ImageIo::channelOrderIsGray(ChannelOrder order)
{
    return order == ChannelOrder::Y || order == ChannelOrder::YA;
}

int32_t ImageIo::dataTypeBytes(DataType type)
{
    switch (type) {
    case DataType::UInt8: return 1;
    case DataType::UInt16: return 2;
    case DataType::Float32: return 4;
    default: throw ImageIoExceptionIllegalDataType();
    }
}

void ImageTarget::setRow(int32_t row, const void *data)
{
    size_t bytes = size_t(std::max(getWidth(), 0)) * size_t(getComponentCount()) * size_t(dataTypeBytes(getDataType()));
    void *dst = getRowPointer(row);
    if (dst && bytes)
        std::memcpy(dst, data, bytes);
}

void ImageSource::writeRows(ImageTarget &target, const uint8_t *data, size_t rowBytes) const
{
    // Everything is checked before the first row is written, so a refused target stays untouched.
    RowFunc func = rowFunc(mDataType, target.getDataType());
    checkModelAndOrder(mColorModel, mChannelOrder);
    checkModelAndOrder(target.getColorModel(), target.getChannelOrder());

    RowLayout layout{};
    layout.src = channelOrderPositions(mChannelOrder);
    layout.dst = channelOrderPositions(target.getChannelOrder());
    layout.srcInc = mCustomPixelInc ? mCustomPixelInc : channelOrderComponents(mChannelOrder);
    layout.dstInc = channelOrderComponents(target.getChannelOrder());
    layout.srcGray = mColorModel == ColorModel::Gray;
    layout.dstGray = target.getColorModel() == ColorModel::Gray;
    if (!layout.dstGray && layout.dstInc == 4 && layout.dst.alpha < 0) {
        for (int i = 0; i < 4; ++i)
            layout.dstPad[i] = i != layout.dst.red && i != layout.dst.green && i != layout.dst.blue;
    }

    // A target that states its size must have room for the whole image; one that leaves its
    // size at 0 vouches for its row memory itself.
    if ((target.getWidth() > 0 && target.getWidth() < mWidth) ||
        (target.getHeight() > 0 && target.getHeight() < mHeight))
        throw ImageIoExceptionFailedLoad();

    for (int32_t row = 0; row < mHeight; ++row) {
        auto *dst = static_cast<uint8_t *>(target.getRowPointer(row));
        // A target without room for a row cannot take the image; never write through null.
        if (!dst)
            throw ImageIoExceptionFailedLoad();
        func(data + size_t(row) * rowBytes, dst, mWidth, layout);
    }
    target.finalize();
}

} // namespace lume
