#pragma once

#include "framework/DataSource.h"
#include "framework/Vector.h"

#include <glad/gl.h>

#include <exception>
#include <map>
#include <memory>
#include <string>

namespace lume::gl {

// One linked GLSL program. A cheap value handle: copies share the program, and the last
// holder deletes it. Uniform locations are looked up once per name and cached, because the
// player sets every uniform by name every frame.
class GlslProg {
  public:
    struct Obj {
        GLuint mHandle = 0;
        std::map<std::string, GLint> mUniformLocs;

        Obj() = default;
        Obj(const Obj &) = delete;
        Obj &operator=(const Obj &) = delete;
        ~Obj();
    };

    // An empty handle: no program.
    GlslProg() = default;
    // Compiles each given stage (null = absent) and links. Throws GlslProgCompileExc when a
    // stage does not compile and GlslProgLinkExc when the program does not link.
    GlslProg(const char *vertexShader, const char *fragmentShader = nullptr, const char *geometryShader = nullptr,
             GLint geometryInputType = GL_POINTS, GLint geometryOutputType = GL_TRIANGLES,
             GLint geometryOutputVertices = 0);
    // The same from data sources; an empty handle means the stage is absent. Each source's
    // whole content is the text (a zero byte inside it ends the text the compiler sees).
    GlslProg(const DataSourceRef &vertexShader, const DataSourceRef &fragmentShader = DataSourceRef(),
             const DataSourceRef &geometryShader = DataSourceRef(), GLint geometryInputType = GL_POINTS,
             GLint geometryOutputType = GL_TRIANGLES, GLint geometryOutputVertices = 0);

    void bind() const;
    static void unbind();

    GLuint getHandle() const { return mObj ? mObj->mHandle : 0; }
    // The cached location of a uniform; -1 for a name the program does not know (also cached).
    GLint getUniformLocation(const std::string &name);

    // Setters for the current program: bind this program first.
    void uniform(const std::string &name, int data);
    void uniform(const std::string &name, float data);
    void uniform(const std::string &name, const Vec3f &data);
    void uniform(const std::string &name, const Vec4f &data);

    explicit operator bool() const { return mObj != nullptr; }

  private:
    void attachShader(const char *source, GLint shaderType);
    void link();

    std::shared_ptr<Obj> mObj;
};

// A stage that did not compile. The message is the stage's prefix ("VERTEX: ", "FRAGMENT: ",
// "GEOMETRY: " or "UNKNOWN: ") followed by the driver's log, cut to 15,000 characters.
class GlslProgCompileExc : public std::exception {
  public:
    GlslProgCompileExc(const std::string &log, GLint shaderType);
    const char *what() const noexcept override { return mMessage; }
    GLint getShaderType() const { return mShaderType; }

  private:
    char mMessage[16001];
    GLint mShaderType;
};

// A program whose stages compiled but which did not link: "LINK: " followed by the
// program's log, cut like a compile log, so callers can report it the same way.
class GlslProgLinkExc : public std::exception {
  public:
    explicit GlslProgLinkExc(const std::string &log);
    const char *what() const noexcept override { return mMessage; }

  private:
    char mMessage[16001];
};

} // namespace lume::gl
