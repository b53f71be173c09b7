#pragma once

#include "framework/Rect.h"
#include "framework/image/ImageIo.h"

#include <glad/gl.h>

#include <memory>

namespace lume::gl {

// One OpenGL texture with its size, target and internal format. A cheap value handle: copies
// share the texture, and the last holder deletes it (unless it was wrapped as not ours).
class Texture {
  public:
    struct Format {
        Format() {} // user-provided so it can be a default argument inside the enclosing class

        void setTarget(GLenum target) { mTarget = target; }
        void setWrap(GLenum wrapS, GLenum wrapT)
        {
            mWrapS = wrapS;
            mWrapT = wrapT;
        }
        void setWrapS(GLenum wrapS) { mWrapS = wrapS; }
        void setWrapT(GLenum wrapT) { mWrapT = wrapT; }
        void setMinFilter(GLenum minFilter) { mMinFilter = minFilter; }
        void setMagFilter(GLenum magFilter) { mMagFilter = magFilter; }
        void enableMipmapping(bool enable = true) { mMipmapping = enable; }
        // -1 chooses the internal format from the image (or GL_RGBA for empty storage).
        void setInternalFormat(GLint internalFormat) { mInternalFormat = internalFormat; }

        GLenum getTarget() const { return mTarget; }
        GLenum getWrapS() const { return mWrapS; }
        GLenum getWrapT() const { return mWrapT; }
        GLenum getMinFilter() const { return mMinFilter; }
        GLenum getMagFilter() const { return mMagFilter; }
        bool hasMipmapping() const { return mMipmapping; }
        GLint getInternalFormat() const { return mInternalFormat; }

        GLenum mTarget = GL_TEXTURE_2D;
        GLenum mWrapS = GL_CLAMP_TO_EDGE;
        GLenum mWrapT = GL_CLAMP_TO_EDGE;
        GLenum mMinFilter = GL_LINEAR;
        GLenum mMagFilter = GL_LINEAR;
        bool mMipmapping = false;
        GLint mInternalFormat = -1;
    };

    struct Obj {
        int32_t mWidth = -1, mHeight = -1; // -1 = not known yet (asked from GL on demand)
        int32_t mCleanWidth = -1, mCleanHeight = -1;
        float mMaxU = 1.0f, mMaxV = 1.0f;
        GLint mInternalFormat = -1;
        GLenum mTarget = GL_TEXTURE_2D;
        GLuint mTextureId = 0;
        bool mDoNotDispose = false;
        bool mFlipped = false;
        void (*mDeallocatorFunc)(void *refcon) = nullptr;
        void *mDeallocatorRefcon = nullptr;

        Obj() = default;
        Obj(const Obj &) = delete;
        Obj &operator=(const Obj &) = delete;
        ~Obj();
    };

    // An empty handle: no texture.
    Texture() = default;
    // Uninitialised storage of the given size (RGBA bytes unless the format names another
    // internal format). Leaves the texture bound on the current unit.
    Texture(int32_t width, int32_t height, Format format = Format());
    // Wraps an existing texture; makes no GL call. With doNotDispose the texture is left
    // alone when the last holder goes.
    Texture(GLenum target, GLuint textureId, int32_t width, int32_t height, bool doNotDispose);
    // Uploads a decoded image, top row at t = 0. Throws ImageIoExceptionIllegalColorModel for
    // an image that is neither RGB nor grey while the internal format is automatic; the
    // source's own failures pass through. Leaves the texture bound and unpack alignment at 1.
    Texture(const ImageSourceRef &imageSource, Format format = Format());

    // Binds on the given unit and leaves unit 0 active.
    void bind(GLuint textureUnit = 0) const;
    // Fixed-function texturing: enables the target and binds on the current unit.
    void enableAndBind() const;

    int32_t getWidth() const;
    int32_t getHeight() const;
    int32_t getCleanWidth() const;
    int32_t getCleanHeight() const;
    // Texture coordinates of a texel area: normalised for GL_TEXTURE_2D, in texels otherwise;
    // y1 and y2 swapped when flipped.
    Rectf getAreaTexCoords(const Area &area) const;

    void setFlipped(bool flipped = true) { mObj->mFlipped = flipped; }
    bool isFlipped() const { return mObj->mFlipped; }
    GLint getInternalFormat() const { return mObj->mInternalFormat; }
    GLenum getTarget() const { return mObj->mTarget; }
    GLuint getId() const { return mObj ? mObj->mTextureId : 0; }
    // Runs `func(refcon)` when the last holder releases the texture.
    void setDeallocator(void (*func)(void *refcon), void *refcon);

    explicit operator bool() const { return mObj != nullptr; }

  private:
    void init(const Format &format);
    template <typename T>
    void upload(const ImageSourceRef &imageSource, ImageIo::ChannelOrder order, bool isGray, bool hasAlpha,
                GLenum dataFormat, GLenum type);

    std::shared_ptr<Obj> mObj;
};

} // namespace lume::gl
