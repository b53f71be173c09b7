// libFuzzer entry for image import: any bytes through loadImage and into CPU targets.
//
// Build by hand (the image sources, the core byte containers, libjpeg and libpng):
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I. \
//     -DLUME_IMAGE_MAX_PIXELS=16777216ull -DLUME_IMAGE_MAX_BYTES=134217728ull \
//     tests/fuzz/fuzz_image.cpp framework/image/*.cpp framework/Buffer.cpp framework/DataSource.cpp \
//     -ljpeg -lpng -o fuzz_image
//   ./fuzz_image -max_total_time=120 corpus-work tests/fuzz/corpus/image
// The two limits only keep each run quick; leave them out to fuzz the shipped limits.

#include "framework/image/ImageIo.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace lume;
    if (size > 0xffffffffu)
        return 0;
    try {
        Buffer buffer(const_cast<uint8_t *>(data), uint32_t(size));
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
