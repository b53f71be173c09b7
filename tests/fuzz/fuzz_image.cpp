// libFuzzer entry for image import: any bytes through loadImage and into CPU targets.
//
// Built by tests/fuzz/CMakeLists.txt in a clang tree with -DLUME_FUZZ=ON, with lower image
// size limits that only keep each run quick. Run by hand:
//   <tree>/tests/fuzz/fuzz_image -dict=tests/fuzz/image.dict -max_total_time=600 <copy of corpus/image>

#include "framework/image/ImageIo.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Holds exactly the rows the source says it has, so any write beyond them is caught by ASan.
class FuzzTarget : public lume::ImageTarget {
  public:
    FuzzTarget(const lume::ImageSource &source, ChannelOrder order, DataType type, ColorModel model)
    {
        setSize(source.getWidth(), source.getHeight());
        setChannelOrder(order);
        setDataType(type);
        setColorModel(model);
        mRowBytes = size_t(getWidth()) * size_t(getComponentCount()) * size_t(dataTypeBytes(type));
        mData.resize(mRowBytes * size_t(getHeight()));
    }
    void *getRowPointer(int32_t row) override { return mData.data() + size_t(row) * mRowBytes; }

  private:
    std::vector<uint8_t> mData;
    size_t mRowBytes = 0;
};

uint32_t crc32(const uint8_t *data, size_t size)
{
    uint32_t crc = 0xffffffffu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A mutated PNG chunk almost always fails its checksum, and the decoder would never get past
// it. Rewriting each chunk's CRC lets mutations reach the header, palette and pixel code; a
// wrong checksum is just one more refusal, reached anyway by truncated chunks.
void repairPngChecksums(std::vector<uint8_t> &bytes)
{
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (bytes.size() < 8 || !std::equal(kSignature, kSignature + 8, bytes.begin()))
        return;
    size_t at = 8;
    while (bytes.size() - at >= 12) {
        uint32_t length =
            uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 | uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
        if (length > bytes.size() - at - 12)
            return;
        uint32_t crc = crc32(&bytes[at + 4], 4 + size_t(length));
        size_t end = at + 8 + length;
        for (int k = 0; k < 4; ++k)
            bytes[end + k] = uint8_t(crc >> (24 - 8 * k));
        at = end + 4;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace lume;
    if (size > 0xffffffffu)
        return 0;
    // An exact-size copy, so a read one byte past the input is caught.
    std::vector<uint8_t> bytes(data, data + size);
    repairPngChecksums(bytes);
    try {
        Buffer buffer(bytes.data(), uint32_t(bytes.size()));
        ImageSourceRef source = loadImage(DataSourceBuffer::create(buffer));

        // The layout a texture upload asks for: same component type, RGB(A) or Y(A).
        bool gray = source->getColorModel() == ImageIo::ColorModel::Gray;
        bool alpha = source->hasAlpha();
        auto order = gray ? (alpha ? ImageIo::ChannelOrder::YA : ImageIo::ChannelOrder::Y)
                          : (alpha ? ImageIo::ChannelOrder::RGBA : ImageIo::ChannelOrder::RGB);
        source->load(std::make_shared<FuzzTarget>(*source, order, source->getDataType(), source->getColorModel()));

        // And one that converts every component, on images small enough to keep runs fast.
        if (int64_t(source->getWidth()) * source->getHeight() <= 65536)
            source->load(std::make_shared<FuzzTarget>(*source, ImageIo::ChannelOrder::ABGR, ImageIo::DataType::Float32,
                                                      ImageIo::ColorModel::RGB));
    } catch (const ImageIoException &) {
        // Refusing bad bytes with an image exception is the expected outcome.
    }
    return 0;
}
