#include "framework/gl/Fbo.h"

#include "framework/gl/Extensions.h"
#include "framework/gl/TextureBinding.h"

#include <atomic>
#include <cstring>

namespace lume::gl {

namespace {

std::atomic<GLint> sMaxSamples{-1};

bool coverageSupported()
{
    return isExtensionAvailable("GL_NV_framebuffer_multisample_coverage");
}

// Puts back the framebuffer binding found at construction, on every way out.
class FramebufferBindingGuard {
  public:
    FramebufferBindingGuard() { glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &mPrevious); }
    ~FramebufferBindingGuard() { glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, GLuint(mPrevious)); }
    FramebufferBindingGuard(const FramebufferBindingGuard &) = delete;
    FramebufferBindingGuard &operator=(const FramebufferBindingGuard &) = delete;

  private:
    GLint mPrevious = 0;
};

// Empty message when complete, otherwise the reason.
const char *incompleteReason()
{
    switch (glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT)) {
    case GL_FRAMEBUFFER_COMPLETE_EXT: return nullptr;
    case GL_FRAMEBUFFER_UNSUPPORTED_EXT: return "Unsupported framebuffer format";
    case GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT_EXT: return "Framebuffer incomplete: missing attachment";
    case GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT_EXT: return "Framebuffer incomplete: duplicate attachment";
    case GL_FRAMEBUFFER_INCOMPLETE_DIMENSIONS_EXT:
        return "Framebuffer incomplete: attached images must have same dimensions";
    case GL_FRAMEBUFFER_INCOMPLETE_FORMATS_EXT: return "Framebuffer incomplete: attached images must have same format";
    case GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER_EXT: return "Framebuffer incomplete: missing draw buffer";
    case GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER_EXT: return "Framebuffer incomplete: missing read buffer";
    default: return "Framebuffer invalid: unknown reason";
    }
}

std::vector<GLenum> attachColorTextures(const std::vector<Texture> &textures, GLenum target)
{
    std::vector<GLenum> drawBuffers;
    for (size_t c = 0; c < textures.size(); ++c) {
        glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GLenum(GL_COLOR_ATTACHMENT0_EXT + c), target, textures[c].getId(),
                                  0);
        drawBuffers.push_back(GLenum(GL_COLOR_ATTACHMENT0_EXT + c));
    }
    if (!drawBuffers.empty())
        glDrawBuffers(GLsizei(drawBuffers.size()), drawBuffers.data());
    return drawBuffers;
}

} // namespace

Renderbuffer::Obj::~Obj()
{
    if (mId)
        glDeleteRenderbuffersEXT(1, &mId);
}

Renderbuffer::Renderbuffer(int32_t width, int32_t height, GLenum internalFormat, int32_t samples,
                           int32_t coverageSamples)
    : mObj(std::make_shared<Obj>())
{
    const bool coverage = coverageSupported();
    mObj->mWidth = width;
    mObj->mHeight = height;
    mObj->mInternalFormat = internalFormat;
    glGenRenderbuffersEXT(1, &mObj->mId);

    if (samples > Fbo::getMaxSamples())
        samples = Fbo::getMaxSamples();
    if (!coverage)
        coverageSamples = 0;
    mObj->mSamples = samples;
    mObj->mCoverageSamples = coverageSamples;

    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, mObj->mId);
    if (coverageSamples)
        glRenderbufferStorageMultisampleCoverageNV(GL_RENDERBUFFER_EXT, coverageSamples, samples, internalFormat, width,
                                                   height);
    else if (samples)
        glRenderbufferStorageMultisampleEXT(GL_RENDERBUFFER_EXT, samples, internalFormat, width, height);
    else
        glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, internalFormat, width, height);
}

Fbo::Obj::~Obj()
{
    if (mId)
        glDeleteFramebuffersEXT(1, &mId);
    if (mResolveFramebufferId)
        glDeleteFramebuffersEXT(1, &mResolveFramebufferId);
}

Fbo::Fbo(int32_t width, int32_t height, Format format) : mObj(std::make_shared<Obj>(width, height))
{
    mObj->mFormat = format;
    init();
}

void Fbo::init()
{
    FramebufferBindingGuard restoreBinding;
    Format &format = mObj->mFormat;

    const bool useCoverage = coverageSupported() && format.mCoverageSamples > format.mSamples;
    const bool useMultisample = !useCoverage && (format.mSamples > 0 || format.mCoverageSamples > 0);

    glGenFramebuffersEXT(1, &mObj->mId);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, mObj->mId);

    Texture::Format textureFormat;
    textureFormat.setTarget(format.mTarget);
    textureFormat.setInternalFormat(GLint(format.mColorInternalFormat));
    textureFormat.setWrap(format.mWrapS, format.mWrapT);
    textureFormat.setMinFilter(format.mMinFilter);
    textureFormat.setMagFilter(format.mMagFilter);
    textureFormat.enableMipmapping(format.mMipmapping);
    for (int32_t c = 0; c < format.mNumColorBuffers; ++c)
        mObj->mColorTextures.emplace_back(mObj->mWidth, mObj->mHeight, textureFormat);

    if (format.mNumColorBuffers == 0) {
        glDrawBuffer(GL_NONE);
        glReadBuffer(GL_NONE);
    }

    if (!(useCoverage || useMultisample) || !initMultisample(useCoverage)) {
        attachColorTextures(mObj->mColorTextures, format.mTarget);

        if (format.mDepthBuffer && format.mDepthBufferAsTexture) {
            GLuint depthId = 0;
            glGenTextures(1, &depthId);
            // Owned by the framebuffer: deleted with it (a resize makes a new one each time).
            mObj->mDepthTexture = Texture(format.mTarget, depthId, mObj->mWidth, mObj->mHeight, false);
            glBindTexture(format.mTarget, depthId);
            glTexImage2D(format.mTarget, 0, GLint(format.mDepthInternalFormat), mObj->mWidth, mObj->mHeight, 0,
                         GL_DEPTH_COMPONENT, GL_FLOAT, nullptr);
            glTexParameteri(format.mTarget, GL_TEXTURE_MIN_FILTER, GLint(format.mMinFilter));
            glTexParameteri(format.mTarget, GL_TEXTURE_MAG_FILTER, GLint(format.mMagFilter));
            glTexParameteri(format.mTarget, GL_TEXTURE_WRAP_S, GLint(format.mWrapS));
            glTexParameteri(format.mTarget, GL_TEXTURE_WRAP_T, GLint(format.mWrapT));
            glTexParameteri(format.mTarget, GL_DEPTH_TEXTURE_MODE, GL_LUMINANCE);
            glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, format.mTarget, depthId, 0);
        } else if (format.mDepthBuffer) {
            mObj->mDepthRenderbuffer = Renderbuffer(mObj->mWidth, mObj->mHeight, format.mDepthInternalFormat);
            glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT,
                                         mObj->mDepthRenderbuffer.getId());
        }

        if (const char *reason = incompleteReason())
            throw FboExceptionInvalidSpecification(reason);
    }

    mObj->mNeedsResolve = false;
    mObj->mNeedsMipmapUpdate = false;
}

// Colour goes into multisampled render buffers, resolved into the textures through a second
// framebuffer. False when the driver cannot complete either one; the caller then attaches
// the textures directly.
bool Fbo::initMultisample(bool /*useCoverage*/)
{
    Format &format = mObj->mFormat;

    glGenFramebuffersEXT(1, &mObj->mResolveFramebufferId);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, mObj->mResolveFramebufferId);
    attachColorTextures(mObj->mColorTextures, format.mTarget);
    if (incompleteReason())
        return false;

    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, mObj->mId);
    if (format.mSamples > getMaxSamples())
        format.mSamples = getMaxSamples();

    std::vector<GLenum> drawBuffers;
    for (int32_t c = 0; c < format.mNumColorBuffers; ++c) {
        mObj->mMultisampleColorRenderbuffers.emplace_back(mObj->mWidth, mObj->mHeight, format.mColorInternalFormat,
                                                          format.mSamples, format.mCoverageSamples);
        glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GLenum(GL_COLOR_ATTACHMENT0_EXT + c), GL_RENDERBUFFER_EXT,
                                     mObj->mMultisampleColorRenderbuffers.back().getId());
        drawBuffers.push_back(GLenum(GL_COLOR_ATTACHMENT0_EXT + c));
    }
    if (!drawBuffers.empty())
        glDrawBuffers(GLsizei(drawBuffers.size()), drawBuffers.data());

    if (format.mDepthBuffer) {
        mObj->mMultisampleDepthRenderbuffer = Renderbuffer(mObj->mWidth, mObj->mHeight, format.mDepthInternalFormat,
                                                           format.mSamples, format.mCoverageSamples);
        glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT,
                                     mObj->mMultisampleDepthRenderbuffer.getId());
    }
    return incompleteReason() == nullptr;
}

void Fbo::bindFramebuffer()
{
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, mObj->mId);
    if (mObj->mResolveFramebufferId)
        mObj->mNeedsResolve = true;
    if (mObj->mFormat.mMipmapping)
        mObj->mNeedsMipmapUpdate = true;
}

void Fbo::unbindFramebuffer()
{
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
}

Texture &Fbo::getTexture(int32_t attachment)
{
    resolveTextures();
    updateMipmaps(attachment);
    return mObj->mColorTextures[size_t(attachment)];
}

void Fbo::resolveTextures() const
{
    if (!mObj->mNeedsResolve)
        return;
    if (mObj->mResolveFramebufferId) {
        GLint previous = 0;
        glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &previous);
        glBindFramebufferEXT(GL_READ_FRAMEBUFFER_EXT, mObj->mId);
        glBindFramebufferEXT(GL_DRAW_FRAMEBUFFER_EXT, mObj->mResolveFramebufferId);

        GLbitfield mask = GL_COLOR_BUFFER_BIT;
        if (mObj->mDepthTexture)
            mask |= GL_DEPTH_BUFFER_BIT;
        std::vector<GLenum> drawBuffers;
        for (size_t c = 0; c < mObj->mColorTextures.size(); ++c) {
            const GLenum attachment = GLenum(GL_COLOR_ATTACHMENT0_EXT + c);
            glDrawBuffer(attachment);
            glReadBuffer(attachment);
            glBlitFramebufferEXT(0, 0, mObj->mWidth, mObj->mHeight, 0, 0, mObj->mWidth, mObj->mHeight, mask,
                                 GL_NEAREST);
            drawBuffers.push_back(attachment);
        }

        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, mObj->mId);
        if (!drawBuffers.empty())
            glDrawBuffers(GLsizei(drawBuffers.size()), drawBuffers.data());
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, GLuint(previous));
    }
    mObj->mNeedsResolve = false;
}

void Fbo::updateMipmaps(int32_t attachment) const
{
    if (!mObj->mNeedsMipmapUpdate)
        return;
    const GLenum target = mObj->mFormat.mTarget;
    glActiveTexture(GL_TEXTURE0);
    GLint previous = 0;
    glGetIntegerv(textureBindingQuery(target), &previous);
    mObj->mColorTextures[size_t(attachment)].bind(0);
    glGenerateMipmapEXT(target);
    glBindTexture(target, GLuint(previous));
    mObj->mNeedsMipmapUpdate = false;
}

GLint Fbo::getMaxSamples()
{
    GLint value = sMaxSamples;
    if (value < 0) {
        if (!isExtensionAvailable("GL_EXT_framebuffer_multisample") ||
            !isExtensionAvailable("GL_EXT_framebuffer_blit")) {
            value = 0;
        } else {
            value = 0;
            glGetIntegerv(GL_MAX_SAMPLES_EXT, &value);
        }
        sMaxSamples = value;
    }
    return value;
}

FboExceptionInvalidSpecification::FboExceptionInvalidSpecification()
{
    mMessage[0] = '\0';
}

FboExceptionInvalidSpecification::FboExceptionInvalidSpecification(const char *message)
{
    std::strncpy(mMessage, message, 255);
    mMessage[255] = '\0';
}

} // namespace lume::gl
