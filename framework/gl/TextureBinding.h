#pragma once

#include "framework/gl/Exception.h"

#include <glad/gl.h>

// Rectangle textures are core in later GL versions; the loader is generated for 2.1, so the
// two values are spelled out here.
#ifndef GL_TEXTURE_RECTANGLE_ARB
#define GL_TEXTURE_RECTANGLE_ARB 0x84F5
#endif
#ifndef GL_TEXTURE_BINDING_RECTANGLE_ARB
#define GL_TEXTURE_BINDING_RECTANGLE_ARB 0x84F6
#endif

namespace lume::gl {

// The glGet query that answers which texture is bound to `target` on the active unit.
// Throws ExceptionUnknownTarget for a target without one.
inline GLenum textureBindingQuery(GLenum target)
{
    switch (target) {
    case GL_TEXTURE_1D: return GL_TEXTURE_BINDING_1D;
    case GL_TEXTURE_2D: return GL_TEXTURE_BINDING_2D;
    case GL_TEXTURE_3D: return GL_TEXTURE_BINDING_3D;
    case GL_TEXTURE_RECTANGLE_ARB: return GL_TEXTURE_BINDING_RECTANGLE_ARB;
    case GL_TEXTURE_CUBE_MAP: return GL_TEXTURE_BINDING_CUBE_MAP;
    default: throw ExceptionUnknownTarget();
    }
}

} // namespace lume::gl
