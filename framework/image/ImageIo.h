#pragma once

#include "framework/DataSource.h"
#include "framework/Exception.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace lume {

class ImageSource;
class ImageTarget;
using ImageSourceRef = std::shared_ptr<ImageSource>;
using ImageTargetRef = std::shared_ptr<ImageTarget>;

// Image failures carry no text of their own; callers tell them apart by type.
class ImageIoException : public Exception {
  public:
    // libstdc++'s default would say "std::exception"; the framework's fixed text is this one.
    const char *what() const noexcept override { return "Unknown exception"; }
};
class ImageIoExceptionFailedLoad : public ImageIoException {};
class ImageIoExceptionIllegalColorModel : public ImageIoException {};
class ImageIoExceptionIllegalDataType : public ImageIoException {};
class ImageIoExceptionIllegalChannelOrder : public ImageIoException {};

// The description of a pixel array shared by sources (decoders) and targets (uploads).
class ImageIo {
  public:
    enum class ColorModel : int32_t { RGB = 0, Gray = 1, Unknown = 2 };
    enum class DataType : int32_t { UInt8 = 0, UInt16 = 1, Float32 = 2, Unknown = 3 };
    // Fixes where each component sits in a pixel and how many components a pixel has.
    // X marks a padding component.
    enum class ChannelOrder : int32_t {
        RGBA = 0,
        BGRA = 1,
        ARGB = 2,
        ABGR = 3,
        RGBX = 4,
        BGRX = 5,
        XRGB = 6,
        XBGR = 7,
        RGB = 8,
        BGR = 9,
        Y = 10,
        YA = 11,
        Unknown = 12
    };

    // Component positions within one pixel; -1 where the order has no such component.
    struct ChannelPositions {
        int red = -1;
        int green = -1;
        int blue = -1;
        int alpha = -1;
        int gray = -1;
    };

    virtual bool hasAlpha() const;
    virtual ~ImageIo() = default;

    int32_t getWidth() const { return mWidth; }
    int32_t getHeight() const { return mHeight; }
    ColorModel getColorModel() const { return mColorModel; }
    DataType getDataType() const { return mDataType; }
    ChannelOrder getChannelOrder() const { return mChannelOrder; }

    // Components per pixel of this object's channel order; throws
    // ImageIoExceptionIllegalChannelOrder for an unknown order.
    int32_t getComponentCount() const { return channelOrderComponents(mChannelOrder); }

    // Throws ImageIoExceptionIllegalChannelOrder outside RGBA..YA.
    static int32_t channelOrderComponents(ChannelOrder order);
    static ChannelPositions channelOrderPositions(ChannelOrder order);
    // False for unknown orders (no throw: asking whether alpha exists is always answerable).
    static bool channelOrderHasAlpha(ChannelOrder order);
    static bool channelOrderIsGray(ChannelOrder order);
    // Bytes per component: 1, 2 or 4; throws ImageIoExceptionIllegalDataType for Unknown.
    static int32_t dataTypeBytes(DataType type);

  protected:
    void setSize(int32_t width, int32_t height)
    {
        mWidth = width;
        mHeight = height;
    }
    void setColorModel(ColorModel model) { mColorModel = model; }
    void setDataType(DataType type) { mDataType = type; }
    void setChannelOrder(ChannelOrder order) { mChannelOrder = order; }

    int32_t mWidth = 0;
    int32_t mHeight = 0;
    ColorModel mColorModel = ColorModel::Unknown;
    DataType mDataType = DataType::Unknown;
    ChannelOrder mChannelOrder = ChannelOrder::Unknown;
};

// Receives decoded rows. Sources write each row through getRowPointer, in the target's own
// channel order and data type, top row first, then call finalize once.
class ImageTarget : public ImageIo {
  public:
    ~ImageTarget() override = default;

    // Start of row `row` in the target's memory, room for width pixels in the target's layout.
    virtual void *getRowPointer(int32_t row) = 0;
    // For writers that hand over whole rows instead: copies one row already in the target's
    // layout (getWidth() pixels) into getRowPointer(row).
    virtual void setRow(int32_t row, const void *data);
    // Called after the last row.
    virtual void finalize() {}
};

// A decoded image that can write itself into any target.
class ImageSource : public ImageIo {
  public:
    struct Options {
        Options() = default;
        Options &index(int32_t frameIndex)
        {
            mFrameIndex = frameIndex;
            return *this;
        }
        int32_t getIndex() const { return mFrameIndex; }

        int32_t mFrameIndex = 0; // which frame of a multi-frame file to decode
    };

    ~ImageSource() override = default;

    // Writes every row into the target, converting to the target's layout. May be called any
    // number of times and always delivers the same rows.
    virtual void load(const ImageTargetRef &target) = 0;

    float getPixelAspectRatio() const { return mPixelAspectRatio; }
    bool isPremultiplied() const { return mIsPremultiplied; }
    uint8_t getCustomPixelInc() const { return mCustomPixelInc; }

  protected:
    // Writes `height` rows of tightly or loosely packed pixels (rowBytes apart) in this
    // source's layout into the target, converting channel order, data type and colour model
    // as the target asks; then finalizes the target. Throws ImageIoExceptionIllegalDataType,
    // ...IllegalColorModel or ...IllegalChannelOrder for layouts it cannot convert, and
    // ImageIoExceptionFailedLoad for a target smaller than the image or without row memory.
    void writeRows(ImageTarget &target, const uint8_t *data, size_t rowBytes) const;

    float mPixelAspectRatio = 1.0f;
    bool mIsPremultiplied = false;
    uint8_t mCustomPixelInc = 0; // 0 = pixels are exactly their components apart
};

// A creation function builds a decoded source from bytes or throws.
using ImageSourceCreationFunc = std::function<ImageSourceRef(const DataSourceRef &, ImageSource::Options)>;

// Picks a decoder for the data: those registered for the extension (taken from the source's
// file-path hint when `extension` is empty), then the generic ones, each in ascending
// priority; the first that does not throw wins. Throws ImageIoExceptionFailedLoad when none
// succeeds.
ImageSourceRef loadImage(const DataSourceRef &dataSource, ImageSource::Options options = ImageSource::Options(),
                         std::string extension = "");

// A program's own decoders join the built-in ones (registerBuiltInImageSources) here: by
// content, or by file extension, tried in the order loadImage gives.
void registerSourceGeneric(ImageSourceCreationFunc func, int32_t priority = 2);
void registerSourceType(const std::string &extension, ImageSourceCreationFunc func, int32_t priority = 2);

} // namespace lume
