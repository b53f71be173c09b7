#include "framework/gl/GlslProg.h"

#include <cstring>
#include <vector>

namespace lume::gl {

namespace {

// The driver's log, up to its first zero byte and never longer than the length it reported.
template <typename GetLength, typename GetLog>
std::string readInfoLog(GLuint object, GetLength getLength, GetLog getLog)
{
    GLint length = 0;
    getLength(object, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0)
        return std::string();
    std::vector<GLchar> log(length, 0);
    GLsizei written = 0;
    getLog(object, length, &written, log.data());
    return std::string(log.data(), strnlen(log.data(), length));
}

std::string shaderLog(GLuint shader)
{
    return readInfoLog(shader, glGetShaderiv, glGetShaderInfoLog);
}

std::string programLog(GLuint program)
{
    return readInfoLog(program, glGetProgramiv, glGetProgramInfoLog);
}

// Fills a 16,001-byte message: the prefix (at most 1,000 characters, zero-padded) and then at
// most 15,000 characters of the log, so a runaway log can never overflow the array.
void composeMessage(char (&message)[16001], const char *prefix, const std::string &log)
{
    std::strncpy(message, prefix, 1000);
    message[1000] = '\0';
    std::strncat(message, log.c_str(), 15000);
}

} // namespace

GlslProg::Obj::~Obj()
{
    if (mHandle)
        glDeleteProgram(mHandle);
}

GlslProg::GlslProg(const char *vertexShader, const char *fragmentShader, const char *geometryShader,
                   GLint geometryInputType, GLint geometryOutputType, GLint geometryOutputVertices)
    : mObj(std::make_shared<Obj>())
{
    mObj->mHandle = glCreateProgram();
    if (vertexShader)
        attachShader(vertexShader, GL_VERTEX_SHADER);
    if (fragmentShader)
        attachShader(fragmentShader, GL_FRAGMENT_SHADER);
    if (geometryShader) {
        attachShader(geometryShader, GL_GEOMETRY_SHADER_EXT);
        glProgramParameteriEXT(mObj->mHandle, GL_GEOMETRY_INPUT_TYPE_EXT, geometryInputType);
        glProgramParameteriEXT(mObj->mHandle, GL_GEOMETRY_OUTPUT_TYPE_EXT, geometryOutputType);
        glProgramParameteriEXT(mObj->mHandle, GL_GEOMETRY_VERTICES_OUT_EXT, geometryOutputVertices);
    }
    link();
}

namespace {

// The source's bytes as a zero-terminated text; one byte longer than the content.
std::vector<char> sourceText(const DataSourceRef &source)
{
    const Buffer &buffer = source->getBuffer();
    std::vector<char> text(size_t(buffer.getDataSize()) + 1, '\0');
    if (buffer.getDataSize())
        std::memcpy(text.data(), buffer.getData(), buffer.getDataSize());
    return text;
}

} // namespace

GlslProg::GlslProg(const DataSourceRef &vertexShader, const DataSourceRef &fragmentShader,
                   const DataSourceRef &geometryShader, GLint geometryInputType, GLint geometryOutputType,
                   GLint geometryOutputVertices)
    : mObj(std::make_shared<Obj>())
{
    mObj->mHandle = glCreateProgram();
    if (vertexShader)
        attachShader(sourceText(vertexShader).data(), GL_VERTEX_SHADER);
    if (fragmentShader)
        attachShader(sourceText(fragmentShader).data(), GL_FRAGMENT_SHADER);
    if (geometryShader) {
        attachShader(sourceText(geometryShader).data(), GL_GEOMETRY_SHADER_EXT);
        glProgramParameteriEXT(mObj->mHandle, GL_GEOMETRY_INPUT_TYPE_EXT, geometryInputType);
        glProgramParameteriEXT(mObj->mHandle, GL_GEOMETRY_OUTPUT_TYPE_EXT, geometryOutputType);
        glProgramParameteriEXT(mObj->mHandle, GL_GEOMETRY_VERTICES_OUT_EXT, geometryOutputVertices);
    }
    link();
}

void GlslProg::attachShader(const char *source, GLint shaderType)
{
    GLuint shader = glCreateShader(shaderType);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);

    GLint status = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status != GL_TRUE) {
        std::string log = shaderLog(shader);
        glDeleteShader(shader);
        throw GlslProgCompileExc(log, shaderType);
    }
    glAttachShader(mObj->mHandle, shader);
    // Only flags it: the shader lives while attached and goes with the program.
    glDeleteShader(shader);
}

void GlslProg::link()
{
    glLinkProgram(mObj->mHandle);
    GLint status = GL_FALSE;
    glGetProgramiv(mObj->mHandle, GL_LINK_STATUS, &status);
    if (status != GL_TRUE)
        throw GlslProgLinkExc(programLog(mObj->mHandle));
}

void GlslProg::bind() const
{
    glUseProgram(getHandle());
}

void GlslProg::unbind()
{
    glUseProgram(0);
}

GLint GlslProg::getUniformLocation(const std::string &name)
{
    auto it = mObj->mUniformLocs.find(name);
    if (it != mObj->mUniformLocs.end())
        return it->second;
    GLint loc = glGetUniformLocation(mObj->mHandle, name.c_str());
    mObj->mUniformLocs.emplace(name, loc);
    return loc;
}

void GlslProg::uniform(const std::string &name, int data)
{
    glUniform1i(getUniformLocation(name), data);
}

void GlslProg::uniform(const std::string &name, float data)
{
    glUniform1f(getUniformLocation(name), data);
}

void GlslProg::uniform(const std::string &name, const Vec3f &data)
{
    glUniform3f(getUniformLocation(name), data.x, data.y, data.z);
}

void GlslProg::uniform(const std::string &name, const Vec4f &data)
{
    glUniform4f(getUniformLocation(name), data.x, data.y, data.z, data.w);
}

GlslProgCompileExc::GlslProgCompileExc(const std::string &log, GLint shaderType) : mShaderType(shaderType)
{
    const char *prefix = "UNKNOWN: ";
    if (shaderType == GL_VERTEX_SHADER)
        prefix = "VERTEX: ";
    else if (shaderType == GL_FRAGMENT_SHADER)
        prefix = "FRAGMENT: ";
    else if (shaderType == GL_GEOMETRY_SHADER_EXT)
        prefix = "GEOMETRY: ";
    composeMessage(mMessage, prefix, log);
}

GlslProgLinkExc::GlslProgLinkExc(const std::string &log)
{
    composeMessage(mMessage, "LINK: ", log);
}

} // namespace lume::gl
