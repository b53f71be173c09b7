/**
 * SPDX-License-Identifier: (WTFPL OR CC0-1.0) AND Apache-2.0
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <glad/gl.h>

#ifndef GLAD_IMPL_UTIL_C_
#define GLAD_IMPL_UTIL_C_

#ifdef _MSC_VER
#define GLAD_IMPL_UTIL_SSCANF sscanf_s
#else
#define GLAD_IMPL_UTIL_SSCANF sscanf
#endif

#endif /* GLAD_IMPL_UTIL_C_ */

#ifdef __cplusplus
extern "C" {
#endif




static GLADapiproc glad_gl_internal_loader_get_proc(const char *name);
static GLADloadfunc glad_global_on_demand_gl_loader_func = glad_gl_internal_loader_get_proc;

void gladSetGLOnDemandLoader(GLADloadfunc loader) {
    glad_global_on_demand_gl_loader_func = loader;
}

static GLADapiproc glad_gl_on_demand_loader(const char *name) {
    GLADapiproc result = NULL;
    if (result == NULL && glad_global_on_demand_gl_loader_func != NULL) {
        result = glad_global_on_demand_gl_loader_func(name);
    }
    /* this provokes a segmentation fault if there was no loader or no loader returned something useful */
    return result;
}


static void GLAD_API_PTR glad_on_demand_impl_glAccum(GLenum op, GLfloat value) {
    PFNGLACCUMPROC proc = (PFNGLACCUMPROC) glad_gl_on_demand_loader("glAccum");
    if (proc == NULL) {
        return;
    }
    glad_glAccum = proc;
    proc(op, value);
}
PFNGLACCUMPROC glad_glAccum = glad_on_demand_impl_glAccum;
static void GLAD_API_PTR glad_on_demand_impl_glActiveTexture(GLenum texture) {
    PFNGLACTIVETEXTUREPROC proc = (PFNGLACTIVETEXTUREPROC) glad_gl_on_demand_loader("glActiveTexture");
    if (proc == NULL) {
        return;
    }
    glad_glActiveTexture = proc;
    proc(texture);
}
PFNGLACTIVETEXTUREPROC glad_glActiveTexture = glad_on_demand_impl_glActiveTexture;
static void GLAD_API_PTR glad_on_demand_impl_glAlphaFunc(GLenum func, GLfloat ref) {
    PFNGLALPHAFUNCPROC proc = (PFNGLALPHAFUNCPROC) glad_gl_on_demand_loader("glAlphaFunc");
    if (proc == NULL) {
        return;
    }
    glad_glAlphaFunc = proc;
    proc(func, ref);
}
PFNGLALPHAFUNCPROC glad_glAlphaFunc = glad_on_demand_impl_glAlphaFunc;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glAreTexturesResident(GLsizei n, const GLuint * textures, GLboolean * residences) {
    PFNGLARETEXTURESRESIDENTPROC proc = (PFNGLARETEXTURESRESIDENTPROC) glad_gl_on_demand_loader("glAreTexturesResident");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glAreTexturesResident = proc;
    return proc(n, textures, residences);
}
PFNGLARETEXTURESRESIDENTPROC glad_glAreTexturesResident = glad_on_demand_impl_glAreTexturesResident;
static void GLAD_API_PTR glad_on_demand_impl_glArrayElement(GLint i) {
    PFNGLARRAYELEMENTPROC proc = (PFNGLARRAYELEMENTPROC) glad_gl_on_demand_loader("glArrayElement");
    if (proc == NULL) {
        return;
    }
    glad_glArrayElement = proc;
    proc(i);
}
PFNGLARRAYELEMENTPROC glad_glArrayElement = glad_on_demand_impl_glArrayElement;
static void GLAD_API_PTR glad_on_demand_impl_glAttachShader(GLuint program, GLuint shader) {
    PFNGLATTACHSHADERPROC proc = (PFNGLATTACHSHADERPROC) glad_gl_on_demand_loader("glAttachShader");
    if (proc == NULL) {
        return;
    }
    glad_glAttachShader = proc;
    proc(program, shader);
}
PFNGLATTACHSHADERPROC glad_glAttachShader = glad_on_demand_impl_glAttachShader;
static void GLAD_API_PTR glad_on_demand_impl_glBegin(GLenum mode) {
    PFNGLBEGINPROC proc = (PFNGLBEGINPROC) glad_gl_on_demand_loader("glBegin");
    if (proc == NULL) {
        return;
    }
    glad_glBegin = proc;
    proc(mode);
}
PFNGLBEGINPROC glad_glBegin = glad_on_demand_impl_glBegin;
static void GLAD_API_PTR glad_on_demand_impl_glBeginQuery(GLenum target, GLuint id) {
    PFNGLBEGINQUERYPROC proc = (PFNGLBEGINQUERYPROC) glad_gl_on_demand_loader("glBeginQuery");
    if (proc == NULL) {
        return;
    }
    glad_glBeginQuery = proc;
    proc(target, id);
}
PFNGLBEGINQUERYPROC glad_glBeginQuery = glad_on_demand_impl_glBeginQuery;
static void GLAD_API_PTR glad_on_demand_impl_glBindAttribLocation(GLuint program, GLuint index, const GLchar * name) {
    PFNGLBINDATTRIBLOCATIONPROC proc = (PFNGLBINDATTRIBLOCATIONPROC) glad_gl_on_demand_loader("glBindAttribLocation");
    if (proc == NULL) {
        return;
    }
    glad_glBindAttribLocation = proc;
    proc(program, index, name);
}
PFNGLBINDATTRIBLOCATIONPROC glad_glBindAttribLocation = glad_on_demand_impl_glBindAttribLocation;
static void GLAD_API_PTR glad_on_demand_impl_glBindBuffer(GLenum target, GLuint buffer) {
    PFNGLBINDBUFFERPROC proc = (PFNGLBINDBUFFERPROC) glad_gl_on_demand_loader("glBindBuffer");
    if (proc == NULL) {
        return;
    }
    glad_glBindBuffer = proc;
    proc(target, buffer);
}
PFNGLBINDBUFFERPROC glad_glBindBuffer = glad_on_demand_impl_glBindBuffer;
static void GLAD_API_PTR glad_on_demand_impl_glBindFramebufferEXT(GLenum target, GLuint framebuffer) {
    PFNGLBINDFRAMEBUFFEREXTPROC proc = (PFNGLBINDFRAMEBUFFEREXTPROC) glad_gl_on_demand_loader("glBindFramebufferEXT");
    if (proc == NULL) {
        return;
    }
    glad_glBindFramebufferEXT = proc;
    proc(target, framebuffer);
}
PFNGLBINDFRAMEBUFFEREXTPROC glad_glBindFramebufferEXT = glad_on_demand_impl_glBindFramebufferEXT;
static void GLAD_API_PTR glad_on_demand_impl_glBindRenderbufferEXT(GLenum target, GLuint renderbuffer) {
    PFNGLBINDRENDERBUFFEREXTPROC proc = (PFNGLBINDRENDERBUFFEREXTPROC) glad_gl_on_demand_loader("glBindRenderbufferEXT");
    if (proc == NULL) {
        return;
    }
    glad_glBindRenderbufferEXT = proc;
    proc(target, renderbuffer);
}
PFNGLBINDRENDERBUFFEREXTPROC glad_glBindRenderbufferEXT = glad_on_demand_impl_glBindRenderbufferEXT;
static void GLAD_API_PTR glad_on_demand_impl_glBindTexture(GLenum target, GLuint texture) {
    PFNGLBINDTEXTUREPROC proc = (PFNGLBINDTEXTUREPROC) glad_gl_on_demand_loader("glBindTexture");
    if (proc == NULL) {
        return;
    }
    glad_glBindTexture = proc;
    proc(target, texture);
}
PFNGLBINDTEXTUREPROC glad_glBindTexture = glad_on_demand_impl_glBindTexture;
static void GLAD_API_PTR glad_on_demand_impl_glBitmap(GLsizei width, GLsizei height, GLfloat xorig, GLfloat yorig, GLfloat xmove, GLfloat ymove, const GLubyte * bitmap) {
    PFNGLBITMAPPROC proc = (PFNGLBITMAPPROC) glad_gl_on_demand_loader("glBitmap");
    if (proc == NULL) {
        return;
    }
    glad_glBitmap = proc;
    proc(width, height, xorig, yorig, xmove, ymove, bitmap);
}
PFNGLBITMAPPROC glad_glBitmap = glad_on_demand_impl_glBitmap;
static void GLAD_API_PTR glad_on_demand_impl_glBlendColor(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    PFNGLBLENDCOLORPROC proc = (PFNGLBLENDCOLORPROC) glad_gl_on_demand_loader("glBlendColor");
    if (proc == NULL) {
        return;
    }
    glad_glBlendColor = proc;
    proc(red, green, blue, alpha);
}
PFNGLBLENDCOLORPROC glad_glBlendColor = glad_on_demand_impl_glBlendColor;
static void GLAD_API_PTR glad_on_demand_impl_glBlendEquation(GLenum mode) {
    PFNGLBLENDEQUATIONPROC proc = (PFNGLBLENDEQUATIONPROC) glad_gl_on_demand_loader("glBlendEquation");
    if (proc == NULL) {
        return;
    }
    glad_glBlendEquation = proc;
    proc(mode);
}
PFNGLBLENDEQUATIONPROC glad_glBlendEquation = glad_on_demand_impl_glBlendEquation;
static void GLAD_API_PTR glad_on_demand_impl_glBlendEquationSeparate(GLenum modeRGB, GLenum modeAlpha) {
    PFNGLBLENDEQUATIONSEPARATEPROC proc = (PFNGLBLENDEQUATIONSEPARATEPROC) glad_gl_on_demand_loader("glBlendEquationSeparate");
    if (proc == NULL) {
        return;
    }
    glad_glBlendEquationSeparate = proc;
    proc(modeRGB, modeAlpha);
}
PFNGLBLENDEQUATIONSEPARATEPROC glad_glBlendEquationSeparate = glad_on_demand_impl_glBlendEquationSeparate;
static void GLAD_API_PTR glad_on_demand_impl_glBlendFunc(GLenum sfactor, GLenum dfactor) {
    PFNGLBLENDFUNCPROC proc = (PFNGLBLENDFUNCPROC) glad_gl_on_demand_loader("glBlendFunc");
    if (proc == NULL) {
        return;
    }
    glad_glBlendFunc = proc;
    proc(sfactor, dfactor);
}
PFNGLBLENDFUNCPROC glad_glBlendFunc = glad_on_demand_impl_glBlendFunc;
static void GLAD_API_PTR glad_on_demand_impl_glBlendFuncSeparate(GLenum sfactorRGB, GLenum dfactorRGB, GLenum sfactorAlpha, GLenum dfactorAlpha) {
    PFNGLBLENDFUNCSEPARATEPROC proc = (PFNGLBLENDFUNCSEPARATEPROC) glad_gl_on_demand_loader("glBlendFuncSeparate");
    if (proc == NULL) {
        return;
    }
    glad_glBlendFuncSeparate = proc;
    proc(sfactorRGB, dfactorRGB, sfactorAlpha, dfactorAlpha);
}
PFNGLBLENDFUNCSEPARATEPROC glad_glBlendFuncSeparate = glad_on_demand_impl_glBlendFuncSeparate;
static void GLAD_API_PTR glad_on_demand_impl_glBlitFramebufferEXT(GLint srcX0, GLint srcY0, GLint srcX1, GLint srcY1, GLint dstX0, GLint dstY0, GLint dstX1, GLint dstY1, GLbitfield mask, GLenum filter) {
    PFNGLBLITFRAMEBUFFEREXTPROC proc = (PFNGLBLITFRAMEBUFFEREXTPROC) glad_gl_on_demand_loader("glBlitFramebufferEXT");
    if (proc == NULL) {
        return;
    }
    glad_glBlitFramebufferEXT = proc;
    proc(srcX0, srcY0, srcX1, srcY1, dstX0, dstY0, dstX1, dstY1, mask, filter);
}
PFNGLBLITFRAMEBUFFEREXTPROC glad_glBlitFramebufferEXT = glad_on_demand_impl_glBlitFramebufferEXT;
static void GLAD_API_PTR glad_on_demand_impl_glBufferData(GLenum target, GLsizeiptr size, const void * data, GLenum usage) {
    PFNGLBUFFERDATAPROC proc = (PFNGLBUFFERDATAPROC) glad_gl_on_demand_loader("glBufferData");
    if (proc == NULL) {
        return;
    }
    glad_glBufferData = proc;
    proc(target, size, data, usage);
}
PFNGLBUFFERDATAPROC glad_glBufferData = glad_on_demand_impl_glBufferData;
static void GLAD_API_PTR glad_on_demand_impl_glBufferSubData(GLenum target, GLintptr offset, GLsizeiptr size, const void * data) {
    PFNGLBUFFERSUBDATAPROC proc = (PFNGLBUFFERSUBDATAPROC) glad_gl_on_demand_loader("glBufferSubData");
    if (proc == NULL) {
        return;
    }
    glad_glBufferSubData = proc;
    proc(target, offset, size, data);
}
PFNGLBUFFERSUBDATAPROC glad_glBufferSubData = glad_on_demand_impl_glBufferSubData;
static void GLAD_API_PTR glad_on_demand_impl_glCallList(GLuint list) {
    PFNGLCALLLISTPROC proc = (PFNGLCALLLISTPROC) glad_gl_on_demand_loader("glCallList");
    if (proc == NULL) {
        return;
    }
    glad_glCallList = proc;
    proc(list);
}
PFNGLCALLLISTPROC glad_glCallList = glad_on_demand_impl_glCallList;
static void GLAD_API_PTR glad_on_demand_impl_glCallLists(GLsizei n, GLenum type, const void * lists) {
    PFNGLCALLLISTSPROC proc = (PFNGLCALLLISTSPROC) glad_gl_on_demand_loader("glCallLists");
    if (proc == NULL) {
        return;
    }
    glad_glCallLists = proc;
    proc(n, type, lists);
}
PFNGLCALLLISTSPROC glad_glCallLists = glad_on_demand_impl_glCallLists;
static GLenum GLAD_API_PTR glad_on_demand_impl_glCheckFramebufferStatusEXT(GLenum target) {
    PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC proc = (PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC) glad_gl_on_demand_loader("glCheckFramebufferStatusEXT");
    if (proc == NULL) {
        return (GLenum) 0;
    }
    glad_glCheckFramebufferStatusEXT = proc;
    return proc(target);
}
PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC glad_glCheckFramebufferStatusEXT = glad_on_demand_impl_glCheckFramebufferStatusEXT;
static void GLAD_API_PTR glad_on_demand_impl_glClear(GLbitfield mask) {
    PFNGLCLEARPROC proc = (PFNGLCLEARPROC) glad_gl_on_demand_loader("glClear");
    if (proc == NULL) {
        return;
    }
    glad_glClear = proc;
    proc(mask);
}
PFNGLCLEARPROC glad_glClear = glad_on_demand_impl_glClear;
static void GLAD_API_PTR glad_on_demand_impl_glClearAccum(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    PFNGLCLEARACCUMPROC proc = (PFNGLCLEARACCUMPROC) glad_gl_on_demand_loader("glClearAccum");
    if (proc == NULL) {
        return;
    }
    glad_glClearAccum = proc;
    proc(red, green, blue, alpha);
}
PFNGLCLEARACCUMPROC glad_glClearAccum = glad_on_demand_impl_glClearAccum;
static void GLAD_API_PTR glad_on_demand_impl_glClearColor(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    PFNGLCLEARCOLORPROC proc = (PFNGLCLEARCOLORPROC) glad_gl_on_demand_loader("glClearColor");
    if (proc == NULL) {
        return;
    }
    glad_glClearColor = proc;
    proc(red, green, blue, alpha);
}
PFNGLCLEARCOLORPROC glad_glClearColor = glad_on_demand_impl_glClearColor;
static void GLAD_API_PTR glad_on_demand_impl_glClearDepth(GLdouble depth) {
    PFNGLCLEARDEPTHPROC proc = (PFNGLCLEARDEPTHPROC) glad_gl_on_demand_loader("glClearDepth");
    if (proc == NULL) {
        return;
    }
    glad_glClearDepth = proc;
    proc(depth);
}
PFNGLCLEARDEPTHPROC glad_glClearDepth = glad_on_demand_impl_glClearDepth;
static void GLAD_API_PTR glad_on_demand_impl_glClearIndex(GLfloat c) {
    PFNGLCLEARINDEXPROC proc = (PFNGLCLEARINDEXPROC) glad_gl_on_demand_loader("glClearIndex");
    if (proc == NULL) {
        return;
    }
    glad_glClearIndex = proc;
    proc(c);
}
PFNGLCLEARINDEXPROC glad_glClearIndex = glad_on_demand_impl_glClearIndex;
static void GLAD_API_PTR glad_on_demand_impl_glClearStencil(GLint s) {
    PFNGLCLEARSTENCILPROC proc = (PFNGLCLEARSTENCILPROC) glad_gl_on_demand_loader("glClearStencil");
    if (proc == NULL) {
        return;
    }
    glad_glClearStencil = proc;
    proc(s);
}
PFNGLCLEARSTENCILPROC glad_glClearStencil = glad_on_demand_impl_glClearStencil;
static void GLAD_API_PTR glad_on_demand_impl_glClientActiveTexture(GLenum texture) {
    PFNGLCLIENTACTIVETEXTUREPROC proc = (PFNGLCLIENTACTIVETEXTUREPROC) glad_gl_on_demand_loader("glClientActiveTexture");
    if (proc == NULL) {
        return;
    }
    glad_glClientActiveTexture = proc;
    proc(texture);
}
PFNGLCLIENTACTIVETEXTUREPROC glad_glClientActiveTexture = glad_on_demand_impl_glClientActiveTexture;
static GLenum GLAD_API_PTR glad_on_demand_impl_glClientWaitSync(GLsync sync, GLbitfield flags, GLuint64 timeout) {
    PFNGLCLIENTWAITSYNCPROC proc = (PFNGLCLIENTWAITSYNCPROC) glad_gl_on_demand_loader("glClientWaitSync");
    if (proc == NULL) {
        return (GLenum) 0;
    }
    glad_glClientWaitSync = proc;
    return proc(sync, flags, timeout);
}
PFNGLCLIENTWAITSYNCPROC glad_glClientWaitSync = glad_on_demand_impl_glClientWaitSync;
static void GLAD_API_PTR glad_on_demand_impl_glClipPlane(GLenum plane, const GLdouble * equation) {
    PFNGLCLIPPLANEPROC proc = (PFNGLCLIPPLANEPROC) glad_gl_on_demand_loader("glClipPlane");
    if (proc == NULL) {
        return;
    }
    glad_glClipPlane = proc;
    proc(plane, equation);
}
PFNGLCLIPPLANEPROC glad_glClipPlane = glad_on_demand_impl_glClipPlane;
static void GLAD_API_PTR glad_on_demand_impl_glColor3b(GLbyte red, GLbyte green, GLbyte blue) {
    PFNGLCOLOR3BPROC proc = (PFNGLCOLOR3BPROC) glad_gl_on_demand_loader("glColor3b");
    if (proc == NULL) {
        return;
    }
    glad_glColor3b = proc;
    proc(red, green, blue);
}
PFNGLCOLOR3BPROC glad_glColor3b = glad_on_demand_impl_glColor3b;
static void GLAD_API_PTR glad_on_demand_impl_glColor3bv(const GLbyte * v) {
    PFNGLCOLOR3BVPROC proc = (PFNGLCOLOR3BVPROC) glad_gl_on_demand_loader("glColor3bv");
    if (proc == NULL) {
        return;
    }
    glad_glColor3bv = proc;
    proc(v);
}
PFNGLCOLOR3BVPROC glad_glColor3bv = glad_on_demand_impl_glColor3bv;
static void GLAD_API_PTR glad_on_demand_impl_glColor3d(GLdouble red, GLdouble green, GLdouble blue) {
    PFNGLCOLOR3DPROC proc = (PFNGLCOLOR3DPROC) glad_gl_on_demand_loader("glColor3d");
    if (proc == NULL) {
        return;
    }
    glad_glColor3d = proc;
    proc(red, green, blue);
}
PFNGLCOLOR3DPROC glad_glColor3d = glad_on_demand_impl_glColor3d;
static void GLAD_API_PTR glad_on_demand_impl_glColor3dv(const GLdouble * v) {
    PFNGLCOLOR3DVPROC proc = (PFNGLCOLOR3DVPROC) glad_gl_on_demand_loader("glColor3dv");
    if (proc == NULL) {
        return;
    }
    glad_glColor3dv = proc;
    proc(v);
}
PFNGLCOLOR3DVPROC glad_glColor3dv = glad_on_demand_impl_glColor3dv;
static void GLAD_API_PTR glad_on_demand_impl_glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
    PFNGLCOLOR3FPROC proc = (PFNGLCOLOR3FPROC) glad_gl_on_demand_loader("glColor3f");
    if (proc == NULL) {
        return;
    }
    glad_glColor3f = proc;
    proc(red, green, blue);
}
PFNGLCOLOR3FPROC glad_glColor3f = glad_on_demand_impl_glColor3f;
static void GLAD_API_PTR glad_on_demand_impl_glColor3fv(const GLfloat * v) {
    PFNGLCOLOR3FVPROC proc = (PFNGLCOLOR3FVPROC) glad_gl_on_demand_loader("glColor3fv");
    if (proc == NULL) {
        return;
    }
    glad_glColor3fv = proc;
    proc(v);
}
PFNGLCOLOR3FVPROC glad_glColor3fv = glad_on_demand_impl_glColor3fv;
static void GLAD_API_PTR glad_on_demand_impl_glColor3i(GLint red, GLint green, GLint blue) {
    PFNGLCOLOR3IPROC proc = (PFNGLCOLOR3IPROC) glad_gl_on_demand_loader("glColor3i");
    if (proc == NULL) {
        return;
    }
    glad_glColor3i = proc;
    proc(red, green, blue);
}
PFNGLCOLOR3IPROC glad_glColor3i = glad_on_demand_impl_glColor3i;
static void GLAD_API_PTR glad_on_demand_impl_glColor3iv(const GLint * v) {
    PFNGLCOLOR3IVPROC proc = (PFNGLCOLOR3IVPROC) glad_gl_on_demand_loader("glColor3iv");
    if (proc == NULL) {
        return;
    }
    glad_glColor3iv = proc;
    proc(v);
}
PFNGLCOLOR3IVPROC glad_glColor3iv = glad_on_demand_impl_glColor3iv;
static void GLAD_API_PTR glad_on_demand_impl_glColor3s(GLshort red, GLshort green, GLshort blue) {
    PFNGLCOLOR3SPROC proc = (PFNGLCOLOR3SPROC) glad_gl_on_demand_loader("glColor3s");
    if (proc == NULL) {
        return;
    }
    glad_glColor3s = proc;
    proc(red, green, blue);
}
PFNGLCOLOR3SPROC glad_glColor3s = glad_on_demand_impl_glColor3s;
static void GLAD_API_PTR glad_on_demand_impl_glColor3sv(const GLshort * v) {
    PFNGLCOLOR3SVPROC proc = (PFNGLCOLOR3SVPROC) glad_gl_on_demand_loader("glColor3sv");
    if (proc == NULL) {
        return;
    }
    glad_glColor3sv = proc;
    proc(v);
}
PFNGLCOLOR3SVPROC glad_glColor3sv = glad_on_demand_impl_glColor3sv;
static void GLAD_API_PTR glad_on_demand_impl_glColor3ub(GLubyte red, GLubyte green, GLubyte blue) {
    PFNGLCOLOR3UBPROC proc = (PFNGLCOLOR3UBPROC) glad_gl_on_demand_loader("glColor3ub");
    if (proc == NULL) {
        return;
    }
    glad_glColor3ub = proc;
    proc(red, green, blue);
}
PFNGLCOLOR3UBPROC glad_glColor3ub = glad_on_demand_impl_glColor3ub;
static void GLAD_API_PTR glad_on_demand_impl_glColor3ubv(const GLubyte * v) {
    PFNGLCOLOR3UBVPROC proc = (PFNGLCOLOR3UBVPROC) glad_gl_on_demand_loader("glColor3ubv");
    if (proc == NULL) {
        return;
    }
    glad_glColor3ubv = proc;
    proc(v);
}
PFNGLCOLOR3UBVPROC glad_glColor3ubv = glad_on_demand_impl_glColor3ubv;
static void GLAD_API_PTR glad_on_demand_impl_glColor3ui(GLuint red, GLuint green, GLuint blue) {
    PFNGLCOLOR3UIPROC proc = (PFNGLCOLOR3UIPROC) glad_gl_on_demand_loader("glColor3ui");
    if (proc == NULL) {
        return;
    }
    glad_glColor3ui = proc;
    proc(red, green, blue);
}
PFNGLCOLOR3UIPROC glad_glColor3ui = glad_on_demand_impl_glColor3ui;
static void GLAD_API_PTR glad_on_demand_impl_glColor3uiv(const GLuint * v) {
    PFNGLCOLOR3UIVPROC proc = (PFNGLCOLOR3UIVPROC) glad_gl_on_demand_loader("glColor3uiv");
    if (proc == NULL) {
        return;
    }
    glad_glColor3uiv = proc;
    proc(v);
}
PFNGLCOLOR3UIVPROC glad_glColor3uiv = glad_on_demand_impl_glColor3uiv;
static void GLAD_API_PTR glad_on_demand_impl_glColor3us(GLushort red, GLushort green, GLushort blue) {
    PFNGLCOLOR3USPROC proc = (PFNGLCOLOR3USPROC) glad_gl_on_demand_loader("glColor3us");
    if (proc == NULL) {
        return;
    }
    glad_glColor3us = proc;
    proc(red, green, blue);
}
PFNGLCOLOR3USPROC glad_glColor3us = glad_on_demand_impl_glColor3us;
static void GLAD_API_PTR glad_on_demand_impl_glColor3usv(const GLushort * v) {
    PFNGLCOLOR3USVPROC proc = (PFNGLCOLOR3USVPROC) glad_gl_on_demand_loader("glColor3usv");
    if (proc == NULL) {
        return;
    }
    glad_glColor3usv = proc;
    proc(v);
}
PFNGLCOLOR3USVPROC glad_glColor3usv = glad_on_demand_impl_glColor3usv;
static void GLAD_API_PTR glad_on_demand_impl_glColor4b(GLbyte red, GLbyte green, GLbyte blue, GLbyte alpha) {
    PFNGLCOLOR4BPROC proc = (PFNGLCOLOR4BPROC) glad_gl_on_demand_loader("glColor4b");
    if (proc == NULL) {
        return;
    }
    glad_glColor4b = proc;
    proc(red, green, blue, alpha);
}
PFNGLCOLOR4BPROC glad_glColor4b = glad_on_demand_impl_glColor4b;
static void GLAD_API_PTR glad_on_demand_impl_glColor4bv(const GLbyte * v) {
    PFNGLCOLOR4BVPROC proc = (PFNGLCOLOR4BVPROC) glad_gl_on_demand_loader("glColor4bv");
    if (proc == NULL) {
        return;
    }
    glad_glColor4bv = proc;
    proc(v);
}
PFNGLCOLOR4BVPROC glad_glColor4bv = glad_on_demand_impl_glColor4bv;
static void GLAD_API_PTR glad_on_demand_impl_glColor4d(GLdouble red, GLdouble green, GLdouble blue, GLdouble alpha) {
    PFNGLCOLOR4DPROC proc = (PFNGLCOLOR4DPROC) glad_gl_on_demand_loader("glColor4d");
    if (proc == NULL) {
        return;
    }
    glad_glColor4d = proc;
    proc(red, green, blue, alpha);
}
PFNGLCOLOR4DPROC glad_glColor4d = glad_on_demand_impl_glColor4d;
static void GLAD_API_PTR glad_on_demand_impl_glColor4dv(const GLdouble * v) {
    PFNGLCOLOR4DVPROC proc = (PFNGLCOLOR4DVPROC) glad_gl_on_demand_loader("glColor4dv");
    if (proc == NULL) {
        return;
    }
    glad_glColor4dv = proc;
    proc(v);
}
PFNGLCOLOR4DVPROC glad_glColor4dv = glad_on_demand_impl_glColor4dv;
static void GLAD_API_PTR glad_on_demand_impl_glColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    PFNGLCOLOR4FPROC proc = (PFNGLCOLOR4FPROC) glad_gl_on_demand_loader("glColor4f");
    if (proc == NULL) {
        return;
    }
    glad_glColor4f = proc;
    proc(red, green, blue, alpha);
}
PFNGLCOLOR4FPROC glad_glColor4f = glad_on_demand_impl_glColor4f;
static void GLAD_API_PTR glad_on_demand_impl_glColor4fv(const GLfloat * v) {
    PFNGLCOLOR4FVPROC proc = (PFNGLCOLOR4FVPROC) glad_gl_on_demand_loader("glColor4fv");
    if (proc == NULL) {
        return;
    }
    glad_glColor4fv = proc;
    proc(v);
}
PFNGLCOLOR4FVPROC glad_glColor4fv = glad_on_demand_impl_glColor4fv;
static void GLAD_API_PTR glad_on_demand_impl_glColor4i(GLint red, GLint green, GLint blue, GLint alpha) {
    PFNGLCOLOR4IPROC proc = (PFNGLCOLOR4IPROC) glad_gl_on_demand_loader("glColor4i");
    if (proc == NULL) {
        return;
    }
    glad_glColor4i = proc;
    proc(red, green, blue, alpha);
}
PFNGLCOLOR4IPROC glad_glColor4i = glad_on_demand_impl_glColor4i;
static void GLAD_API_PTR glad_on_demand_impl_glColor4iv(const GLint * v) {
    PFNGLCOLOR4IVPROC proc = (PFNGLCOLOR4IVPROC) glad_gl_on_demand_loader("glColor4iv");
    if (proc == NULL) {
        return;
    }
    glad_glColor4iv = proc;
    proc(v);
}
PFNGLCOLOR4IVPROC glad_glColor4iv = glad_on_demand_impl_glColor4iv;
static void GLAD_API_PTR glad_on_demand_impl_glColor4s(GLshort red, GLshort green, GLshort blue, GLshort alpha) {
    PFNGLCOLOR4SPROC proc = (PFNGLCOLOR4SPROC) glad_gl_on_demand_loader("glColor4s");
    if (proc == NULL) {
        return;
    }
    glad_glColor4s = proc;
    proc(red, green, blue, alpha);
}
PFNGLCOLOR4SPROC glad_glColor4s = glad_on_demand_impl_glColor4s;
static void GLAD_API_PTR glad_on_demand_impl_glColor4sv(const GLshort * v) {
    PFNGLCOLOR4SVPROC proc = (PFNGLCOLOR4SVPROC) glad_gl_on_demand_loader("glColor4sv");
    if (proc == NULL) {
        return;
    }
    glad_glColor4sv = proc;
    proc(v);
}
PFNGLCOLOR4SVPROC glad_glColor4sv = glad_on_demand_impl_glColor4sv;
static void GLAD_API_PTR glad_on_demand_impl_glColor4ub(GLubyte red, GLubyte green, GLubyte blue, GLubyte alpha) {
    PFNGLCOLOR4UBPROC proc = (PFNGLCOLOR4UBPROC) glad_gl_on_demand_loader("glColor4ub");
    if (proc == NULL) {
        return;
    }
    glad_glColor4ub = proc;
    proc(red, green, blue, alpha);
}
PFNGLCOLOR4UBPROC glad_glColor4ub = glad_on_demand_impl_glColor4ub;
static void GLAD_API_PTR glad_on_demand_impl_glColor4ubv(const GLubyte * v) {
    PFNGLCOLOR4UBVPROC proc = (PFNGLCOLOR4UBVPROC) glad_gl_on_demand_loader("glColor4ubv");
    if (proc == NULL) {
        return;
    }
    glad_glColor4ubv = proc;
    proc(v);
}
PFNGLCOLOR4UBVPROC glad_glColor4ubv = glad_on_demand_impl_glColor4ubv;
static void GLAD_API_PTR glad_on_demand_impl_glColor4ui(GLuint red, GLuint green, GLuint blue, GLuint alpha) {
    PFNGLCOLOR4UIPROC proc = (PFNGLCOLOR4UIPROC) glad_gl_on_demand_loader("glColor4ui");
    if (proc == NULL) {
        return;
    }
    glad_glColor4ui = proc;
    proc(red, green, blue, alpha);
}
PFNGLCOLOR4UIPROC glad_glColor4ui = glad_on_demand_impl_glColor4ui;
static void GLAD_API_PTR glad_on_demand_impl_glColor4uiv(const GLuint * v) {
    PFNGLCOLOR4UIVPROC proc = (PFNGLCOLOR4UIVPROC) glad_gl_on_demand_loader("glColor4uiv");
    if (proc == NULL) {
        return;
    }
    glad_glColor4uiv = proc;
    proc(v);
}
PFNGLCOLOR4UIVPROC glad_glColor4uiv = glad_on_demand_impl_glColor4uiv;
static void GLAD_API_PTR glad_on_demand_impl_glColor4us(GLushort red, GLushort green, GLushort blue, GLushort alpha) {
    PFNGLCOLOR4USPROC proc = (PFNGLCOLOR4USPROC) glad_gl_on_demand_loader("glColor4us");
    if (proc == NULL) {
        return;
    }
    glad_glColor4us = proc;
    proc(red, green, blue, alpha);
}
PFNGLCOLOR4USPROC glad_glColor4us = glad_on_demand_impl_glColor4us;
static void GLAD_API_PTR glad_on_demand_impl_glColor4usv(const GLushort * v) {
    PFNGLCOLOR4USVPROC proc = (PFNGLCOLOR4USVPROC) glad_gl_on_demand_loader("glColor4usv");
    if (proc == NULL) {
        return;
    }
    glad_glColor4usv = proc;
    proc(v);
}
PFNGLCOLOR4USVPROC glad_glColor4usv = glad_on_demand_impl_glColor4usv;
static void GLAD_API_PTR glad_on_demand_impl_glColorMask(GLboolean red, GLboolean green, GLboolean blue, GLboolean alpha) {
    PFNGLCOLORMASKPROC proc = (PFNGLCOLORMASKPROC) glad_gl_on_demand_loader("glColorMask");
    if (proc == NULL) {
        return;
    }
    glad_glColorMask = proc;
    proc(red, green, blue, alpha);
}
PFNGLCOLORMASKPROC glad_glColorMask = glad_on_demand_impl_glColorMask;
static void GLAD_API_PTR glad_on_demand_impl_glColorMaterial(GLenum face, GLenum mode) {
    PFNGLCOLORMATERIALPROC proc = (PFNGLCOLORMATERIALPROC) glad_gl_on_demand_loader("glColorMaterial");
    if (proc == NULL) {
        return;
    }
    glad_glColorMaterial = proc;
    proc(face, mode);
}
PFNGLCOLORMATERIALPROC glad_glColorMaterial = glad_on_demand_impl_glColorMaterial;
static void GLAD_API_PTR glad_on_demand_impl_glColorPointer(GLint size, GLenum type, GLsizei stride, const void * pointer) {
    PFNGLCOLORPOINTERPROC proc = (PFNGLCOLORPOINTERPROC) glad_gl_on_demand_loader("glColorPointer");
    if (proc == NULL) {
        return;
    }
    glad_glColorPointer = proc;
    proc(size, type, stride, pointer);
}
PFNGLCOLORPOINTERPROC glad_glColorPointer = glad_on_demand_impl_glColorPointer;
static void GLAD_API_PTR glad_on_demand_impl_glCompileShader(GLuint shader) {
    PFNGLCOMPILESHADERPROC proc = (PFNGLCOMPILESHADERPROC) glad_gl_on_demand_loader("glCompileShader");
    if (proc == NULL) {
        return;
    }
    glad_glCompileShader = proc;
    proc(shader);
}
PFNGLCOMPILESHADERPROC glad_glCompileShader = glad_on_demand_impl_glCompileShader;
static void GLAD_API_PTR glad_on_demand_impl_glCompressedTexImage1D(GLenum target, GLint level, GLenum internalformat, GLsizei width, GLint border, GLsizei imageSize, const void * data) {
    PFNGLCOMPRESSEDTEXIMAGE1DPROC proc = (PFNGLCOMPRESSEDTEXIMAGE1DPROC) glad_gl_on_demand_loader("glCompressedTexImage1D");
    if (proc == NULL) {
        return;
    }
    glad_glCompressedTexImage1D = proc;
    proc(target, level, internalformat, width, border, imageSize, data);
}
PFNGLCOMPRESSEDTEXIMAGE1DPROC glad_glCompressedTexImage1D = glad_on_demand_impl_glCompressedTexImage1D;
static void GLAD_API_PTR glad_on_demand_impl_glCompressedTexImage2D(GLenum target, GLint level, GLenum internalformat, GLsizei width, GLsizei height, GLint border, GLsizei imageSize, const void * data) {
    PFNGLCOMPRESSEDTEXIMAGE2DPROC proc = (PFNGLCOMPRESSEDTEXIMAGE2DPROC) glad_gl_on_demand_loader("glCompressedTexImage2D");
    if (proc == NULL) {
        return;
    }
    glad_glCompressedTexImage2D = proc;
    proc(target, level, internalformat, width, height, border, imageSize, data);
}
PFNGLCOMPRESSEDTEXIMAGE2DPROC glad_glCompressedTexImage2D = glad_on_demand_impl_glCompressedTexImage2D;
static void GLAD_API_PTR glad_on_demand_impl_glCompressedTexImage3D(GLenum target, GLint level, GLenum internalformat, GLsizei width, GLsizei height, GLsizei depth, GLint border, GLsizei imageSize, const void * data) {
    PFNGLCOMPRESSEDTEXIMAGE3DPROC proc = (PFNGLCOMPRESSEDTEXIMAGE3DPROC) glad_gl_on_demand_loader("glCompressedTexImage3D");
    if (proc == NULL) {
        return;
    }
    glad_glCompressedTexImage3D = proc;
    proc(target, level, internalformat, width, height, depth, border, imageSize, data);
}
PFNGLCOMPRESSEDTEXIMAGE3DPROC glad_glCompressedTexImage3D = glad_on_demand_impl_glCompressedTexImage3D;
static void GLAD_API_PTR glad_on_demand_impl_glCompressedTexSubImage1D(GLenum target, GLint level, GLint xoffset, GLsizei width, GLenum format, GLsizei imageSize, const void * data) {
    PFNGLCOMPRESSEDTEXSUBIMAGE1DPROC proc = (PFNGLCOMPRESSEDTEXSUBIMAGE1DPROC) glad_gl_on_demand_loader("glCompressedTexSubImage1D");
    if (proc == NULL) {
        return;
    }
    glad_glCompressedTexSubImage1D = proc;
    proc(target, level, xoffset, width, format, imageSize, data);
}
PFNGLCOMPRESSEDTEXSUBIMAGE1DPROC glad_glCompressedTexSubImage1D = glad_on_demand_impl_glCompressedTexSubImage1D;
static void GLAD_API_PTR glad_on_demand_impl_glCompressedTexSubImage2D(GLenum target, GLint level, GLint xoffset, GLint yoffset, GLsizei width, GLsizei height, GLenum format, GLsizei imageSize, const void * data) {
    PFNGLCOMPRESSEDTEXSUBIMAGE2DPROC proc = (PFNGLCOMPRESSEDTEXSUBIMAGE2DPROC) glad_gl_on_demand_loader("glCompressedTexSubImage2D");
    if (proc == NULL) {
        return;
    }
    glad_glCompressedTexSubImage2D = proc;
    proc(target, level, xoffset, yoffset, width, height, format, imageSize, data);
}
PFNGLCOMPRESSEDTEXSUBIMAGE2DPROC glad_glCompressedTexSubImage2D = glad_on_demand_impl_glCompressedTexSubImage2D;
static void GLAD_API_PTR glad_on_demand_impl_glCompressedTexSubImage3D(GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint zoffset, GLsizei width, GLsizei height, GLsizei depth, GLenum format, GLsizei imageSize, const void * data) {
    PFNGLCOMPRESSEDTEXSUBIMAGE3DPROC proc = (PFNGLCOMPRESSEDTEXSUBIMAGE3DPROC) glad_gl_on_demand_loader("glCompressedTexSubImage3D");
    if (proc == NULL) {
        return;
    }
    glad_glCompressedTexSubImage3D = proc;
    proc(target, level, xoffset, yoffset, zoffset, width, height, depth, format, imageSize, data);
}
PFNGLCOMPRESSEDTEXSUBIMAGE3DPROC glad_glCompressedTexSubImage3D = glad_on_demand_impl_glCompressedTexSubImage3D;
static void GLAD_API_PTR glad_on_demand_impl_glCopyPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum type) {
    PFNGLCOPYPIXELSPROC proc = (PFNGLCOPYPIXELSPROC) glad_gl_on_demand_loader("glCopyPixels");
    if (proc == NULL) {
        return;
    }
    glad_glCopyPixels = proc;
    proc(x, y, width, height, type);
}
PFNGLCOPYPIXELSPROC glad_glCopyPixels = glad_on_demand_impl_glCopyPixels;
static void GLAD_API_PTR glad_on_demand_impl_glCopyTexImage1D(GLenum target, GLint level, GLenum internalformat, GLint x, GLint y, GLsizei width, GLint border) {
    PFNGLCOPYTEXIMAGE1DPROC proc = (PFNGLCOPYTEXIMAGE1DPROC) glad_gl_on_demand_loader("glCopyTexImage1D");
    if (proc == NULL) {
        return;
    }
    glad_glCopyTexImage1D = proc;
    proc(target, level, internalformat, x, y, width, border);
}
PFNGLCOPYTEXIMAGE1DPROC glad_glCopyTexImage1D = glad_on_demand_impl_glCopyTexImage1D;
static void GLAD_API_PTR glad_on_demand_impl_glCopyTexImage2D(GLenum target, GLint level, GLenum internalformat, GLint x, GLint y, GLsizei width, GLsizei height, GLint border) {
    PFNGLCOPYTEXIMAGE2DPROC proc = (PFNGLCOPYTEXIMAGE2DPROC) glad_gl_on_demand_loader("glCopyTexImage2D");
    if (proc == NULL) {
        return;
    }
    glad_glCopyTexImage2D = proc;
    proc(target, level, internalformat, x, y, width, height, border);
}
PFNGLCOPYTEXIMAGE2DPROC glad_glCopyTexImage2D = glad_on_demand_impl_glCopyTexImage2D;
static void GLAD_API_PTR glad_on_demand_impl_glCopyTexSubImage1D(GLenum target, GLint level, GLint xoffset, GLint x, GLint y, GLsizei width) {
    PFNGLCOPYTEXSUBIMAGE1DPROC proc = (PFNGLCOPYTEXSUBIMAGE1DPROC) glad_gl_on_demand_loader("glCopyTexSubImage1D");
    if (proc == NULL) {
        return;
    }
    glad_glCopyTexSubImage1D = proc;
    proc(target, level, xoffset, x, y, width);
}
PFNGLCOPYTEXSUBIMAGE1DPROC glad_glCopyTexSubImage1D = glad_on_demand_impl_glCopyTexSubImage1D;
static void GLAD_API_PTR glad_on_demand_impl_glCopyTexSubImage2D(GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint x, GLint y, GLsizei width, GLsizei height) {
    PFNGLCOPYTEXSUBIMAGE2DPROC proc = (PFNGLCOPYTEXSUBIMAGE2DPROC) glad_gl_on_demand_loader("glCopyTexSubImage2D");
    if (proc == NULL) {
        return;
    }
    glad_glCopyTexSubImage2D = proc;
    proc(target, level, xoffset, yoffset, x, y, width, height);
}
PFNGLCOPYTEXSUBIMAGE2DPROC glad_glCopyTexSubImage2D = glad_on_demand_impl_glCopyTexSubImage2D;
static void GLAD_API_PTR glad_on_demand_impl_glCopyTexSubImage3D(GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint zoffset, GLint x, GLint y, GLsizei width, GLsizei height) {
    PFNGLCOPYTEXSUBIMAGE3DPROC proc = (PFNGLCOPYTEXSUBIMAGE3DPROC) glad_gl_on_demand_loader("glCopyTexSubImage3D");
    if (proc == NULL) {
        return;
    }
    glad_glCopyTexSubImage3D = proc;
    proc(target, level, xoffset, yoffset, zoffset, x, y, width, height);
}
PFNGLCOPYTEXSUBIMAGE3DPROC glad_glCopyTexSubImage3D = glad_on_demand_impl_glCopyTexSubImage3D;
static GLuint GLAD_API_PTR glad_on_demand_impl_glCreateProgram(void) {
    PFNGLCREATEPROGRAMPROC proc = (PFNGLCREATEPROGRAMPROC) glad_gl_on_demand_loader("glCreateProgram");
    if (proc == NULL) {
        return (GLuint) 0;
    }
    glad_glCreateProgram = proc;
    return proc();
}
PFNGLCREATEPROGRAMPROC glad_glCreateProgram = glad_on_demand_impl_glCreateProgram;
static GLuint GLAD_API_PTR glad_on_demand_impl_glCreateShader(GLenum type) {
    PFNGLCREATESHADERPROC proc = (PFNGLCREATESHADERPROC) glad_gl_on_demand_loader("glCreateShader");
    if (proc == NULL) {
        return (GLuint) 0;
    }
    glad_glCreateShader = proc;
    return proc(type);
}
PFNGLCREATESHADERPROC glad_glCreateShader = glad_on_demand_impl_glCreateShader;
static void GLAD_API_PTR glad_on_demand_impl_glCullFace(GLenum mode) {
    PFNGLCULLFACEPROC proc = (PFNGLCULLFACEPROC) glad_gl_on_demand_loader("glCullFace");
    if (proc == NULL) {
        return;
    }
    glad_glCullFace = proc;
    proc(mode);
}
PFNGLCULLFACEPROC glad_glCullFace = glad_on_demand_impl_glCullFace;
static void GLAD_API_PTR glad_on_demand_impl_glDeleteBuffers(GLsizei n, const GLuint * buffers) {
    PFNGLDELETEBUFFERSPROC proc = (PFNGLDELETEBUFFERSPROC) glad_gl_on_demand_loader("glDeleteBuffers");
    if (proc == NULL) {
        return;
    }
    glad_glDeleteBuffers = proc;
    proc(n, buffers);
}
PFNGLDELETEBUFFERSPROC glad_glDeleteBuffers = glad_on_demand_impl_glDeleteBuffers;
static void GLAD_API_PTR glad_on_demand_impl_glDeleteFramebuffersEXT(GLsizei n, const GLuint * framebuffers) {
    PFNGLDELETEFRAMEBUFFERSEXTPROC proc = (PFNGLDELETEFRAMEBUFFERSEXTPROC) glad_gl_on_demand_loader("glDeleteFramebuffersEXT");
    if (proc == NULL) {
        return;
    }
    glad_glDeleteFramebuffersEXT = proc;
    proc(n, framebuffers);
}
PFNGLDELETEFRAMEBUFFERSEXTPROC glad_glDeleteFramebuffersEXT = glad_on_demand_impl_glDeleteFramebuffersEXT;
static void GLAD_API_PTR glad_on_demand_impl_glDeleteLists(GLuint list, GLsizei range) {
    PFNGLDELETELISTSPROC proc = (PFNGLDELETELISTSPROC) glad_gl_on_demand_loader("glDeleteLists");
    if (proc == NULL) {
        return;
    }
    glad_glDeleteLists = proc;
    proc(list, range);
}
PFNGLDELETELISTSPROC glad_glDeleteLists = glad_on_demand_impl_glDeleteLists;
static void GLAD_API_PTR glad_on_demand_impl_glDeleteProgram(GLuint program) {
    PFNGLDELETEPROGRAMPROC proc = (PFNGLDELETEPROGRAMPROC) glad_gl_on_demand_loader("glDeleteProgram");
    if (proc == NULL) {
        return;
    }
    glad_glDeleteProgram = proc;
    proc(program);
}
PFNGLDELETEPROGRAMPROC glad_glDeleteProgram = glad_on_demand_impl_glDeleteProgram;
static void GLAD_API_PTR glad_on_demand_impl_glDeleteQueries(GLsizei n, const GLuint * ids) {
    PFNGLDELETEQUERIESPROC proc = (PFNGLDELETEQUERIESPROC) glad_gl_on_demand_loader("glDeleteQueries");
    if (proc == NULL) {
        return;
    }
    glad_glDeleteQueries = proc;
    proc(n, ids);
}
PFNGLDELETEQUERIESPROC glad_glDeleteQueries = glad_on_demand_impl_glDeleteQueries;
static void GLAD_API_PTR glad_on_demand_impl_glDeleteRenderbuffersEXT(GLsizei n, const GLuint * renderbuffers) {
    PFNGLDELETERENDERBUFFERSEXTPROC proc = (PFNGLDELETERENDERBUFFERSEXTPROC) glad_gl_on_demand_loader("glDeleteRenderbuffersEXT");
    if (proc == NULL) {
        return;
    }
    glad_glDeleteRenderbuffersEXT = proc;
    proc(n, renderbuffers);
}
PFNGLDELETERENDERBUFFERSEXTPROC glad_glDeleteRenderbuffersEXT = glad_on_demand_impl_glDeleteRenderbuffersEXT;
static void GLAD_API_PTR glad_on_demand_impl_glDeleteShader(GLuint shader) {
    PFNGLDELETESHADERPROC proc = (PFNGLDELETESHADERPROC) glad_gl_on_demand_loader("glDeleteShader");
    if (proc == NULL) {
        return;
    }
    glad_glDeleteShader = proc;
    proc(shader);
}
PFNGLDELETESHADERPROC glad_glDeleteShader = glad_on_demand_impl_glDeleteShader;
static void GLAD_API_PTR glad_on_demand_impl_glDeleteSync(GLsync sync) {
    PFNGLDELETESYNCPROC proc = (PFNGLDELETESYNCPROC) glad_gl_on_demand_loader("glDeleteSync");
    if (proc == NULL) {
        return;
    }
    glad_glDeleteSync = proc;
    proc(sync);
}
PFNGLDELETESYNCPROC glad_glDeleteSync = glad_on_demand_impl_glDeleteSync;
static void GLAD_API_PTR glad_on_demand_impl_glDeleteTextures(GLsizei n, const GLuint * textures) {
    PFNGLDELETETEXTURESPROC proc = (PFNGLDELETETEXTURESPROC) glad_gl_on_demand_loader("glDeleteTextures");
    if (proc == NULL) {
        return;
    }
    glad_glDeleteTextures = proc;
    proc(n, textures);
}
PFNGLDELETETEXTURESPROC glad_glDeleteTextures = glad_on_demand_impl_glDeleteTextures;
static void GLAD_API_PTR glad_on_demand_impl_glDepthFunc(GLenum func) {
    PFNGLDEPTHFUNCPROC proc = (PFNGLDEPTHFUNCPROC) glad_gl_on_demand_loader("glDepthFunc");
    if (proc == NULL) {
        return;
    }
    glad_glDepthFunc = proc;
    proc(func);
}
PFNGLDEPTHFUNCPROC glad_glDepthFunc = glad_on_demand_impl_glDepthFunc;
static void GLAD_API_PTR glad_on_demand_impl_glDepthMask(GLboolean flag) {
    PFNGLDEPTHMASKPROC proc = (PFNGLDEPTHMASKPROC) glad_gl_on_demand_loader("glDepthMask");
    if (proc == NULL) {
        return;
    }
    glad_glDepthMask = proc;
    proc(flag);
}
PFNGLDEPTHMASKPROC glad_glDepthMask = glad_on_demand_impl_glDepthMask;
static void GLAD_API_PTR glad_on_demand_impl_glDepthRange(GLdouble n, GLdouble f) {
    PFNGLDEPTHRANGEPROC proc = (PFNGLDEPTHRANGEPROC) glad_gl_on_demand_loader("glDepthRange");
    if (proc == NULL) {
        return;
    }
    glad_glDepthRange = proc;
    proc(n, f);
}
PFNGLDEPTHRANGEPROC glad_glDepthRange = glad_on_demand_impl_glDepthRange;
static void GLAD_API_PTR glad_on_demand_impl_glDetachShader(GLuint program, GLuint shader) {
    PFNGLDETACHSHADERPROC proc = (PFNGLDETACHSHADERPROC) glad_gl_on_demand_loader("glDetachShader");
    if (proc == NULL) {
        return;
    }
    glad_glDetachShader = proc;
    proc(program, shader);
}
PFNGLDETACHSHADERPROC glad_glDetachShader = glad_on_demand_impl_glDetachShader;
static void GLAD_API_PTR glad_on_demand_impl_glDisable(GLenum cap) {
    PFNGLDISABLEPROC proc = (PFNGLDISABLEPROC) glad_gl_on_demand_loader("glDisable");
    if (proc == NULL) {
        return;
    }
    glad_glDisable = proc;
    proc(cap);
}
PFNGLDISABLEPROC glad_glDisable = glad_on_demand_impl_glDisable;
static void GLAD_API_PTR glad_on_demand_impl_glDisableClientState(GLenum array) {
    PFNGLDISABLECLIENTSTATEPROC proc = (PFNGLDISABLECLIENTSTATEPROC) glad_gl_on_demand_loader("glDisableClientState");
    if (proc == NULL) {
        return;
    }
    glad_glDisableClientState = proc;
    proc(array);
}
PFNGLDISABLECLIENTSTATEPROC glad_glDisableClientState = glad_on_demand_impl_glDisableClientState;
static void GLAD_API_PTR glad_on_demand_impl_glDisableVertexAttribArray(GLuint index) {
    PFNGLDISABLEVERTEXATTRIBARRAYPROC proc = (PFNGLDISABLEVERTEXATTRIBARRAYPROC) glad_gl_on_demand_loader("glDisableVertexAttribArray");
    if (proc == NULL) {
        return;
    }
    glad_glDisableVertexAttribArray = proc;
    proc(index);
}
PFNGLDISABLEVERTEXATTRIBARRAYPROC glad_glDisableVertexAttribArray = glad_on_demand_impl_glDisableVertexAttribArray;
static void GLAD_API_PTR glad_on_demand_impl_glDrawArrays(GLenum mode, GLint first, GLsizei count) {
    PFNGLDRAWARRAYSPROC proc = (PFNGLDRAWARRAYSPROC) glad_gl_on_demand_loader("glDrawArrays");
    if (proc == NULL) {
        return;
    }
    glad_glDrawArrays = proc;
    proc(mode, first, count);
}
PFNGLDRAWARRAYSPROC glad_glDrawArrays = glad_on_demand_impl_glDrawArrays;
static void GLAD_API_PTR glad_on_demand_impl_glDrawBuffer(GLenum buf) {
    PFNGLDRAWBUFFERPROC proc = (PFNGLDRAWBUFFERPROC) glad_gl_on_demand_loader("glDrawBuffer");
    if (proc == NULL) {
        return;
    }
    glad_glDrawBuffer = proc;
    proc(buf);
}
PFNGLDRAWBUFFERPROC glad_glDrawBuffer = glad_on_demand_impl_glDrawBuffer;
static void GLAD_API_PTR glad_on_demand_impl_glDrawBuffers(GLsizei n, const GLenum * bufs) {
    PFNGLDRAWBUFFERSPROC proc = (PFNGLDRAWBUFFERSPROC) glad_gl_on_demand_loader("glDrawBuffers");
    if (proc == NULL) {
        return;
    }
    glad_glDrawBuffers = proc;
    proc(n, bufs);
}
PFNGLDRAWBUFFERSPROC glad_glDrawBuffers = glad_on_demand_impl_glDrawBuffers;
static void GLAD_API_PTR glad_on_demand_impl_glDrawElements(GLenum mode, GLsizei count, GLenum type, const void * indices) {
    PFNGLDRAWELEMENTSPROC proc = (PFNGLDRAWELEMENTSPROC) glad_gl_on_demand_loader("glDrawElements");
    if (proc == NULL) {
        return;
    }
    glad_glDrawElements = proc;
    proc(mode, count, type, indices);
}
PFNGLDRAWELEMENTSPROC glad_glDrawElements = glad_on_demand_impl_glDrawElements;
static void GLAD_API_PTR glad_on_demand_impl_glDrawPixels(GLsizei width, GLsizei height, GLenum format, GLenum type, const void * pixels) {
    PFNGLDRAWPIXELSPROC proc = (PFNGLDRAWPIXELSPROC) glad_gl_on_demand_loader("glDrawPixels");
    if (proc == NULL) {
        return;
    }
    glad_glDrawPixels = proc;
    proc(width, height, format, type, pixels);
}
PFNGLDRAWPIXELSPROC glad_glDrawPixels = glad_on_demand_impl_glDrawPixels;
static void GLAD_API_PTR glad_on_demand_impl_glDrawRangeElements(GLenum mode, GLuint start, GLuint end, GLsizei count, GLenum type, const void * indices) {
    PFNGLDRAWRANGEELEMENTSPROC proc = (PFNGLDRAWRANGEELEMENTSPROC) glad_gl_on_demand_loader("glDrawRangeElements");
    if (proc == NULL) {
        return;
    }
    glad_glDrawRangeElements = proc;
    proc(mode, start, end, count, type, indices);
}
PFNGLDRAWRANGEELEMENTSPROC glad_glDrawRangeElements = glad_on_demand_impl_glDrawRangeElements;
static void GLAD_API_PTR glad_on_demand_impl_glEdgeFlag(GLboolean flag) {
    PFNGLEDGEFLAGPROC proc = (PFNGLEDGEFLAGPROC) glad_gl_on_demand_loader("glEdgeFlag");
    if (proc == NULL) {
        return;
    }
    glad_glEdgeFlag = proc;
    proc(flag);
}
PFNGLEDGEFLAGPROC glad_glEdgeFlag = glad_on_demand_impl_glEdgeFlag;
static void GLAD_API_PTR glad_on_demand_impl_glEdgeFlagPointer(GLsizei stride, const void * pointer) {
    PFNGLEDGEFLAGPOINTERPROC proc = (PFNGLEDGEFLAGPOINTERPROC) glad_gl_on_demand_loader("glEdgeFlagPointer");
    if (proc == NULL) {
        return;
    }
    glad_glEdgeFlagPointer = proc;
    proc(stride, pointer);
}
PFNGLEDGEFLAGPOINTERPROC glad_glEdgeFlagPointer = glad_on_demand_impl_glEdgeFlagPointer;
static void GLAD_API_PTR glad_on_demand_impl_glEdgeFlagv(const GLboolean * flag) {
    PFNGLEDGEFLAGVPROC proc = (PFNGLEDGEFLAGVPROC) glad_gl_on_demand_loader("glEdgeFlagv");
    if (proc == NULL) {
        return;
    }
    glad_glEdgeFlagv = proc;
    proc(flag);
}
PFNGLEDGEFLAGVPROC glad_glEdgeFlagv = glad_on_demand_impl_glEdgeFlagv;
static void GLAD_API_PTR glad_on_demand_impl_glEnable(GLenum cap) {
    PFNGLENABLEPROC proc = (PFNGLENABLEPROC) glad_gl_on_demand_loader("glEnable");
    if (proc == NULL) {
        return;
    }
    glad_glEnable = proc;
    proc(cap);
}
PFNGLENABLEPROC glad_glEnable = glad_on_demand_impl_glEnable;
static void GLAD_API_PTR glad_on_demand_impl_glEnableClientState(GLenum array) {
    PFNGLENABLECLIENTSTATEPROC proc = (PFNGLENABLECLIENTSTATEPROC) glad_gl_on_demand_loader("glEnableClientState");
    if (proc == NULL) {
        return;
    }
    glad_glEnableClientState = proc;
    proc(array);
}
PFNGLENABLECLIENTSTATEPROC glad_glEnableClientState = glad_on_demand_impl_glEnableClientState;
static void GLAD_API_PTR glad_on_demand_impl_glEnableVertexAttribArray(GLuint index) {
    PFNGLENABLEVERTEXATTRIBARRAYPROC proc = (PFNGLENABLEVERTEXATTRIBARRAYPROC) glad_gl_on_demand_loader("glEnableVertexAttribArray");
    if (proc == NULL) {
        return;
    }
    glad_glEnableVertexAttribArray = proc;
    proc(index);
}
PFNGLENABLEVERTEXATTRIBARRAYPROC glad_glEnableVertexAttribArray = glad_on_demand_impl_glEnableVertexAttribArray;
static void GLAD_API_PTR glad_on_demand_impl_glEnd(void) {
    PFNGLENDPROC proc = (PFNGLENDPROC) glad_gl_on_demand_loader("glEnd");
    if (proc == NULL) {
        return;
    }
    glad_glEnd = proc;
    proc();
}
PFNGLENDPROC glad_glEnd = glad_on_demand_impl_glEnd;
static void GLAD_API_PTR glad_on_demand_impl_glEndList(void) {
    PFNGLENDLISTPROC proc = (PFNGLENDLISTPROC) glad_gl_on_demand_loader("glEndList");
    if (proc == NULL) {
        return;
    }
    glad_glEndList = proc;
    proc();
}
PFNGLENDLISTPROC glad_glEndList = glad_on_demand_impl_glEndList;
static void GLAD_API_PTR glad_on_demand_impl_glEndQuery(GLenum target) {
    PFNGLENDQUERYPROC proc = (PFNGLENDQUERYPROC) glad_gl_on_demand_loader("glEndQuery");
    if (proc == NULL) {
        return;
    }
    glad_glEndQuery = proc;
    proc(target);
}
PFNGLENDQUERYPROC glad_glEndQuery = glad_on_demand_impl_glEndQuery;
static void GLAD_API_PTR glad_on_demand_impl_glEvalCoord1d(GLdouble u) {
    PFNGLEVALCOORD1DPROC proc = (PFNGLEVALCOORD1DPROC) glad_gl_on_demand_loader("glEvalCoord1d");
    if (proc == NULL) {
        return;
    }
    glad_glEvalCoord1d = proc;
    proc(u);
}
PFNGLEVALCOORD1DPROC glad_glEvalCoord1d = glad_on_demand_impl_glEvalCoord1d;
static void GLAD_API_PTR glad_on_demand_impl_glEvalCoord1dv(const GLdouble * u) {
    PFNGLEVALCOORD1DVPROC proc = (PFNGLEVALCOORD1DVPROC) glad_gl_on_demand_loader("glEvalCoord1dv");
    if (proc == NULL) {
        return;
    }
    glad_glEvalCoord1dv = proc;
    proc(u);
}
PFNGLEVALCOORD1DVPROC glad_glEvalCoord1dv = glad_on_demand_impl_glEvalCoord1dv;
static void GLAD_API_PTR glad_on_demand_impl_glEvalCoord1f(GLfloat u) {
    PFNGLEVALCOORD1FPROC proc = (PFNGLEVALCOORD1FPROC) glad_gl_on_demand_loader("glEvalCoord1f");
    if (proc == NULL) {
        return;
    }
    glad_glEvalCoord1f = proc;
    proc(u);
}
PFNGLEVALCOORD1FPROC glad_glEvalCoord1f = glad_on_demand_impl_glEvalCoord1f;
static void GLAD_API_PTR glad_on_demand_impl_glEvalCoord1fv(const GLfloat * u) {
    PFNGLEVALCOORD1FVPROC proc = (PFNGLEVALCOORD1FVPROC) glad_gl_on_demand_loader("glEvalCoord1fv");
    if (proc == NULL) {
        return;
    }
    glad_glEvalCoord1fv = proc;
    proc(u);
}
PFNGLEVALCOORD1FVPROC glad_glEvalCoord1fv = glad_on_demand_impl_glEvalCoord1fv;
static void GLAD_API_PTR glad_on_demand_impl_glEvalCoord2d(GLdouble u, GLdouble v) {
    PFNGLEVALCOORD2DPROC proc = (PFNGLEVALCOORD2DPROC) glad_gl_on_demand_loader("glEvalCoord2d");
    if (proc == NULL) {
        return;
    }
    glad_glEvalCoord2d = proc;
    proc(u, v);
}
PFNGLEVALCOORD2DPROC glad_glEvalCoord2d = glad_on_demand_impl_glEvalCoord2d;
static void GLAD_API_PTR glad_on_demand_impl_glEvalCoord2dv(const GLdouble * u) {
    PFNGLEVALCOORD2DVPROC proc = (PFNGLEVALCOORD2DVPROC) glad_gl_on_demand_loader("glEvalCoord2dv");
    if (proc == NULL) {
        return;
    }
    glad_glEvalCoord2dv = proc;
    proc(u);
}
PFNGLEVALCOORD2DVPROC glad_glEvalCoord2dv = glad_on_demand_impl_glEvalCoord2dv;
static void GLAD_API_PTR glad_on_demand_impl_glEvalCoord2f(GLfloat u, GLfloat v) {
    PFNGLEVALCOORD2FPROC proc = (PFNGLEVALCOORD2FPROC) glad_gl_on_demand_loader("glEvalCoord2f");
    if (proc == NULL) {
        return;
    }
    glad_glEvalCoord2f = proc;
    proc(u, v);
}
PFNGLEVALCOORD2FPROC glad_glEvalCoord2f = glad_on_demand_impl_glEvalCoord2f;
static void GLAD_API_PTR glad_on_demand_impl_glEvalCoord2fv(const GLfloat * u) {
    PFNGLEVALCOORD2FVPROC proc = (PFNGLEVALCOORD2FVPROC) glad_gl_on_demand_loader("glEvalCoord2fv");
    if (proc == NULL) {
        return;
    }
    glad_glEvalCoord2fv = proc;
    proc(u);
}
PFNGLEVALCOORD2FVPROC glad_glEvalCoord2fv = glad_on_demand_impl_glEvalCoord2fv;
static void GLAD_API_PTR glad_on_demand_impl_glEvalMesh1(GLenum mode, GLint i1, GLint i2) {
    PFNGLEVALMESH1PROC proc = (PFNGLEVALMESH1PROC) glad_gl_on_demand_loader("glEvalMesh1");
    if (proc == NULL) {
        return;
    }
    glad_glEvalMesh1 = proc;
    proc(mode, i1, i2);
}
PFNGLEVALMESH1PROC glad_glEvalMesh1 = glad_on_demand_impl_glEvalMesh1;
static void GLAD_API_PTR glad_on_demand_impl_glEvalMesh2(GLenum mode, GLint i1, GLint i2, GLint j1, GLint j2) {
    PFNGLEVALMESH2PROC proc = (PFNGLEVALMESH2PROC) glad_gl_on_demand_loader("glEvalMesh2");
    if (proc == NULL) {
        return;
    }
    glad_glEvalMesh2 = proc;
    proc(mode, i1, i2, j1, j2);
}
PFNGLEVALMESH2PROC glad_glEvalMesh2 = glad_on_demand_impl_glEvalMesh2;
static void GLAD_API_PTR glad_on_demand_impl_glEvalPoint1(GLint i) {
    PFNGLEVALPOINT1PROC proc = (PFNGLEVALPOINT1PROC) glad_gl_on_demand_loader("glEvalPoint1");
    if (proc == NULL) {
        return;
    }
    glad_glEvalPoint1 = proc;
    proc(i);
}
PFNGLEVALPOINT1PROC glad_glEvalPoint1 = glad_on_demand_impl_glEvalPoint1;
static void GLAD_API_PTR glad_on_demand_impl_glEvalPoint2(GLint i, GLint j) {
    PFNGLEVALPOINT2PROC proc = (PFNGLEVALPOINT2PROC) glad_gl_on_demand_loader("glEvalPoint2");
    if (proc == NULL) {
        return;
    }
    glad_glEvalPoint2 = proc;
    proc(i, j);
}
PFNGLEVALPOINT2PROC glad_glEvalPoint2 = glad_on_demand_impl_glEvalPoint2;
static void GLAD_API_PTR glad_on_demand_impl_glFeedbackBuffer(GLsizei size, GLenum type, GLfloat * buffer) {
    PFNGLFEEDBACKBUFFERPROC proc = (PFNGLFEEDBACKBUFFERPROC) glad_gl_on_demand_loader("glFeedbackBuffer");
    if (proc == NULL) {
        return;
    }
    glad_glFeedbackBuffer = proc;
    proc(size, type, buffer);
}
PFNGLFEEDBACKBUFFERPROC glad_glFeedbackBuffer = glad_on_demand_impl_glFeedbackBuffer;
static GLsync GLAD_API_PTR glad_on_demand_impl_glFenceSync(GLenum condition, GLbitfield flags) {
    PFNGLFENCESYNCPROC proc = (PFNGLFENCESYNCPROC) glad_gl_on_demand_loader("glFenceSync");
    if (proc == NULL) {
        return (GLsync) 0;
    }
    glad_glFenceSync = proc;
    return proc(condition, flags);
}
PFNGLFENCESYNCPROC glad_glFenceSync = glad_on_demand_impl_glFenceSync;
static void GLAD_API_PTR glad_on_demand_impl_glFinish(void) {
    PFNGLFINISHPROC proc = (PFNGLFINISHPROC) glad_gl_on_demand_loader("glFinish");
    if (proc == NULL) {
        return;
    }
    glad_glFinish = proc;
    proc();
}
PFNGLFINISHPROC glad_glFinish = glad_on_demand_impl_glFinish;
static void GLAD_API_PTR glad_on_demand_impl_glFlush(void) {
    PFNGLFLUSHPROC proc = (PFNGLFLUSHPROC) glad_gl_on_demand_loader("glFlush");
    if (proc == NULL) {
        return;
    }
    glad_glFlush = proc;
    proc();
}
PFNGLFLUSHPROC glad_glFlush = glad_on_demand_impl_glFlush;
static void GLAD_API_PTR glad_on_demand_impl_glFogCoordPointer(GLenum type, GLsizei stride, const void * pointer) {
    PFNGLFOGCOORDPOINTERPROC proc = (PFNGLFOGCOORDPOINTERPROC) glad_gl_on_demand_loader("glFogCoordPointer");
    if (proc == NULL) {
        return;
    }
    glad_glFogCoordPointer = proc;
    proc(type, stride, pointer);
}
PFNGLFOGCOORDPOINTERPROC glad_glFogCoordPointer = glad_on_demand_impl_glFogCoordPointer;
static void GLAD_API_PTR glad_on_demand_impl_glFogCoordd(GLdouble coord) {
    PFNGLFOGCOORDDPROC proc = (PFNGLFOGCOORDDPROC) glad_gl_on_demand_loader("glFogCoordd");
    if (proc == NULL) {
        return;
    }
    glad_glFogCoordd = proc;
    proc(coord);
}
PFNGLFOGCOORDDPROC glad_glFogCoordd = glad_on_demand_impl_glFogCoordd;
static void GLAD_API_PTR glad_on_demand_impl_glFogCoorddv(const GLdouble * coord) {
    PFNGLFOGCOORDDVPROC proc = (PFNGLFOGCOORDDVPROC) glad_gl_on_demand_loader("glFogCoorddv");
    if (proc == NULL) {
        return;
    }
    glad_glFogCoorddv = proc;
    proc(coord);
}
PFNGLFOGCOORDDVPROC glad_glFogCoorddv = glad_on_demand_impl_glFogCoorddv;
static void GLAD_API_PTR glad_on_demand_impl_glFogCoordf(GLfloat coord) {
    PFNGLFOGCOORDFPROC proc = (PFNGLFOGCOORDFPROC) glad_gl_on_demand_loader("glFogCoordf");
    if (proc == NULL) {
        return;
    }
    glad_glFogCoordf = proc;
    proc(coord);
}
PFNGLFOGCOORDFPROC glad_glFogCoordf = glad_on_demand_impl_glFogCoordf;
static void GLAD_API_PTR glad_on_demand_impl_glFogCoordfv(const GLfloat * coord) {
    PFNGLFOGCOORDFVPROC proc = (PFNGLFOGCOORDFVPROC) glad_gl_on_demand_loader("glFogCoordfv");
    if (proc == NULL) {
        return;
    }
    glad_glFogCoordfv = proc;
    proc(coord);
}
PFNGLFOGCOORDFVPROC glad_glFogCoordfv = glad_on_demand_impl_glFogCoordfv;
static void GLAD_API_PTR glad_on_demand_impl_glFogf(GLenum pname, GLfloat param) {
    PFNGLFOGFPROC proc = (PFNGLFOGFPROC) glad_gl_on_demand_loader("glFogf");
    if (proc == NULL) {
        return;
    }
    glad_glFogf = proc;
    proc(pname, param);
}
PFNGLFOGFPROC glad_glFogf = glad_on_demand_impl_glFogf;
static void GLAD_API_PTR glad_on_demand_impl_glFogfv(GLenum pname, const GLfloat * params) {
    PFNGLFOGFVPROC proc = (PFNGLFOGFVPROC) glad_gl_on_demand_loader("glFogfv");
    if (proc == NULL) {
        return;
    }
    glad_glFogfv = proc;
    proc(pname, params);
}
PFNGLFOGFVPROC glad_glFogfv = glad_on_demand_impl_glFogfv;
static void GLAD_API_PTR glad_on_demand_impl_glFogi(GLenum pname, GLint param) {
    PFNGLFOGIPROC proc = (PFNGLFOGIPROC) glad_gl_on_demand_loader("glFogi");
    if (proc == NULL) {
        return;
    }
    glad_glFogi = proc;
    proc(pname, param);
}
PFNGLFOGIPROC glad_glFogi = glad_on_demand_impl_glFogi;
static void GLAD_API_PTR glad_on_demand_impl_glFogiv(GLenum pname, const GLint * params) {
    PFNGLFOGIVPROC proc = (PFNGLFOGIVPROC) glad_gl_on_demand_loader("glFogiv");
    if (proc == NULL) {
        return;
    }
    glad_glFogiv = proc;
    proc(pname, params);
}
PFNGLFOGIVPROC glad_glFogiv = glad_on_demand_impl_glFogiv;
static void GLAD_API_PTR glad_on_demand_impl_glFramebufferRenderbufferEXT(GLenum target, GLenum attachment, GLenum renderbuffertarget, GLuint renderbuffer) {
    PFNGLFRAMEBUFFERRENDERBUFFEREXTPROC proc = (PFNGLFRAMEBUFFERRENDERBUFFEREXTPROC) glad_gl_on_demand_loader("glFramebufferRenderbufferEXT");
    if (proc == NULL) {
        return;
    }
    glad_glFramebufferRenderbufferEXT = proc;
    proc(target, attachment, renderbuffertarget, renderbuffer);
}
PFNGLFRAMEBUFFERRENDERBUFFEREXTPROC glad_glFramebufferRenderbufferEXT = glad_on_demand_impl_glFramebufferRenderbufferEXT;
static void GLAD_API_PTR glad_on_demand_impl_glFramebufferTexture1DEXT(GLenum target, GLenum attachment, GLenum textarget, GLuint texture, GLint level) {
    PFNGLFRAMEBUFFERTEXTURE1DEXTPROC proc = (PFNGLFRAMEBUFFERTEXTURE1DEXTPROC) glad_gl_on_demand_loader("glFramebufferTexture1DEXT");
    if (proc == NULL) {
        return;
    }
    glad_glFramebufferTexture1DEXT = proc;
    proc(target, attachment, textarget, texture, level);
}
PFNGLFRAMEBUFFERTEXTURE1DEXTPROC glad_glFramebufferTexture1DEXT = glad_on_demand_impl_glFramebufferTexture1DEXT;
static void GLAD_API_PTR glad_on_demand_impl_glFramebufferTexture2DEXT(GLenum target, GLenum attachment, GLenum textarget, GLuint texture, GLint level) {
    PFNGLFRAMEBUFFERTEXTURE2DEXTPROC proc = (PFNGLFRAMEBUFFERTEXTURE2DEXTPROC) glad_gl_on_demand_loader("glFramebufferTexture2DEXT");
    if (proc == NULL) {
        return;
    }
    glad_glFramebufferTexture2DEXT = proc;
    proc(target, attachment, textarget, texture, level);
}
PFNGLFRAMEBUFFERTEXTURE2DEXTPROC glad_glFramebufferTexture2DEXT = glad_on_demand_impl_glFramebufferTexture2DEXT;
static void GLAD_API_PTR glad_on_demand_impl_glFramebufferTexture3DEXT(GLenum target, GLenum attachment, GLenum textarget, GLuint texture, GLint level, GLint zoffset) {
    PFNGLFRAMEBUFFERTEXTURE3DEXTPROC proc = (PFNGLFRAMEBUFFERTEXTURE3DEXTPROC) glad_gl_on_demand_loader("glFramebufferTexture3DEXT");
    if (proc == NULL) {
        return;
    }
    glad_glFramebufferTexture3DEXT = proc;
    proc(target, attachment, textarget, texture, level, zoffset);
}
PFNGLFRAMEBUFFERTEXTURE3DEXTPROC glad_glFramebufferTexture3DEXT = glad_on_demand_impl_glFramebufferTexture3DEXT;
static void GLAD_API_PTR glad_on_demand_impl_glFrontFace(GLenum mode) {
    PFNGLFRONTFACEPROC proc = (PFNGLFRONTFACEPROC) glad_gl_on_demand_loader("glFrontFace");
    if (proc == NULL) {
        return;
    }
    glad_glFrontFace = proc;
    proc(mode);
}
PFNGLFRONTFACEPROC glad_glFrontFace = glad_on_demand_impl_glFrontFace;
static void GLAD_API_PTR glad_on_demand_impl_glFrustum(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar) {
    PFNGLFRUSTUMPROC proc = (PFNGLFRUSTUMPROC) glad_gl_on_demand_loader("glFrustum");
    if (proc == NULL) {
        return;
    }
    glad_glFrustum = proc;
    proc(left, right, bottom, top, zNear, zFar);
}
PFNGLFRUSTUMPROC glad_glFrustum = glad_on_demand_impl_glFrustum;
static void GLAD_API_PTR glad_on_demand_impl_glGenBuffers(GLsizei n, GLuint * buffers) {
    PFNGLGENBUFFERSPROC proc = (PFNGLGENBUFFERSPROC) glad_gl_on_demand_loader("glGenBuffers");
    if (proc == NULL) {
        return;
    }
    glad_glGenBuffers = proc;
    proc(n, buffers);
}
PFNGLGENBUFFERSPROC glad_glGenBuffers = glad_on_demand_impl_glGenBuffers;
static void GLAD_API_PTR glad_on_demand_impl_glGenFramebuffersEXT(GLsizei n, GLuint * framebuffers) {
    PFNGLGENFRAMEBUFFERSEXTPROC proc = (PFNGLGENFRAMEBUFFERSEXTPROC) glad_gl_on_demand_loader("glGenFramebuffersEXT");
    if (proc == NULL) {
        return;
    }
    glad_glGenFramebuffersEXT = proc;
    proc(n, framebuffers);
}
PFNGLGENFRAMEBUFFERSEXTPROC glad_glGenFramebuffersEXT = glad_on_demand_impl_glGenFramebuffersEXT;
static GLuint GLAD_API_PTR glad_on_demand_impl_glGenLists(GLsizei range) {
    PFNGLGENLISTSPROC proc = (PFNGLGENLISTSPROC) glad_gl_on_demand_loader("glGenLists");
    if (proc == NULL) {
        return (GLuint) 0;
    }
    glad_glGenLists = proc;
    return proc(range);
}
PFNGLGENLISTSPROC glad_glGenLists = glad_on_demand_impl_glGenLists;
static void GLAD_API_PTR glad_on_demand_impl_glGenQueries(GLsizei n, GLuint * ids) {
    PFNGLGENQUERIESPROC proc = (PFNGLGENQUERIESPROC) glad_gl_on_demand_loader("glGenQueries");
    if (proc == NULL) {
        return;
    }
    glad_glGenQueries = proc;
    proc(n, ids);
}
PFNGLGENQUERIESPROC glad_glGenQueries = glad_on_demand_impl_glGenQueries;
static void GLAD_API_PTR glad_on_demand_impl_glGenRenderbuffersEXT(GLsizei n, GLuint * renderbuffers) {
    PFNGLGENRENDERBUFFERSEXTPROC proc = (PFNGLGENRENDERBUFFERSEXTPROC) glad_gl_on_demand_loader("glGenRenderbuffersEXT");
    if (proc == NULL) {
        return;
    }
    glad_glGenRenderbuffersEXT = proc;
    proc(n, renderbuffers);
}
PFNGLGENRENDERBUFFERSEXTPROC glad_glGenRenderbuffersEXT = glad_on_demand_impl_glGenRenderbuffersEXT;
static void GLAD_API_PTR glad_on_demand_impl_glGenTextures(GLsizei n, GLuint * textures) {
    PFNGLGENTEXTURESPROC proc = (PFNGLGENTEXTURESPROC) glad_gl_on_demand_loader("glGenTextures");
    if (proc == NULL) {
        return;
    }
    glad_glGenTextures = proc;
    proc(n, textures);
}
PFNGLGENTEXTURESPROC glad_glGenTextures = glad_on_demand_impl_glGenTextures;
static void GLAD_API_PTR glad_on_demand_impl_glGenerateMipmapEXT(GLenum target) {
    PFNGLGENERATEMIPMAPEXTPROC proc = (PFNGLGENERATEMIPMAPEXTPROC) glad_gl_on_demand_loader("glGenerateMipmapEXT");
    if (proc == NULL) {
        return;
    }
    glad_glGenerateMipmapEXT = proc;
    proc(target);
}
PFNGLGENERATEMIPMAPEXTPROC glad_glGenerateMipmapEXT = glad_on_demand_impl_glGenerateMipmapEXT;
static void GLAD_API_PTR glad_on_demand_impl_glGetActiveAttrib(GLuint program, GLuint index, GLsizei bufSize, GLsizei * length, GLint * size, GLenum * type, GLchar * name) {
    PFNGLGETACTIVEATTRIBPROC proc = (PFNGLGETACTIVEATTRIBPROC) glad_gl_on_demand_loader("glGetActiveAttrib");
    if (proc == NULL) {
        return;
    }
    glad_glGetActiveAttrib = proc;
    proc(program, index, bufSize, length, size, type, name);
}
PFNGLGETACTIVEATTRIBPROC glad_glGetActiveAttrib = glad_on_demand_impl_glGetActiveAttrib;
static void GLAD_API_PTR glad_on_demand_impl_glGetActiveUniform(GLuint program, GLuint index, GLsizei bufSize, GLsizei * length, GLint * size, GLenum * type, GLchar * name) {
    PFNGLGETACTIVEUNIFORMPROC proc = (PFNGLGETACTIVEUNIFORMPROC) glad_gl_on_demand_loader("glGetActiveUniform");
    if (proc == NULL) {
        return;
    }
    glad_glGetActiveUniform = proc;
    proc(program, index, bufSize, length, size, type, name);
}
PFNGLGETACTIVEUNIFORMPROC glad_glGetActiveUniform = glad_on_demand_impl_glGetActiveUniform;
static void GLAD_API_PTR glad_on_demand_impl_glGetAttachedShaders(GLuint program, GLsizei maxCount, GLsizei * count, GLuint * shaders) {
    PFNGLGETATTACHEDSHADERSPROC proc = (PFNGLGETATTACHEDSHADERSPROC) glad_gl_on_demand_loader("glGetAttachedShaders");
    if (proc == NULL) {
        return;
    }
    glad_glGetAttachedShaders = proc;
    proc(program, maxCount, count, shaders);
}
PFNGLGETATTACHEDSHADERSPROC glad_glGetAttachedShaders = glad_on_demand_impl_glGetAttachedShaders;
static GLint GLAD_API_PTR glad_on_demand_impl_glGetAttribLocation(GLuint program, const GLchar * name) {
    PFNGLGETATTRIBLOCATIONPROC proc = (PFNGLGETATTRIBLOCATIONPROC) glad_gl_on_demand_loader("glGetAttribLocation");
    if (proc == NULL) {
        return (GLint) 0;
    }
    glad_glGetAttribLocation = proc;
    return proc(program, name);
}
PFNGLGETATTRIBLOCATIONPROC glad_glGetAttribLocation = glad_on_demand_impl_glGetAttribLocation;
static void GLAD_API_PTR glad_on_demand_impl_glGetBooleanv(GLenum pname, GLboolean * data) {
    PFNGLGETBOOLEANVPROC proc = (PFNGLGETBOOLEANVPROC) glad_gl_on_demand_loader("glGetBooleanv");
    if (proc == NULL) {
        return;
    }
    glad_glGetBooleanv = proc;
    proc(pname, data);
}
PFNGLGETBOOLEANVPROC glad_glGetBooleanv = glad_on_demand_impl_glGetBooleanv;
static void GLAD_API_PTR glad_on_demand_impl_glGetBufferParameteriv(GLenum target, GLenum pname, GLint * params) {
    PFNGLGETBUFFERPARAMETERIVPROC proc = (PFNGLGETBUFFERPARAMETERIVPROC) glad_gl_on_demand_loader("glGetBufferParameteriv");
    if (proc == NULL) {
        return;
    }
    glad_glGetBufferParameteriv = proc;
    proc(target, pname, params);
}
PFNGLGETBUFFERPARAMETERIVPROC glad_glGetBufferParameteriv = glad_on_demand_impl_glGetBufferParameteriv;
static void GLAD_API_PTR glad_on_demand_impl_glGetBufferPointerv(GLenum target, GLenum pname, void ** params) {
    PFNGLGETBUFFERPOINTERVPROC proc = (PFNGLGETBUFFERPOINTERVPROC) glad_gl_on_demand_loader("glGetBufferPointerv");
    if (proc == NULL) {
        return;
    }
    glad_glGetBufferPointerv = proc;
    proc(target, pname, params);
}
PFNGLGETBUFFERPOINTERVPROC glad_glGetBufferPointerv = glad_on_demand_impl_glGetBufferPointerv;
static void GLAD_API_PTR glad_on_demand_impl_glGetBufferSubData(GLenum target, GLintptr offset, GLsizeiptr size, void * data) {
    PFNGLGETBUFFERSUBDATAPROC proc = (PFNGLGETBUFFERSUBDATAPROC) glad_gl_on_demand_loader("glGetBufferSubData");
    if (proc == NULL) {
        return;
    }
    glad_glGetBufferSubData = proc;
    proc(target, offset, size, data);
}
PFNGLGETBUFFERSUBDATAPROC glad_glGetBufferSubData = glad_on_demand_impl_glGetBufferSubData;
static void GLAD_API_PTR glad_on_demand_impl_glGetClipPlane(GLenum plane, GLdouble * equation) {
    PFNGLGETCLIPPLANEPROC proc = (PFNGLGETCLIPPLANEPROC) glad_gl_on_demand_loader("glGetClipPlane");
    if (proc == NULL) {
        return;
    }
    glad_glGetClipPlane = proc;
    proc(plane, equation);
}
PFNGLGETCLIPPLANEPROC glad_glGetClipPlane = glad_on_demand_impl_glGetClipPlane;
static void GLAD_API_PTR glad_on_demand_impl_glGetCompressedTexImage(GLenum target, GLint level, void * img) {
    PFNGLGETCOMPRESSEDTEXIMAGEPROC proc = (PFNGLGETCOMPRESSEDTEXIMAGEPROC) glad_gl_on_demand_loader("glGetCompressedTexImage");
    if (proc == NULL) {
        return;
    }
    glad_glGetCompressedTexImage = proc;
    proc(target, level, img);
}
PFNGLGETCOMPRESSEDTEXIMAGEPROC glad_glGetCompressedTexImage = glad_on_demand_impl_glGetCompressedTexImage;
static void GLAD_API_PTR glad_on_demand_impl_glGetDoublev(GLenum pname, GLdouble * data) {
    PFNGLGETDOUBLEVPROC proc = (PFNGLGETDOUBLEVPROC) glad_gl_on_demand_loader("glGetDoublev");
    if (proc == NULL) {
        return;
    }
    glad_glGetDoublev = proc;
    proc(pname, data);
}
PFNGLGETDOUBLEVPROC glad_glGetDoublev = glad_on_demand_impl_glGetDoublev;
static GLenum GLAD_API_PTR glad_on_demand_impl_glGetError(void) {
    PFNGLGETERRORPROC proc = (PFNGLGETERRORPROC) glad_gl_on_demand_loader("glGetError");
    if (proc == NULL) {
        return (GLenum) 0;
    }
    glad_glGetError = proc;
    return proc();
}
PFNGLGETERRORPROC glad_glGetError = glad_on_demand_impl_glGetError;
static void GLAD_API_PTR glad_on_demand_impl_glGetFloatv(GLenum pname, GLfloat * data) {
    PFNGLGETFLOATVPROC proc = (PFNGLGETFLOATVPROC) glad_gl_on_demand_loader("glGetFloatv");
    if (proc == NULL) {
        return;
    }
    glad_glGetFloatv = proc;
    proc(pname, data);
}
PFNGLGETFLOATVPROC glad_glGetFloatv = glad_on_demand_impl_glGetFloatv;
static void GLAD_API_PTR glad_on_demand_impl_glGetFramebufferAttachmentParameterivEXT(GLenum target, GLenum attachment, GLenum pname, GLint * params) {
    PFNGLGETFRAMEBUFFERATTACHMENTPARAMETERIVEXTPROC proc = (PFNGLGETFRAMEBUFFERATTACHMENTPARAMETERIVEXTPROC) glad_gl_on_demand_loader("glGetFramebufferAttachmentParameterivEXT");
    if (proc == NULL) {
        return;
    }
    glad_glGetFramebufferAttachmentParameterivEXT = proc;
    proc(target, attachment, pname, params);
}
PFNGLGETFRAMEBUFFERATTACHMENTPARAMETERIVEXTPROC glad_glGetFramebufferAttachmentParameterivEXT = glad_on_demand_impl_glGetFramebufferAttachmentParameterivEXT;
static void GLAD_API_PTR glad_on_demand_impl_glGetInteger64v(GLenum pname, GLint64 * data) {
    PFNGLGETINTEGER64VPROC proc = (PFNGLGETINTEGER64VPROC) glad_gl_on_demand_loader("glGetInteger64v");
    if (proc == NULL) {
        return;
    }
    glad_glGetInteger64v = proc;
    proc(pname, data);
}
PFNGLGETINTEGER64VPROC glad_glGetInteger64v = glad_on_demand_impl_glGetInteger64v;
static void GLAD_API_PTR glad_on_demand_impl_glGetIntegerv(GLenum pname, GLint * data) {
    PFNGLGETINTEGERVPROC proc = (PFNGLGETINTEGERVPROC) glad_gl_on_demand_loader("glGetIntegerv");
    if (proc == NULL) {
        return;
    }
    glad_glGetIntegerv = proc;
    proc(pname, data);
}
PFNGLGETINTEGERVPROC glad_glGetIntegerv = glad_on_demand_impl_glGetIntegerv;
static void GLAD_API_PTR glad_on_demand_impl_glGetLightfv(GLenum light, GLenum pname, GLfloat * params) {
    PFNGLGETLIGHTFVPROC proc = (PFNGLGETLIGHTFVPROC) glad_gl_on_demand_loader("glGetLightfv");
    if (proc == NULL) {
        return;
    }
    glad_glGetLightfv = proc;
    proc(light, pname, params);
}
PFNGLGETLIGHTFVPROC glad_glGetLightfv = glad_on_demand_impl_glGetLightfv;
static void GLAD_API_PTR glad_on_demand_impl_glGetLightiv(GLenum light, GLenum pname, GLint * params) {
    PFNGLGETLIGHTIVPROC proc = (PFNGLGETLIGHTIVPROC) glad_gl_on_demand_loader("glGetLightiv");
    if (proc == NULL) {
        return;
    }
    glad_glGetLightiv = proc;
    proc(light, pname, params);
}
PFNGLGETLIGHTIVPROC glad_glGetLightiv = glad_on_demand_impl_glGetLightiv;
static void GLAD_API_PTR glad_on_demand_impl_glGetMapdv(GLenum target, GLenum query, GLdouble * v) {
    PFNGLGETMAPDVPROC proc = (PFNGLGETMAPDVPROC) glad_gl_on_demand_loader("glGetMapdv");
    if (proc == NULL) {
        return;
    }
    glad_glGetMapdv = proc;
    proc(target, query, v);
}
PFNGLGETMAPDVPROC glad_glGetMapdv = glad_on_demand_impl_glGetMapdv;
static void GLAD_API_PTR glad_on_demand_impl_glGetMapfv(GLenum target, GLenum query, GLfloat * v) {
    PFNGLGETMAPFVPROC proc = (PFNGLGETMAPFVPROC) glad_gl_on_demand_loader("glGetMapfv");
    if (proc == NULL) {
        return;
    }
    glad_glGetMapfv = proc;
    proc(target, query, v);
}
PFNGLGETMAPFVPROC glad_glGetMapfv = glad_on_demand_impl_glGetMapfv;
static void GLAD_API_PTR glad_on_demand_impl_glGetMapiv(GLenum target, GLenum query, GLint * v) {
    PFNGLGETMAPIVPROC proc = (PFNGLGETMAPIVPROC) glad_gl_on_demand_loader("glGetMapiv");
    if (proc == NULL) {
        return;
    }
    glad_glGetMapiv = proc;
    proc(target, query, v);
}
PFNGLGETMAPIVPROC glad_glGetMapiv = glad_on_demand_impl_glGetMapiv;
static void GLAD_API_PTR glad_on_demand_impl_glGetMaterialfv(GLenum face, GLenum pname, GLfloat * params) {
    PFNGLGETMATERIALFVPROC proc = (PFNGLGETMATERIALFVPROC) glad_gl_on_demand_loader("glGetMaterialfv");
    if (proc == NULL) {
        return;
    }
    glad_glGetMaterialfv = proc;
    proc(face, pname, params);
}
PFNGLGETMATERIALFVPROC glad_glGetMaterialfv = glad_on_demand_impl_glGetMaterialfv;
static void GLAD_API_PTR glad_on_demand_impl_glGetMaterialiv(GLenum face, GLenum pname, GLint * params) {
    PFNGLGETMATERIALIVPROC proc = (PFNGLGETMATERIALIVPROC) glad_gl_on_demand_loader("glGetMaterialiv");
    if (proc == NULL) {
        return;
    }
    glad_glGetMaterialiv = proc;
    proc(face, pname, params);
}
PFNGLGETMATERIALIVPROC glad_glGetMaterialiv = glad_on_demand_impl_glGetMaterialiv;
static void GLAD_API_PTR glad_on_demand_impl_glGetPixelMapfv(GLenum map, GLfloat * values) {
    PFNGLGETPIXELMAPFVPROC proc = (PFNGLGETPIXELMAPFVPROC) glad_gl_on_demand_loader("glGetPixelMapfv");
    if (proc == NULL) {
        return;
    }
    glad_glGetPixelMapfv = proc;
    proc(map, values);
}
PFNGLGETPIXELMAPFVPROC glad_glGetPixelMapfv = glad_on_demand_impl_glGetPixelMapfv;
static void GLAD_API_PTR glad_on_demand_impl_glGetPixelMapuiv(GLenum map, GLuint * values) {
    PFNGLGETPIXELMAPUIVPROC proc = (PFNGLGETPIXELMAPUIVPROC) glad_gl_on_demand_loader("glGetPixelMapuiv");
    if (proc == NULL) {
        return;
    }
    glad_glGetPixelMapuiv = proc;
    proc(map, values);
}
PFNGLGETPIXELMAPUIVPROC glad_glGetPixelMapuiv = glad_on_demand_impl_glGetPixelMapuiv;
static void GLAD_API_PTR glad_on_demand_impl_glGetPixelMapusv(GLenum map, GLushort * values) {
    PFNGLGETPIXELMAPUSVPROC proc = (PFNGLGETPIXELMAPUSVPROC) glad_gl_on_demand_loader("glGetPixelMapusv");
    if (proc == NULL) {
        return;
    }
    glad_glGetPixelMapusv = proc;
    proc(map, values);
}
PFNGLGETPIXELMAPUSVPROC glad_glGetPixelMapusv = glad_on_demand_impl_glGetPixelMapusv;
static void GLAD_API_PTR glad_on_demand_impl_glGetPointerv(GLenum pname, void ** params) {
    PFNGLGETPOINTERVPROC proc = (PFNGLGETPOINTERVPROC) glad_gl_on_demand_loader("glGetPointerv");
    if (proc == NULL) {
        return;
    }
    glad_glGetPointerv = proc;
    proc(pname, params);
}
PFNGLGETPOINTERVPROC glad_glGetPointerv = glad_on_demand_impl_glGetPointerv;
static void GLAD_API_PTR glad_on_demand_impl_glGetPolygonStipple(GLubyte * mask) {
    PFNGLGETPOLYGONSTIPPLEPROC proc = (PFNGLGETPOLYGONSTIPPLEPROC) glad_gl_on_demand_loader("glGetPolygonStipple");
    if (proc == NULL) {
        return;
    }
    glad_glGetPolygonStipple = proc;
    proc(mask);
}
PFNGLGETPOLYGONSTIPPLEPROC glad_glGetPolygonStipple = glad_on_demand_impl_glGetPolygonStipple;
static void GLAD_API_PTR glad_on_demand_impl_glGetProgramInfoLog(GLuint program, GLsizei bufSize, GLsizei * length, GLchar * infoLog) {
    PFNGLGETPROGRAMINFOLOGPROC proc = (PFNGLGETPROGRAMINFOLOGPROC) glad_gl_on_demand_loader("glGetProgramInfoLog");
    if (proc == NULL) {
        return;
    }
    glad_glGetProgramInfoLog = proc;
    proc(program, bufSize, length, infoLog);
}
PFNGLGETPROGRAMINFOLOGPROC glad_glGetProgramInfoLog = glad_on_demand_impl_glGetProgramInfoLog;
static void GLAD_API_PTR glad_on_demand_impl_glGetProgramiv(GLuint program, GLenum pname, GLint * params) {
    PFNGLGETPROGRAMIVPROC proc = (PFNGLGETPROGRAMIVPROC) glad_gl_on_demand_loader("glGetProgramiv");
    if (proc == NULL) {
        return;
    }
    glad_glGetProgramiv = proc;
    proc(program, pname, params);
}
PFNGLGETPROGRAMIVPROC glad_glGetProgramiv = glad_on_demand_impl_glGetProgramiv;
static void GLAD_API_PTR glad_on_demand_impl_glGetQueryObjectiv(GLuint id, GLenum pname, GLint * params) {
    PFNGLGETQUERYOBJECTIVPROC proc = (PFNGLGETQUERYOBJECTIVPROC) glad_gl_on_demand_loader("glGetQueryObjectiv");
    if (proc == NULL) {
        return;
    }
    glad_glGetQueryObjectiv = proc;
    proc(id, pname, params);
}
PFNGLGETQUERYOBJECTIVPROC glad_glGetQueryObjectiv = glad_on_demand_impl_glGetQueryObjectiv;
static void GLAD_API_PTR glad_on_demand_impl_glGetQueryObjectuiv(GLuint id, GLenum pname, GLuint * params) {
    PFNGLGETQUERYOBJECTUIVPROC proc = (PFNGLGETQUERYOBJECTUIVPROC) glad_gl_on_demand_loader("glGetQueryObjectuiv");
    if (proc == NULL) {
        return;
    }
    glad_glGetQueryObjectuiv = proc;
    proc(id, pname, params);
}
PFNGLGETQUERYOBJECTUIVPROC glad_glGetQueryObjectuiv = glad_on_demand_impl_glGetQueryObjectuiv;
static void GLAD_API_PTR glad_on_demand_impl_glGetQueryiv(GLenum target, GLenum pname, GLint * params) {
    PFNGLGETQUERYIVPROC proc = (PFNGLGETQUERYIVPROC) glad_gl_on_demand_loader("glGetQueryiv");
    if (proc == NULL) {
        return;
    }
    glad_glGetQueryiv = proc;
    proc(target, pname, params);
}
PFNGLGETQUERYIVPROC glad_glGetQueryiv = glad_on_demand_impl_glGetQueryiv;
static void GLAD_API_PTR glad_on_demand_impl_glGetRenderbufferParameterivEXT(GLenum target, GLenum pname, GLint * params) {
    PFNGLGETRENDERBUFFERPARAMETERIVEXTPROC proc = (PFNGLGETRENDERBUFFERPARAMETERIVEXTPROC) glad_gl_on_demand_loader("glGetRenderbufferParameterivEXT");
    if (proc == NULL) {
        return;
    }
    glad_glGetRenderbufferParameterivEXT = proc;
    proc(target, pname, params);
}
PFNGLGETRENDERBUFFERPARAMETERIVEXTPROC glad_glGetRenderbufferParameterivEXT = glad_on_demand_impl_glGetRenderbufferParameterivEXT;
static void GLAD_API_PTR glad_on_demand_impl_glGetShaderInfoLog(GLuint shader, GLsizei bufSize, GLsizei * length, GLchar * infoLog) {
    PFNGLGETSHADERINFOLOGPROC proc = (PFNGLGETSHADERINFOLOGPROC) glad_gl_on_demand_loader("glGetShaderInfoLog");
    if (proc == NULL) {
        return;
    }
    glad_glGetShaderInfoLog = proc;
    proc(shader, bufSize, length, infoLog);
}
PFNGLGETSHADERINFOLOGPROC glad_glGetShaderInfoLog = glad_on_demand_impl_glGetShaderInfoLog;
static void GLAD_API_PTR glad_on_demand_impl_glGetShaderSource(GLuint shader, GLsizei bufSize, GLsizei * length, GLchar * source) {
    PFNGLGETSHADERSOURCEPROC proc = (PFNGLGETSHADERSOURCEPROC) glad_gl_on_demand_loader("glGetShaderSource");
    if (proc == NULL) {
        return;
    }
    glad_glGetShaderSource = proc;
    proc(shader, bufSize, length, source);
}
PFNGLGETSHADERSOURCEPROC glad_glGetShaderSource = glad_on_demand_impl_glGetShaderSource;
static void GLAD_API_PTR glad_on_demand_impl_glGetShaderiv(GLuint shader, GLenum pname, GLint * params) {
    PFNGLGETSHADERIVPROC proc = (PFNGLGETSHADERIVPROC) glad_gl_on_demand_loader("glGetShaderiv");
    if (proc == NULL) {
        return;
    }
    glad_glGetShaderiv = proc;
    proc(shader, pname, params);
}
PFNGLGETSHADERIVPROC glad_glGetShaderiv = glad_on_demand_impl_glGetShaderiv;
static const GLubyte * GLAD_API_PTR glad_on_demand_impl_glGetString(GLenum name) {
    PFNGLGETSTRINGPROC proc = (PFNGLGETSTRINGPROC) glad_gl_on_demand_loader("glGetString");
    if (proc == NULL) {
        return (const GLubyte *) 0;
    }
    glad_glGetString = proc;
    return proc(name);
}
PFNGLGETSTRINGPROC glad_glGetString = glad_on_demand_impl_glGetString;
static void GLAD_API_PTR glad_on_demand_impl_glGetSynciv(GLsync sync, GLenum pname, GLsizei count, GLsizei * length, GLint * values) {
    PFNGLGETSYNCIVPROC proc = (PFNGLGETSYNCIVPROC) glad_gl_on_demand_loader("glGetSynciv");
    if (proc == NULL) {
        return;
    }
    glad_glGetSynciv = proc;
    proc(sync, pname, count, length, values);
}
PFNGLGETSYNCIVPROC glad_glGetSynciv = glad_on_demand_impl_glGetSynciv;
static void GLAD_API_PTR glad_on_demand_impl_glGetTexEnvfv(GLenum target, GLenum pname, GLfloat * params) {
    PFNGLGETTEXENVFVPROC proc = (PFNGLGETTEXENVFVPROC) glad_gl_on_demand_loader("glGetTexEnvfv");
    if (proc == NULL) {
        return;
    }
    glad_glGetTexEnvfv = proc;
    proc(target, pname, params);
}
PFNGLGETTEXENVFVPROC glad_glGetTexEnvfv = glad_on_demand_impl_glGetTexEnvfv;
static void GLAD_API_PTR glad_on_demand_impl_glGetTexEnviv(GLenum target, GLenum pname, GLint * params) {
    PFNGLGETTEXENVIVPROC proc = (PFNGLGETTEXENVIVPROC) glad_gl_on_demand_loader("glGetTexEnviv");
    if (proc == NULL) {
        return;
    }
    glad_glGetTexEnviv = proc;
    proc(target, pname, params);
}
PFNGLGETTEXENVIVPROC glad_glGetTexEnviv = glad_on_demand_impl_glGetTexEnviv;
static void GLAD_API_PTR glad_on_demand_impl_glGetTexGendv(GLenum coord, GLenum pname, GLdouble * params) {
    PFNGLGETTEXGENDVPROC proc = (PFNGLGETTEXGENDVPROC) glad_gl_on_demand_loader("glGetTexGendv");
    if (proc == NULL) {
        return;
    }
    glad_glGetTexGendv = proc;
    proc(coord, pname, params);
}
PFNGLGETTEXGENDVPROC glad_glGetTexGendv = glad_on_demand_impl_glGetTexGendv;
static void GLAD_API_PTR glad_on_demand_impl_glGetTexGenfv(GLenum coord, GLenum pname, GLfloat * params) {
    PFNGLGETTEXGENFVPROC proc = (PFNGLGETTEXGENFVPROC) glad_gl_on_demand_loader("glGetTexGenfv");
    if (proc == NULL) {
        return;
    }
    glad_glGetTexGenfv = proc;
    proc(coord, pname, params);
}
PFNGLGETTEXGENFVPROC glad_glGetTexGenfv = glad_on_demand_impl_glGetTexGenfv;
static void GLAD_API_PTR glad_on_demand_impl_glGetTexGeniv(GLenum coord, GLenum pname, GLint * params) {
    PFNGLGETTEXGENIVPROC proc = (PFNGLGETTEXGENIVPROC) glad_gl_on_demand_loader("glGetTexGeniv");
    if (proc == NULL) {
        return;
    }
    glad_glGetTexGeniv = proc;
    proc(coord, pname, params);
}
PFNGLGETTEXGENIVPROC glad_glGetTexGeniv = glad_on_demand_impl_glGetTexGeniv;
static void GLAD_API_PTR glad_on_demand_impl_glGetTexImage(GLenum target, GLint level, GLenum format, GLenum type, void * pixels) {
    PFNGLGETTEXIMAGEPROC proc = (PFNGLGETTEXIMAGEPROC) glad_gl_on_demand_loader("glGetTexImage");
    if (proc == NULL) {
        return;
    }
    glad_glGetTexImage = proc;
    proc(target, level, format, type, pixels);
}
PFNGLGETTEXIMAGEPROC glad_glGetTexImage = glad_on_demand_impl_glGetTexImage;
static void GLAD_API_PTR glad_on_demand_impl_glGetTexLevelParameterfv(GLenum target, GLint level, GLenum pname, GLfloat * params) {
    PFNGLGETTEXLEVELPARAMETERFVPROC proc = (PFNGLGETTEXLEVELPARAMETERFVPROC) glad_gl_on_demand_loader("glGetTexLevelParameterfv");
    if (proc == NULL) {
        return;
    }
    glad_glGetTexLevelParameterfv = proc;
    proc(target, level, pname, params);
}
PFNGLGETTEXLEVELPARAMETERFVPROC glad_glGetTexLevelParameterfv = glad_on_demand_impl_glGetTexLevelParameterfv;
static void GLAD_API_PTR glad_on_demand_impl_glGetTexLevelParameteriv(GLenum target, GLint level, GLenum pname, GLint * params) {
    PFNGLGETTEXLEVELPARAMETERIVPROC proc = (PFNGLGETTEXLEVELPARAMETERIVPROC) glad_gl_on_demand_loader("glGetTexLevelParameteriv");
    if (proc == NULL) {
        return;
    }
    glad_glGetTexLevelParameteriv = proc;
    proc(target, level, pname, params);
}
PFNGLGETTEXLEVELPARAMETERIVPROC glad_glGetTexLevelParameteriv = glad_on_demand_impl_glGetTexLevelParameteriv;
static void GLAD_API_PTR glad_on_demand_impl_glGetTexParameterfv(GLenum target, GLenum pname, GLfloat * params) {
    PFNGLGETTEXPARAMETERFVPROC proc = (PFNGLGETTEXPARAMETERFVPROC) glad_gl_on_demand_loader("glGetTexParameterfv");
    if (proc == NULL) {
        return;
    }
    glad_glGetTexParameterfv = proc;
    proc(target, pname, params);
}
PFNGLGETTEXPARAMETERFVPROC glad_glGetTexParameterfv = glad_on_demand_impl_glGetTexParameterfv;
static void GLAD_API_PTR glad_on_demand_impl_glGetTexParameteriv(GLenum target, GLenum pname, GLint * params) {
    PFNGLGETTEXPARAMETERIVPROC proc = (PFNGLGETTEXPARAMETERIVPROC) glad_gl_on_demand_loader("glGetTexParameteriv");
    if (proc == NULL) {
        return;
    }
    glad_glGetTexParameteriv = proc;
    proc(target, pname, params);
}
PFNGLGETTEXPARAMETERIVPROC glad_glGetTexParameteriv = glad_on_demand_impl_glGetTexParameteriv;
static GLint GLAD_API_PTR glad_on_demand_impl_glGetUniformLocation(GLuint program, const GLchar * name) {
    PFNGLGETUNIFORMLOCATIONPROC proc = (PFNGLGETUNIFORMLOCATIONPROC) glad_gl_on_demand_loader("glGetUniformLocation");
    if (proc == NULL) {
        return (GLint) 0;
    }
    glad_glGetUniformLocation = proc;
    return proc(program, name);
}
PFNGLGETUNIFORMLOCATIONPROC glad_glGetUniformLocation = glad_on_demand_impl_glGetUniformLocation;
static void GLAD_API_PTR glad_on_demand_impl_glGetUniformfv(GLuint program, GLint location, GLfloat * params) {
    PFNGLGETUNIFORMFVPROC proc = (PFNGLGETUNIFORMFVPROC) glad_gl_on_demand_loader("glGetUniformfv");
    if (proc == NULL) {
        return;
    }
    glad_glGetUniformfv = proc;
    proc(program, location, params);
}
PFNGLGETUNIFORMFVPROC glad_glGetUniformfv = glad_on_demand_impl_glGetUniformfv;
static void GLAD_API_PTR glad_on_demand_impl_glGetUniformiv(GLuint program, GLint location, GLint * params) {
    PFNGLGETUNIFORMIVPROC proc = (PFNGLGETUNIFORMIVPROC) glad_gl_on_demand_loader("glGetUniformiv");
    if (proc == NULL) {
        return;
    }
    glad_glGetUniformiv = proc;
    proc(program, location, params);
}
PFNGLGETUNIFORMIVPROC glad_glGetUniformiv = glad_on_demand_impl_glGetUniformiv;
static void GLAD_API_PTR glad_on_demand_impl_glGetVertexAttribPointerv(GLuint index, GLenum pname, void ** pointer) {
    PFNGLGETVERTEXATTRIBPOINTERVPROC proc = (PFNGLGETVERTEXATTRIBPOINTERVPROC) glad_gl_on_demand_loader("glGetVertexAttribPointerv");
    if (proc == NULL) {
        return;
    }
    glad_glGetVertexAttribPointerv = proc;
    proc(index, pname, pointer);
}
PFNGLGETVERTEXATTRIBPOINTERVPROC glad_glGetVertexAttribPointerv = glad_on_demand_impl_glGetVertexAttribPointerv;
static void GLAD_API_PTR glad_on_demand_impl_glGetVertexAttribdv(GLuint index, GLenum pname, GLdouble * params) {
    PFNGLGETVERTEXATTRIBDVPROC proc = (PFNGLGETVERTEXATTRIBDVPROC) glad_gl_on_demand_loader("glGetVertexAttribdv");
    if (proc == NULL) {
        return;
    }
    glad_glGetVertexAttribdv = proc;
    proc(index, pname, params);
}
PFNGLGETVERTEXATTRIBDVPROC glad_glGetVertexAttribdv = glad_on_demand_impl_glGetVertexAttribdv;
static void GLAD_API_PTR glad_on_demand_impl_glGetVertexAttribfv(GLuint index, GLenum pname, GLfloat * params) {
    PFNGLGETVERTEXATTRIBFVPROC proc = (PFNGLGETVERTEXATTRIBFVPROC) glad_gl_on_demand_loader("glGetVertexAttribfv");
    if (proc == NULL) {
        return;
    }
    glad_glGetVertexAttribfv = proc;
    proc(index, pname, params);
}
PFNGLGETVERTEXATTRIBFVPROC glad_glGetVertexAttribfv = glad_on_demand_impl_glGetVertexAttribfv;
static void GLAD_API_PTR glad_on_demand_impl_glGetVertexAttribiv(GLuint index, GLenum pname, GLint * params) {
    PFNGLGETVERTEXATTRIBIVPROC proc = (PFNGLGETVERTEXATTRIBIVPROC) glad_gl_on_demand_loader("glGetVertexAttribiv");
    if (proc == NULL) {
        return;
    }
    glad_glGetVertexAttribiv = proc;
    proc(index, pname, params);
}
PFNGLGETVERTEXATTRIBIVPROC glad_glGetVertexAttribiv = glad_on_demand_impl_glGetVertexAttribiv;
static void GLAD_API_PTR glad_on_demand_impl_glHint(GLenum target, GLenum mode) {
    PFNGLHINTPROC proc = (PFNGLHINTPROC) glad_gl_on_demand_loader("glHint");
    if (proc == NULL) {
        return;
    }
    glad_glHint = proc;
    proc(target, mode);
}
PFNGLHINTPROC glad_glHint = glad_on_demand_impl_glHint;
static void GLAD_API_PTR glad_on_demand_impl_glIndexMask(GLuint mask) {
    PFNGLINDEXMASKPROC proc = (PFNGLINDEXMASKPROC) glad_gl_on_demand_loader("glIndexMask");
    if (proc == NULL) {
        return;
    }
    glad_glIndexMask = proc;
    proc(mask);
}
PFNGLINDEXMASKPROC glad_glIndexMask = glad_on_demand_impl_glIndexMask;
static void GLAD_API_PTR glad_on_demand_impl_glIndexPointer(GLenum type, GLsizei stride, const void * pointer) {
    PFNGLINDEXPOINTERPROC proc = (PFNGLINDEXPOINTERPROC) glad_gl_on_demand_loader("glIndexPointer");
    if (proc == NULL) {
        return;
    }
    glad_glIndexPointer = proc;
    proc(type, stride, pointer);
}
PFNGLINDEXPOINTERPROC glad_glIndexPointer = glad_on_demand_impl_glIndexPointer;
static void GLAD_API_PTR glad_on_demand_impl_glIndexd(GLdouble c) {
    PFNGLINDEXDPROC proc = (PFNGLINDEXDPROC) glad_gl_on_demand_loader("glIndexd");
    if (proc == NULL) {
        return;
    }
    glad_glIndexd = proc;
    proc(c);
}
PFNGLINDEXDPROC glad_glIndexd = glad_on_demand_impl_glIndexd;
static void GLAD_API_PTR glad_on_demand_impl_glIndexdv(const GLdouble * c) {
    PFNGLINDEXDVPROC proc = (PFNGLINDEXDVPROC) glad_gl_on_demand_loader("glIndexdv");
    if (proc == NULL) {
        return;
    }
    glad_glIndexdv = proc;
    proc(c);
}
PFNGLINDEXDVPROC glad_glIndexdv = glad_on_demand_impl_glIndexdv;
static void GLAD_API_PTR glad_on_demand_impl_glIndexf(GLfloat c) {
    PFNGLINDEXFPROC proc = (PFNGLINDEXFPROC) glad_gl_on_demand_loader("glIndexf");
    if (proc == NULL) {
        return;
    }
    glad_glIndexf = proc;
    proc(c);
}
PFNGLINDEXFPROC glad_glIndexf = glad_on_demand_impl_glIndexf;
static void GLAD_API_PTR glad_on_demand_impl_glIndexfv(const GLfloat * c) {
    PFNGLINDEXFVPROC proc = (PFNGLINDEXFVPROC) glad_gl_on_demand_loader("glIndexfv");
    if (proc == NULL) {
        return;
    }
    glad_glIndexfv = proc;
    proc(c);
}
PFNGLINDEXFVPROC glad_glIndexfv = glad_on_demand_impl_glIndexfv;
static void GLAD_API_PTR glad_on_demand_impl_glIndexi(GLint c) {
    PFNGLINDEXIPROC proc = (PFNGLINDEXIPROC) glad_gl_on_demand_loader("glIndexi");
    if (proc == NULL) {
        return;
    }
    glad_glIndexi = proc;
    proc(c);
}
PFNGLINDEXIPROC glad_glIndexi = glad_on_demand_impl_glIndexi;
static void GLAD_API_PTR glad_on_demand_impl_glIndexiv(const GLint * c) {
    PFNGLINDEXIVPROC proc = (PFNGLINDEXIVPROC) glad_gl_on_demand_loader("glIndexiv");
    if (proc == NULL) {
        return;
    }
    glad_glIndexiv = proc;
    proc(c);
}
PFNGLINDEXIVPROC glad_glIndexiv = glad_on_demand_impl_glIndexiv;
static void GLAD_API_PTR glad_on_demand_impl_glIndexs(GLshort c) {
    PFNGLINDEXSPROC proc = (PFNGLINDEXSPROC) glad_gl_on_demand_loader("glIndexs");
    if (proc == NULL) {
        return;
    }
    glad_glIndexs = proc;
    proc(c);
}
PFNGLINDEXSPROC glad_glIndexs = glad_on_demand_impl_glIndexs;
static void GLAD_API_PTR glad_on_demand_impl_glIndexsv(const GLshort * c) {
    PFNGLINDEXSVPROC proc = (PFNGLINDEXSVPROC) glad_gl_on_demand_loader("glIndexsv");
    if (proc == NULL) {
        return;
    }
    glad_glIndexsv = proc;
    proc(c);
}
PFNGLINDEXSVPROC glad_glIndexsv = glad_on_demand_impl_glIndexsv;
static void GLAD_API_PTR glad_on_demand_impl_glIndexub(GLubyte c) {
    PFNGLINDEXUBPROC proc = (PFNGLINDEXUBPROC) glad_gl_on_demand_loader("glIndexub");
    if (proc == NULL) {
        return;
    }
    glad_glIndexub = proc;
    proc(c);
}
PFNGLINDEXUBPROC glad_glIndexub = glad_on_demand_impl_glIndexub;
static void GLAD_API_PTR glad_on_demand_impl_glIndexubv(const GLubyte * c) {
    PFNGLINDEXUBVPROC proc = (PFNGLINDEXUBVPROC) glad_gl_on_demand_loader("glIndexubv");
    if (proc == NULL) {
        return;
    }
    glad_glIndexubv = proc;
    proc(c);
}
PFNGLINDEXUBVPROC glad_glIndexubv = glad_on_demand_impl_glIndexubv;
static void GLAD_API_PTR glad_on_demand_impl_glInitNames(void) {
    PFNGLINITNAMESPROC proc = (PFNGLINITNAMESPROC) glad_gl_on_demand_loader("glInitNames");
    if (proc == NULL) {
        return;
    }
    glad_glInitNames = proc;
    proc();
}
PFNGLINITNAMESPROC glad_glInitNames = glad_on_demand_impl_glInitNames;
static void GLAD_API_PTR glad_on_demand_impl_glInterleavedArrays(GLenum format, GLsizei stride, const void * pointer) {
    PFNGLINTERLEAVEDARRAYSPROC proc = (PFNGLINTERLEAVEDARRAYSPROC) glad_gl_on_demand_loader("glInterleavedArrays");
    if (proc == NULL) {
        return;
    }
    glad_glInterleavedArrays = proc;
    proc(format, stride, pointer);
}
PFNGLINTERLEAVEDARRAYSPROC glad_glInterleavedArrays = glad_on_demand_impl_glInterleavedArrays;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glIsBuffer(GLuint buffer) {
    PFNGLISBUFFERPROC proc = (PFNGLISBUFFERPROC) glad_gl_on_demand_loader("glIsBuffer");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glIsBuffer = proc;
    return proc(buffer);
}
PFNGLISBUFFERPROC glad_glIsBuffer = glad_on_demand_impl_glIsBuffer;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glIsEnabled(GLenum cap) {
    PFNGLISENABLEDPROC proc = (PFNGLISENABLEDPROC) glad_gl_on_demand_loader("glIsEnabled");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glIsEnabled = proc;
    return proc(cap);
}
PFNGLISENABLEDPROC glad_glIsEnabled = glad_on_demand_impl_glIsEnabled;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glIsFramebufferEXT(GLuint framebuffer) {
    PFNGLISFRAMEBUFFEREXTPROC proc = (PFNGLISFRAMEBUFFEREXTPROC) glad_gl_on_demand_loader("glIsFramebufferEXT");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glIsFramebufferEXT = proc;
    return proc(framebuffer);
}
PFNGLISFRAMEBUFFEREXTPROC glad_glIsFramebufferEXT = glad_on_demand_impl_glIsFramebufferEXT;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glIsList(GLuint list) {
    PFNGLISLISTPROC proc = (PFNGLISLISTPROC) glad_gl_on_demand_loader("glIsList");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glIsList = proc;
    return proc(list);
}
PFNGLISLISTPROC glad_glIsList = glad_on_demand_impl_glIsList;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glIsProgram(GLuint program) {
    PFNGLISPROGRAMPROC proc = (PFNGLISPROGRAMPROC) glad_gl_on_demand_loader("glIsProgram");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glIsProgram = proc;
    return proc(program);
}
PFNGLISPROGRAMPROC glad_glIsProgram = glad_on_demand_impl_glIsProgram;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glIsQuery(GLuint id) {
    PFNGLISQUERYPROC proc = (PFNGLISQUERYPROC) glad_gl_on_demand_loader("glIsQuery");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glIsQuery = proc;
    return proc(id);
}
PFNGLISQUERYPROC glad_glIsQuery = glad_on_demand_impl_glIsQuery;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glIsRenderbufferEXT(GLuint renderbuffer) {
    PFNGLISRENDERBUFFEREXTPROC proc = (PFNGLISRENDERBUFFEREXTPROC) glad_gl_on_demand_loader("glIsRenderbufferEXT");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glIsRenderbufferEXT = proc;
    return proc(renderbuffer);
}
PFNGLISRENDERBUFFEREXTPROC glad_glIsRenderbufferEXT = glad_on_demand_impl_glIsRenderbufferEXT;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glIsShader(GLuint shader) {
    PFNGLISSHADERPROC proc = (PFNGLISSHADERPROC) glad_gl_on_demand_loader("glIsShader");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glIsShader = proc;
    return proc(shader);
}
PFNGLISSHADERPROC glad_glIsShader = glad_on_demand_impl_glIsShader;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glIsSync(GLsync sync) {
    PFNGLISSYNCPROC proc = (PFNGLISSYNCPROC) glad_gl_on_demand_loader("glIsSync");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glIsSync = proc;
    return proc(sync);
}
PFNGLISSYNCPROC glad_glIsSync = glad_on_demand_impl_glIsSync;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glIsTexture(GLuint texture) {
    PFNGLISTEXTUREPROC proc = (PFNGLISTEXTUREPROC) glad_gl_on_demand_loader("glIsTexture");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glIsTexture = proc;
    return proc(texture);
}
PFNGLISTEXTUREPROC glad_glIsTexture = glad_on_demand_impl_glIsTexture;
static void GLAD_API_PTR glad_on_demand_impl_glLightModelf(GLenum pname, GLfloat param) {
    PFNGLLIGHTMODELFPROC proc = (PFNGLLIGHTMODELFPROC) glad_gl_on_demand_loader("glLightModelf");
    if (proc == NULL) {
        return;
    }
    glad_glLightModelf = proc;
    proc(pname, param);
}
PFNGLLIGHTMODELFPROC glad_glLightModelf = glad_on_demand_impl_glLightModelf;
static void GLAD_API_PTR glad_on_demand_impl_glLightModelfv(GLenum pname, const GLfloat * params) {
    PFNGLLIGHTMODELFVPROC proc = (PFNGLLIGHTMODELFVPROC) glad_gl_on_demand_loader("glLightModelfv");
    if (proc == NULL) {
        return;
    }
    glad_glLightModelfv = proc;
    proc(pname, params);
}
PFNGLLIGHTMODELFVPROC glad_glLightModelfv = glad_on_demand_impl_glLightModelfv;
static void GLAD_API_PTR glad_on_demand_impl_glLightModeli(GLenum pname, GLint param) {
    PFNGLLIGHTMODELIPROC proc = (PFNGLLIGHTMODELIPROC) glad_gl_on_demand_loader("glLightModeli");
    if (proc == NULL) {
        return;
    }
    glad_glLightModeli = proc;
    proc(pname, param);
}
PFNGLLIGHTMODELIPROC glad_glLightModeli = glad_on_demand_impl_glLightModeli;
static void GLAD_API_PTR glad_on_demand_impl_glLightModeliv(GLenum pname, const GLint * params) {
    PFNGLLIGHTMODELIVPROC proc = (PFNGLLIGHTMODELIVPROC) glad_gl_on_demand_loader("glLightModeliv");
    if (proc == NULL) {
        return;
    }
    glad_glLightModeliv = proc;
    proc(pname, params);
}
PFNGLLIGHTMODELIVPROC glad_glLightModeliv = glad_on_demand_impl_glLightModeliv;
static void GLAD_API_PTR glad_on_demand_impl_glLightf(GLenum light, GLenum pname, GLfloat param) {
    PFNGLLIGHTFPROC proc = (PFNGLLIGHTFPROC) glad_gl_on_demand_loader("glLightf");
    if (proc == NULL) {
        return;
    }
    glad_glLightf = proc;
    proc(light, pname, param);
}
PFNGLLIGHTFPROC glad_glLightf = glad_on_demand_impl_glLightf;
static void GLAD_API_PTR glad_on_demand_impl_glLightfv(GLenum light, GLenum pname, const GLfloat * params) {
    PFNGLLIGHTFVPROC proc = (PFNGLLIGHTFVPROC) glad_gl_on_demand_loader("glLightfv");
    if (proc == NULL) {
        return;
    }
    glad_glLightfv = proc;
    proc(light, pname, params);
}
PFNGLLIGHTFVPROC glad_glLightfv = glad_on_demand_impl_glLightfv;
static void GLAD_API_PTR glad_on_demand_impl_glLighti(GLenum light, GLenum pname, GLint param) {
    PFNGLLIGHTIPROC proc = (PFNGLLIGHTIPROC) glad_gl_on_demand_loader("glLighti");
    if (proc == NULL) {
        return;
    }
    glad_glLighti = proc;
    proc(light, pname, param);
}
PFNGLLIGHTIPROC glad_glLighti = glad_on_demand_impl_glLighti;
static void GLAD_API_PTR glad_on_demand_impl_glLightiv(GLenum light, GLenum pname, const GLint * params) {
    PFNGLLIGHTIVPROC proc = (PFNGLLIGHTIVPROC) glad_gl_on_demand_loader("glLightiv");
    if (proc == NULL) {
        return;
    }
    glad_glLightiv = proc;
    proc(light, pname, params);
}
PFNGLLIGHTIVPROC glad_glLightiv = glad_on_demand_impl_glLightiv;
static void GLAD_API_PTR glad_on_demand_impl_glLineStipple(GLint factor, GLushort pattern) {
    PFNGLLINESTIPPLEPROC proc = (PFNGLLINESTIPPLEPROC) glad_gl_on_demand_loader("glLineStipple");
    if (proc == NULL) {
        return;
    }
    glad_glLineStipple = proc;
    proc(factor, pattern);
}
PFNGLLINESTIPPLEPROC glad_glLineStipple = glad_on_demand_impl_glLineStipple;
static void GLAD_API_PTR glad_on_demand_impl_glLineWidth(GLfloat width) {
    PFNGLLINEWIDTHPROC proc = (PFNGLLINEWIDTHPROC) glad_gl_on_demand_loader("glLineWidth");
    if (proc == NULL) {
        return;
    }
    glad_glLineWidth = proc;
    proc(width);
}
PFNGLLINEWIDTHPROC glad_glLineWidth = glad_on_demand_impl_glLineWidth;
static void GLAD_API_PTR glad_on_demand_impl_glLinkProgram(GLuint program) {
    PFNGLLINKPROGRAMPROC proc = (PFNGLLINKPROGRAMPROC) glad_gl_on_demand_loader("glLinkProgram");
    if (proc == NULL) {
        return;
    }
    glad_glLinkProgram = proc;
    proc(program);
}
PFNGLLINKPROGRAMPROC glad_glLinkProgram = glad_on_demand_impl_glLinkProgram;
static void GLAD_API_PTR glad_on_demand_impl_glListBase(GLuint base) {
    PFNGLLISTBASEPROC proc = (PFNGLLISTBASEPROC) glad_gl_on_demand_loader("glListBase");
    if (proc == NULL) {
        return;
    }
    glad_glListBase = proc;
    proc(base);
}
PFNGLLISTBASEPROC glad_glListBase = glad_on_demand_impl_glListBase;
static void GLAD_API_PTR glad_on_demand_impl_glLoadIdentity(void) {
    PFNGLLOADIDENTITYPROC proc = (PFNGLLOADIDENTITYPROC) glad_gl_on_demand_loader("glLoadIdentity");
    if (proc == NULL) {
        return;
    }
    glad_glLoadIdentity = proc;
    proc();
}
PFNGLLOADIDENTITYPROC glad_glLoadIdentity = glad_on_demand_impl_glLoadIdentity;
static void GLAD_API_PTR glad_on_demand_impl_glLoadMatrixd(const GLdouble * m) {
    PFNGLLOADMATRIXDPROC proc = (PFNGLLOADMATRIXDPROC) glad_gl_on_demand_loader("glLoadMatrixd");
    if (proc == NULL) {
        return;
    }
    glad_glLoadMatrixd = proc;
    proc(m);
}
PFNGLLOADMATRIXDPROC glad_glLoadMatrixd = glad_on_demand_impl_glLoadMatrixd;
static void GLAD_API_PTR glad_on_demand_impl_glLoadMatrixf(const GLfloat * m) {
    PFNGLLOADMATRIXFPROC proc = (PFNGLLOADMATRIXFPROC) glad_gl_on_demand_loader("glLoadMatrixf");
    if (proc == NULL) {
        return;
    }
    glad_glLoadMatrixf = proc;
    proc(m);
}
PFNGLLOADMATRIXFPROC glad_glLoadMatrixf = glad_on_demand_impl_glLoadMatrixf;
static void GLAD_API_PTR glad_on_demand_impl_glLoadName(GLuint name) {
    PFNGLLOADNAMEPROC proc = (PFNGLLOADNAMEPROC) glad_gl_on_demand_loader("glLoadName");
    if (proc == NULL) {
        return;
    }
    glad_glLoadName = proc;
    proc(name);
}
PFNGLLOADNAMEPROC glad_glLoadName = glad_on_demand_impl_glLoadName;
static void GLAD_API_PTR glad_on_demand_impl_glLoadTransposeMatrixd(const GLdouble * m) {
    PFNGLLOADTRANSPOSEMATRIXDPROC proc = (PFNGLLOADTRANSPOSEMATRIXDPROC) glad_gl_on_demand_loader("glLoadTransposeMatrixd");
    if (proc == NULL) {
        return;
    }
    glad_glLoadTransposeMatrixd = proc;
    proc(m);
}
PFNGLLOADTRANSPOSEMATRIXDPROC glad_glLoadTransposeMatrixd = glad_on_demand_impl_glLoadTransposeMatrixd;
static void GLAD_API_PTR glad_on_demand_impl_glLoadTransposeMatrixf(const GLfloat * m) {
    PFNGLLOADTRANSPOSEMATRIXFPROC proc = (PFNGLLOADTRANSPOSEMATRIXFPROC) glad_gl_on_demand_loader("glLoadTransposeMatrixf");
    if (proc == NULL) {
        return;
    }
    glad_glLoadTransposeMatrixf = proc;
    proc(m);
}
PFNGLLOADTRANSPOSEMATRIXFPROC glad_glLoadTransposeMatrixf = glad_on_demand_impl_glLoadTransposeMatrixf;
static void GLAD_API_PTR glad_on_demand_impl_glLogicOp(GLenum opcode) {
    PFNGLLOGICOPPROC proc = (PFNGLLOGICOPPROC) glad_gl_on_demand_loader("glLogicOp");
    if (proc == NULL) {
        return;
    }
    glad_glLogicOp = proc;
    proc(opcode);
}
PFNGLLOGICOPPROC glad_glLogicOp = glad_on_demand_impl_glLogicOp;
static void GLAD_API_PTR glad_on_demand_impl_glMap1d(GLenum target, GLdouble u1, GLdouble u2, GLint stride, GLint order, const GLdouble * points) {
    PFNGLMAP1DPROC proc = (PFNGLMAP1DPROC) glad_gl_on_demand_loader("glMap1d");
    if (proc == NULL) {
        return;
    }
    glad_glMap1d = proc;
    proc(target, u1, u2, stride, order, points);
}
PFNGLMAP1DPROC glad_glMap1d = glad_on_demand_impl_glMap1d;
static void GLAD_API_PTR glad_on_demand_impl_glMap1f(GLenum target, GLfloat u1, GLfloat u2, GLint stride, GLint order, const GLfloat * points) {
    PFNGLMAP1FPROC proc = (PFNGLMAP1FPROC) glad_gl_on_demand_loader("glMap1f");
    if (proc == NULL) {
        return;
    }
    glad_glMap1f = proc;
    proc(target, u1, u2, stride, order, points);
}
PFNGLMAP1FPROC glad_glMap1f = glad_on_demand_impl_glMap1f;
static void GLAD_API_PTR glad_on_demand_impl_glMap2d(GLenum target, GLdouble u1, GLdouble u2, GLint ustride, GLint uorder, GLdouble v1, GLdouble v2, GLint vstride, GLint vorder, const GLdouble * points) {
    PFNGLMAP2DPROC proc = (PFNGLMAP2DPROC) glad_gl_on_demand_loader("glMap2d");
    if (proc == NULL) {
        return;
    }
    glad_glMap2d = proc;
    proc(target, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points);
}
PFNGLMAP2DPROC glad_glMap2d = glad_on_demand_impl_glMap2d;
static void GLAD_API_PTR glad_on_demand_impl_glMap2f(GLenum target, GLfloat u1, GLfloat u2, GLint ustride, GLint uorder, GLfloat v1, GLfloat v2, GLint vstride, GLint vorder, const GLfloat * points) {
    PFNGLMAP2FPROC proc = (PFNGLMAP2FPROC) glad_gl_on_demand_loader("glMap2f");
    if (proc == NULL) {
        return;
    }
    glad_glMap2f = proc;
    proc(target, u1, u2, ustride, uorder, v1, v2, vstride, vorder, points);
}
PFNGLMAP2FPROC glad_glMap2f = glad_on_demand_impl_glMap2f;
static void * GLAD_API_PTR glad_on_demand_impl_glMapBuffer(GLenum target, GLenum access) {
    PFNGLMAPBUFFERPROC proc = (PFNGLMAPBUFFERPROC) glad_gl_on_demand_loader("glMapBuffer");
    if (proc == NULL) {
        return (void *) 0;
    }
    glad_glMapBuffer = proc;
    return proc(target, access);
}
PFNGLMAPBUFFERPROC glad_glMapBuffer = glad_on_demand_impl_glMapBuffer;
static void GLAD_API_PTR glad_on_demand_impl_glMapGrid1d(GLint un, GLdouble u1, GLdouble u2) {
    PFNGLMAPGRID1DPROC proc = (PFNGLMAPGRID1DPROC) glad_gl_on_demand_loader("glMapGrid1d");
    if (proc == NULL) {
        return;
    }
    glad_glMapGrid1d = proc;
    proc(un, u1, u2);
}
PFNGLMAPGRID1DPROC glad_glMapGrid1d = glad_on_demand_impl_glMapGrid1d;
static void GLAD_API_PTR glad_on_demand_impl_glMapGrid1f(GLint un, GLfloat u1, GLfloat u2) {
    PFNGLMAPGRID1FPROC proc = (PFNGLMAPGRID1FPROC) glad_gl_on_demand_loader("glMapGrid1f");
    if (proc == NULL) {
        return;
    }
    glad_glMapGrid1f = proc;
    proc(un, u1, u2);
}
PFNGLMAPGRID1FPROC glad_glMapGrid1f = glad_on_demand_impl_glMapGrid1f;
static void GLAD_API_PTR glad_on_demand_impl_glMapGrid2d(GLint un, GLdouble u1, GLdouble u2, GLint vn, GLdouble v1, GLdouble v2) {
    PFNGLMAPGRID2DPROC proc = (PFNGLMAPGRID2DPROC) glad_gl_on_demand_loader("glMapGrid2d");
    if (proc == NULL) {
        return;
    }
    glad_glMapGrid2d = proc;
    proc(un, u1, u2, vn, v1, v2);
}
PFNGLMAPGRID2DPROC glad_glMapGrid2d = glad_on_demand_impl_glMapGrid2d;
static void GLAD_API_PTR glad_on_demand_impl_glMapGrid2f(GLint un, GLfloat u1, GLfloat u2, GLint vn, GLfloat v1, GLfloat v2) {
    PFNGLMAPGRID2FPROC proc = (PFNGLMAPGRID2FPROC) glad_gl_on_demand_loader("glMapGrid2f");
    if (proc == NULL) {
        return;
    }
    glad_glMapGrid2f = proc;
    proc(un, u1, u2, vn, v1, v2);
}
PFNGLMAPGRID2FPROC glad_glMapGrid2f = glad_on_demand_impl_glMapGrid2f;
static void GLAD_API_PTR glad_on_demand_impl_glMaterialf(GLenum face, GLenum pname, GLfloat param) {
    PFNGLMATERIALFPROC proc = (PFNGLMATERIALFPROC) glad_gl_on_demand_loader("glMaterialf");
    if (proc == NULL) {
        return;
    }
    glad_glMaterialf = proc;
    proc(face, pname, param);
}
PFNGLMATERIALFPROC glad_glMaterialf = glad_on_demand_impl_glMaterialf;
static void GLAD_API_PTR glad_on_demand_impl_glMaterialfv(GLenum face, GLenum pname, const GLfloat * params) {
    PFNGLMATERIALFVPROC proc = (PFNGLMATERIALFVPROC) glad_gl_on_demand_loader("glMaterialfv");
    if (proc == NULL) {
        return;
    }
    glad_glMaterialfv = proc;
    proc(face, pname, params);
}
PFNGLMATERIALFVPROC glad_glMaterialfv = glad_on_demand_impl_glMaterialfv;
static void GLAD_API_PTR glad_on_demand_impl_glMateriali(GLenum face, GLenum pname, GLint param) {
    PFNGLMATERIALIPROC proc = (PFNGLMATERIALIPROC) glad_gl_on_demand_loader("glMateriali");
    if (proc == NULL) {
        return;
    }
    glad_glMateriali = proc;
    proc(face, pname, param);
}
PFNGLMATERIALIPROC glad_glMateriali = glad_on_demand_impl_glMateriali;
static void GLAD_API_PTR glad_on_demand_impl_glMaterialiv(GLenum face, GLenum pname, const GLint * params) {
    PFNGLMATERIALIVPROC proc = (PFNGLMATERIALIVPROC) glad_gl_on_demand_loader("glMaterialiv");
    if (proc == NULL) {
        return;
    }
    glad_glMaterialiv = proc;
    proc(face, pname, params);
}
PFNGLMATERIALIVPROC glad_glMaterialiv = glad_on_demand_impl_glMaterialiv;
static void GLAD_API_PTR glad_on_demand_impl_glMatrixMode(GLenum mode) {
    PFNGLMATRIXMODEPROC proc = (PFNGLMATRIXMODEPROC) glad_gl_on_demand_loader("glMatrixMode");
    if (proc == NULL) {
        return;
    }
    glad_glMatrixMode = proc;
    proc(mode);
}
PFNGLMATRIXMODEPROC glad_glMatrixMode = glad_on_demand_impl_glMatrixMode;
static void GLAD_API_PTR glad_on_demand_impl_glMultMatrixd(const GLdouble * m) {
    PFNGLMULTMATRIXDPROC proc = (PFNGLMULTMATRIXDPROC) glad_gl_on_demand_loader("glMultMatrixd");
    if (proc == NULL) {
        return;
    }
    glad_glMultMatrixd = proc;
    proc(m);
}
PFNGLMULTMATRIXDPROC glad_glMultMatrixd = glad_on_demand_impl_glMultMatrixd;
static void GLAD_API_PTR glad_on_demand_impl_glMultMatrixf(const GLfloat * m) {
    PFNGLMULTMATRIXFPROC proc = (PFNGLMULTMATRIXFPROC) glad_gl_on_demand_loader("glMultMatrixf");
    if (proc == NULL) {
        return;
    }
    glad_glMultMatrixf = proc;
    proc(m);
}
PFNGLMULTMATRIXFPROC glad_glMultMatrixf = glad_on_demand_impl_glMultMatrixf;
static void GLAD_API_PTR glad_on_demand_impl_glMultTransposeMatrixd(const GLdouble * m) {
    PFNGLMULTTRANSPOSEMATRIXDPROC proc = (PFNGLMULTTRANSPOSEMATRIXDPROC) glad_gl_on_demand_loader("glMultTransposeMatrixd");
    if (proc == NULL) {
        return;
    }
    glad_glMultTransposeMatrixd = proc;
    proc(m);
}
PFNGLMULTTRANSPOSEMATRIXDPROC glad_glMultTransposeMatrixd = glad_on_demand_impl_glMultTransposeMatrixd;
static void GLAD_API_PTR glad_on_demand_impl_glMultTransposeMatrixf(const GLfloat * m) {
    PFNGLMULTTRANSPOSEMATRIXFPROC proc = (PFNGLMULTTRANSPOSEMATRIXFPROC) glad_gl_on_demand_loader("glMultTransposeMatrixf");
    if (proc == NULL) {
        return;
    }
    glad_glMultTransposeMatrixf = proc;
    proc(m);
}
PFNGLMULTTRANSPOSEMATRIXFPROC glad_glMultTransposeMatrixf = glad_on_demand_impl_glMultTransposeMatrixf;
static void GLAD_API_PTR glad_on_demand_impl_glMultiDrawArrays(GLenum mode, const GLint * first, const GLsizei * count, GLsizei drawcount) {
    PFNGLMULTIDRAWARRAYSPROC proc = (PFNGLMULTIDRAWARRAYSPROC) glad_gl_on_demand_loader("glMultiDrawArrays");
    if (proc == NULL) {
        return;
    }
    glad_glMultiDrawArrays = proc;
    proc(mode, first, count, drawcount);
}
PFNGLMULTIDRAWARRAYSPROC glad_glMultiDrawArrays = glad_on_demand_impl_glMultiDrawArrays;
static void GLAD_API_PTR glad_on_demand_impl_glMultiDrawElements(GLenum mode, const GLsizei * count, GLenum type, const void *const* indices, GLsizei drawcount) {
    PFNGLMULTIDRAWELEMENTSPROC proc = (PFNGLMULTIDRAWELEMENTSPROC) glad_gl_on_demand_loader("glMultiDrawElements");
    if (proc == NULL) {
        return;
    }
    glad_glMultiDrawElements = proc;
    proc(mode, count, type, indices, drawcount);
}
PFNGLMULTIDRAWELEMENTSPROC glad_glMultiDrawElements = glad_on_demand_impl_glMultiDrawElements;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord1d(GLenum target, GLdouble s) {
    PFNGLMULTITEXCOORD1DPROC proc = (PFNGLMULTITEXCOORD1DPROC) glad_gl_on_demand_loader("glMultiTexCoord1d");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord1d = proc;
    proc(target, s);
}
PFNGLMULTITEXCOORD1DPROC glad_glMultiTexCoord1d = glad_on_demand_impl_glMultiTexCoord1d;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord1dv(GLenum target, const GLdouble * v) {
    PFNGLMULTITEXCOORD1DVPROC proc = (PFNGLMULTITEXCOORD1DVPROC) glad_gl_on_demand_loader("glMultiTexCoord1dv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord1dv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD1DVPROC glad_glMultiTexCoord1dv = glad_on_demand_impl_glMultiTexCoord1dv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord1f(GLenum target, GLfloat s) {
    PFNGLMULTITEXCOORD1FPROC proc = (PFNGLMULTITEXCOORD1FPROC) glad_gl_on_demand_loader("glMultiTexCoord1f");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord1f = proc;
    proc(target, s);
}
PFNGLMULTITEXCOORD1FPROC glad_glMultiTexCoord1f = glad_on_demand_impl_glMultiTexCoord1f;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord1fv(GLenum target, const GLfloat * v) {
    PFNGLMULTITEXCOORD1FVPROC proc = (PFNGLMULTITEXCOORD1FVPROC) glad_gl_on_demand_loader("glMultiTexCoord1fv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord1fv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD1FVPROC glad_glMultiTexCoord1fv = glad_on_demand_impl_glMultiTexCoord1fv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord1i(GLenum target, GLint s) {
    PFNGLMULTITEXCOORD1IPROC proc = (PFNGLMULTITEXCOORD1IPROC) glad_gl_on_demand_loader("glMultiTexCoord1i");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord1i = proc;
    proc(target, s);
}
PFNGLMULTITEXCOORD1IPROC glad_glMultiTexCoord1i = glad_on_demand_impl_glMultiTexCoord1i;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord1iv(GLenum target, const GLint * v) {
    PFNGLMULTITEXCOORD1IVPROC proc = (PFNGLMULTITEXCOORD1IVPROC) glad_gl_on_demand_loader("glMultiTexCoord1iv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord1iv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD1IVPROC glad_glMultiTexCoord1iv = glad_on_demand_impl_glMultiTexCoord1iv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord1s(GLenum target, GLshort s) {
    PFNGLMULTITEXCOORD1SPROC proc = (PFNGLMULTITEXCOORD1SPROC) glad_gl_on_demand_loader("glMultiTexCoord1s");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord1s = proc;
    proc(target, s);
}
PFNGLMULTITEXCOORD1SPROC glad_glMultiTexCoord1s = glad_on_demand_impl_glMultiTexCoord1s;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord1sv(GLenum target, const GLshort * v) {
    PFNGLMULTITEXCOORD1SVPROC proc = (PFNGLMULTITEXCOORD1SVPROC) glad_gl_on_demand_loader("glMultiTexCoord1sv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord1sv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD1SVPROC glad_glMultiTexCoord1sv = glad_on_demand_impl_glMultiTexCoord1sv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord2d(GLenum target, GLdouble s, GLdouble t) {
    PFNGLMULTITEXCOORD2DPROC proc = (PFNGLMULTITEXCOORD2DPROC) glad_gl_on_demand_loader("glMultiTexCoord2d");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord2d = proc;
    proc(target, s, t);
}
PFNGLMULTITEXCOORD2DPROC glad_glMultiTexCoord2d = glad_on_demand_impl_glMultiTexCoord2d;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord2dv(GLenum target, const GLdouble * v) {
    PFNGLMULTITEXCOORD2DVPROC proc = (PFNGLMULTITEXCOORD2DVPROC) glad_gl_on_demand_loader("glMultiTexCoord2dv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord2dv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD2DVPROC glad_glMultiTexCoord2dv = glad_on_demand_impl_glMultiTexCoord2dv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord2f(GLenum target, GLfloat s, GLfloat t) {
    PFNGLMULTITEXCOORD2FPROC proc = (PFNGLMULTITEXCOORD2FPROC) glad_gl_on_demand_loader("glMultiTexCoord2f");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord2f = proc;
    proc(target, s, t);
}
PFNGLMULTITEXCOORD2FPROC glad_glMultiTexCoord2f = glad_on_demand_impl_glMultiTexCoord2f;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord2fv(GLenum target, const GLfloat * v) {
    PFNGLMULTITEXCOORD2FVPROC proc = (PFNGLMULTITEXCOORD2FVPROC) glad_gl_on_demand_loader("glMultiTexCoord2fv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord2fv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD2FVPROC glad_glMultiTexCoord2fv = glad_on_demand_impl_glMultiTexCoord2fv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord2i(GLenum target, GLint s, GLint t) {
    PFNGLMULTITEXCOORD2IPROC proc = (PFNGLMULTITEXCOORD2IPROC) glad_gl_on_demand_loader("glMultiTexCoord2i");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord2i = proc;
    proc(target, s, t);
}
PFNGLMULTITEXCOORD2IPROC glad_glMultiTexCoord2i = glad_on_demand_impl_glMultiTexCoord2i;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord2iv(GLenum target, const GLint * v) {
    PFNGLMULTITEXCOORD2IVPROC proc = (PFNGLMULTITEXCOORD2IVPROC) glad_gl_on_demand_loader("glMultiTexCoord2iv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord2iv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD2IVPROC glad_glMultiTexCoord2iv = glad_on_demand_impl_glMultiTexCoord2iv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord2s(GLenum target, GLshort s, GLshort t) {
    PFNGLMULTITEXCOORD2SPROC proc = (PFNGLMULTITEXCOORD2SPROC) glad_gl_on_demand_loader("glMultiTexCoord2s");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord2s = proc;
    proc(target, s, t);
}
PFNGLMULTITEXCOORD2SPROC glad_glMultiTexCoord2s = glad_on_demand_impl_glMultiTexCoord2s;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord2sv(GLenum target, const GLshort * v) {
    PFNGLMULTITEXCOORD2SVPROC proc = (PFNGLMULTITEXCOORD2SVPROC) glad_gl_on_demand_loader("glMultiTexCoord2sv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord2sv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD2SVPROC glad_glMultiTexCoord2sv = glad_on_demand_impl_glMultiTexCoord2sv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord3d(GLenum target, GLdouble s, GLdouble t, GLdouble r) {
    PFNGLMULTITEXCOORD3DPROC proc = (PFNGLMULTITEXCOORD3DPROC) glad_gl_on_demand_loader("glMultiTexCoord3d");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord3d = proc;
    proc(target, s, t, r);
}
PFNGLMULTITEXCOORD3DPROC glad_glMultiTexCoord3d = glad_on_demand_impl_glMultiTexCoord3d;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord3dv(GLenum target, const GLdouble * v) {
    PFNGLMULTITEXCOORD3DVPROC proc = (PFNGLMULTITEXCOORD3DVPROC) glad_gl_on_demand_loader("glMultiTexCoord3dv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord3dv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD3DVPROC glad_glMultiTexCoord3dv = glad_on_demand_impl_glMultiTexCoord3dv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord3f(GLenum target, GLfloat s, GLfloat t, GLfloat r) {
    PFNGLMULTITEXCOORD3FPROC proc = (PFNGLMULTITEXCOORD3FPROC) glad_gl_on_demand_loader("glMultiTexCoord3f");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord3f = proc;
    proc(target, s, t, r);
}
PFNGLMULTITEXCOORD3FPROC glad_glMultiTexCoord3f = glad_on_demand_impl_glMultiTexCoord3f;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord3fv(GLenum target, const GLfloat * v) {
    PFNGLMULTITEXCOORD3FVPROC proc = (PFNGLMULTITEXCOORD3FVPROC) glad_gl_on_demand_loader("glMultiTexCoord3fv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord3fv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD3FVPROC glad_glMultiTexCoord3fv = glad_on_demand_impl_glMultiTexCoord3fv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord3i(GLenum target, GLint s, GLint t, GLint r) {
    PFNGLMULTITEXCOORD3IPROC proc = (PFNGLMULTITEXCOORD3IPROC) glad_gl_on_demand_loader("glMultiTexCoord3i");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord3i = proc;
    proc(target, s, t, r);
}
PFNGLMULTITEXCOORD3IPROC glad_glMultiTexCoord3i = glad_on_demand_impl_glMultiTexCoord3i;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord3iv(GLenum target, const GLint * v) {
    PFNGLMULTITEXCOORD3IVPROC proc = (PFNGLMULTITEXCOORD3IVPROC) glad_gl_on_demand_loader("glMultiTexCoord3iv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord3iv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD3IVPROC glad_glMultiTexCoord3iv = glad_on_demand_impl_glMultiTexCoord3iv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord3s(GLenum target, GLshort s, GLshort t, GLshort r) {
    PFNGLMULTITEXCOORD3SPROC proc = (PFNGLMULTITEXCOORD3SPROC) glad_gl_on_demand_loader("glMultiTexCoord3s");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord3s = proc;
    proc(target, s, t, r);
}
PFNGLMULTITEXCOORD3SPROC glad_glMultiTexCoord3s = glad_on_demand_impl_glMultiTexCoord3s;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord3sv(GLenum target, const GLshort * v) {
    PFNGLMULTITEXCOORD3SVPROC proc = (PFNGLMULTITEXCOORD3SVPROC) glad_gl_on_demand_loader("glMultiTexCoord3sv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord3sv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD3SVPROC glad_glMultiTexCoord3sv = glad_on_demand_impl_glMultiTexCoord3sv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord4d(GLenum target, GLdouble s, GLdouble t, GLdouble r, GLdouble q) {
    PFNGLMULTITEXCOORD4DPROC proc = (PFNGLMULTITEXCOORD4DPROC) glad_gl_on_demand_loader("glMultiTexCoord4d");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord4d = proc;
    proc(target, s, t, r, q);
}
PFNGLMULTITEXCOORD4DPROC glad_glMultiTexCoord4d = glad_on_demand_impl_glMultiTexCoord4d;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord4dv(GLenum target, const GLdouble * v) {
    PFNGLMULTITEXCOORD4DVPROC proc = (PFNGLMULTITEXCOORD4DVPROC) glad_gl_on_demand_loader("glMultiTexCoord4dv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord4dv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD4DVPROC glad_glMultiTexCoord4dv = glad_on_demand_impl_glMultiTexCoord4dv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord4f(GLenum target, GLfloat s, GLfloat t, GLfloat r, GLfloat q) {
    PFNGLMULTITEXCOORD4FPROC proc = (PFNGLMULTITEXCOORD4FPROC) glad_gl_on_demand_loader("glMultiTexCoord4f");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord4f = proc;
    proc(target, s, t, r, q);
}
PFNGLMULTITEXCOORD4FPROC glad_glMultiTexCoord4f = glad_on_demand_impl_glMultiTexCoord4f;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord4fv(GLenum target, const GLfloat * v) {
    PFNGLMULTITEXCOORD4FVPROC proc = (PFNGLMULTITEXCOORD4FVPROC) glad_gl_on_demand_loader("glMultiTexCoord4fv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord4fv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD4FVPROC glad_glMultiTexCoord4fv = glad_on_demand_impl_glMultiTexCoord4fv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord4i(GLenum target, GLint s, GLint t, GLint r, GLint q) {
    PFNGLMULTITEXCOORD4IPROC proc = (PFNGLMULTITEXCOORD4IPROC) glad_gl_on_demand_loader("glMultiTexCoord4i");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord4i = proc;
    proc(target, s, t, r, q);
}
PFNGLMULTITEXCOORD4IPROC glad_glMultiTexCoord4i = glad_on_demand_impl_glMultiTexCoord4i;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord4iv(GLenum target, const GLint * v) {
    PFNGLMULTITEXCOORD4IVPROC proc = (PFNGLMULTITEXCOORD4IVPROC) glad_gl_on_demand_loader("glMultiTexCoord4iv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord4iv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD4IVPROC glad_glMultiTexCoord4iv = glad_on_demand_impl_glMultiTexCoord4iv;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord4s(GLenum target, GLshort s, GLshort t, GLshort r, GLshort q) {
    PFNGLMULTITEXCOORD4SPROC proc = (PFNGLMULTITEXCOORD4SPROC) glad_gl_on_demand_loader("glMultiTexCoord4s");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord4s = proc;
    proc(target, s, t, r, q);
}
PFNGLMULTITEXCOORD4SPROC glad_glMultiTexCoord4s = glad_on_demand_impl_glMultiTexCoord4s;
static void GLAD_API_PTR glad_on_demand_impl_glMultiTexCoord4sv(GLenum target, const GLshort * v) {
    PFNGLMULTITEXCOORD4SVPROC proc = (PFNGLMULTITEXCOORD4SVPROC) glad_gl_on_demand_loader("glMultiTexCoord4sv");
    if (proc == NULL) {
        return;
    }
    glad_glMultiTexCoord4sv = proc;
    proc(target, v);
}
PFNGLMULTITEXCOORD4SVPROC glad_glMultiTexCoord4sv = glad_on_demand_impl_glMultiTexCoord4sv;
static void GLAD_API_PTR glad_on_demand_impl_glNewList(GLuint list, GLenum mode) {
    PFNGLNEWLISTPROC proc = (PFNGLNEWLISTPROC) glad_gl_on_demand_loader("glNewList");
    if (proc == NULL) {
        return;
    }
    glad_glNewList = proc;
    proc(list, mode);
}
PFNGLNEWLISTPROC glad_glNewList = glad_on_demand_impl_glNewList;
static void GLAD_API_PTR glad_on_demand_impl_glNormal3b(GLbyte nx, GLbyte ny, GLbyte nz) {
    PFNGLNORMAL3BPROC proc = (PFNGLNORMAL3BPROC) glad_gl_on_demand_loader("glNormal3b");
    if (proc == NULL) {
        return;
    }
    glad_glNormal3b = proc;
    proc(nx, ny, nz);
}
PFNGLNORMAL3BPROC glad_glNormal3b = glad_on_demand_impl_glNormal3b;
static void GLAD_API_PTR glad_on_demand_impl_glNormal3bv(const GLbyte * v) {
    PFNGLNORMAL3BVPROC proc = (PFNGLNORMAL3BVPROC) glad_gl_on_demand_loader("glNormal3bv");
    if (proc == NULL) {
        return;
    }
    glad_glNormal3bv = proc;
    proc(v);
}
PFNGLNORMAL3BVPROC glad_glNormal3bv = glad_on_demand_impl_glNormal3bv;
static void GLAD_API_PTR glad_on_demand_impl_glNormal3d(GLdouble nx, GLdouble ny, GLdouble nz) {
    PFNGLNORMAL3DPROC proc = (PFNGLNORMAL3DPROC) glad_gl_on_demand_loader("glNormal3d");
    if (proc == NULL) {
        return;
    }
    glad_glNormal3d = proc;
    proc(nx, ny, nz);
}
PFNGLNORMAL3DPROC glad_glNormal3d = glad_on_demand_impl_glNormal3d;
static void GLAD_API_PTR glad_on_demand_impl_glNormal3dv(const GLdouble * v) {
    PFNGLNORMAL3DVPROC proc = (PFNGLNORMAL3DVPROC) glad_gl_on_demand_loader("glNormal3dv");
    if (proc == NULL) {
        return;
    }
    glad_glNormal3dv = proc;
    proc(v);
}
PFNGLNORMAL3DVPROC glad_glNormal3dv = glad_on_demand_impl_glNormal3dv;
static void GLAD_API_PTR glad_on_demand_impl_glNormal3f(GLfloat nx, GLfloat ny, GLfloat nz) {
    PFNGLNORMAL3FPROC proc = (PFNGLNORMAL3FPROC) glad_gl_on_demand_loader("glNormal3f");
    if (proc == NULL) {
        return;
    }
    glad_glNormal3f = proc;
    proc(nx, ny, nz);
}
PFNGLNORMAL3FPROC glad_glNormal3f = glad_on_demand_impl_glNormal3f;
static void GLAD_API_PTR glad_on_demand_impl_glNormal3fv(const GLfloat * v) {
    PFNGLNORMAL3FVPROC proc = (PFNGLNORMAL3FVPROC) glad_gl_on_demand_loader("glNormal3fv");
    if (proc == NULL) {
        return;
    }
    glad_glNormal3fv = proc;
    proc(v);
}
PFNGLNORMAL3FVPROC glad_glNormal3fv = glad_on_demand_impl_glNormal3fv;
static void GLAD_API_PTR glad_on_demand_impl_glNormal3i(GLint nx, GLint ny, GLint nz) {
    PFNGLNORMAL3IPROC proc = (PFNGLNORMAL3IPROC) glad_gl_on_demand_loader("glNormal3i");
    if (proc == NULL) {
        return;
    }
    glad_glNormal3i = proc;
    proc(nx, ny, nz);
}
PFNGLNORMAL3IPROC glad_glNormal3i = glad_on_demand_impl_glNormal3i;
static void GLAD_API_PTR glad_on_demand_impl_glNormal3iv(const GLint * v) {
    PFNGLNORMAL3IVPROC proc = (PFNGLNORMAL3IVPROC) glad_gl_on_demand_loader("glNormal3iv");
    if (proc == NULL) {
        return;
    }
    glad_glNormal3iv = proc;
    proc(v);
}
PFNGLNORMAL3IVPROC glad_glNormal3iv = glad_on_demand_impl_glNormal3iv;
static void GLAD_API_PTR glad_on_demand_impl_glNormal3s(GLshort nx, GLshort ny, GLshort nz) {
    PFNGLNORMAL3SPROC proc = (PFNGLNORMAL3SPROC) glad_gl_on_demand_loader("glNormal3s");
    if (proc == NULL) {
        return;
    }
    glad_glNormal3s = proc;
    proc(nx, ny, nz);
}
PFNGLNORMAL3SPROC glad_glNormal3s = glad_on_demand_impl_glNormal3s;
static void GLAD_API_PTR glad_on_demand_impl_glNormal3sv(const GLshort * v) {
    PFNGLNORMAL3SVPROC proc = (PFNGLNORMAL3SVPROC) glad_gl_on_demand_loader("glNormal3sv");
    if (proc == NULL) {
        return;
    }
    glad_glNormal3sv = proc;
    proc(v);
}
PFNGLNORMAL3SVPROC glad_glNormal3sv = glad_on_demand_impl_glNormal3sv;
static void GLAD_API_PTR glad_on_demand_impl_glNormalPointer(GLenum type, GLsizei stride, const void * pointer) {
    PFNGLNORMALPOINTERPROC proc = (PFNGLNORMALPOINTERPROC) glad_gl_on_demand_loader("glNormalPointer");
    if (proc == NULL) {
        return;
    }
    glad_glNormalPointer = proc;
    proc(type, stride, pointer);
}
PFNGLNORMALPOINTERPROC glad_glNormalPointer = glad_on_demand_impl_glNormalPointer;
static void GLAD_API_PTR glad_on_demand_impl_glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar) {
    PFNGLORTHOPROC proc = (PFNGLORTHOPROC) glad_gl_on_demand_loader("glOrtho");
    if (proc == NULL) {
        return;
    }
    glad_glOrtho = proc;
    proc(left, right, bottom, top, zNear, zFar);
}
PFNGLORTHOPROC glad_glOrtho = glad_on_demand_impl_glOrtho;
static void GLAD_API_PTR glad_on_demand_impl_glPassThrough(GLfloat token) {
    PFNGLPASSTHROUGHPROC proc = (PFNGLPASSTHROUGHPROC) glad_gl_on_demand_loader("glPassThrough");
    if (proc == NULL) {
        return;
    }
    glad_glPassThrough = proc;
    proc(token);
}
PFNGLPASSTHROUGHPROC glad_glPassThrough = glad_on_demand_impl_glPassThrough;
static void GLAD_API_PTR glad_on_demand_impl_glPixelMapfv(GLenum map, GLsizei mapsize, const GLfloat * values) {
    PFNGLPIXELMAPFVPROC proc = (PFNGLPIXELMAPFVPROC) glad_gl_on_demand_loader("glPixelMapfv");
    if (proc == NULL) {
        return;
    }
    glad_glPixelMapfv = proc;
    proc(map, mapsize, values);
}
PFNGLPIXELMAPFVPROC glad_glPixelMapfv = glad_on_demand_impl_glPixelMapfv;
static void GLAD_API_PTR glad_on_demand_impl_glPixelMapuiv(GLenum map, GLsizei mapsize, const GLuint * values) {
    PFNGLPIXELMAPUIVPROC proc = (PFNGLPIXELMAPUIVPROC) glad_gl_on_demand_loader("glPixelMapuiv");
    if (proc == NULL) {
        return;
    }
    glad_glPixelMapuiv = proc;
    proc(map, mapsize, values);
}
PFNGLPIXELMAPUIVPROC glad_glPixelMapuiv = glad_on_demand_impl_glPixelMapuiv;
static void GLAD_API_PTR glad_on_demand_impl_glPixelMapusv(GLenum map, GLsizei mapsize, const GLushort * values) {
    PFNGLPIXELMAPUSVPROC proc = (PFNGLPIXELMAPUSVPROC) glad_gl_on_demand_loader("glPixelMapusv");
    if (proc == NULL) {
        return;
    }
    glad_glPixelMapusv = proc;
    proc(map, mapsize, values);
}
PFNGLPIXELMAPUSVPROC glad_glPixelMapusv = glad_on_demand_impl_glPixelMapusv;
static void GLAD_API_PTR glad_on_demand_impl_glPixelStoref(GLenum pname, GLfloat param) {
    PFNGLPIXELSTOREFPROC proc = (PFNGLPIXELSTOREFPROC) glad_gl_on_demand_loader("glPixelStoref");
    if (proc == NULL) {
        return;
    }
    glad_glPixelStoref = proc;
    proc(pname, param);
}
PFNGLPIXELSTOREFPROC glad_glPixelStoref = glad_on_demand_impl_glPixelStoref;
static void GLAD_API_PTR glad_on_demand_impl_glPixelStorei(GLenum pname, GLint param) {
    PFNGLPIXELSTOREIPROC proc = (PFNGLPIXELSTOREIPROC) glad_gl_on_demand_loader("glPixelStorei");
    if (proc == NULL) {
        return;
    }
    glad_glPixelStorei = proc;
    proc(pname, param);
}
PFNGLPIXELSTOREIPROC glad_glPixelStorei = glad_on_demand_impl_glPixelStorei;
static void GLAD_API_PTR glad_on_demand_impl_glPixelTransferf(GLenum pname, GLfloat param) {
    PFNGLPIXELTRANSFERFPROC proc = (PFNGLPIXELTRANSFERFPROC) glad_gl_on_demand_loader("glPixelTransferf");
    if (proc == NULL) {
        return;
    }
    glad_glPixelTransferf = proc;
    proc(pname, param);
}
PFNGLPIXELTRANSFERFPROC glad_glPixelTransferf = glad_on_demand_impl_glPixelTransferf;
static void GLAD_API_PTR glad_on_demand_impl_glPixelTransferi(GLenum pname, GLint param) {
    PFNGLPIXELTRANSFERIPROC proc = (PFNGLPIXELTRANSFERIPROC) glad_gl_on_demand_loader("glPixelTransferi");
    if (proc == NULL) {
        return;
    }
    glad_glPixelTransferi = proc;
    proc(pname, param);
}
PFNGLPIXELTRANSFERIPROC glad_glPixelTransferi = glad_on_demand_impl_glPixelTransferi;
static void GLAD_API_PTR glad_on_demand_impl_glPixelZoom(GLfloat xfactor, GLfloat yfactor) {
    PFNGLPIXELZOOMPROC proc = (PFNGLPIXELZOOMPROC) glad_gl_on_demand_loader("glPixelZoom");
    if (proc == NULL) {
        return;
    }
    glad_glPixelZoom = proc;
    proc(xfactor, yfactor);
}
PFNGLPIXELZOOMPROC glad_glPixelZoom = glad_on_demand_impl_glPixelZoom;
static void GLAD_API_PTR glad_on_demand_impl_glPointParameterf(GLenum pname, GLfloat param) {
    PFNGLPOINTPARAMETERFPROC proc = (PFNGLPOINTPARAMETERFPROC) glad_gl_on_demand_loader("glPointParameterf");
    if (proc == NULL) {
        return;
    }
    glad_glPointParameterf = proc;
    proc(pname, param);
}
PFNGLPOINTPARAMETERFPROC glad_glPointParameterf = glad_on_demand_impl_glPointParameterf;
static void GLAD_API_PTR glad_on_demand_impl_glPointParameterfv(GLenum pname, const GLfloat * params) {
    PFNGLPOINTPARAMETERFVPROC proc = (PFNGLPOINTPARAMETERFVPROC) glad_gl_on_demand_loader("glPointParameterfv");
    if (proc == NULL) {
        return;
    }
    glad_glPointParameterfv = proc;
    proc(pname, params);
}
PFNGLPOINTPARAMETERFVPROC glad_glPointParameterfv = glad_on_demand_impl_glPointParameterfv;
static void GLAD_API_PTR glad_on_demand_impl_glPointParameteri(GLenum pname, GLint param) {
    PFNGLPOINTPARAMETERIPROC proc = (PFNGLPOINTPARAMETERIPROC) glad_gl_on_demand_loader("glPointParameteri");
    if (proc == NULL) {
        return;
    }
    glad_glPointParameteri = proc;
    proc(pname, param);
}
PFNGLPOINTPARAMETERIPROC glad_glPointParameteri = glad_on_demand_impl_glPointParameteri;
static void GLAD_API_PTR glad_on_demand_impl_glPointParameteriv(GLenum pname, const GLint * params) {
    PFNGLPOINTPARAMETERIVPROC proc = (PFNGLPOINTPARAMETERIVPROC) glad_gl_on_demand_loader("glPointParameteriv");
    if (proc == NULL) {
        return;
    }
    glad_glPointParameteriv = proc;
    proc(pname, params);
}
PFNGLPOINTPARAMETERIVPROC glad_glPointParameteriv = glad_on_demand_impl_glPointParameteriv;
static void GLAD_API_PTR glad_on_demand_impl_glPointSize(GLfloat size) {
    PFNGLPOINTSIZEPROC proc = (PFNGLPOINTSIZEPROC) glad_gl_on_demand_loader("glPointSize");
    if (proc == NULL) {
        return;
    }
    glad_glPointSize = proc;
    proc(size);
}
PFNGLPOINTSIZEPROC glad_glPointSize = glad_on_demand_impl_glPointSize;
static void GLAD_API_PTR glad_on_demand_impl_glPolygonMode(GLenum face, GLenum mode) {
    PFNGLPOLYGONMODEPROC proc = (PFNGLPOLYGONMODEPROC) glad_gl_on_demand_loader("glPolygonMode");
    if (proc == NULL) {
        return;
    }
    glad_glPolygonMode = proc;
    proc(face, mode);
}
PFNGLPOLYGONMODEPROC glad_glPolygonMode = glad_on_demand_impl_glPolygonMode;
static void GLAD_API_PTR glad_on_demand_impl_glPolygonOffset(GLfloat factor, GLfloat units) {
    PFNGLPOLYGONOFFSETPROC proc = (PFNGLPOLYGONOFFSETPROC) glad_gl_on_demand_loader("glPolygonOffset");
    if (proc == NULL) {
        return;
    }
    glad_glPolygonOffset = proc;
    proc(factor, units);
}
PFNGLPOLYGONOFFSETPROC glad_glPolygonOffset = glad_on_demand_impl_glPolygonOffset;
static void GLAD_API_PTR glad_on_demand_impl_glPolygonStipple(const GLubyte * mask) {
    PFNGLPOLYGONSTIPPLEPROC proc = (PFNGLPOLYGONSTIPPLEPROC) glad_gl_on_demand_loader("glPolygonStipple");
    if (proc == NULL) {
        return;
    }
    glad_glPolygonStipple = proc;
    proc(mask);
}
PFNGLPOLYGONSTIPPLEPROC glad_glPolygonStipple = glad_on_demand_impl_glPolygonStipple;
static void GLAD_API_PTR glad_on_demand_impl_glPopAttrib(void) {
    PFNGLPOPATTRIBPROC proc = (PFNGLPOPATTRIBPROC) glad_gl_on_demand_loader("glPopAttrib");
    if (proc == NULL) {
        return;
    }
    glad_glPopAttrib = proc;
    proc();
}
PFNGLPOPATTRIBPROC glad_glPopAttrib = glad_on_demand_impl_glPopAttrib;
static void GLAD_API_PTR glad_on_demand_impl_glPopClientAttrib(void) {
    PFNGLPOPCLIENTATTRIBPROC proc = (PFNGLPOPCLIENTATTRIBPROC) glad_gl_on_demand_loader("glPopClientAttrib");
    if (proc == NULL) {
        return;
    }
    glad_glPopClientAttrib = proc;
    proc();
}
PFNGLPOPCLIENTATTRIBPROC glad_glPopClientAttrib = glad_on_demand_impl_glPopClientAttrib;
static void GLAD_API_PTR glad_on_demand_impl_glPopMatrix(void) {
    PFNGLPOPMATRIXPROC proc = (PFNGLPOPMATRIXPROC) glad_gl_on_demand_loader("glPopMatrix");
    if (proc == NULL) {
        return;
    }
    glad_glPopMatrix = proc;
    proc();
}
PFNGLPOPMATRIXPROC glad_glPopMatrix = glad_on_demand_impl_glPopMatrix;
static void GLAD_API_PTR glad_on_demand_impl_glPopName(void) {
    PFNGLPOPNAMEPROC proc = (PFNGLPOPNAMEPROC) glad_gl_on_demand_loader("glPopName");
    if (proc == NULL) {
        return;
    }
    glad_glPopName = proc;
    proc();
}
PFNGLPOPNAMEPROC glad_glPopName = glad_on_demand_impl_glPopName;
static void GLAD_API_PTR glad_on_demand_impl_glPrioritizeTextures(GLsizei n, const GLuint * textures, const GLfloat * priorities) {
    PFNGLPRIORITIZETEXTURESPROC proc = (PFNGLPRIORITIZETEXTURESPROC) glad_gl_on_demand_loader("glPrioritizeTextures");
    if (proc == NULL) {
        return;
    }
    glad_glPrioritizeTextures = proc;
    proc(n, textures, priorities);
}
PFNGLPRIORITIZETEXTURESPROC glad_glPrioritizeTextures = glad_on_demand_impl_glPrioritizeTextures;
static void GLAD_API_PTR glad_on_demand_impl_glProgramParameteriEXT(GLuint program, GLenum pname, GLint value) {
    PFNGLPROGRAMPARAMETERIEXTPROC proc = (PFNGLPROGRAMPARAMETERIEXTPROC) glad_gl_on_demand_loader("glProgramParameteriEXT");
    if (proc == NULL) {
        return;
    }
    glad_glProgramParameteriEXT = proc;
    proc(program, pname, value);
}
PFNGLPROGRAMPARAMETERIEXTPROC glad_glProgramParameteriEXT = glad_on_demand_impl_glProgramParameteriEXT;
static void GLAD_API_PTR glad_on_demand_impl_glPushAttrib(GLbitfield mask) {
    PFNGLPUSHATTRIBPROC proc = (PFNGLPUSHATTRIBPROC) glad_gl_on_demand_loader("glPushAttrib");
    if (proc == NULL) {
        return;
    }
    glad_glPushAttrib = proc;
    proc(mask);
}
PFNGLPUSHATTRIBPROC glad_glPushAttrib = glad_on_demand_impl_glPushAttrib;
static void GLAD_API_PTR glad_on_demand_impl_glPushClientAttrib(GLbitfield mask) {
    PFNGLPUSHCLIENTATTRIBPROC proc = (PFNGLPUSHCLIENTATTRIBPROC) glad_gl_on_demand_loader("glPushClientAttrib");
    if (proc == NULL) {
        return;
    }
    glad_glPushClientAttrib = proc;
    proc(mask);
}
PFNGLPUSHCLIENTATTRIBPROC glad_glPushClientAttrib = glad_on_demand_impl_glPushClientAttrib;
static void GLAD_API_PTR glad_on_demand_impl_glPushMatrix(void) {
    PFNGLPUSHMATRIXPROC proc = (PFNGLPUSHMATRIXPROC) glad_gl_on_demand_loader("glPushMatrix");
    if (proc == NULL) {
        return;
    }
    glad_glPushMatrix = proc;
    proc();
}
PFNGLPUSHMATRIXPROC glad_glPushMatrix = glad_on_demand_impl_glPushMatrix;
static void GLAD_API_PTR glad_on_demand_impl_glPushName(GLuint name) {
    PFNGLPUSHNAMEPROC proc = (PFNGLPUSHNAMEPROC) glad_gl_on_demand_loader("glPushName");
    if (proc == NULL) {
        return;
    }
    glad_glPushName = proc;
    proc(name);
}
PFNGLPUSHNAMEPROC glad_glPushName = glad_on_demand_impl_glPushName;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos2d(GLdouble x, GLdouble y) {
    PFNGLRASTERPOS2DPROC proc = (PFNGLRASTERPOS2DPROC) glad_gl_on_demand_loader("glRasterPos2d");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos2d = proc;
    proc(x, y);
}
PFNGLRASTERPOS2DPROC glad_glRasterPos2d = glad_on_demand_impl_glRasterPos2d;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos2dv(const GLdouble * v) {
    PFNGLRASTERPOS2DVPROC proc = (PFNGLRASTERPOS2DVPROC) glad_gl_on_demand_loader("glRasterPos2dv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos2dv = proc;
    proc(v);
}
PFNGLRASTERPOS2DVPROC glad_glRasterPos2dv = glad_on_demand_impl_glRasterPos2dv;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos2f(GLfloat x, GLfloat y) {
    PFNGLRASTERPOS2FPROC proc = (PFNGLRASTERPOS2FPROC) glad_gl_on_demand_loader("glRasterPos2f");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos2f = proc;
    proc(x, y);
}
PFNGLRASTERPOS2FPROC glad_glRasterPos2f = glad_on_demand_impl_glRasterPos2f;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos2fv(const GLfloat * v) {
    PFNGLRASTERPOS2FVPROC proc = (PFNGLRASTERPOS2FVPROC) glad_gl_on_demand_loader("glRasterPos2fv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos2fv = proc;
    proc(v);
}
PFNGLRASTERPOS2FVPROC glad_glRasterPos2fv = glad_on_demand_impl_glRasterPos2fv;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos2i(GLint x, GLint y) {
    PFNGLRASTERPOS2IPROC proc = (PFNGLRASTERPOS2IPROC) glad_gl_on_demand_loader("glRasterPos2i");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos2i = proc;
    proc(x, y);
}
PFNGLRASTERPOS2IPROC glad_glRasterPos2i = glad_on_demand_impl_glRasterPos2i;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos2iv(const GLint * v) {
    PFNGLRASTERPOS2IVPROC proc = (PFNGLRASTERPOS2IVPROC) glad_gl_on_demand_loader("glRasterPos2iv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos2iv = proc;
    proc(v);
}
PFNGLRASTERPOS2IVPROC glad_glRasterPos2iv = glad_on_demand_impl_glRasterPos2iv;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos2s(GLshort x, GLshort y) {
    PFNGLRASTERPOS2SPROC proc = (PFNGLRASTERPOS2SPROC) glad_gl_on_demand_loader("glRasterPos2s");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos2s = proc;
    proc(x, y);
}
PFNGLRASTERPOS2SPROC glad_glRasterPos2s = glad_on_demand_impl_glRasterPos2s;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos2sv(const GLshort * v) {
    PFNGLRASTERPOS2SVPROC proc = (PFNGLRASTERPOS2SVPROC) glad_gl_on_demand_loader("glRasterPos2sv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos2sv = proc;
    proc(v);
}
PFNGLRASTERPOS2SVPROC glad_glRasterPos2sv = glad_on_demand_impl_glRasterPos2sv;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos3d(GLdouble x, GLdouble y, GLdouble z) {
    PFNGLRASTERPOS3DPROC proc = (PFNGLRASTERPOS3DPROC) glad_gl_on_demand_loader("glRasterPos3d");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos3d = proc;
    proc(x, y, z);
}
PFNGLRASTERPOS3DPROC glad_glRasterPos3d = glad_on_demand_impl_glRasterPos3d;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos3dv(const GLdouble * v) {
    PFNGLRASTERPOS3DVPROC proc = (PFNGLRASTERPOS3DVPROC) glad_gl_on_demand_loader("glRasterPos3dv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos3dv = proc;
    proc(v);
}
PFNGLRASTERPOS3DVPROC glad_glRasterPos3dv = glad_on_demand_impl_glRasterPos3dv;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos3f(GLfloat x, GLfloat y, GLfloat z) {
    PFNGLRASTERPOS3FPROC proc = (PFNGLRASTERPOS3FPROC) glad_gl_on_demand_loader("glRasterPos3f");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos3f = proc;
    proc(x, y, z);
}
PFNGLRASTERPOS3FPROC glad_glRasterPos3f = glad_on_demand_impl_glRasterPos3f;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos3fv(const GLfloat * v) {
    PFNGLRASTERPOS3FVPROC proc = (PFNGLRASTERPOS3FVPROC) glad_gl_on_demand_loader("glRasterPos3fv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos3fv = proc;
    proc(v);
}
PFNGLRASTERPOS3FVPROC glad_glRasterPos3fv = glad_on_demand_impl_glRasterPos3fv;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos3i(GLint x, GLint y, GLint z) {
    PFNGLRASTERPOS3IPROC proc = (PFNGLRASTERPOS3IPROC) glad_gl_on_demand_loader("glRasterPos3i");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos3i = proc;
    proc(x, y, z);
}
PFNGLRASTERPOS3IPROC glad_glRasterPos3i = glad_on_demand_impl_glRasterPos3i;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos3iv(const GLint * v) {
    PFNGLRASTERPOS3IVPROC proc = (PFNGLRASTERPOS3IVPROC) glad_gl_on_demand_loader("glRasterPos3iv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos3iv = proc;
    proc(v);
}
PFNGLRASTERPOS3IVPROC glad_glRasterPos3iv = glad_on_demand_impl_glRasterPos3iv;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos3s(GLshort x, GLshort y, GLshort z) {
    PFNGLRASTERPOS3SPROC proc = (PFNGLRASTERPOS3SPROC) glad_gl_on_demand_loader("glRasterPos3s");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos3s = proc;
    proc(x, y, z);
}
PFNGLRASTERPOS3SPROC glad_glRasterPos3s = glad_on_demand_impl_glRasterPos3s;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos3sv(const GLshort * v) {
    PFNGLRASTERPOS3SVPROC proc = (PFNGLRASTERPOS3SVPROC) glad_gl_on_demand_loader("glRasterPos3sv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos3sv = proc;
    proc(v);
}
PFNGLRASTERPOS3SVPROC glad_glRasterPos3sv = glad_on_demand_impl_glRasterPos3sv;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos4d(GLdouble x, GLdouble y, GLdouble z, GLdouble w) {
    PFNGLRASTERPOS4DPROC proc = (PFNGLRASTERPOS4DPROC) glad_gl_on_demand_loader("glRasterPos4d");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos4d = proc;
    proc(x, y, z, w);
}
PFNGLRASTERPOS4DPROC glad_glRasterPos4d = glad_on_demand_impl_glRasterPos4d;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos4dv(const GLdouble * v) {
    PFNGLRASTERPOS4DVPROC proc = (PFNGLRASTERPOS4DVPROC) glad_gl_on_demand_loader("glRasterPos4dv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos4dv = proc;
    proc(v);
}
PFNGLRASTERPOS4DVPROC glad_glRasterPos4dv = glad_on_demand_impl_glRasterPos4dv;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos4f(GLfloat x, GLfloat y, GLfloat z, GLfloat w) {
    PFNGLRASTERPOS4FPROC proc = (PFNGLRASTERPOS4FPROC) glad_gl_on_demand_loader("glRasterPos4f");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos4f = proc;
    proc(x, y, z, w);
}
PFNGLRASTERPOS4FPROC glad_glRasterPos4f = glad_on_demand_impl_glRasterPos4f;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos4fv(const GLfloat * v) {
    PFNGLRASTERPOS4FVPROC proc = (PFNGLRASTERPOS4FVPROC) glad_gl_on_demand_loader("glRasterPos4fv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos4fv = proc;
    proc(v);
}
PFNGLRASTERPOS4FVPROC glad_glRasterPos4fv = glad_on_demand_impl_glRasterPos4fv;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos4i(GLint x, GLint y, GLint z, GLint w) {
    PFNGLRASTERPOS4IPROC proc = (PFNGLRASTERPOS4IPROC) glad_gl_on_demand_loader("glRasterPos4i");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos4i = proc;
    proc(x, y, z, w);
}
PFNGLRASTERPOS4IPROC glad_glRasterPos4i = glad_on_demand_impl_glRasterPos4i;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos4iv(const GLint * v) {
    PFNGLRASTERPOS4IVPROC proc = (PFNGLRASTERPOS4IVPROC) glad_gl_on_demand_loader("glRasterPos4iv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos4iv = proc;
    proc(v);
}
PFNGLRASTERPOS4IVPROC glad_glRasterPos4iv = glad_on_demand_impl_glRasterPos4iv;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos4s(GLshort x, GLshort y, GLshort z, GLshort w) {
    PFNGLRASTERPOS4SPROC proc = (PFNGLRASTERPOS4SPROC) glad_gl_on_demand_loader("glRasterPos4s");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos4s = proc;
    proc(x, y, z, w);
}
PFNGLRASTERPOS4SPROC glad_glRasterPos4s = glad_on_demand_impl_glRasterPos4s;
static void GLAD_API_PTR glad_on_demand_impl_glRasterPos4sv(const GLshort * v) {
    PFNGLRASTERPOS4SVPROC proc = (PFNGLRASTERPOS4SVPROC) glad_gl_on_demand_loader("glRasterPos4sv");
    if (proc == NULL) {
        return;
    }
    glad_glRasterPos4sv = proc;
    proc(v);
}
PFNGLRASTERPOS4SVPROC glad_glRasterPos4sv = glad_on_demand_impl_glRasterPos4sv;
static void GLAD_API_PTR glad_on_demand_impl_glReadBuffer(GLenum src) {
    PFNGLREADBUFFERPROC proc = (PFNGLREADBUFFERPROC) glad_gl_on_demand_loader("glReadBuffer");
    if (proc == NULL) {
        return;
    }
    glad_glReadBuffer = proc;
    proc(src);
}
PFNGLREADBUFFERPROC glad_glReadBuffer = glad_on_demand_impl_glReadBuffer;
static void GLAD_API_PTR glad_on_demand_impl_glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, void * pixels) {
    PFNGLREADPIXELSPROC proc = (PFNGLREADPIXELSPROC) glad_gl_on_demand_loader("glReadPixels");
    if (proc == NULL) {
        return;
    }
    glad_glReadPixels = proc;
    proc(x, y, width, height, format, type, pixels);
}
PFNGLREADPIXELSPROC glad_glReadPixels = glad_on_demand_impl_glReadPixels;
static void GLAD_API_PTR glad_on_demand_impl_glRectd(GLdouble x1, GLdouble y1, GLdouble x2, GLdouble y2) {
    PFNGLRECTDPROC proc = (PFNGLRECTDPROC) glad_gl_on_demand_loader("glRectd");
    if (proc == NULL) {
        return;
    }
    glad_glRectd = proc;
    proc(x1, y1, x2, y2);
}
PFNGLRECTDPROC glad_glRectd = glad_on_demand_impl_glRectd;
static void GLAD_API_PTR glad_on_demand_impl_glRectdv(const GLdouble * v1, const GLdouble * v2) {
    PFNGLRECTDVPROC proc = (PFNGLRECTDVPROC) glad_gl_on_demand_loader("glRectdv");
    if (proc == NULL) {
        return;
    }
    glad_glRectdv = proc;
    proc(v1, v2);
}
PFNGLRECTDVPROC glad_glRectdv = glad_on_demand_impl_glRectdv;
static void GLAD_API_PTR glad_on_demand_impl_glRectf(GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2) {
    PFNGLRECTFPROC proc = (PFNGLRECTFPROC) glad_gl_on_demand_loader("glRectf");
    if (proc == NULL) {
        return;
    }
    glad_glRectf = proc;
    proc(x1, y1, x2, y2);
}
PFNGLRECTFPROC glad_glRectf = glad_on_demand_impl_glRectf;
static void GLAD_API_PTR glad_on_demand_impl_glRectfv(const GLfloat * v1, const GLfloat * v2) {
    PFNGLRECTFVPROC proc = (PFNGLRECTFVPROC) glad_gl_on_demand_loader("glRectfv");
    if (proc == NULL) {
        return;
    }
    glad_glRectfv = proc;
    proc(v1, v2);
}
PFNGLRECTFVPROC glad_glRectfv = glad_on_demand_impl_glRectfv;
static void GLAD_API_PTR glad_on_demand_impl_glRecti(GLint x1, GLint y1, GLint x2, GLint y2) {
    PFNGLRECTIPROC proc = (PFNGLRECTIPROC) glad_gl_on_demand_loader("glRecti");
    if (proc == NULL) {
        return;
    }
    glad_glRecti = proc;
    proc(x1, y1, x2, y2);
}
PFNGLRECTIPROC glad_glRecti = glad_on_demand_impl_glRecti;
static void GLAD_API_PTR glad_on_demand_impl_glRectiv(const GLint * v1, const GLint * v2) {
    PFNGLRECTIVPROC proc = (PFNGLRECTIVPROC) glad_gl_on_demand_loader("glRectiv");
    if (proc == NULL) {
        return;
    }
    glad_glRectiv = proc;
    proc(v1, v2);
}
PFNGLRECTIVPROC glad_glRectiv = glad_on_demand_impl_glRectiv;
static void GLAD_API_PTR glad_on_demand_impl_glRects(GLshort x1, GLshort y1, GLshort x2, GLshort y2) {
    PFNGLRECTSPROC proc = (PFNGLRECTSPROC) glad_gl_on_demand_loader("glRects");
    if (proc == NULL) {
        return;
    }
    glad_glRects = proc;
    proc(x1, y1, x2, y2);
}
PFNGLRECTSPROC glad_glRects = glad_on_demand_impl_glRects;
static void GLAD_API_PTR glad_on_demand_impl_glRectsv(const GLshort * v1, const GLshort * v2) {
    PFNGLRECTSVPROC proc = (PFNGLRECTSVPROC) glad_gl_on_demand_loader("glRectsv");
    if (proc == NULL) {
        return;
    }
    glad_glRectsv = proc;
    proc(v1, v2);
}
PFNGLRECTSVPROC glad_glRectsv = glad_on_demand_impl_glRectsv;
static GLint GLAD_API_PTR glad_on_demand_impl_glRenderMode(GLenum mode) {
    PFNGLRENDERMODEPROC proc = (PFNGLRENDERMODEPROC) glad_gl_on_demand_loader("glRenderMode");
    if (proc == NULL) {
        return (GLint) 0;
    }
    glad_glRenderMode = proc;
    return proc(mode);
}
PFNGLRENDERMODEPROC glad_glRenderMode = glad_on_demand_impl_glRenderMode;
static void GLAD_API_PTR glad_on_demand_impl_glRenderbufferStorageEXT(GLenum target, GLenum internalformat, GLsizei width, GLsizei height) {
    PFNGLRENDERBUFFERSTORAGEEXTPROC proc = (PFNGLRENDERBUFFERSTORAGEEXTPROC) glad_gl_on_demand_loader("glRenderbufferStorageEXT");
    if (proc == NULL) {
        return;
    }
    glad_glRenderbufferStorageEXT = proc;
    proc(target, internalformat, width, height);
}
PFNGLRENDERBUFFERSTORAGEEXTPROC glad_glRenderbufferStorageEXT = glad_on_demand_impl_glRenderbufferStorageEXT;
static void GLAD_API_PTR glad_on_demand_impl_glRenderbufferStorageMultisampleCoverageNV(GLenum target, GLsizei coverageSamples, GLsizei colorSamples, GLenum internalformat, GLsizei width, GLsizei height) {
    PFNGLRENDERBUFFERSTORAGEMULTISAMPLECOVERAGENVPROC proc = (PFNGLRENDERBUFFERSTORAGEMULTISAMPLECOVERAGENVPROC) glad_gl_on_demand_loader("glRenderbufferStorageMultisampleCoverageNV");
    if (proc == NULL) {
        return;
    }
    glad_glRenderbufferStorageMultisampleCoverageNV = proc;
    proc(target, coverageSamples, colorSamples, internalformat, width, height);
}
PFNGLRENDERBUFFERSTORAGEMULTISAMPLECOVERAGENVPROC glad_glRenderbufferStorageMultisampleCoverageNV = glad_on_demand_impl_glRenderbufferStorageMultisampleCoverageNV;
static void GLAD_API_PTR glad_on_demand_impl_glRenderbufferStorageMultisampleEXT(GLenum target, GLsizei samples, GLenum internalformat, GLsizei width, GLsizei height) {
    PFNGLRENDERBUFFERSTORAGEMULTISAMPLEEXTPROC proc = (PFNGLRENDERBUFFERSTORAGEMULTISAMPLEEXTPROC) glad_gl_on_demand_loader("glRenderbufferStorageMultisampleEXT");
    if (proc == NULL) {
        return;
    }
    glad_glRenderbufferStorageMultisampleEXT = proc;
    proc(target, samples, internalformat, width, height);
}
PFNGLRENDERBUFFERSTORAGEMULTISAMPLEEXTPROC glad_glRenderbufferStorageMultisampleEXT = glad_on_demand_impl_glRenderbufferStorageMultisampleEXT;
static void GLAD_API_PTR glad_on_demand_impl_glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
    PFNGLROTATEDPROC proc = (PFNGLROTATEDPROC) glad_gl_on_demand_loader("glRotated");
    if (proc == NULL) {
        return;
    }
    glad_glRotated = proc;
    proc(angle, x, y, z);
}
PFNGLROTATEDPROC glad_glRotated = glad_on_demand_impl_glRotated;
static void GLAD_API_PTR glad_on_demand_impl_glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    PFNGLROTATEFPROC proc = (PFNGLROTATEFPROC) glad_gl_on_demand_loader("glRotatef");
    if (proc == NULL) {
        return;
    }
    glad_glRotatef = proc;
    proc(angle, x, y, z);
}
PFNGLROTATEFPROC glad_glRotatef = glad_on_demand_impl_glRotatef;
static void GLAD_API_PTR glad_on_demand_impl_glSampleCoverage(GLfloat value, GLboolean invert) {
    PFNGLSAMPLECOVERAGEPROC proc = (PFNGLSAMPLECOVERAGEPROC) glad_gl_on_demand_loader("glSampleCoverage");
    if (proc == NULL) {
        return;
    }
    glad_glSampleCoverage = proc;
    proc(value, invert);
}
PFNGLSAMPLECOVERAGEPROC glad_glSampleCoverage = glad_on_demand_impl_glSampleCoverage;
static void GLAD_API_PTR glad_on_demand_impl_glScaled(GLdouble x, GLdouble y, GLdouble z) {
    PFNGLSCALEDPROC proc = (PFNGLSCALEDPROC) glad_gl_on_demand_loader("glScaled");
    if (proc == NULL) {
        return;
    }
    glad_glScaled = proc;
    proc(x, y, z);
}
PFNGLSCALEDPROC glad_glScaled = glad_on_demand_impl_glScaled;
static void GLAD_API_PTR glad_on_demand_impl_glScalef(GLfloat x, GLfloat y, GLfloat z) {
    PFNGLSCALEFPROC proc = (PFNGLSCALEFPROC) glad_gl_on_demand_loader("glScalef");
    if (proc == NULL) {
        return;
    }
    glad_glScalef = proc;
    proc(x, y, z);
}
PFNGLSCALEFPROC glad_glScalef = glad_on_demand_impl_glScalef;
static void GLAD_API_PTR glad_on_demand_impl_glScissor(GLint x, GLint y, GLsizei width, GLsizei height) {
    PFNGLSCISSORPROC proc = (PFNGLSCISSORPROC) glad_gl_on_demand_loader("glScissor");
    if (proc == NULL) {
        return;
    }
    glad_glScissor = proc;
    proc(x, y, width, height);
}
PFNGLSCISSORPROC glad_glScissor = glad_on_demand_impl_glScissor;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3b(GLbyte red, GLbyte green, GLbyte blue) {
    PFNGLSECONDARYCOLOR3BPROC proc = (PFNGLSECONDARYCOLOR3BPROC) glad_gl_on_demand_loader("glSecondaryColor3b");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3b = proc;
    proc(red, green, blue);
}
PFNGLSECONDARYCOLOR3BPROC glad_glSecondaryColor3b = glad_on_demand_impl_glSecondaryColor3b;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3bv(const GLbyte * v) {
    PFNGLSECONDARYCOLOR3BVPROC proc = (PFNGLSECONDARYCOLOR3BVPROC) glad_gl_on_demand_loader("glSecondaryColor3bv");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3bv = proc;
    proc(v);
}
PFNGLSECONDARYCOLOR3BVPROC glad_glSecondaryColor3bv = glad_on_demand_impl_glSecondaryColor3bv;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3d(GLdouble red, GLdouble green, GLdouble blue) {
    PFNGLSECONDARYCOLOR3DPROC proc = (PFNGLSECONDARYCOLOR3DPROC) glad_gl_on_demand_loader("glSecondaryColor3d");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3d = proc;
    proc(red, green, blue);
}
PFNGLSECONDARYCOLOR3DPROC glad_glSecondaryColor3d = glad_on_demand_impl_glSecondaryColor3d;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3dv(const GLdouble * v) {
    PFNGLSECONDARYCOLOR3DVPROC proc = (PFNGLSECONDARYCOLOR3DVPROC) glad_gl_on_demand_loader("glSecondaryColor3dv");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3dv = proc;
    proc(v);
}
PFNGLSECONDARYCOLOR3DVPROC glad_glSecondaryColor3dv = glad_on_demand_impl_glSecondaryColor3dv;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3f(GLfloat red, GLfloat green, GLfloat blue) {
    PFNGLSECONDARYCOLOR3FPROC proc = (PFNGLSECONDARYCOLOR3FPROC) glad_gl_on_demand_loader("glSecondaryColor3f");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3f = proc;
    proc(red, green, blue);
}
PFNGLSECONDARYCOLOR3FPROC glad_glSecondaryColor3f = glad_on_demand_impl_glSecondaryColor3f;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3fv(const GLfloat * v) {
    PFNGLSECONDARYCOLOR3FVPROC proc = (PFNGLSECONDARYCOLOR3FVPROC) glad_gl_on_demand_loader("glSecondaryColor3fv");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3fv = proc;
    proc(v);
}
PFNGLSECONDARYCOLOR3FVPROC glad_glSecondaryColor3fv = glad_on_demand_impl_glSecondaryColor3fv;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3i(GLint red, GLint green, GLint blue) {
    PFNGLSECONDARYCOLOR3IPROC proc = (PFNGLSECONDARYCOLOR3IPROC) glad_gl_on_demand_loader("glSecondaryColor3i");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3i = proc;
    proc(red, green, blue);
}
PFNGLSECONDARYCOLOR3IPROC glad_glSecondaryColor3i = glad_on_demand_impl_glSecondaryColor3i;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3iv(const GLint * v) {
    PFNGLSECONDARYCOLOR3IVPROC proc = (PFNGLSECONDARYCOLOR3IVPROC) glad_gl_on_demand_loader("glSecondaryColor3iv");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3iv = proc;
    proc(v);
}
PFNGLSECONDARYCOLOR3IVPROC glad_glSecondaryColor3iv = glad_on_demand_impl_glSecondaryColor3iv;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3s(GLshort red, GLshort green, GLshort blue) {
    PFNGLSECONDARYCOLOR3SPROC proc = (PFNGLSECONDARYCOLOR3SPROC) glad_gl_on_demand_loader("glSecondaryColor3s");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3s = proc;
    proc(red, green, blue);
}
PFNGLSECONDARYCOLOR3SPROC glad_glSecondaryColor3s = glad_on_demand_impl_glSecondaryColor3s;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3sv(const GLshort * v) {
    PFNGLSECONDARYCOLOR3SVPROC proc = (PFNGLSECONDARYCOLOR3SVPROC) glad_gl_on_demand_loader("glSecondaryColor3sv");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3sv = proc;
    proc(v);
}
PFNGLSECONDARYCOLOR3SVPROC glad_glSecondaryColor3sv = glad_on_demand_impl_glSecondaryColor3sv;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3ub(GLubyte red, GLubyte green, GLubyte blue) {
    PFNGLSECONDARYCOLOR3UBPROC proc = (PFNGLSECONDARYCOLOR3UBPROC) glad_gl_on_demand_loader("glSecondaryColor3ub");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3ub = proc;
    proc(red, green, blue);
}
PFNGLSECONDARYCOLOR3UBPROC glad_glSecondaryColor3ub = glad_on_demand_impl_glSecondaryColor3ub;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3ubv(const GLubyte * v) {
    PFNGLSECONDARYCOLOR3UBVPROC proc = (PFNGLSECONDARYCOLOR3UBVPROC) glad_gl_on_demand_loader("glSecondaryColor3ubv");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3ubv = proc;
    proc(v);
}
PFNGLSECONDARYCOLOR3UBVPROC glad_glSecondaryColor3ubv = glad_on_demand_impl_glSecondaryColor3ubv;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3ui(GLuint red, GLuint green, GLuint blue) {
    PFNGLSECONDARYCOLOR3UIPROC proc = (PFNGLSECONDARYCOLOR3UIPROC) glad_gl_on_demand_loader("glSecondaryColor3ui");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3ui = proc;
    proc(red, green, blue);
}
PFNGLSECONDARYCOLOR3UIPROC glad_glSecondaryColor3ui = glad_on_demand_impl_glSecondaryColor3ui;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3uiv(const GLuint * v) {
    PFNGLSECONDARYCOLOR3UIVPROC proc = (PFNGLSECONDARYCOLOR3UIVPROC) glad_gl_on_demand_loader("glSecondaryColor3uiv");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3uiv = proc;
    proc(v);
}
PFNGLSECONDARYCOLOR3UIVPROC glad_glSecondaryColor3uiv = glad_on_demand_impl_glSecondaryColor3uiv;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3us(GLushort red, GLushort green, GLushort blue) {
    PFNGLSECONDARYCOLOR3USPROC proc = (PFNGLSECONDARYCOLOR3USPROC) glad_gl_on_demand_loader("glSecondaryColor3us");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3us = proc;
    proc(red, green, blue);
}
PFNGLSECONDARYCOLOR3USPROC glad_glSecondaryColor3us = glad_on_demand_impl_glSecondaryColor3us;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColor3usv(const GLushort * v) {
    PFNGLSECONDARYCOLOR3USVPROC proc = (PFNGLSECONDARYCOLOR3USVPROC) glad_gl_on_demand_loader("glSecondaryColor3usv");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColor3usv = proc;
    proc(v);
}
PFNGLSECONDARYCOLOR3USVPROC glad_glSecondaryColor3usv = glad_on_demand_impl_glSecondaryColor3usv;
static void GLAD_API_PTR glad_on_demand_impl_glSecondaryColorPointer(GLint size, GLenum type, GLsizei stride, const void * pointer) {
    PFNGLSECONDARYCOLORPOINTERPROC proc = (PFNGLSECONDARYCOLORPOINTERPROC) glad_gl_on_demand_loader("glSecondaryColorPointer");
    if (proc == NULL) {
        return;
    }
    glad_glSecondaryColorPointer = proc;
    proc(size, type, stride, pointer);
}
PFNGLSECONDARYCOLORPOINTERPROC glad_glSecondaryColorPointer = glad_on_demand_impl_glSecondaryColorPointer;
static void GLAD_API_PTR glad_on_demand_impl_glSelectBuffer(GLsizei size, GLuint * buffer) {
    PFNGLSELECTBUFFERPROC proc = (PFNGLSELECTBUFFERPROC) glad_gl_on_demand_loader("glSelectBuffer");
    if (proc == NULL) {
        return;
    }
    glad_glSelectBuffer = proc;
    proc(size, buffer);
}
PFNGLSELECTBUFFERPROC glad_glSelectBuffer = glad_on_demand_impl_glSelectBuffer;
static void GLAD_API_PTR glad_on_demand_impl_glShadeModel(GLenum mode) {
    PFNGLSHADEMODELPROC proc = (PFNGLSHADEMODELPROC) glad_gl_on_demand_loader("glShadeModel");
    if (proc == NULL) {
        return;
    }
    glad_glShadeModel = proc;
    proc(mode);
}
PFNGLSHADEMODELPROC glad_glShadeModel = glad_on_demand_impl_glShadeModel;
static void GLAD_API_PTR glad_on_demand_impl_glShaderSource(GLuint shader, GLsizei count, const GLchar *const* string, const GLint * length) {
    PFNGLSHADERSOURCEPROC proc = (PFNGLSHADERSOURCEPROC) glad_gl_on_demand_loader("glShaderSource");
    if (proc == NULL) {
        return;
    }
    glad_glShaderSource = proc;
    proc(shader, count, string, length);
}
PFNGLSHADERSOURCEPROC glad_glShaderSource = glad_on_demand_impl_glShaderSource;
static void GLAD_API_PTR glad_on_demand_impl_glStencilFunc(GLenum func, GLint ref, GLuint mask) {
    PFNGLSTENCILFUNCPROC proc = (PFNGLSTENCILFUNCPROC) glad_gl_on_demand_loader("glStencilFunc");
    if (proc == NULL) {
        return;
    }
    glad_glStencilFunc = proc;
    proc(func, ref, mask);
}
PFNGLSTENCILFUNCPROC glad_glStencilFunc = glad_on_demand_impl_glStencilFunc;
static void GLAD_API_PTR glad_on_demand_impl_glStencilFuncSeparate(GLenum face, GLenum func, GLint ref, GLuint mask) {
    PFNGLSTENCILFUNCSEPARATEPROC proc = (PFNGLSTENCILFUNCSEPARATEPROC) glad_gl_on_demand_loader("glStencilFuncSeparate");
    if (proc == NULL) {
        return;
    }
    glad_glStencilFuncSeparate = proc;
    proc(face, func, ref, mask);
}
PFNGLSTENCILFUNCSEPARATEPROC glad_glStencilFuncSeparate = glad_on_demand_impl_glStencilFuncSeparate;
static void GLAD_API_PTR glad_on_demand_impl_glStencilMask(GLuint mask) {
    PFNGLSTENCILMASKPROC proc = (PFNGLSTENCILMASKPROC) glad_gl_on_demand_loader("glStencilMask");
    if (proc == NULL) {
        return;
    }
    glad_glStencilMask = proc;
    proc(mask);
}
PFNGLSTENCILMASKPROC glad_glStencilMask = glad_on_demand_impl_glStencilMask;
static void GLAD_API_PTR glad_on_demand_impl_glStencilMaskSeparate(GLenum face, GLuint mask) {
    PFNGLSTENCILMASKSEPARATEPROC proc = (PFNGLSTENCILMASKSEPARATEPROC) glad_gl_on_demand_loader("glStencilMaskSeparate");
    if (proc == NULL) {
        return;
    }
    glad_glStencilMaskSeparate = proc;
    proc(face, mask);
}
PFNGLSTENCILMASKSEPARATEPROC glad_glStencilMaskSeparate = glad_on_demand_impl_glStencilMaskSeparate;
static void GLAD_API_PTR glad_on_demand_impl_glStencilOp(GLenum fail, GLenum zfail, GLenum zpass) {
    PFNGLSTENCILOPPROC proc = (PFNGLSTENCILOPPROC) glad_gl_on_demand_loader("glStencilOp");
    if (proc == NULL) {
        return;
    }
    glad_glStencilOp = proc;
    proc(fail, zfail, zpass);
}
PFNGLSTENCILOPPROC glad_glStencilOp = glad_on_demand_impl_glStencilOp;
static void GLAD_API_PTR glad_on_demand_impl_glStencilOpSeparate(GLenum face, GLenum sfail, GLenum dpfail, GLenum dppass) {
    PFNGLSTENCILOPSEPARATEPROC proc = (PFNGLSTENCILOPSEPARATEPROC) glad_gl_on_demand_loader("glStencilOpSeparate");
    if (proc == NULL) {
        return;
    }
    glad_glStencilOpSeparate = proc;
    proc(face, sfail, dpfail, dppass);
}
PFNGLSTENCILOPSEPARATEPROC glad_glStencilOpSeparate = glad_on_demand_impl_glStencilOpSeparate;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord1d(GLdouble s) {
    PFNGLTEXCOORD1DPROC proc = (PFNGLTEXCOORD1DPROC) glad_gl_on_demand_loader("glTexCoord1d");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord1d = proc;
    proc(s);
}
PFNGLTEXCOORD1DPROC glad_glTexCoord1d = glad_on_demand_impl_glTexCoord1d;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord1dv(const GLdouble * v) {
    PFNGLTEXCOORD1DVPROC proc = (PFNGLTEXCOORD1DVPROC) glad_gl_on_demand_loader("glTexCoord1dv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord1dv = proc;
    proc(v);
}
PFNGLTEXCOORD1DVPROC glad_glTexCoord1dv = glad_on_demand_impl_glTexCoord1dv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord1f(GLfloat s) {
    PFNGLTEXCOORD1FPROC proc = (PFNGLTEXCOORD1FPROC) glad_gl_on_demand_loader("glTexCoord1f");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord1f = proc;
    proc(s);
}
PFNGLTEXCOORD1FPROC glad_glTexCoord1f = glad_on_demand_impl_glTexCoord1f;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord1fv(const GLfloat * v) {
    PFNGLTEXCOORD1FVPROC proc = (PFNGLTEXCOORD1FVPROC) glad_gl_on_demand_loader("glTexCoord1fv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord1fv = proc;
    proc(v);
}
PFNGLTEXCOORD1FVPROC glad_glTexCoord1fv = glad_on_demand_impl_glTexCoord1fv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord1i(GLint s) {
    PFNGLTEXCOORD1IPROC proc = (PFNGLTEXCOORD1IPROC) glad_gl_on_demand_loader("glTexCoord1i");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord1i = proc;
    proc(s);
}
PFNGLTEXCOORD1IPROC glad_glTexCoord1i = glad_on_demand_impl_glTexCoord1i;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord1iv(const GLint * v) {
    PFNGLTEXCOORD1IVPROC proc = (PFNGLTEXCOORD1IVPROC) glad_gl_on_demand_loader("glTexCoord1iv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord1iv = proc;
    proc(v);
}
PFNGLTEXCOORD1IVPROC glad_glTexCoord1iv = glad_on_demand_impl_glTexCoord1iv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord1s(GLshort s) {
    PFNGLTEXCOORD1SPROC proc = (PFNGLTEXCOORD1SPROC) glad_gl_on_demand_loader("glTexCoord1s");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord1s = proc;
    proc(s);
}
PFNGLTEXCOORD1SPROC glad_glTexCoord1s = glad_on_demand_impl_glTexCoord1s;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord1sv(const GLshort * v) {
    PFNGLTEXCOORD1SVPROC proc = (PFNGLTEXCOORD1SVPROC) glad_gl_on_demand_loader("glTexCoord1sv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord1sv = proc;
    proc(v);
}
PFNGLTEXCOORD1SVPROC glad_glTexCoord1sv = glad_on_demand_impl_glTexCoord1sv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord2d(GLdouble s, GLdouble t) {
    PFNGLTEXCOORD2DPROC proc = (PFNGLTEXCOORD2DPROC) glad_gl_on_demand_loader("glTexCoord2d");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord2d = proc;
    proc(s, t);
}
PFNGLTEXCOORD2DPROC glad_glTexCoord2d = glad_on_demand_impl_glTexCoord2d;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord2dv(const GLdouble * v) {
    PFNGLTEXCOORD2DVPROC proc = (PFNGLTEXCOORD2DVPROC) glad_gl_on_demand_loader("glTexCoord2dv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord2dv = proc;
    proc(v);
}
PFNGLTEXCOORD2DVPROC glad_glTexCoord2dv = glad_on_demand_impl_glTexCoord2dv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord2f(GLfloat s, GLfloat t) {
    PFNGLTEXCOORD2FPROC proc = (PFNGLTEXCOORD2FPROC) glad_gl_on_demand_loader("glTexCoord2f");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord2f = proc;
    proc(s, t);
}
PFNGLTEXCOORD2FPROC glad_glTexCoord2f = glad_on_demand_impl_glTexCoord2f;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord2fv(const GLfloat * v) {
    PFNGLTEXCOORD2FVPROC proc = (PFNGLTEXCOORD2FVPROC) glad_gl_on_demand_loader("glTexCoord2fv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord2fv = proc;
    proc(v);
}
PFNGLTEXCOORD2FVPROC glad_glTexCoord2fv = glad_on_demand_impl_glTexCoord2fv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord2i(GLint s, GLint t) {
    PFNGLTEXCOORD2IPROC proc = (PFNGLTEXCOORD2IPROC) glad_gl_on_demand_loader("glTexCoord2i");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord2i = proc;
    proc(s, t);
}
PFNGLTEXCOORD2IPROC glad_glTexCoord2i = glad_on_demand_impl_glTexCoord2i;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord2iv(const GLint * v) {
    PFNGLTEXCOORD2IVPROC proc = (PFNGLTEXCOORD2IVPROC) glad_gl_on_demand_loader("glTexCoord2iv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord2iv = proc;
    proc(v);
}
PFNGLTEXCOORD2IVPROC glad_glTexCoord2iv = glad_on_demand_impl_glTexCoord2iv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord2s(GLshort s, GLshort t) {
    PFNGLTEXCOORD2SPROC proc = (PFNGLTEXCOORD2SPROC) glad_gl_on_demand_loader("glTexCoord2s");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord2s = proc;
    proc(s, t);
}
PFNGLTEXCOORD2SPROC glad_glTexCoord2s = glad_on_demand_impl_glTexCoord2s;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord2sv(const GLshort * v) {
    PFNGLTEXCOORD2SVPROC proc = (PFNGLTEXCOORD2SVPROC) glad_gl_on_demand_loader("glTexCoord2sv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord2sv = proc;
    proc(v);
}
PFNGLTEXCOORD2SVPROC glad_glTexCoord2sv = glad_on_demand_impl_glTexCoord2sv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord3d(GLdouble s, GLdouble t, GLdouble r) {
    PFNGLTEXCOORD3DPROC proc = (PFNGLTEXCOORD3DPROC) glad_gl_on_demand_loader("glTexCoord3d");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord3d = proc;
    proc(s, t, r);
}
PFNGLTEXCOORD3DPROC glad_glTexCoord3d = glad_on_demand_impl_glTexCoord3d;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord3dv(const GLdouble * v) {
    PFNGLTEXCOORD3DVPROC proc = (PFNGLTEXCOORD3DVPROC) glad_gl_on_demand_loader("glTexCoord3dv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord3dv = proc;
    proc(v);
}
PFNGLTEXCOORD3DVPROC glad_glTexCoord3dv = glad_on_demand_impl_glTexCoord3dv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord3f(GLfloat s, GLfloat t, GLfloat r) {
    PFNGLTEXCOORD3FPROC proc = (PFNGLTEXCOORD3FPROC) glad_gl_on_demand_loader("glTexCoord3f");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord3f = proc;
    proc(s, t, r);
}
PFNGLTEXCOORD3FPROC glad_glTexCoord3f = glad_on_demand_impl_glTexCoord3f;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord3fv(const GLfloat * v) {
    PFNGLTEXCOORD3FVPROC proc = (PFNGLTEXCOORD3FVPROC) glad_gl_on_demand_loader("glTexCoord3fv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord3fv = proc;
    proc(v);
}
PFNGLTEXCOORD3FVPROC glad_glTexCoord3fv = glad_on_demand_impl_glTexCoord3fv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord3i(GLint s, GLint t, GLint r) {
    PFNGLTEXCOORD3IPROC proc = (PFNGLTEXCOORD3IPROC) glad_gl_on_demand_loader("glTexCoord3i");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord3i = proc;
    proc(s, t, r);
}
PFNGLTEXCOORD3IPROC glad_glTexCoord3i = glad_on_demand_impl_glTexCoord3i;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord3iv(const GLint * v) {
    PFNGLTEXCOORD3IVPROC proc = (PFNGLTEXCOORD3IVPROC) glad_gl_on_demand_loader("glTexCoord3iv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord3iv = proc;
    proc(v);
}
PFNGLTEXCOORD3IVPROC glad_glTexCoord3iv = glad_on_demand_impl_glTexCoord3iv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord3s(GLshort s, GLshort t, GLshort r) {
    PFNGLTEXCOORD3SPROC proc = (PFNGLTEXCOORD3SPROC) glad_gl_on_demand_loader("glTexCoord3s");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord3s = proc;
    proc(s, t, r);
}
PFNGLTEXCOORD3SPROC glad_glTexCoord3s = glad_on_demand_impl_glTexCoord3s;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord3sv(const GLshort * v) {
    PFNGLTEXCOORD3SVPROC proc = (PFNGLTEXCOORD3SVPROC) glad_gl_on_demand_loader("glTexCoord3sv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord3sv = proc;
    proc(v);
}
PFNGLTEXCOORD3SVPROC glad_glTexCoord3sv = glad_on_demand_impl_glTexCoord3sv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord4d(GLdouble s, GLdouble t, GLdouble r, GLdouble q) {
    PFNGLTEXCOORD4DPROC proc = (PFNGLTEXCOORD4DPROC) glad_gl_on_demand_loader("glTexCoord4d");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord4d = proc;
    proc(s, t, r, q);
}
PFNGLTEXCOORD4DPROC glad_glTexCoord4d = glad_on_demand_impl_glTexCoord4d;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord4dv(const GLdouble * v) {
    PFNGLTEXCOORD4DVPROC proc = (PFNGLTEXCOORD4DVPROC) glad_gl_on_demand_loader("glTexCoord4dv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord4dv = proc;
    proc(v);
}
PFNGLTEXCOORD4DVPROC glad_glTexCoord4dv = glad_on_demand_impl_glTexCoord4dv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord4f(GLfloat s, GLfloat t, GLfloat r, GLfloat q) {
    PFNGLTEXCOORD4FPROC proc = (PFNGLTEXCOORD4FPROC) glad_gl_on_demand_loader("glTexCoord4f");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord4f = proc;
    proc(s, t, r, q);
}
PFNGLTEXCOORD4FPROC glad_glTexCoord4f = glad_on_demand_impl_glTexCoord4f;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord4fv(const GLfloat * v) {
    PFNGLTEXCOORD4FVPROC proc = (PFNGLTEXCOORD4FVPROC) glad_gl_on_demand_loader("glTexCoord4fv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord4fv = proc;
    proc(v);
}
PFNGLTEXCOORD4FVPROC glad_glTexCoord4fv = glad_on_demand_impl_glTexCoord4fv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord4i(GLint s, GLint t, GLint r, GLint q) {
    PFNGLTEXCOORD4IPROC proc = (PFNGLTEXCOORD4IPROC) glad_gl_on_demand_loader("glTexCoord4i");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord4i = proc;
    proc(s, t, r, q);
}
PFNGLTEXCOORD4IPROC glad_glTexCoord4i = glad_on_demand_impl_glTexCoord4i;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord4iv(const GLint * v) {
    PFNGLTEXCOORD4IVPROC proc = (PFNGLTEXCOORD4IVPROC) glad_gl_on_demand_loader("glTexCoord4iv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord4iv = proc;
    proc(v);
}
PFNGLTEXCOORD4IVPROC glad_glTexCoord4iv = glad_on_demand_impl_glTexCoord4iv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord4s(GLshort s, GLshort t, GLshort r, GLshort q) {
    PFNGLTEXCOORD4SPROC proc = (PFNGLTEXCOORD4SPROC) glad_gl_on_demand_loader("glTexCoord4s");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord4s = proc;
    proc(s, t, r, q);
}
PFNGLTEXCOORD4SPROC glad_glTexCoord4s = glad_on_demand_impl_glTexCoord4s;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoord4sv(const GLshort * v) {
    PFNGLTEXCOORD4SVPROC proc = (PFNGLTEXCOORD4SVPROC) glad_gl_on_demand_loader("glTexCoord4sv");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoord4sv = proc;
    proc(v);
}
PFNGLTEXCOORD4SVPROC glad_glTexCoord4sv = glad_on_demand_impl_glTexCoord4sv;
static void GLAD_API_PTR glad_on_demand_impl_glTexCoordPointer(GLint size, GLenum type, GLsizei stride, const void * pointer) {
    PFNGLTEXCOORDPOINTERPROC proc = (PFNGLTEXCOORDPOINTERPROC) glad_gl_on_demand_loader("glTexCoordPointer");
    if (proc == NULL) {
        return;
    }
    glad_glTexCoordPointer = proc;
    proc(size, type, stride, pointer);
}
PFNGLTEXCOORDPOINTERPROC glad_glTexCoordPointer = glad_on_demand_impl_glTexCoordPointer;
static void GLAD_API_PTR glad_on_demand_impl_glTexEnvf(GLenum target, GLenum pname, GLfloat param) {
    PFNGLTEXENVFPROC proc = (PFNGLTEXENVFPROC) glad_gl_on_demand_loader("glTexEnvf");
    if (proc == NULL) {
        return;
    }
    glad_glTexEnvf = proc;
    proc(target, pname, param);
}
PFNGLTEXENVFPROC glad_glTexEnvf = glad_on_demand_impl_glTexEnvf;
static void GLAD_API_PTR glad_on_demand_impl_glTexEnvfv(GLenum target, GLenum pname, const GLfloat * params) {
    PFNGLTEXENVFVPROC proc = (PFNGLTEXENVFVPROC) glad_gl_on_demand_loader("glTexEnvfv");
    if (proc == NULL) {
        return;
    }
    glad_glTexEnvfv = proc;
    proc(target, pname, params);
}
PFNGLTEXENVFVPROC glad_glTexEnvfv = glad_on_demand_impl_glTexEnvfv;
static void GLAD_API_PTR glad_on_demand_impl_glTexEnvi(GLenum target, GLenum pname, GLint param) {
    PFNGLTEXENVIPROC proc = (PFNGLTEXENVIPROC) glad_gl_on_demand_loader("glTexEnvi");
    if (proc == NULL) {
        return;
    }
    glad_glTexEnvi = proc;
    proc(target, pname, param);
}
PFNGLTEXENVIPROC glad_glTexEnvi = glad_on_demand_impl_glTexEnvi;
static void GLAD_API_PTR glad_on_demand_impl_glTexEnviv(GLenum target, GLenum pname, const GLint * params) {
    PFNGLTEXENVIVPROC proc = (PFNGLTEXENVIVPROC) glad_gl_on_demand_loader("glTexEnviv");
    if (proc == NULL) {
        return;
    }
    glad_glTexEnviv = proc;
    proc(target, pname, params);
}
PFNGLTEXENVIVPROC glad_glTexEnviv = glad_on_demand_impl_glTexEnviv;
static void GLAD_API_PTR glad_on_demand_impl_glTexGend(GLenum coord, GLenum pname, GLdouble param) {
    PFNGLTEXGENDPROC proc = (PFNGLTEXGENDPROC) glad_gl_on_demand_loader("glTexGend");
    if (proc == NULL) {
        return;
    }
    glad_glTexGend = proc;
    proc(coord, pname, param);
}
PFNGLTEXGENDPROC glad_glTexGend = glad_on_demand_impl_glTexGend;
static void GLAD_API_PTR glad_on_demand_impl_glTexGendv(GLenum coord, GLenum pname, const GLdouble * params) {
    PFNGLTEXGENDVPROC proc = (PFNGLTEXGENDVPROC) glad_gl_on_demand_loader("glTexGendv");
    if (proc == NULL) {
        return;
    }
    glad_glTexGendv = proc;
    proc(coord, pname, params);
}
PFNGLTEXGENDVPROC glad_glTexGendv = glad_on_demand_impl_glTexGendv;
static void GLAD_API_PTR glad_on_demand_impl_glTexGenf(GLenum coord, GLenum pname, GLfloat param) {
    PFNGLTEXGENFPROC proc = (PFNGLTEXGENFPROC) glad_gl_on_demand_loader("glTexGenf");
    if (proc == NULL) {
        return;
    }
    glad_glTexGenf = proc;
    proc(coord, pname, param);
}
PFNGLTEXGENFPROC glad_glTexGenf = glad_on_demand_impl_glTexGenf;
static void GLAD_API_PTR glad_on_demand_impl_glTexGenfv(GLenum coord, GLenum pname, const GLfloat * params) {
    PFNGLTEXGENFVPROC proc = (PFNGLTEXGENFVPROC) glad_gl_on_demand_loader("glTexGenfv");
    if (proc == NULL) {
        return;
    }
    glad_glTexGenfv = proc;
    proc(coord, pname, params);
}
PFNGLTEXGENFVPROC glad_glTexGenfv = glad_on_demand_impl_glTexGenfv;
static void GLAD_API_PTR glad_on_demand_impl_glTexGeni(GLenum coord, GLenum pname, GLint param) {
    PFNGLTEXGENIPROC proc = (PFNGLTEXGENIPROC) glad_gl_on_demand_loader("glTexGeni");
    if (proc == NULL) {
        return;
    }
    glad_glTexGeni = proc;
    proc(coord, pname, param);
}
PFNGLTEXGENIPROC glad_glTexGeni = glad_on_demand_impl_glTexGeni;
static void GLAD_API_PTR glad_on_demand_impl_glTexGeniv(GLenum coord, GLenum pname, const GLint * params) {
    PFNGLTEXGENIVPROC proc = (PFNGLTEXGENIVPROC) glad_gl_on_demand_loader("glTexGeniv");
    if (proc == NULL) {
        return;
    }
    glad_glTexGeniv = proc;
    proc(coord, pname, params);
}
PFNGLTEXGENIVPROC glad_glTexGeniv = glad_on_demand_impl_glTexGeniv;
static void GLAD_API_PTR glad_on_demand_impl_glTexImage1D(GLenum target, GLint level, GLint internalformat, GLsizei width, GLint border, GLenum format, GLenum type, const void * pixels) {
    PFNGLTEXIMAGE1DPROC proc = (PFNGLTEXIMAGE1DPROC) glad_gl_on_demand_loader("glTexImage1D");
    if (proc == NULL) {
        return;
    }
    glad_glTexImage1D = proc;
    proc(target, level, internalformat, width, border, format, type, pixels);
}
PFNGLTEXIMAGE1DPROC glad_glTexImage1D = glad_on_demand_impl_glTexImage1D;
static void GLAD_API_PTR glad_on_demand_impl_glTexImage2D(GLenum target, GLint level, GLint internalformat, GLsizei width, GLsizei height, GLint border, GLenum format, GLenum type, const void * pixels) {
    PFNGLTEXIMAGE2DPROC proc = (PFNGLTEXIMAGE2DPROC) glad_gl_on_demand_loader("glTexImage2D");
    if (proc == NULL) {
        return;
    }
    glad_glTexImage2D = proc;
    proc(target, level, internalformat, width, height, border, format, type, pixels);
}
PFNGLTEXIMAGE2DPROC glad_glTexImage2D = glad_on_demand_impl_glTexImage2D;
static void GLAD_API_PTR glad_on_demand_impl_glTexImage3D(GLenum target, GLint level, GLint internalformat, GLsizei width, GLsizei height, GLsizei depth, GLint border, GLenum format, GLenum type, const void * pixels) {
    PFNGLTEXIMAGE3DPROC proc = (PFNGLTEXIMAGE3DPROC) glad_gl_on_demand_loader("glTexImage3D");
    if (proc == NULL) {
        return;
    }
    glad_glTexImage3D = proc;
    proc(target, level, internalformat, width, height, depth, border, format, type, pixels);
}
PFNGLTEXIMAGE3DPROC glad_glTexImage3D = glad_on_demand_impl_glTexImage3D;
static void GLAD_API_PTR glad_on_demand_impl_glTexParameterf(GLenum target, GLenum pname, GLfloat param) {
    PFNGLTEXPARAMETERFPROC proc = (PFNGLTEXPARAMETERFPROC) glad_gl_on_demand_loader("glTexParameterf");
    if (proc == NULL) {
        return;
    }
    glad_glTexParameterf = proc;
    proc(target, pname, param);
}
PFNGLTEXPARAMETERFPROC glad_glTexParameterf = glad_on_demand_impl_glTexParameterf;
static void GLAD_API_PTR glad_on_demand_impl_glTexParameterfv(GLenum target, GLenum pname, const GLfloat * params) {
    PFNGLTEXPARAMETERFVPROC proc = (PFNGLTEXPARAMETERFVPROC) glad_gl_on_demand_loader("glTexParameterfv");
    if (proc == NULL) {
        return;
    }
    glad_glTexParameterfv = proc;
    proc(target, pname, params);
}
PFNGLTEXPARAMETERFVPROC glad_glTexParameterfv = glad_on_demand_impl_glTexParameterfv;
static void GLAD_API_PTR glad_on_demand_impl_glTexParameteri(GLenum target, GLenum pname, GLint param) {
    PFNGLTEXPARAMETERIPROC proc = (PFNGLTEXPARAMETERIPROC) glad_gl_on_demand_loader("glTexParameteri");
    if (proc == NULL) {
        return;
    }
    glad_glTexParameteri = proc;
    proc(target, pname, param);
}
PFNGLTEXPARAMETERIPROC glad_glTexParameteri = glad_on_demand_impl_glTexParameteri;
static void GLAD_API_PTR glad_on_demand_impl_glTexParameteriv(GLenum target, GLenum pname, const GLint * params) {
    PFNGLTEXPARAMETERIVPROC proc = (PFNGLTEXPARAMETERIVPROC) glad_gl_on_demand_loader("glTexParameteriv");
    if (proc == NULL) {
        return;
    }
    glad_glTexParameteriv = proc;
    proc(target, pname, params);
}
PFNGLTEXPARAMETERIVPROC glad_glTexParameteriv = glad_on_demand_impl_glTexParameteriv;
static void GLAD_API_PTR glad_on_demand_impl_glTexSubImage1D(GLenum target, GLint level, GLint xoffset, GLsizei width, GLenum format, GLenum type, const void * pixels) {
    PFNGLTEXSUBIMAGE1DPROC proc = (PFNGLTEXSUBIMAGE1DPROC) glad_gl_on_demand_loader("glTexSubImage1D");
    if (proc == NULL) {
        return;
    }
    glad_glTexSubImage1D = proc;
    proc(target, level, xoffset, width, format, type, pixels);
}
PFNGLTEXSUBIMAGE1DPROC glad_glTexSubImage1D = glad_on_demand_impl_glTexSubImage1D;
static void GLAD_API_PTR glad_on_demand_impl_glTexSubImage2D(GLenum target, GLint level, GLint xoffset, GLint yoffset, GLsizei width, GLsizei height, GLenum format, GLenum type, const void * pixels) {
    PFNGLTEXSUBIMAGE2DPROC proc = (PFNGLTEXSUBIMAGE2DPROC) glad_gl_on_demand_loader("glTexSubImage2D");
    if (proc == NULL) {
        return;
    }
    glad_glTexSubImage2D = proc;
    proc(target, level, xoffset, yoffset, width, height, format, type, pixels);
}
PFNGLTEXSUBIMAGE2DPROC glad_glTexSubImage2D = glad_on_demand_impl_glTexSubImage2D;
static void GLAD_API_PTR glad_on_demand_impl_glTexSubImage3D(GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint zoffset, GLsizei width, GLsizei height, GLsizei depth, GLenum format, GLenum type, const void * pixels) {
    PFNGLTEXSUBIMAGE3DPROC proc = (PFNGLTEXSUBIMAGE3DPROC) glad_gl_on_demand_loader("glTexSubImage3D");
    if (proc == NULL) {
        return;
    }
    glad_glTexSubImage3D = proc;
    proc(target, level, xoffset, yoffset, zoffset, width, height, depth, format, type, pixels);
}
PFNGLTEXSUBIMAGE3DPROC glad_glTexSubImage3D = glad_on_demand_impl_glTexSubImage3D;
static void GLAD_API_PTR glad_on_demand_impl_glTranslated(GLdouble x, GLdouble y, GLdouble z) {
    PFNGLTRANSLATEDPROC proc = (PFNGLTRANSLATEDPROC) glad_gl_on_demand_loader("glTranslated");
    if (proc == NULL) {
        return;
    }
    glad_glTranslated = proc;
    proc(x, y, z);
}
PFNGLTRANSLATEDPROC glad_glTranslated = glad_on_demand_impl_glTranslated;
static void GLAD_API_PTR glad_on_demand_impl_glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    PFNGLTRANSLATEFPROC proc = (PFNGLTRANSLATEFPROC) glad_gl_on_demand_loader("glTranslatef");
    if (proc == NULL) {
        return;
    }
    glad_glTranslatef = proc;
    proc(x, y, z);
}
PFNGLTRANSLATEFPROC glad_glTranslatef = glad_on_demand_impl_glTranslatef;
static void GLAD_API_PTR glad_on_demand_impl_glUniform1f(GLint location, GLfloat v0) {
    PFNGLUNIFORM1FPROC proc = (PFNGLUNIFORM1FPROC) glad_gl_on_demand_loader("glUniform1f");
    if (proc == NULL) {
        return;
    }
    glad_glUniform1f = proc;
    proc(location, v0);
}
PFNGLUNIFORM1FPROC glad_glUniform1f = glad_on_demand_impl_glUniform1f;
static void GLAD_API_PTR glad_on_demand_impl_glUniform1fv(GLint location, GLsizei count, const GLfloat * value) {
    PFNGLUNIFORM1FVPROC proc = (PFNGLUNIFORM1FVPROC) glad_gl_on_demand_loader("glUniform1fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniform1fv = proc;
    proc(location, count, value);
}
PFNGLUNIFORM1FVPROC glad_glUniform1fv = glad_on_demand_impl_glUniform1fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniform1i(GLint location, GLint v0) {
    PFNGLUNIFORM1IPROC proc = (PFNGLUNIFORM1IPROC) glad_gl_on_demand_loader("glUniform1i");
    if (proc == NULL) {
        return;
    }
    glad_glUniform1i = proc;
    proc(location, v0);
}
PFNGLUNIFORM1IPROC glad_glUniform1i = glad_on_demand_impl_glUniform1i;
static void GLAD_API_PTR glad_on_demand_impl_glUniform1iv(GLint location, GLsizei count, const GLint * value) {
    PFNGLUNIFORM1IVPROC proc = (PFNGLUNIFORM1IVPROC) glad_gl_on_demand_loader("glUniform1iv");
    if (proc == NULL) {
        return;
    }
    glad_glUniform1iv = proc;
    proc(location, count, value);
}
PFNGLUNIFORM1IVPROC glad_glUniform1iv = glad_on_demand_impl_glUniform1iv;
static void GLAD_API_PTR glad_on_demand_impl_glUniform2f(GLint location, GLfloat v0, GLfloat v1) {
    PFNGLUNIFORM2FPROC proc = (PFNGLUNIFORM2FPROC) glad_gl_on_demand_loader("glUniform2f");
    if (proc == NULL) {
        return;
    }
    glad_glUniform2f = proc;
    proc(location, v0, v1);
}
PFNGLUNIFORM2FPROC glad_glUniform2f = glad_on_demand_impl_glUniform2f;
static void GLAD_API_PTR glad_on_demand_impl_glUniform2fv(GLint location, GLsizei count, const GLfloat * value) {
    PFNGLUNIFORM2FVPROC proc = (PFNGLUNIFORM2FVPROC) glad_gl_on_demand_loader("glUniform2fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniform2fv = proc;
    proc(location, count, value);
}
PFNGLUNIFORM2FVPROC glad_glUniform2fv = glad_on_demand_impl_glUniform2fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniform2i(GLint location, GLint v0, GLint v1) {
    PFNGLUNIFORM2IPROC proc = (PFNGLUNIFORM2IPROC) glad_gl_on_demand_loader("glUniform2i");
    if (proc == NULL) {
        return;
    }
    glad_glUniform2i = proc;
    proc(location, v0, v1);
}
PFNGLUNIFORM2IPROC glad_glUniform2i = glad_on_demand_impl_glUniform2i;
static void GLAD_API_PTR glad_on_demand_impl_glUniform2iv(GLint location, GLsizei count, const GLint * value) {
    PFNGLUNIFORM2IVPROC proc = (PFNGLUNIFORM2IVPROC) glad_gl_on_demand_loader("glUniform2iv");
    if (proc == NULL) {
        return;
    }
    glad_glUniform2iv = proc;
    proc(location, count, value);
}
PFNGLUNIFORM2IVPROC glad_glUniform2iv = glad_on_demand_impl_glUniform2iv;
static void GLAD_API_PTR glad_on_demand_impl_glUniform3f(GLint location, GLfloat v0, GLfloat v1, GLfloat v2) {
    PFNGLUNIFORM3FPROC proc = (PFNGLUNIFORM3FPROC) glad_gl_on_demand_loader("glUniform3f");
    if (proc == NULL) {
        return;
    }
    glad_glUniform3f = proc;
    proc(location, v0, v1, v2);
}
PFNGLUNIFORM3FPROC glad_glUniform3f = glad_on_demand_impl_glUniform3f;
static void GLAD_API_PTR glad_on_demand_impl_glUniform3fv(GLint location, GLsizei count, const GLfloat * value) {
    PFNGLUNIFORM3FVPROC proc = (PFNGLUNIFORM3FVPROC) glad_gl_on_demand_loader("glUniform3fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniform3fv = proc;
    proc(location, count, value);
}
PFNGLUNIFORM3FVPROC glad_glUniform3fv = glad_on_demand_impl_glUniform3fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniform3i(GLint location, GLint v0, GLint v1, GLint v2) {
    PFNGLUNIFORM3IPROC proc = (PFNGLUNIFORM3IPROC) glad_gl_on_demand_loader("glUniform3i");
    if (proc == NULL) {
        return;
    }
    glad_glUniform3i = proc;
    proc(location, v0, v1, v2);
}
PFNGLUNIFORM3IPROC glad_glUniform3i = glad_on_demand_impl_glUniform3i;
static void GLAD_API_PTR glad_on_demand_impl_glUniform3iv(GLint location, GLsizei count, const GLint * value) {
    PFNGLUNIFORM3IVPROC proc = (PFNGLUNIFORM3IVPROC) glad_gl_on_demand_loader("glUniform3iv");
    if (proc == NULL) {
        return;
    }
    glad_glUniform3iv = proc;
    proc(location, count, value);
}
PFNGLUNIFORM3IVPROC glad_glUniform3iv = glad_on_demand_impl_glUniform3iv;
static void GLAD_API_PTR glad_on_demand_impl_glUniform4f(GLint location, GLfloat v0, GLfloat v1, GLfloat v2, GLfloat v3) {
    PFNGLUNIFORM4FPROC proc = (PFNGLUNIFORM4FPROC) glad_gl_on_demand_loader("glUniform4f");
    if (proc == NULL) {
        return;
    }
    glad_glUniform4f = proc;
    proc(location, v0, v1, v2, v3);
}
PFNGLUNIFORM4FPROC glad_glUniform4f = glad_on_demand_impl_glUniform4f;
static void GLAD_API_PTR glad_on_demand_impl_glUniform4fv(GLint location, GLsizei count, const GLfloat * value) {
    PFNGLUNIFORM4FVPROC proc = (PFNGLUNIFORM4FVPROC) glad_gl_on_demand_loader("glUniform4fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniform4fv = proc;
    proc(location, count, value);
}
PFNGLUNIFORM4FVPROC glad_glUniform4fv = glad_on_demand_impl_glUniform4fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniform4i(GLint location, GLint v0, GLint v1, GLint v2, GLint v3) {
    PFNGLUNIFORM4IPROC proc = (PFNGLUNIFORM4IPROC) glad_gl_on_demand_loader("glUniform4i");
    if (proc == NULL) {
        return;
    }
    glad_glUniform4i = proc;
    proc(location, v0, v1, v2, v3);
}
PFNGLUNIFORM4IPROC glad_glUniform4i = glad_on_demand_impl_glUniform4i;
static void GLAD_API_PTR glad_on_demand_impl_glUniform4iv(GLint location, GLsizei count, const GLint * value) {
    PFNGLUNIFORM4IVPROC proc = (PFNGLUNIFORM4IVPROC) glad_gl_on_demand_loader("glUniform4iv");
    if (proc == NULL) {
        return;
    }
    glad_glUniform4iv = proc;
    proc(location, count, value);
}
PFNGLUNIFORM4IVPROC glad_glUniform4iv = glad_on_demand_impl_glUniform4iv;
static void GLAD_API_PTR glad_on_demand_impl_glUniformMatrix2fv(GLint location, GLsizei count, GLboolean transpose, const GLfloat * value) {
    PFNGLUNIFORMMATRIX2FVPROC proc = (PFNGLUNIFORMMATRIX2FVPROC) glad_gl_on_demand_loader("glUniformMatrix2fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniformMatrix2fv = proc;
    proc(location, count, transpose, value);
}
PFNGLUNIFORMMATRIX2FVPROC glad_glUniformMatrix2fv = glad_on_demand_impl_glUniformMatrix2fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniformMatrix2x3fv(GLint location, GLsizei count, GLboolean transpose, const GLfloat * value) {
    PFNGLUNIFORMMATRIX2X3FVPROC proc = (PFNGLUNIFORMMATRIX2X3FVPROC) glad_gl_on_demand_loader("glUniformMatrix2x3fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniformMatrix2x3fv = proc;
    proc(location, count, transpose, value);
}
PFNGLUNIFORMMATRIX2X3FVPROC glad_glUniformMatrix2x3fv = glad_on_demand_impl_glUniformMatrix2x3fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniformMatrix2x4fv(GLint location, GLsizei count, GLboolean transpose, const GLfloat * value) {
    PFNGLUNIFORMMATRIX2X4FVPROC proc = (PFNGLUNIFORMMATRIX2X4FVPROC) glad_gl_on_demand_loader("glUniformMatrix2x4fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniformMatrix2x4fv = proc;
    proc(location, count, transpose, value);
}
PFNGLUNIFORMMATRIX2X4FVPROC glad_glUniformMatrix2x4fv = glad_on_demand_impl_glUniformMatrix2x4fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniformMatrix3fv(GLint location, GLsizei count, GLboolean transpose, const GLfloat * value) {
    PFNGLUNIFORMMATRIX3FVPROC proc = (PFNGLUNIFORMMATRIX3FVPROC) glad_gl_on_demand_loader("glUniformMatrix3fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniformMatrix3fv = proc;
    proc(location, count, transpose, value);
}
PFNGLUNIFORMMATRIX3FVPROC glad_glUniformMatrix3fv = glad_on_demand_impl_glUniformMatrix3fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniformMatrix3x2fv(GLint location, GLsizei count, GLboolean transpose, const GLfloat * value) {
    PFNGLUNIFORMMATRIX3X2FVPROC proc = (PFNGLUNIFORMMATRIX3X2FVPROC) glad_gl_on_demand_loader("glUniformMatrix3x2fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniformMatrix3x2fv = proc;
    proc(location, count, transpose, value);
}
PFNGLUNIFORMMATRIX3X2FVPROC glad_glUniformMatrix3x2fv = glad_on_demand_impl_glUniformMatrix3x2fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniformMatrix3x4fv(GLint location, GLsizei count, GLboolean transpose, const GLfloat * value) {
    PFNGLUNIFORMMATRIX3X4FVPROC proc = (PFNGLUNIFORMMATRIX3X4FVPROC) glad_gl_on_demand_loader("glUniformMatrix3x4fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniformMatrix3x4fv = proc;
    proc(location, count, transpose, value);
}
PFNGLUNIFORMMATRIX3X4FVPROC glad_glUniformMatrix3x4fv = glad_on_demand_impl_glUniformMatrix3x4fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniformMatrix4fv(GLint location, GLsizei count, GLboolean transpose, const GLfloat * value) {
    PFNGLUNIFORMMATRIX4FVPROC proc = (PFNGLUNIFORMMATRIX4FVPROC) glad_gl_on_demand_loader("glUniformMatrix4fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniformMatrix4fv = proc;
    proc(location, count, transpose, value);
}
PFNGLUNIFORMMATRIX4FVPROC glad_glUniformMatrix4fv = glad_on_demand_impl_glUniformMatrix4fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniformMatrix4x2fv(GLint location, GLsizei count, GLboolean transpose, const GLfloat * value) {
    PFNGLUNIFORMMATRIX4X2FVPROC proc = (PFNGLUNIFORMMATRIX4X2FVPROC) glad_gl_on_demand_loader("glUniformMatrix4x2fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniformMatrix4x2fv = proc;
    proc(location, count, transpose, value);
}
PFNGLUNIFORMMATRIX4X2FVPROC glad_glUniformMatrix4x2fv = glad_on_demand_impl_glUniformMatrix4x2fv;
static void GLAD_API_PTR glad_on_demand_impl_glUniformMatrix4x3fv(GLint location, GLsizei count, GLboolean transpose, const GLfloat * value) {
    PFNGLUNIFORMMATRIX4X3FVPROC proc = (PFNGLUNIFORMMATRIX4X3FVPROC) glad_gl_on_demand_loader("glUniformMatrix4x3fv");
    if (proc == NULL) {
        return;
    }
    glad_glUniformMatrix4x3fv = proc;
    proc(location, count, transpose, value);
}
PFNGLUNIFORMMATRIX4X3FVPROC glad_glUniformMatrix4x3fv = glad_on_demand_impl_glUniformMatrix4x3fv;
static GLboolean GLAD_API_PTR glad_on_demand_impl_glUnmapBuffer(GLenum target) {
    PFNGLUNMAPBUFFERPROC proc = (PFNGLUNMAPBUFFERPROC) glad_gl_on_demand_loader("glUnmapBuffer");
    if (proc == NULL) {
        return (GLboolean) 0;
    }
    glad_glUnmapBuffer = proc;
    return proc(target);
}
PFNGLUNMAPBUFFERPROC glad_glUnmapBuffer = glad_on_demand_impl_glUnmapBuffer;
static void GLAD_API_PTR glad_on_demand_impl_glUseProgram(GLuint program) {
    PFNGLUSEPROGRAMPROC proc = (PFNGLUSEPROGRAMPROC) glad_gl_on_demand_loader("glUseProgram");
    if (proc == NULL) {
        return;
    }
    glad_glUseProgram = proc;
    proc(program);
}
PFNGLUSEPROGRAMPROC glad_glUseProgram = glad_on_demand_impl_glUseProgram;
static void GLAD_API_PTR glad_on_demand_impl_glValidateProgram(GLuint program) {
    PFNGLVALIDATEPROGRAMPROC proc = (PFNGLVALIDATEPROGRAMPROC) glad_gl_on_demand_loader("glValidateProgram");
    if (proc == NULL) {
        return;
    }
    glad_glValidateProgram = proc;
    proc(program);
}
PFNGLVALIDATEPROGRAMPROC glad_glValidateProgram = glad_on_demand_impl_glValidateProgram;
static void GLAD_API_PTR glad_on_demand_impl_glVertex2d(GLdouble x, GLdouble y) {
    PFNGLVERTEX2DPROC proc = (PFNGLVERTEX2DPROC) glad_gl_on_demand_loader("glVertex2d");
    if (proc == NULL) {
        return;
    }
    glad_glVertex2d = proc;
    proc(x, y);
}
PFNGLVERTEX2DPROC glad_glVertex2d = glad_on_demand_impl_glVertex2d;
static void GLAD_API_PTR glad_on_demand_impl_glVertex2dv(const GLdouble * v) {
    PFNGLVERTEX2DVPROC proc = (PFNGLVERTEX2DVPROC) glad_gl_on_demand_loader("glVertex2dv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex2dv = proc;
    proc(v);
}
PFNGLVERTEX2DVPROC glad_glVertex2dv = glad_on_demand_impl_glVertex2dv;
static void GLAD_API_PTR glad_on_demand_impl_glVertex2f(GLfloat x, GLfloat y) {
    PFNGLVERTEX2FPROC proc = (PFNGLVERTEX2FPROC) glad_gl_on_demand_loader("glVertex2f");
    if (proc == NULL) {
        return;
    }
    glad_glVertex2f = proc;
    proc(x, y);
}
PFNGLVERTEX2FPROC glad_glVertex2f = glad_on_demand_impl_glVertex2f;
static void GLAD_API_PTR glad_on_demand_impl_glVertex2fv(const GLfloat * v) {
    PFNGLVERTEX2FVPROC proc = (PFNGLVERTEX2FVPROC) glad_gl_on_demand_loader("glVertex2fv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex2fv = proc;
    proc(v);
}
PFNGLVERTEX2FVPROC glad_glVertex2fv = glad_on_demand_impl_glVertex2fv;
static void GLAD_API_PTR glad_on_demand_impl_glVertex2i(GLint x, GLint y) {
    PFNGLVERTEX2IPROC proc = (PFNGLVERTEX2IPROC) glad_gl_on_demand_loader("glVertex2i");
    if (proc == NULL) {
        return;
    }
    glad_glVertex2i = proc;
    proc(x, y);
}
PFNGLVERTEX2IPROC glad_glVertex2i = glad_on_demand_impl_glVertex2i;
static void GLAD_API_PTR glad_on_demand_impl_glVertex2iv(const GLint * v) {
    PFNGLVERTEX2IVPROC proc = (PFNGLVERTEX2IVPROC) glad_gl_on_demand_loader("glVertex2iv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex2iv = proc;
    proc(v);
}
PFNGLVERTEX2IVPROC glad_glVertex2iv = glad_on_demand_impl_glVertex2iv;
static void GLAD_API_PTR glad_on_demand_impl_glVertex2s(GLshort x, GLshort y) {
    PFNGLVERTEX2SPROC proc = (PFNGLVERTEX2SPROC) glad_gl_on_demand_loader("glVertex2s");
    if (proc == NULL) {
        return;
    }
    glad_glVertex2s = proc;
    proc(x, y);
}
PFNGLVERTEX2SPROC glad_glVertex2s = glad_on_demand_impl_glVertex2s;
static void GLAD_API_PTR glad_on_demand_impl_glVertex2sv(const GLshort * v) {
    PFNGLVERTEX2SVPROC proc = (PFNGLVERTEX2SVPROC) glad_gl_on_demand_loader("glVertex2sv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex2sv = proc;
    proc(v);
}
PFNGLVERTEX2SVPROC glad_glVertex2sv = glad_on_demand_impl_glVertex2sv;
static void GLAD_API_PTR glad_on_demand_impl_glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    PFNGLVERTEX3DPROC proc = (PFNGLVERTEX3DPROC) glad_gl_on_demand_loader("glVertex3d");
    if (proc == NULL) {
        return;
    }
    glad_glVertex3d = proc;
    proc(x, y, z);
}
PFNGLVERTEX3DPROC glad_glVertex3d = glad_on_demand_impl_glVertex3d;
static void GLAD_API_PTR glad_on_demand_impl_glVertex3dv(const GLdouble * v) {
    PFNGLVERTEX3DVPROC proc = (PFNGLVERTEX3DVPROC) glad_gl_on_demand_loader("glVertex3dv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex3dv = proc;
    proc(v);
}
PFNGLVERTEX3DVPROC glad_glVertex3dv = glad_on_demand_impl_glVertex3dv;
static void GLAD_API_PTR glad_on_demand_impl_glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    PFNGLVERTEX3FPROC proc = (PFNGLVERTEX3FPROC) glad_gl_on_demand_loader("glVertex3f");
    if (proc == NULL) {
        return;
    }
    glad_glVertex3f = proc;
    proc(x, y, z);
}
PFNGLVERTEX3FPROC glad_glVertex3f = glad_on_demand_impl_glVertex3f;
static void GLAD_API_PTR glad_on_demand_impl_glVertex3fv(const GLfloat * v) {
    PFNGLVERTEX3FVPROC proc = (PFNGLVERTEX3FVPROC) glad_gl_on_demand_loader("glVertex3fv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex3fv = proc;
    proc(v);
}
PFNGLVERTEX3FVPROC glad_glVertex3fv = glad_on_demand_impl_glVertex3fv;
static void GLAD_API_PTR glad_on_demand_impl_glVertex3i(GLint x, GLint y, GLint z) {
    PFNGLVERTEX3IPROC proc = (PFNGLVERTEX3IPROC) glad_gl_on_demand_loader("glVertex3i");
    if (proc == NULL) {
        return;
    }
    glad_glVertex3i = proc;
    proc(x, y, z);
}
PFNGLVERTEX3IPROC glad_glVertex3i = glad_on_demand_impl_glVertex3i;
static void GLAD_API_PTR glad_on_demand_impl_glVertex3iv(const GLint * v) {
    PFNGLVERTEX3IVPROC proc = (PFNGLVERTEX3IVPROC) glad_gl_on_demand_loader("glVertex3iv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex3iv = proc;
    proc(v);
}
PFNGLVERTEX3IVPROC glad_glVertex3iv = glad_on_demand_impl_glVertex3iv;
static void GLAD_API_PTR glad_on_demand_impl_glVertex3s(GLshort x, GLshort y, GLshort z) {
    PFNGLVERTEX3SPROC proc = (PFNGLVERTEX3SPROC) glad_gl_on_demand_loader("glVertex3s");
    if (proc == NULL) {
        return;
    }
    glad_glVertex3s = proc;
    proc(x, y, z);
}
PFNGLVERTEX3SPROC glad_glVertex3s = glad_on_demand_impl_glVertex3s;
static void GLAD_API_PTR glad_on_demand_impl_glVertex3sv(const GLshort * v) {
    PFNGLVERTEX3SVPROC proc = (PFNGLVERTEX3SVPROC) glad_gl_on_demand_loader("glVertex3sv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex3sv = proc;
    proc(v);
}
PFNGLVERTEX3SVPROC glad_glVertex3sv = glad_on_demand_impl_glVertex3sv;
static void GLAD_API_PTR glad_on_demand_impl_glVertex4d(GLdouble x, GLdouble y, GLdouble z, GLdouble w) {
    PFNGLVERTEX4DPROC proc = (PFNGLVERTEX4DPROC) glad_gl_on_demand_loader("glVertex4d");
    if (proc == NULL) {
        return;
    }
    glad_glVertex4d = proc;
    proc(x, y, z, w);
}
PFNGLVERTEX4DPROC glad_glVertex4d = glad_on_demand_impl_glVertex4d;
static void GLAD_API_PTR glad_on_demand_impl_glVertex4dv(const GLdouble * v) {
    PFNGLVERTEX4DVPROC proc = (PFNGLVERTEX4DVPROC) glad_gl_on_demand_loader("glVertex4dv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex4dv = proc;
    proc(v);
}
PFNGLVERTEX4DVPROC glad_glVertex4dv = glad_on_demand_impl_glVertex4dv;
static void GLAD_API_PTR glad_on_demand_impl_glVertex4f(GLfloat x, GLfloat y, GLfloat z, GLfloat w) {
    PFNGLVERTEX4FPROC proc = (PFNGLVERTEX4FPROC) glad_gl_on_demand_loader("glVertex4f");
    if (proc == NULL) {
        return;
    }
    glad_glVertex4f = proc;
    proc(x, y, z, w);
}
PFNGLVERTEX4FPROC glad_glVertex4f = glad_on_demand_impl_glVertex4f;
static void GLAD_API_PTR glad_on_demand_impl_glVertex4fv(const GLfloat * v) {
    PFNGLVERTEX4FVPROC proc = (PFNGLVERTEX4FVPROC) glad_gl_on_demand_loader("glVertex4fv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex4fv = proc;
    proc(v);
}
PFNGLVERTEX4FVPROC glad_glVertex4fv = glad_on_demand_impl_glVertex4fv;
static void GLAD_API_PTR glad_on_demand_impl_glVertex4i(GLint x, GLint y, GLint z, GLint w) {
    PFNGLVERTEX4IPROC proc = (PFNGLVERTEX4IPROC) glad_gl_on_demand_loader("glVertex4i");
    if (proc == NULL) {
        return;
    }
    glad_glVertex4i = proc;
    proc(x, y, z, w);
}
PFNGLVERTEX4IPROC glad_glVertex4i = glad_on_demand_impl_glVertex4i;
static void GLAD_API_PTR glad_on_demand_impl_glVertex4iv(const GLint * v) {
    PFNGLVERTEX4IVPROC proc = (PFNGLVERTEX4IVPROC) glad_gl_on_demand_loader("glVertex4iv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex4iv = proc;
    proc(v);
}
PFNGLVERTEX4IVPROC glad_glVertex4iv = glad_on_demand_impl_glVertex4iv;
static void GLAD_API_PTR glad_on_demand_impl_glVertex4s(GLshort x, GLshort y, GLshort z, GLshort w) {
    PFNGLVERTEX4SPROC proc = (PFNGLVERTEX4SPROC) glad_gl_on_demand_loader("glVertex4s");
    if (proc == NULL) {
        return;
    }
    glad_glVertex4s = proc;
    proc(x, y, z, w);
}
PFNGLVERTEX4SPROC glad_glVertex4s = glad_on_demand_impl_glVertex4s;
static void GLAD_API_PTR glad_on_demand_impl_glVertex4sv(const GLshort * v) {
    PFNGLVERTEX4SVPROC proc = (PFNGLVERTEX4SVPROC) glad_gl_on_demand_loader("glVertex4sv");
    if (proc == NULL) {
        return;
    }
    glad_glVertex4sv = proc;
    proc(v);
}
PFNGLVERTEX4SVPROC glad_glVertex4sv = glad_on_demand_impl_glVertex4sv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib1d(GLuint index, GLdouble x) {
    PFNGLVERTEXATTRIB1DPROC proc = (PFNGLVERTEXATTRIB1DPROC) glad_gl_on_demand_loader("glVertexAttrib1d");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib1d = proc;
    proc(index, x);
}
PFNGLVERTEXATTRIB1DPROC glad_glVertexAttrib1d = glad_on_demand_impl_glVertexAttrib1d;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib1dv(GLuint index, const GLdouble * v) {
    PFNGLVERTEXATTRIB1DVPROC proc = (PFNGLVERTEXATTRIB1DVPROC) glad_gl_on_demand_loader("glVertexAttrib1dv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib1dv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB1DVPROC glad_glVertexAttrib1dv = glad_on_demand_impl_glVertexAttrib1dv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib1f(GLuint index, GLfloat x) {
    PFNGLVERTEXATTRIB1FPROC proc = (PFNGLVERTEXATTRIB1FPROC) glad_gl_on_demand_loader("glVertexAttrib1f");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib1f = proc;
    proc(index, x);
}
PFNGLVERTEXATTRIB1FPROC glad_glVertexAttrib1f = glad_on_demand_impl_glVertexAttrib1f;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib1fv(GLuint index, const GLfloat * v) {
    PFNGLVERTEXATTRIB1FVPROC proc = (PFNGLVERTEXATTRIB1FVPROC) glad_gl_on_demand_loader("glVertexAttrib1fv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib1fv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB1FVPROC glad_glVertexAttrib1fv = glad_on_demand_impl_glVertexAttrib1fv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib1s(GLuint index, GLshort x) {
    PFNGLVERTEXATTRIB1SPROC proc = (PFNGLVERTEXATTRIB1SPROC) glad_gl_on_demand_loader("glVertexAttrib1s");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib1s = proc;
    proc(index, x);
}
PFNGLVERTEXATTRIB1SPROC glad_glVertexAttrib1s = glad_on_demand_impl_glVertexAttrib1s;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib1sv(GLuint index, const GLshort * v) {
    PFNGLVERTEXATTRIB1SVPROC proc = (PFNGLVERTEXATTRIB1SVPROC) glad_gl_on_demand_loader("glVertexAttrib1sv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib1sv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB1SVPROC glad_glVertexAttrib1sv = glad_on_demand_impl_glVertexAttrib1sv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib2d(GLuint index, GLdouble x, GLdouble y) {
    PFNGLVERTEXATTRIB2DPROC proc = (PFNGLVERTEXATTRIB2DPROC) glad_gl_on_demand_loader("glVertexAttrib2d");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib2d = proc;
    proc(index, x, y);
}
PFNGLVERTEXATTRIB2DPROC glad_glVertexAttrib2d = glad_on_demand_impl_glVertexAttrib2d;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib2dv(GLuint index, const GLdouble * v) {
    PFNGLVERTEXATTRIB2DVPROC proc = (PFNGLVERTEXATTRIB2DVPROC) glad_gl_on_demand_loader("glVertexAttrib2dv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib2dv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB2DVPROC glad_glVertexAttrib2dv = glad_on_demand_impl_glVertexAttrib2dv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib2f(GLuint index, GLfloat x, GLfloat y) {
    PFNGLVERTEXATTRIB2FPROC proc = (PFNGLVERTEXATTRIB2FPROC) glad_gl_on_demand_loader("glVertexAttrib2f");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib2f = proc;
    proc(index, x, y);
}
PFNGLVERTEXATTRIB2FPROC glad_glVertexAttrib2f = glad_on_demand_impl_glVertexAttrib2f;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib2fv(GLuint index, const GLfloat * v) {
    PFNGLVERTEXATTRIB2FVPROC proc = (PFNGLVERTEXATTRIB2FVPROC) glad_gl_on_demand_loader("glVertexAttrib2fv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib2fv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB2FVPROC glad_glVertexAttrib2fv = glad_on_demand_impl_glVertexAttrib2fv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib2s(GLuint index, GLshort x, GLshort y) {
    PFNGLVERTEXATTRIB2SPROC proc = (PFNGLVERTEXATTRIB2SPROC) glad_gl_on_demand_loader("glVertexAttrib2s");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib2s = proc;
    proc(index, x, y);
}
PFNGLVERTEXATTRIB2SPROC glad_glVertexAttrib2s = glad_on_demand_impl_glVertexAttrib2s;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib2sv(GLuint index, const GLshort * v) {
    PFNGLVERTEXATTRIB2SVPROC proc = (PFNGLVERTEXATTRIB2SVPROC) glad_gl_on_demand_loader("glVertexAttrib2sv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib2sv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB2SVPROC glad_glVertexAttrib2sv = glad_on_demand_impl_glVertexAttrib2sv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib3d(GLuint index, GLdouble x, GLdouble y, GLdouble z) {
    PFNGLVERTEXATTRIB3DPROC proc = (PFNGLVERTEXATTRIB3DPROC) glad_gl_on_demand_loader("glVertexAttrib3d");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib3d = proc;
    proc(index, x, y, z);
}
PFNGLVERTEXATTRIB3DPROC glad_glVertexAttrib3d = glad_on_demand_impl_glVertexAttrib3d;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib3dv(GLuint index, const GLdouble * v) {
    PFNGLVERTEXATTRIB3DVPROC proc = (PFNGLVERTEXATTRIB3DVPROC) glad_gl_on_demand_loader("glVertexAttrib3dv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib3dv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB3DVPROC glad_glVertexAttrib3dv = glad_on_demand_impl_glVertexAttrib3dv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib3f(GLuint index, GLfloat x, GLfloat y, GLfloat z) {
    PFNGLVERTEXATTRIB3FPROC proc = (PFNGLVERTEXATTRIB3FPROC) glad_gl_on_demand_loader("glVertexAttrib3f");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib3f = proc;
    proc(index, x, y, z);
}
PFNGLVERTEXATTRIB3FPROC glad_glVertexAttrib3f = glad_on_demand_impl_glVertexAttrib3f;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib3fv(GLuint index, const GLfloat * v) {
    PFNGLVERTEXATTRIB3FVPROC proc = (PFNGLVERTEXATTRIB3FVPROC) glad_gl_on_demand_loader("glVertexAttrib3fv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib3fv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB3FVPROC glad_glVertexAttrib3fv = glad_on_demand_impl_glVertexAttrib3fv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib3s(GLuint index, GLshort x, GLshort y, GLshort z) {
    PFNGLVERTEXATTRIB3SPROC proc = (PFNGLVERTEXATTRIB3SPROC) glad_gl_on_demand_loader("glVertexAttrib3s");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib3s = proc;
    proc(index, x, y, z);
}
PFNGLVERTEXATTRIB3SPROC glad_glVertexAttrib3s = glad_on_demand_impl_glVertexAttrib3s;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib3sv(GLuint index, const GLshort * v) {
    PFNGLVERTEXATTRIB3SVPROC proc = (PFNGLVERTEXATTRIB3SVPROC) glad_gl_on_demand_loader("glVertexAttrib3sv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib3sv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB3SVPROC glad_glVertexAttrib3sv = glad_on_demand_impl_glVertexAttrib3sv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4Nbv(GLuint index, const GLbyte * v) {
    PFNGLVERTEXATTRIB4NBVPROC proc = (PFNGLVERTEXATTRIB4NBVPROC) glad_gl_on_demand_loader("glVertexAttrib4Nbv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4Nbv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4NBVPROC glad_glVertexAttrib4Nbv = glad_on_demand_impl_glVertexAttrib4Nbv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4Niv(GLuint index, const GLint * v) {
    PFNGLVERTEXATTRIB4NIVPROC proc = (PFNGLVERTEXATTRIB4NIVPROC) glad_gl_on_demand_loader("glVertexAttrib4Niv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4Niv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4NIVPROC glad_glVertexAttrib4Niv = glad_on_demand_impl_glVertexAttrib4Niv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4Nsv(GLuint index, const GLshort * v) {
    PFNGLVERTEXATTRIB4NSVPROC proc = (PFNGLVERTEXATTRIB4NSVPROC) glad_gl_on_demand_loader("glVertexAttrib4Nsv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4Nsv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4NSVPROC glad_glVertexAttrib4Nsv = glad_on_demand_impl_glVertexAttrib4Nsv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4Nub(GLuint index, GLubyte x, GLubyte y, GLubyte z, GLubyte w) {
    PFNGLVERTEXATTRIB4NUBPROC proc = (PFNGLVERTEXATTRIB4NUBPROC) glad_gl_on_demand_loader("glVertexAttrib4Nub");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4Nub = proc;
    proc(index, x, y, z, w);
}
PFNGLVERTEXATTRIB4NUBPROC glad_glVertexAttrib4Nub = glad_on_demand_impl_glVertexAttrib4Nub;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4Nubv(GLuint index, const GLubyte * v) {
    PFNGLVERTEXATTRIB4NUBVPROC proc = (PFNGLVERTEXATTRIB4NUBVPROC) glad_gl_on_demand_loader("glVertexAttrib4Nubv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4Nubv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4NUBVPROC glad_glVertexAttrib4Nubv = glad_on_demand_impl_glVertexAttrib4Nubv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4Nuiv(GLuint index, const GLuint * v) {
    PFNGLVERTEXATTRIB4NUIVPROC proc = (PFNGLVERTEXATTRIB4NUIVPROC) glad_gl_on_demand_loader("glVertexAttrib4Nuiv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4Nuiv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4NUIVPROC glad_glVertexAttrib4Nuiv = glad_on_demand_impl_glVertexAttrib4Nuiv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4Nusv(GLuint index, const GLushort * v) {
    PFNGLVERTEXATTRIB4NUSVPROC proc = (PFNGLVERTEXATTRIB4NUSVPROC) glad_gl_on_demand_loader("glVertexAttrib4Nusv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4Nusv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4NUSVPROC glad_glVertexAttrib4Nusv = glad_on_demand_impl_glVertexAttrib4Nusv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4bv(GLuint index, const GLbyte * v) {
    PFNGLVERTEXATTRIB4BVPROC proc = (PFNGLVERTEXATTRIB4BVPROC) glad_gl_on_demand_loader("glVertexAttrib4bv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4bv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4BVPROC glad_glVertexAttrib4bv = glad_on_demand_impl_glVertexAttrib4bv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4d(GLuint index, GLdouble x, GLdouble y, GLdouble z, GLdouble w) {
    PFNGLVERTEXATTRIB4DPROC proc = (PFNGLVERTEXATTRIB4DPROC) glad_gl_on_demand_loader("glVertexAttrib4d");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4d = proc;
    proc(index, x, y, z, w);
}
PFNGLVERTEXATTRIB4DPROC glad_glVertexAttrib4d = glad_on_demand_impl_glVertexAttrib4d;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4dv(GLuint index, const GLdouble * v) {
    PFNGLVERTEXATTRIB4DVPROC proc = (PFNGLVERTEXATTRIB4DVPROC) glad_gl_on_demand_loader("glVertexAttrib4dv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4dv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4DVPROC glad_glVertexAttrib4dv = glad_on_demand_impl_glVertexAttrib4dv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4f(GLuint index, GLfloat x, GLfloat y, GLfloat z, GLfloat w) {
    PFNGLVERTEXATTRIB4FPROC proc = (PFNGLVERTEXATTRIB4FPROC) glad_gl_on_demand_loader("glVertexAttrib4f");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4f = proc;
    proc(index, x, y, z, w);
}
PFNGLVERTEXATTRIB4FPROC glad_glVertexAttrib4f = glad_on_demand_impl_glVertexAttrib4f;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4fv(GLuint index, const GLfloat * v) {
    PFNGLVERTEXATTRIB4FVPROC proc = (PFNGLVERTEXATTRIB4FVPROC) glad_gl_on_demand_loader("glVertexAttrib4fv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4fv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4FVPROC glad_glVertexAttrib4fv = glad_on_demand_impl_glVertexAttrib4fv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4iv(GLuint index, const GLint * v) {
    PFNGLVERTEXATTRIB4IVPROC proc = (PFNGLVERTEXATTRIB4IVPROC) glad_gl_on_demand_loader("glVertexAttrib4iv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4iv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4IVPROC glad_glVertexAttrib4iv = glad_on_demand_impl_glVertexAttrib4iv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4s(GLuint index, GLshort x, GLshort y, GLshort z, GLshort w) {
    PFNGLVERTEXATTRIB4SPROC proc = (PFNGLVERTEXATTRIB4SPROC) glad_gl_on_demand_loader("glVertexAttrib4s");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4s = proc;
    proc(index, x, y, z, w);
}
PFNGLVERTEXATTRIB4SPROC glad_glVertexAttrib4s = glad_on_demand_impl_glVertexAttrib4s;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4sv(GLuint index, const GLshort * v) {
    PFNGLVERTEXATTRIB4SVPROC proc = (PFNGLVERTEXATTRIB4SVPROC) glad_gl_on_demand_loader("glVertexAttrib4sv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4sv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4SVPROC glad_glVertexAttrib4sv = glad_on_demand_impl_glVertexAttrib4sv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4ubv(GLuint index, const GLubyte * v) {
    PFNGLVERTEXATTRIB4UBVPROC proc = (PFNGLVERTEXATTRIB4UBVPROC) glad_gl_on_demand_loader("glVertexAttrib4ubv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4ubv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4UBVPROC glad_glVertexAttrib4ubv = glad_on_demand_impl_glVertexAttrib4ubv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4uiv(GLuint index, const GLuint * v) {
    PFNGLVERTEXATTRIB4UIVPROC proc = (PFNGLVERTEXATTRIB4UIVPROC) glad_gl_on_demand_loader("glVertexAttrib4uiv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4uiv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4UIVPROC glad_glVertexAttrib4uiv = glad_on_demand_impl_glVertexAttrib4uiv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttrib4usv(GLuint index, const GLushort * v) {
    PFNGLVERTEXATTRIB4USVPROC proc = (PFNGLVERTEXATTRIB4USVPROC) glad_gl_on_demand_loader("glVertexAttrib4usv");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttrib4usv = proc;
    proc(index, v);
}
PFNGLVERTEXATTRIB4USVPROC glad_glVertexAttrib4usv = glad_on_demand_impl_glVertexAttrib4usv;
static void GLAD_API_PTR glad_on_demand_impl_glVertexAttribPointer(GLuint index, GLint size, GLenum type, GLboolean normalized, GLsizei stride, const void * pointer) {
    PFNGLVERTEXATTRIBPOINTERPROC proc = (PFNGLVERTEXATTRIBPOINTERPROC) glad_gl_on_demand_loader("glVertexAttribPointer");
    if (proc == NULL) {
        return;
    }
    glad_glVertexAttribPointer = proc;
    proc(index, size, type, normalized, stride, pointer);
}
PFNGLVERTEXATTRIBPOINTERPROC glad_glVertexAttribPointer = glad_on_demand_impl_glVertexAttribPointer;
static void GLAD_API_PTR glad_on_demand_impl_glVertexPointer(GLint size, GLenum type, GLsizei stride, const void * pointer) {
    PFNGLVERTEXPOINTERPROC proc = (PFNGLVERTEXPOINTERPROC) glad_gl_on_demand_loader("glVertexPointer");
    if (proc == NULL) {
        return;
    }
    glad_glVertexPointer = proc;
    proc(size, type, stride, pointer);
}
PFNGLVERTEXPOINTERPROC glad_glVertexPointer = glad_on_demand_impl_glVertexPointer;
static void GLAD_API_PTR glad_on_demand_impl_glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    PFNGLVIEWPORTPROC proc = (PFNGLVIEWPORTPROC) glad_gl_on_demand_loader("glViewport");
    if (proc == NULL) {
        return;
    }
    glad_glViewport = proc;
    proc(x, y, width, height);
}
PFNGLVIEWPORTPROC glad_glViewport = glad_on_demand_impl_glViewport;
static void GLAD_API_PTR glad_on_demand_impl_glWaitSync(GLsync sync, GLbitfield flags, GLuint64 timeout) {
    PFNGLWAITSYNCPROC proc = (PFNGLWAITSYNCPROC) glad_gl_on_demand_loader("glWaitSync");
    if (proc == NULL) {
        return;
    }
    glad_glWaitSync = proc;
    proc(sync, flags, timeout);
}
PFNGLWAITSYNCPROC glad_glWaitSync = glad_on_demand_impl_glWaitSync;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos2d(GLdouble x, GLdouble y) {
    PFNGLWINDOWPOS2DPROC proc = (PFNGLWINDOWPOS2DPROC) glad_gl_on_demand_loader("glWindowPos2d");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos2d = proc;
    proc(x, y);
}
PFNGLWINDOWPOS2DPROC glad_glWindowPos2d = glad_on_demand_impl_glWindowPos2d;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos2dv(const GLdouble * v) {
    PFNGLWINDOWPOS2DVPROC proc = (PFNGLWINDOWPOS2DVPROC) glad_gl_on_demand_loader("glWindowPos2dv");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos2dv = proc;
    proc(v);
}
PFNGLWINDOWPOS2DVPROC glad_glWindowPos2dv = glad_on_demand_impl_glWindowPos2dv;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos2f(GLfloat x, GLfloat y) {
    PFNGLWINDOWPOS2FPROC proc = (PFNGLWINDOWPOS2FPROC) glad_gl_on_demand_loader("glWindowPos2f");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos2f = proc;
    proc(x, y);
}
PFNGLWINDOWPOS2FPROC glad_glWindowPos2f = glad_on_demand_impl_glWindowPos2f;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos2fv(const GLfloat * v) {
    PFNGLWINDOWPOS2FVPROC proc = (PFNGLWINDOWPOS2FVPROC) glad_gl_on_demand_loader("glWindowPos2fv");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos2fv = proc;
    proc(v);
}
PFNGLWINDOWPOS2FVPROC glad_glWindowPos2fv = glad_on_demand_impl_glWindowPos2fv;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos2i(GLint x, GLint y) {
    PFNGLWINDOWPOS2IPROC proc = (PFNGLWINDOWPOS2IPROC) glad_gl_on_demand_loader("glWindowPos2i");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos2i = proc;
    proc(x, y);
}
PFNGLWINDOWPOS2IPROC glad_glWindowPos2i = glad_on_demand_impl_glWindowPos2i;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos2iv(const GLint * v) {
    PFNGLWINDOWPOS2IVPROC proc = (PFNGLWINDOWPOS2IVPROC) glad_gl_on_demand_loader("glWindowPos2iv");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos2iv = proc;
    proc(v);
}
PFNGLWINDOWPOS2IVPROC glad_glWindowPos2iv = glad_on_demand_impl_glWindowPos2iv;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos2s(GLshort x, GLshort y) {
    PFNGLWINDOWPOS2SPROC proc = (PFNGLWINDOWPOS2SPROC) glad_gl_on_demand_loader("glWindowPos2s");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos2s = proc;
    proc(x, y);
}
PFNGLWINDOWPOS2SPROC glad_glWindowPos2s = glad_on_demand_impl_glWindowPos2s;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos2sv(const GLshort * v) {
    PFNGLWINDOWPOS2SVPROC proc = (PFNGLWINDOWPOS2SVPROC) glad_gl_on_demand_loader("glWindowPos2sv");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos2sv = proc;
    proc(v);
}
PFNGLWINDOWPOS2SVPROC glad_glWindowPos2sv = glad_on_demand_impl_glWindowPos2sv;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos3d(GLdouble x, GLdouble y, GLdouble z) {
    PFNGLWINDOWPOS3DPROC proc = (PFNGLWINDOWPOS3DPROC) glad_gl_on_demand_loader("glWindowPos3d");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos3d = proc;
    proc(x, y, z);
}
PFNGLWINDOWPOS3DPROC glad_glWindowPos3d = glad_on_demand_impl_glWindowPos3d;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos3dv(const GLdouble * v) {
    PFNGLWINDOWPOS3DVPROC proc = (PFNGLWINDOWPOS3DVPROC) glad_gl_on_demand_loader("glWindowPos3dv");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos3dv = proc;
    proc(v);
}
PFNGLWINDOWPOS3DVPROC glad_glWindowPos3dv = glad_on_demand_impl_glWindowPos3dv;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos3f(GLfloat x, GLfloat y, GLfloat z) {
    PFNGLWINDOWPOS3FPROC proc = (PFNGLWINDOWPOS3FPROC) glad_gl_on_demand_loader("glWindowPos3f");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos3f = proc;
    proc(x, y, z);
}
PFNGLWINDOWPOS3FPROC glad_glWindowPos3f = glad_on_demand_impl_glWindowPos3f;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos3fv(const GLfloat * v) {
    PFNGLWINDOWPOS3FVPROC proc = (PFNGLWINDOWPOS3FVPROC) glad_gl_on_demand_loader("glWindowPos3fv");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos3fv = proc;
    proc(v);
}
PFNGLWINDOWPOS3FVPROC glad_glWindowPos3fv = glad_on_demand_impl_glWindowPos3fv;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos3i(GLint x, GLint y, GLint z) {
    PFNGLWINDOWPOS3IPROC proc = (PFNGLWINDOWPOS3IPROC) glad_gl_on_demand_loader("glWindowPos3i");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos3i = proc;
    proc(x, y, z);
}
PFNGLWINDOWPOS3IPROC glad_glWindowPos3i = glad_on_demand_impl_glWindowPos3i;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos3iv(const GLint * v) {
    PFNGLWINDOWPOS3IVPROC proc = (PFNGLWINDOWPOS3IVPROC) glad_gl_on_demand_loader("glWindowPos3iv");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos3iv = proc;
    proc(v);
}
PFNGLWINDOWPOS3IVPROC glad_glWindowPos3iv = glad_on_demand_impl_glWindowPos3iv;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos3s(GLshort x, GLshort y, GLshort z) {
    PFNGLWINDOWPOS3SPROC proc = (PFNGLWINDOWPOS3SPROC) glad_gl_on_demand_loader("glWindowPos3s");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos3s = proc;
    proc(x, y, z);
}
PFNGLWINDOWPOS3SPROC glad_glWindowPos3s = glad_on_demand_impl_glWindowPos3s;
static void GLAD_API_PTR glad_on_demand_impl_glWindowPos3sv(const GLshort * v) {
    PFNGLWINDOWPOS3SVPROC proc = (PFNGLWINDOWPOS3SVPROC) glad_gl_on_demand_loader("glWindowPos3sv");
    if (proc == NULL) {
        return;
    }
    glad_glWindowPos3sv = proc;
    proc(v);
}
PFNGLWINDOWPOS3SVPROC glad_glWindowPos3sv = glad_on_demand_impl_glWindowPos3sv;


 

#ifdef GLAD_GL

#ifndef GLAD_LOADER_LIBRARY_C_
#define GLAD_LOADER_LIBRARY_C_

#include <stddef.h>
#include <stdlib.h>

#if GLAD_PLATFORM_WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif


static void* glad_get_dlopen_handle(const char *lib_names[], int length) {
    void *handle = NULL;
    int i;

    for (i = 0; i < length; ++i) {
#if GLAD_PLATFORM_WIN32
  #if GLAD_PLATFORM_UWP
        size_t buffer_size = (strlen(lib_names[i]) + 1) * sizeof(WCHAR);
        LPWSTR buffer = (LPWSTR) malloc(buffer_size);
        if (buffer != NULL) {
            int ret = MultiByteToWideChar(CP_ACP, 0, lib_names[i], -1, buffer, buffer_size);
            if (ret != 0) {
                handle = (void*) LoadPackagedLibrary(buffer, 0);
            }
            free((void*) buffer);
        }
  #else
        handle = (void*) LoadLibraryA(lib_names[i]);
  #endif
#else
        handle = dlopen(lib_names[i], RTLD_LAZY | RTLD_LOCAL);
#endif
        if (handle != NULL) {
            return handle;
        }
    }

    return NULL;
}

static void glad_close_dlopen_handle(void* handle) {
    if (handle != NULL) {
#if GLAD_PLATFORM_WIN32
        FreeLibrary((HMODULE) handle);
#else
        dlclose(handle);
#endif
    }
}

static GLADapiproc glad_dlsym_handle(void* handle, const char *name) {
    if (handle == NULL) {
        return NULL;
    }

#if GLAD_PLATFORM_WIN32
    return (GLADapiproc) GetProcAddress((HMODULE) handle, name);
#else
    return GLAD_GNUC_EXTENSION (GLADapiproc) dlsym(handle, name);
#endif
}

#endif /* GLAD_LOADER_LIBRARY_C_ */

typedef void* (GLAD_API_PTR *GLADglprocaddrfunc)(const char*);
struct _glad_gl_userptr {
    void *handle;
    GLADglprocaddrfunc gl_get_proc_address_ptr;
};

static GLADapiproc glad_gl_get_proc(void *vuserptr, const char *name) {
    struct _glad_gl_userptr userptr = *(struct _glad_gl_userptr*) vuserptr;
    GLADapiproc result = NULL;

    if(userptr.gl_get_proc_address_ptr != NULL) {
        result = GLAD_GNUC_EXTENSION (GLADapiproc) userptr.gl_get_proc_address_ptr(name);
    }
    if(result == NULL) {
        result = glad_dlsym_handle(userptr.handle, name);
    }

    return result;
}

static void* _glad_GL_loader_handle = NULL;

static void* glad_gl_dlopen_handle(void) {
#if GLAD_PLATFORM_APPLE
    static const char *NAMES[] = {
        "../Frameworks/OpenGL.framework/OpenGL",
        "/Library/Frameworks/OpenGL.framework/OpenGL",
        "/System/Library/Frameworks/OpenGL.framework/OpenGL",
        "/System/Library/Frameworks/OpenGL.framework/Versions/Current/OpenGL"
    };
#elif GLAD_PLATFORM_WIN32
    static const char *NAMES[] = {"opengl32.dll"};
#else
    static const char *NAMES[] = {
  #if defined(__CYGWIN__)
        "libGL-1.so",
  #endif
        "libGL.so.1",
        "libGL.so"
    };
#endif

    if (_glad_GL_loader_handle == NULL) {
        _glad_GL_loader_handle = glad_get_dlopen_handle(NAMES, sizeof(NAMES) / sizeof(NAMES[0]));
    }

    return _glad_GL_loader_handle;
}

static struct _glad_gl_userptr glad_gl_build_userptr(void *handle) {
    struct _glad_gl_userptr userptr;

    userptr.handle = handle;
#if GLAD_PLATFORM_APPLE || defined(__HAIKU__)
    userptr.gl_get_proc_address_ptr = NULL;
#elif GLAD_PLATFORM_WIN32
    userptr.gl_get_proc_address_ptr =
        (GLADglprocaddrfunc) glad_dlsym_handle(handle, "wglGetProcAddress");
#else
    userptr.gl_get_proc_address_ptr =
        (GLADglprocaddrfunc) glad_dlsym_handle(handle, "glXGetProcAddressARB");
#endif

    return userptr;
}


#ifdef __cplusplus
static struct _glad_gl_userptr glad_gl_internal_loader_global_userptr = {};
#else
static struct _glad_gl_userptr glad_gl_internal_loader_global_userptr = { 0 };
#endif
static GLADapiproc glad_gl_internal_loader_get_proc(const char *name) {
    if (glad_gl_internal_loader_global_userptr.handle == NULL) {
        glad_gl_internal_loader_global_userptr = glad_gl_build_userptr(glad_gl_dlopen_handle());
    }

    return glad_gl_get_proc((void *) &glad_gl_internal_loader_global_userptr, name);
}


void gladLoaderUnloadGL(void) {
    if (_glad_GL_loader_handle != NULL) {
        glad_close_dlopen_handle(_glad_GL_loader_handle);
        _glad_GL_loader_handle = NULL;
        glad_gl_internal_loader_global_userptr.handle = NULL;
    }
}

#endif /* GLAD_GL */

#ifdef __cplusplus
}
#endif
