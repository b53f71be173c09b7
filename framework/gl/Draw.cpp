#include "framework/gl/Draw.h"

#include "framework/gl/TextureBinding.h"

namespace lume::gl {

namespace {

// Corner order shared by both rectangle helpers: (x2, y1), (x1, y1), (x2, y2), (x1, y2).
void corners(const Rectf &r, GLfloat (&out)[8])
{
    const GLfloat values[8] = {r.x2, r.y1, r.x1, r.y1, r.x2, r.y2, r.x1, r.y2};
    for (int i = 0; i < 8; ++i)
        out[i] = values[i];
}

} // namespace

void clear(const ColorA &color, bool clearDepthBuffer)
{
    glClearColor(color.r, color.g, color.b, color.a);
    if (clearDepthBuffer) {
        glDepthMask(GL_TRUE);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    } else {
        glClear(GL_COLOR_BUFFER_BIT);
    }
}

void drawSolidRect(const Rectf &rect, bool textureRectangle)
{
    GLfloat verts[8];
    corners(rect, verts);
    GLfloat texCoords[8] = {1, 0, 0, 0, 1, 1, 0, 1};
    if (textureRectangle)
        corners(rect, texCoords);

    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, verts);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

void draw(const Texture &texture, const Rectf &destRect)
{
    draw(texture, Area(0, 0, texture.getCleanWidth(), texture.getCleanHeight()), destRect);
}

void draw(const Texture &texture, const Area &srcArea, const Rectf &destRect)
{
    const GLenum target = texture.getTarget();
    GLint previousBinding = 0;
    glGetIntegerv(textureBindingQuery(target), &previousBinding);
    GLboolean targetWasEnabled = GL_FALSE;
    glGetBooleanv(target, &targetWasEnabled);
    GLboolean vertexArrayWasEnabled = GL_FALSE;
    glGetBooleanv(GL_VERTEX_ARRAY, &vertexArrayWasEnabled);
    GLboolean texCoordArrayWasEnabled = GL_FALSE;
    glGetBooleanv(GL_TEXTURE_COORD_ARRAY, &texCoordArrayWasEnabled);

    texture.enableAndBind();

    GLfloat verts[8];
    corners(destRect, verts);
    GLfloat texCoords[8];
    corners(texture.getAreaTexCoords(srcArea), texCoords);

    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, verts);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);

    if (!texCoordArrayWasEnabled)
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    if (!vertexArrayWasEnabled)
        glDisableClientState(GL_VERTEX_ARRAY);
    if (targetWasEnabled)
        glEnable(target);
    else
        glDisable(target);
    glBindTexture(target, GLuint(previousBinding));
}

} // namespace lume::gl
