#pragma once

#include "framework/gl/Exception.h"
#include "framework/gl/Texture.h"

#include <glad/gl.h>

#include <memory>
#include <vector>

namespace lume::gl {

// An OpenGL render buffer (multisampled colour, or a depth buffer that is not a texture).
// A cheap value handle; the last holder deletes the render buffer.
class Renderbuffer {
  public:
    struct Obj {
        int32_t mWidth = 0, mHeight = 0;
        GLuint mId = 0;
        GLenum mInternalFormat = 0;
        int32_t mSamples = 0, mCoverageSamples = 0;

        Obj() = default;
        Obj(const Obj &) = delete;
        Obj &operator=(const Obj &) = delete;
        ~Obj();
    };

    Renderbuffer() = default;
    // Samples above the driver's maximum are lowered to it; coverage samples need
    // GL_NV_framebuffer_multisample_coverage and are dropped without it.
    Renderbuffer(int32_t width, int32_t height, GLenum internalFormat = GL_RGBA8, int32_t samples = 0,
                 int32_t coverageSamples = 0);

    GLuint getId() const { return mObj ? mObj->mId : 0; }
    int32_t getWidth() const { return mObj->mWidth; }
    int32_t getHeight() const { return mObj->mHeight; }
    GLenum getInternalFormat() const { return mObj->mInternalFormat; }
    int32_t getSamples() const { return mObj->mSamples; }
    int32_t getCoverageSamples() const { return mObj->mCoverageSamples; }

    explicit operator bool() const { return mObj != nullptr; }

  private:
    std::shared_ptr<Obj> mObj;
};

// An off-screen render target with colour textures and an optional depth attachment,
// optionally multisampled (rendered into render buffers and resolved into the textures).
class Fbo {
  public:
    struct Format {
        Format() {} // user-provided so it can be a default argument inside the enclosing class

        void setTarget(GLenum target) { mTarget = target; }
        void setColorInternalFormat(GLenum format) { mColorInternalFormat = format; }
        void setDepthInternalFormat(GLenum format) { mDepthInternalFormat = format; }
        void setSamples(int32_t samples) { mSamples = samples; }
        void setCoverageSamples(int32_t samples) { mCoverageSamples = samples; }
        void enableMipmapping(bool enable = true) { mMipmapping = enable; }
        // `asTexture` false gives a depth render buffer instead of a depth texture.
        void enableDepthBuffer(bool depthBuffer = true, bool asTexture = true)
        {
            mDepthBuffer = depthBuffer;
            mDepthBufferAsTexture = asTexture;
        }
        void enableColorBuffer(bool colorBuffer = true, int32_t numBuffers = 1)
        {
            mNumColorBuffers = colorBuffer ? numBuffers : 0;
        }
        void setWrap(GLenum wrapS, GLenum wrapT)
        {
            mWrapS = wrapS;
            mWrapT = wrapT;
        }
        void setMinFilter(GLenum filter) { mMinFilter = filter; }
        void setMagFilter(GLenum filter) { mMagFilter = filter; }

        GLenum getTarget() const { return mTarget; }
        GLenum getColorInternalFormat() const { return mColorInternalFormat; }
        GLenum getDepthInternalFormat() const { return mDepthInternalFormat; }
        int32_t getSamples() const { return mSamples; }
        int32_t getCoverageSamples() const { return mCoverageSamples; }
        bool hasMipmapping() const { return mMipmapping; }
        bool hasDepthBuffer() const { return mDepthBuffer; }
        bool hasDepthBufferTexture() const { return mDepthBufferAsTexture; }
        int32_t getNumColorBuffers() const { return mNumColorBuffers; }

        GLenum mTarget = GL_TEXTURE_2D;
        GLenum mColorInternalFormat = GL_RGBA8;
        GLenum mDepthInternalFormat = GL_DEPTH_COMPONENT24;
        int32_t mSamples = 0;
        int32_t mCoverageSamples = 0;
        bool mMipmapping = false;
        bool mDepthBuffer = true;
        bool mDepthBufferAsTexture = true;
        bool mStencilBuffer = false; // kept for completeness; creation does not use it
        int32_t mNumColorBuffers = 1;
        GLenum mWrapS = GL_CLAMP_TO_EDGE;
        GLenum mWrapT = GL_CLAMP_TO_EDGE;
        GLenum mMinFilter = GL_LINEAR;
        GLenum mMagFilter = GL_LINEAR;
    };

    struct Obj {
        int32_t mWidth = 0, mHeight = 0;
        Format mFormat;
        GLuint mId = 0;
        GLuint mResolveFramebufferId = 0;
        std::vector<Renderbuffer> mMultisampleColorRenderbuffers;
        Renderbuffer mMultisampleDepthRenderbuffer;
        std::vector<Texture> mColorTextures;
        Texture mDepthTexture;
        Renderbuffer mDepthRenderbuffer;
        bool mNeedsResolve = false;
        bool mNeedsMipmapUpdate = false;

        Obj(int32_t width, int32_t height) : mWidth(width), mHeight(height) {}
        Obj(const Obj &) = delete;
        Obj &operator=(const Obj &) = delete;
        ~Obj();
    };

    // An empty handle: no framebuffer.
    Fbo() = default;
    // Throws FboExceptionInvalidSpecification when the framebuffer is not complete. The
    // framebuffer binding in force before the call is restored however construction ends.
    Fbo(int32_t width, int32_t height, Format format = Format());

    // Directs drawing into this framebuffer (the viewport is the caller's business).
    void bindFramebuffer();
    // Directs drawing back to the window.
    static void unbindFramebuffer();

    // The colour texture of an attachment, resolved from the multisample buffers and with
    // its mipmaps regenerated when drawing happened since the last call.
    Texture &getTexture(int32_t attachment = 0);
    // The depth texture (empty unless the format asks for a depth texture).
    Texture &getDepthTexture() { return mObj->mDepthTexture; }

    int32_t getWidth() const { return mObj->mWidth; }
    int32_t getHeight() const { return mObj->mHeight; }
    const Format &getFormat() const { return mObj->mFormat; }
    GLuint getId() const { return mObj ? mObj->mId : 0; }
    GLuint getResolveId() const { return mObj ? mObj->mResolveFramebufferId : 0; }

    // The largest sample count this driver supports; 0 without multisampled framebuffers.
    static GLint getMaxSamples();

    explicit operator bool() const { return mObj != nullptr; }

  private:
    void init();
    bool initMultisample(bool useCoverage);
    void resolveTextures() const;
    void updateMipmaps(int32_t attachment) const;

    std::shared_ptr<Obj> mObj;
};

class FboException : public Exception {};

// A framebuffer that is not complete; what() names the reason.
class FboExceptionInvalidSpecification : public FboException {
  public:
    FboExceptionInvalidSpecification();
    explicit FboExceptionInvalidSpecification(const char *message);
    const char *what() const noexcept override { return mMessage; }

  private:
    char mMessage[256];
};

} // namespace lume::gl
