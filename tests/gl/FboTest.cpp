#include "framework/gl/Fbo.h"
#include "framework/gl/Draw.h"
#include "framework/gl/Matrices.h"
#include "tests/gl/GlTest.h"
#include "tests/support/GlOverride.h"

#include <string>

namespace lume::test {
namespace {

using gl::Fbo;
using gl::FboExceptionInvalidSpecification;

GLint currentFramebuffer()
{
    GLint binding = -1;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &binding);
    return binding;
}

GLint attachmentParameter(GLenum attachment, GLenum pname)
{
    GLint value = 0;
    glGetFramebufferAttachmentParameterivEXT(GL_FRAMEBUFFER_EXT, attachment, pname, &value);
    return value;
}

// Some other framebuffer bound beforehand, to tell "restored" from "reset to the window".
struct OtherFramebuffer {
    GLuint id = 0;
    OtherFramebuffer()
    {
        glGenFramebuffersEXT(1, &id);
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, id);
    }
    ~OtherFramebuffer() { glDeleteFramebuffersEXT(1, &id); }
};

TEST_F(GlTest, DefaultFramebufferHasRgba8ColourAndDepthTextureAndRestoresBinding)
{
    OtherFramebuffer other;
    Fbo fbo(640, 360);
    EXPECT_EQ(currentFramebuffer(), GLint(other.id));

    fbo.bindFramebuffer();
    EXPECT_EQ(glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT), GLenum(GL_FRAMEBUFFER_COMPLETE_EXT));
    EXPECT_EQ(attachmentParameter(GL_COLOR_ATTACHMENT0_EXT, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE_EXT), GL_TEXTURE);
    EXPECT_EQ(GLuint(attachmentParameter(GL_COLOR_ATTACHMENT0_EXT, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME_EXT)),
              fbo.getTexture().getId());
    EXPECT_EQ(attachmentParameter(GL_DEPTH_ATTACHMENT_EXT, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE_EXT), GL_TEXTURE);
    EXPECT_EQ(GLuint(attachmentParameter(GL_DEPTH_ATTACHMENT_EXT, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME_EXT)),
              fbo.getDepthTexture().getId());
    Fbo::unbindFramebuffer();
    EXPECT_EQ(currentFramebuffer(), 0);

    GLint internal = 0, width = 0, height = 0;
    glBindTexture(GL_TEXTURE_2D, fbo.getTexture().getId());
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &internal);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(internal, GL_RGBA8);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 360);
    EXPECT_EQ(fbo.getTexture().getWidth(), 640);
}

TEST_F(GlTest, IncompleteFramebufferThrowsItsReasonAndRestoresBinding)
{
    OtherFramebuffer other;
    Fbo::Format nothing;
    nothing.enableColorBuffer(false);
    nothing.enableDepthBuffer(false);
    try {
        Fbo fbo(16, 16, nothing);
        ADD_FAILURE() << "a framebuffer without attachments was accepted";
    } catch (const FboExceptionInvalidSpecification &e) {
        EXPECT_STREQ(e.what(), "Framebuffer incomplete: missing attachment");
    }
    EXPECT_EQ(currentFramebuffer(), GLint(other.id));
}

TEST_F(GlTest, DepthOnlyFramebufferDrawsAndReadsNoColour)
{
    Fbo::Format depthOnly;
    depthOnly.enableColorBuffer(false);
    Fbo fbo(16, 16, depthOnly);
    fbo.bindFramebuffer();
    GLint drawBuffer = -1, readBuffer = -1;
    glGetIntegerv(GL_DRAW_BUFFER, &drawBuffer);
    glGetIntegerv(GL_READ_BUFFER, &readBuffer);
    EXPECT_EQ(drawBuffer, GL_NONE);
    EXPECT_EQ(readBuffer, GL_NONE);
    EXPECT_EQ(glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT), GLenum(GL_FRAMEBUFFER_COMPLETE_EXT));
    Fbo::unbindFramebuffer();
}

GLenum sStatus = 0;

TEST_F(GlTest, EveryIncompleteStatusHasItsMessage)
{
    const std::pair<GLenum, const char *> cases[] = {
        {GL_FRAMEBUFFER_UNSUPPORTED_EXT, "Unsupported framebuffer format"},
        {GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT_EXT, "Framebuffer incomplete: missing attachment"},
        {GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT_EXT, "Framebuffer incomplete: duplicate attachment"},
        {GL_FRAMEBUFFER_INCOMPLETE_DIMENSIONS_EXT, "Framebuffer incomplete: attached images must have same dimensions"},
        {GL_FRAMEBUFFER_INCOMPLETE_FORMATS_EXT, "Framebuffer incomplete: attached images must have same format"},
        {GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER_EXT, "Framebuffer incomplete: missing draw buffer"},
        {GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER_EXT, "Framebuffer incomplete: missing read buffer"},
        {0x1234, "Framebuffer invalid: unknown reason"},
    };
    GlOverride<PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC> fake(glad_glCheckFramebufferStatusEXT,
                                                        [](GLenum) { return sStatus; });
    for (const auto &[status, message] : cases) {
        sStatus = status;
        try {
            Fbo fbo(8, 8);
            ADD_FAILURE() << "status " << status << " was taken as complete";
        } catch (const FboExceptionInvalidSpecification &e) {
            EXPECT_STREQ(e.what(), message);
        }
        EXPECT_EQ(currentFramebuffer(), 0);
    }
    sStatus = GL_FRAMEBUFFER_COMPLETE_EXT;
    EXPECT_NO_THROW(Fbo(8, 8));
}

// Clears the framebuffer's drawing to a colour and shows its texture in the window.
Rgba drawnColourThroughTexture(Fbo &fbo)
{
    fbo.bindFramebuffer();
    gl::setViewport(Area(0, 0, fbo.getWidth(), fbo.getHeight()));
    gl::clear(ColorA{0.2f, 0.4f, 0.6f, 1.0f});
    Fbo::unbindFramebuffer();

    gl::GlslProg prog = textureProgram();
    fbo.getTexture().bind(0);
    gl::setViewport(Area(0, 0, 64, 64));
    gl::setMatricesWindowPersp(64, 64);
    gl::clear(ColorA{0, 0, 0, 0});
    gl::drawSolidRect(Rectf{0, 0, 64, 64});
    return readPixel(32, 32);
}

TEST_F(GlTest, DrawingReachesTheColourTextureAlsoWhenMultisampled)
{
    Fbo plain(32, 16);
    EXPECT_PRED3(closeTo, drawnColourThroughTexture(plain), (Rgba{51, 102, 153, 255}), 1);

    ASSERT_GT(Fbo::getMaxSamples(), 0) << "this driver should offer multisampled framebuffers";
    Fbo::Format multisample;
    multisample.setSamples(1000); // more than any driver has: lowered to the maximum
    Fbo fbo(32, 16, multisample);
    EXPECT_EQ(fbo.getFormat().getSamples(), Fbo::getMaxSamples());
    EXPECT_NE(fbo.getResolveId(), 0u);
    EXPECT_PRED3(closeTo, drawnColourThroughTexture(fbo), (Rgba{51, 102, 153, 255}), 1);
}

int sMipmapUpdates = 0;

void GLAD_API_PTR countingGenerateMipmap(GLenum target)
{
    static auto real = reinterpret_cast<PFNGLGENERATEMIPMAPEXTPROC>(glProc("glGenerateMipmapEXT"));
    ++sMipmapUpdates;
    real(target);
}

TEST_F(GlTest, MipmapsAreRegeneratedOnceAfterEachBind)
{
    Fbo::Format format;
    format.enableMipmapping();
    Fbo fbo(16, 16, format);
    GlOverride<PFNGLGENERATEMIPMAPEXTPROC> spy(glad_glGenerateMipmapEXT, countingGenerateMipmap);
    sMipmapUpdates = 0;

    fbo.getTexture();
    EXPECT_EQ(sMipmapUpdates, 0); // nothing drawn yet
    fbo.bindFramebuffer();
    Fbo::unbindFramebuffer();
    fbo.getTexture();
    fbo.getTexture();
    EXPECT_EQ(sMipmapUpdates, 1);
    fbo.bindFramebuffer();
    Fbo::unbindFramebuffer();
    fbo.getTexture();
    EXPECT_EQ(sMipmapUpdates, 2);
}

TEST_F(GlTest, ReleasingTheFramebufferDeletesEverythingItMade)
{
    GLuint framebuffer = 0, colour = 0, depth = 0;
    {
        Fbo fbo(64, 64);
        framebuffer = fbo.getId();
        colour = fbo.getTexture().getId();
        depth = fbo.getDepthTexture().getId();
        Fbo copy = fbo;
        fbo = Fbo();
        EXPECT_TRUE(glIsFramebufferEXT(framebuffer)) << "a copy still holds it";
    }
    EXPECT_FALSE(glIsFramebufferEXT(framebuffer));
    EXPECT_FALSE(glIsTexture(colour));
    EXPECT_FALSE(glIsTexture(depth)) << "the depth texture leaked";

    GLuint renderbuffer = 0;
    {
        Fbo::Format format;
        format.enableDepthBuffer(true, false);
        Fbo fbo(64, 64, format);
        fbo.bindFramebuffer();
        renderbuffer = GLuint(attachmentParameter(GL_DEPTH_ATTACHMENT_EXT, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME_EXT));
        EXPECT_EQ(attachmentParameter(GL_DEPTH_ATTACHMENT_EXT, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE_EXT),
                  GL_RENDERBUFFER_EXT);
        Fbo::unbindFramebuffer();
    }
    EXPECT_FALSE(glIsRenderbufferEXT(renderbuffer));
}

} // namespace
} // namespace lume::test
