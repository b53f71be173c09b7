// The portable half of the image test fixtures: data sources over bytes and the CPU target.
#include "tests/image/ImageFixtures.h"

#include <cstring>

namespace lume::test {

DataSourceRef sourceOf(const Bytes &bytes, const std::string &hint)
{
    Buffer buffer = Buffer::allocate(uint32_t(bytes.size()));
    if (!bytes.empty())
        std::memcpy(buffer.getData(), bytes.data(), bytes.size());
    return DataSourceBuffer::create(buffer, hint);
}

CpuTarget::CpuTarget(int32_t width, int32_t height, ChannelOrder order, DataType type, ColorModel model)
{
    setSize(width, height);
    setChannelOrder(order);
    setDataType(type);
    setColorModel(model);
    size_t components = knownComponents(order);
    size_t bytes = type == DataType::UInt16 ? 2 : type == DataType::Float32 ? 4 : 1;
    mRowBytes = size_t(width) * components * bytes;
    // Filled with a marker so a component nobody wrote shows up.
    mData.assign(mRowBytes * size_t(height), 0xCD);
}

size_t CpuTarget::knownComponents(ChannelOrder order)
{
    return (order == ChannelOrder::Unknown) ? 4 : size_t(channelOrderComponents(order));
}

void *CpuTarget::getRowPointer(int32_t row)
{
    return mData.data() + size_t(row) * mRowBytes;
}

double CpuTarget::component(int32_t x, int32_t y, int c) const
{
    size_t components = knownComponents(getChannelOrder());
    const uint8_t *p = mData.data() + size_t(y) * mRowBytes;
    switch (getDataType()) {
    case DataType::UInt16: {
        uint16_t v;
        std::memcpy(&v, p + (size_t(x) * components + size_t(c)) * 2, 2);
        return v;
    }
    case DataType::Float32: {
        float v;
        std::memcpy(&v, p + (size_t(x) * components + size_t(c)) * 4, 4);
        return v;
    }
    default: return p[size_t(x) * components + size_t(c)];
    }
}

} // namespace lume::test
