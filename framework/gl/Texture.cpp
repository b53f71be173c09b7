#include "framework/gl/Texture.h"

#include "framework/gl/Extensions.h"
#include "framework/gl/ImageTargetGLTexture.h"

namespace lume::gl {

Texture::Obj::~Obj()
{
    if (mDeallocatorFunc)
        mDeallocatorFunc(mDeallocatorRefcon);
    if (mTextureId > 0 && !mDoNotDispose)
        glDeleteTextures(1, &mTextureId);
}

Texture::Texture(int32_t width, int32_t height, Format format) : mObj(std::make_shared<Obj>())
{
    mObj->mWidth = mObj->mCleanWidth = width;
    mObj->mHeight = mObj->mCleanHeight = height;
    mObj->mInternalFormat = format.mInternalFormat == -1 ? GL_RGBA : format.mInternalFormat;
    mObj->mTarget = format.mTarget;
    init(format);

    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexImage2D(mObj->mTarget, 0, mObj->mInternalFormat, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

Texture::Texture(GLenum target, GLuint textureId, int32_t width, int32_t height, bool doNotDispose)
    : mObj(std::make_shared<Obj>())
{
    mObj->mTarget = target;
    mObj->mTextureId = textureId;
    mObj->mDoNotDispose = doNotDispose;
    mObj->mWidth = mObj->mCleanWidth = width;
    mObj->mHeight = mObj->mCleanHeight = height;
    if (target == GL_TEXTURE_2D) {
        mObj->mMaxU = mObj->mMaxV = 1.0f;
    } else {
        mObj->mMaxU = float(width);
        mObj->mMaxV = float(height);
    }
}

// New texture name, bound, with the format's sampling parameters.
void Texture::init(const Format &format)
{
    mObj->mDoNotDispose = false;
    glGenTextures(1, &mObj->mTextureId);
    glBindTexture(mObj->mTarget, mObj->mTextureId);
    glTexParameteri(mObj->mTarget, GL_TEXTURE_WRAP_S, format.mWrapS);
    glTexParameteri(mObj->mTarget, GL_TEXTURE_WRAP_T, format.mWrapT);
    glTexParameteri(mObj->mTarget, GL_TEXTURE_MIN_FILTER, format.mMinFilter);
    glTexParameteri(mObj->mTarget, GL_TEXTURE_MAG_FILTER, format.mMagFilter);
    if (format.mMipmapping)
        glTexParameteri(mObj->mTarget, GL_GENERATE_MIPMAP, GL_TRUE);
    if (mObj->mTarget == GL_TEXTURE_2D) {
        mObj->mMaxU = mObj->mMaxV = 1.0f;
    } else {
        mObj->mMaxU = float(mObj->mWidth);
        mObj->mMaxV = float(mObj->mHeight);
    }
}

Texture::Texture(const ImageSourceRef &imageSource, Format format) : mObj(std::make_shared<Obj>())
{
    using ColorModel = ImageIo::ColorModel;
    using DataType = ImageIo::DataType;
    using ChannelOrder = ImageIo::ChannelOrder;

    mObj->mDoNotDispose = false;
    mObj->mTarget = format.mTarget;
    mObj->mWidth = mObj->mCleanWidth = imageSource->getWidth();
    mObj->mHeight = mObj->mCleanHeight = imageSource->getHeight();

    const bool floatSupported = isExtensionAvailable("GL_ARB_texture_float");
    const ColorModel model = imageSource->getColorModel();
    const DataType dataType = imageSource->getDataType();
    const bool alpha = imageSource->hasAlpha();

    if (format.mInternalFormat != -1) {
        mObj->mInternalFormat = format.mInternalFormat;
    } else if (model == ColorModel::RGB) {
        if (dataType == DataType::UInt8)
            mObj->mInternalFormat = alpha ? GL_RGBA8 : GL_RGB8;
        else if (dataType == DataType::UInt16)
            mObj->mInternalFormat = alpha ? GL_RGBA16 : GL_RGB16;
        else if (floatSupported)
            mObj->mInternalFormat = alpha ? GL_RGBA32F_ARB : GL_RGB32F_ARB;
        else
            mObj->mInternalFormat = alpha ? GL_RGBA : GL_RGB;
    } else if (model == ColorModel::Gray) {
        if (dataType == DataType::UInt8)
            mObj->mInternalFormat = alpha ? GL_LUMINANCE8_ALPHA8 : GL_LUMINANCE8;
        else if (dataType == DataType::UInt16)
            mObj->mInternalFormat = alpha ? GL_LUMINANCE16_ALPHA16 : GL_LUMINANCE16;
        else if (floatSupported)
            mObj->mInternalFormat = alpha ? GL_LUMINANCE_ALPHA32F_ARB : GL_LUMINANCE32F_ARB;
        else
            mObj->mInternalFormat = alpha ? GL_LUMINANCE_ALPHA : GL_LUMINANCE;
    } else {
        throw ImageIoExceptionIllegalColorModel();
    }

    // Grey stays grey (luminance upload); everything else is uploaded as RGB(A).
    const bool isGray = model == ColorModel::Gray;
    GLenum dataFormat;
    ChannelOrder order;
    if (isGray) {
        dataFormat = alpha ? GL_LUMINANCE_ALPHA : GL_LUMINANCE;
        order = alpha ? ChannelOrder::YA : ChannelOrder::Y;
    } else {
        dataFormat = alpha ? GL_RGBA : GL_RGB;
        order = alpha ? ChannelOrder::RGBA : ChannelOrder::RGB;
    }

    init(format);
    // Rows are tightly packed whatever their width.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

    if (dataType == DataType::UInt8)
        upload<uint8_t>(imageSource, order, isGray, alpha, dataFormat, GL_UNSIGNED_BYTE);
    else if (dataType == DataType::UInt16)
        upload<uint16_t>(imageSource, order, isGray, alpha, dataFormat, GL_UNSIGNED_SHORT);
    else
        upload<float>(imageSource, order, isGray, alpha, dataFormat, GL_FLOAT);
}

template <typename T>
void Texture::upload(const ImageSourceRef &imageSource, ImageIo::ChannelOrder order, bool isGray, bool hasAlpha,
                     GLenum dataFormat, GLenum type)
{
    auto target = ImageTargetGLTexture<T>::createRef(this, order, isGray, hasAlpha);
    imageSource->load(target);
    glTexImage2D(mObj->mTarget, 0, mObj->mInternalFormat, mObj->mWidth, mObj->mHeight, 0, dataFormat, type,
                 target->getData());
}

void Texture::bind(GLuint textureUnit) const
{
    glActiveTexture(GL_TEXTURE0 + textureUnit);
    glBindTexture(mObj->mTarget, mObj->mTextureId);
    glActiveTexture(GL_TEXTURE0);
}

void Texture::enableAndBind() const
{
    glEnable(mObj->mTarget);
    glBindTexture(mObj->mTarget, mObj->mTextureId);
}

namespace {

GLint queryLevelSize(const Texture &texture, GLenum pname)
{
    texture.bind(0);
    GLint value = 0;
    glGetTexLevelParameteriv(texture.getTarget(), 0, pname, &value);
    return value;
}

} // namespace

int32_t Texture::getWidth() const
{
    if (mObj->mWidth == -1)
        mObj->mWidth = mObj->mCleanWidth = queryLevelSize(*this, GL_TEXTURE_WIDTH);
    return mObj->mWidth;
}

int32_t Texture::getHeight() const
{
    if (mObj->mHeight == -1)
        mObj->mHeight = mObj->mCleanHeight = queryLevelSize(*this, GL_TEXTURE_HEIGHT);
    return mObj->mHeight;
}

int32_t Texture::getCleanWidth() const
{
    if (mObj->mCleanWidth == -1)
        mObj->mCleanWidth = queryLevelSize(*this, GL_TEXTURE_WIDTH);
    return mObj->mCleanWidth;
}

int32_t Texture::getCleanHeight() const
{
    if (mObj->mCleanHeight == -1)
        mObj->mCleanHeight = queryLevelSize(*this, GL_TEXTURE_HEIGHT);
    return mObj->mCleanHeight;
}

Rectf Texture::getAreaTexCoords(const Area &area) const
{
    Rectf result;
    if (mObj->mTarget == GL_TEXTURE_2D) {
        result.x1 = area.x1 / float(getWidth());
        result.x2 = area.x2 / float(getWidth());
        result.y1 = area.y1 / float(getHeight());
        result.y2 = area.y2 / float(getHeight());
    } else {
        result = Rectf{float(area.x1), float(area.y1), float(area.x2), float(area.y2)};
    }
    if (mObj->mFlipped)
        std::swap(result.y1, result.y2);
    return result;
}

void Texture::setDeallocator(void (*func)(void *refcon), void *refcon)
{
    mObj->mDeallocatorFunc = func;
    mObj->mDeallocatorRefcon = refcon;
}

} // namespace lume::gl
