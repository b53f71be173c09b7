#pragma once

#include "framework/gl/Texture.h"
#include "framework/image/ImageIo.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

namespace lume::gl {

// Receives decoded rows in the layout glTexImage2D wants: the texture's size, the given
// channel order, T components, rows tightly packed top row first.
template <typename T>
class ImageTargetGLTexture : public ImageTarget {
    static_assert(std::is_same_v<T, uint8_t> || std::is_same_v<T, uint16_t> || std::is_same_v<T, float>,
                  "texture uploads take 8-bit, 16-bit or float components");

  public:
    static std::shared_ptr<ImageTargetGLTexture> createRef(const Texture *texture, ChannelOrder channelOrder,
                                                           bool isGray, bool hasAlpha)
    {
        return std::shared_ptr<ImageTargetGLTexture>(new ImageTargetGLTexture(texture, channelOrder, isGray, hasAlpha));
    }

    bool hasAlpha() const override { return mHasAlpha; }
    void *getRowPointer(int32_t row) override { return mData.data() + size_t(row) * mRowInc; }

    const T *getData() const { return mData.data(); }
    uint8_t getPixelInc() const { return mPixelInc; }
    int32_t getRowInc() const { return mRowInc; }

  private:
    ImageTargetGLTexture(const Texture *texture, ChannelOrder channelOrder, bool isGray, bool hasAlpha)
        : mTexture(texture), mIsGray(isGray), mHasAlpha(hasAlpha)
    {
        if constexpr (std::is_same_v<T, uint8_t>)
            setDataType(DataType::UInt8);
        else if constexpr (std::is_same_v<T, uint16_t>)
            setDataType(DataType::UInt16);
        else
            setDataType(DataType::Float32);
        setChannelOrder(channelOrder);
        setColorModel(isGray ? ColorModel::Gray : ColorModel::RGB);
        setSize(mTexture->getWidth(), mTexture->getHeight());

        if (isGray)
            mPixelInc = hasAlpha ? 2 : 1;
        else
            mPixelInc = hasAlpha ? 4 : 3;
        mRowInc = std::max(mTexture->getWidth(), 0) * mPixelInc;
        mData.resize(size_t(std::max(mTexture->getHeight(), 0)) * size_t(mRowInc));
    }

    const Texture *mTexture;
    bool mIsGray;
    bool mHasAlpha;
    uint8_t mPixelInc = 0;
    std::vector<T> mData;
    int32_t mRowInc = 0;
};

} // namespace lume::gl
