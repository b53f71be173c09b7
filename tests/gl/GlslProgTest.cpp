#include "framework/gl/GlslProg.h"
#include "framework/gl/Draw.h"
#include "framework/gl/Matrices.h"
#include "tests/gl/GlTest.h"
#include "tests/support/GlOverride.h"

#include <cstring>
#include <string>
#include <vector>

namespace lume::test {
namespace {

using gl::GlslProg;
using gl::GlslProgCompileExc;
using gl::GlslProgLinkExc;

const char *kFragmentOk = "#version 120\nvoid main() { gl_FragColor = vec4(1.0); }\n";

bool startsWith(const std::string &s, const std::string &prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}

struct StageFailure {
    const char *vertex;
    const char *fragment;
    const char *geometry;
    GLint stage;
    const char *prefix;
};

TEST_F(GlTest, CompileFailureNamesTheStageAndCarriesTheDriverLog)
{
    const char *broken = "#version 120\nvoid main() { this is not glsl }\n";
    const char *brokenGeometry = "#version 150\nlayout(points) in;\nlayout(points, max_vertices = 1) out;\n"
                                 "void main() { EmitVertex() }\n";
    const StageFailure cases[] = {
        {broken, kFragmentOk, nullptr, GL_VERTEX_SHADER, "VERTEX: "},
        {passThroughVertex(), broken, nullptr, GL_FRAGMENT_SHADER, "FRAGMENT: "},
        {passThroughVertex(), kFragmentOk, brokenGeometry, GL_GEOMETRY_SHADER_EXT, "GEOMETRY: "},
    };
    for (const StageFailure &c : cases) {
        SCOPED_TRACE(c.prefix);
        try {
            GlslProg prog(c.vertex, c.fragment, c.geometry);
            ADD_FAILURE() << "no exception";
        } catch (const GlslProgCompileExc &e) {
            const std::string what = e.what();
            EXPECT_TRUE(startsWith(what, c.prefix)) << what;
            EXPECT_GT(what.size(), std::strlen(c.prefix)) << "the driver's log is missing";
            EXPECT_EQ(e.getShaderType(), c.stage);
        }
    }
}

GLuint sLastProgram = 0;

GLuint GLAD_API_PTR recordingCreateProgram()
{
    static auto real = reinterpret_cast<PFNGLCREATEPROGRAMPROC>(glProc("glCreateProgram"));
    return sLastProgram = real();
}

TEST_F(GlTest, LinkFailureIsReportedWithTheProgramLog)
{
    // Compiles, but the function it calls is defined nowhere.
    const char *fragment = "#version 120\nvec4 shade();\nvoid main() { gl_FragColor = shade(); }\n";
    GlOverride<PFNGLCREATEPROGRAMPROC> spy(glad_glCreateProgram, recordingCreateProgram);
    try {
        GlslProg prog(passThroughVertex(), fragment);
        ADD_FAILURE() << "a program that cannot link was accepted";
    } catch (const GlslProgLinkExc &e) {
        const std::string what = e.what();
        EXPECT_TRUE(startsWith(what, "LINK: ")) << what;
        EXPECT_GT(what.size(), std::strlen("LINK: ")) << "the program log is missing";
    }
    EXPECT_NE(sLastProgram, 0u);
    EXPECT_FALSE(glIsProgram(sLastProgram)) << "the failed program was not deleted";
    // Callers that catch the standard exception see it too.
    EXPECT_THROW(GlslProg(passThroughVertex(), fragment), std::exception);
}

TEST(GlslProgMessage, PrefixThenLogCutAt15000Characters)
{
    const std::string longLog(20000, 'x');
    struct Case {
        std::string what;
        std::string expected;
    } cases[] = {
        {GlslProgCompileExc("0:1: error", GL_VERTEX_SHADER).what(), "VERTEX: 0:1: error"},
        {GlslProgCompileExc("", GL_FRAGMENT_SHADER).what(), "FRAGMENT: "},
        {GlslProgCompileExc("log", 0x1234).what(), "UNKNOWN: log"},
        {GlslProgCompileExc(longLog, GL_GEOMETRY_SHADER_EXT).what(), "GEOMETRY: " + longLog.substr(0, 15000)},
        {GlslProgLinkExc(longLog).what(), "LINK: " + longLog.substr(0, 15000)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.what, c.expected);
}

std::vector<GLuint> sShaders;

GLuint GLAD_API_PTR recordingCreateShader(GLenum type)
{
    static auto real = reinterpret_cast<PFNGLCREATESHADERPROC>(glProc("glCreateShader"));
    GLuint shader = real(type);
    sShaders.push_back(shader);
    return shader;
}

TEST_F(GlTest, ShaderAndProgramObjectsDoNotOutliveTheirUse)
{
    GlOverride<PFNGLCREATESHADERPROC> spy(glad_glCreateShader, recordingCreateShader);

    sShaders.clear();
    EXPECT_THROW(GlslProg(passThroughVertex(), "#version 120\nvoid main() { oops }\n"), GlslProgCompileExc);
    ASSERT_EQ(sShaders.size(), 2u);
    EXPECT_FALSE(glIsShader(sShaders[0])) << "attached vertex shader of a failed program";
    EXPECT_FALSE(glIsShader(sShaders[1])) << "shader that failed to compile";

    sShaders.clear();
    GLuint handle = 0;
    {
        GlslProg prog(passThroughVertex(), kFragmentOk);
        handle = prog.getHandle();
        {
            GlslProg copy = prog; // copies share one program
            EXPECT_EQ(copy.getHandle(), handle);
        }
        EXPECT_TRUE(glIsProgram(handle));
    }
    EXPECT_FALSE(glIsProgram(handle));
    ASSERT_EQ(sShaders.size(), 2u);
    EXPECT_FALSE(glIsShader(sShaders[0]));
    EXPECT_FALSE(glIsShader(sShaders[1]));
}

TEST_F(GlTest, VertexStageAloneLinks)
{
    GlslProg prog(passThroughVertex(), static_cast<const char *>(nullptr));
    GLint linked = GL_FALSE;
    glGetProgramiv(prog.getHandle(), GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
}

int sLocationQueries = 0;

GLint GLAD_API_PTR countingGetUniformLocation(GLuint program, const GLchar *name)
{
    static auto real = reinterpret_cast<PFNGLGETUNIFORMLOCATIONPROC>(glProc("glGetUniformLocation"));
    ++sLocationQueries;
    return real(program, name);
}

TEST_F(GlTest, UniformLocationsAreQueriedOncePerName)
{
    GlslProg prog(passThroughVertex(), "#version 120\nuniform float fade;\nuniform float times[2];\n"
                                       "void main() { gl_FragColor = vec4(fade, times[0], times[1], 1.0); }\n");
    prog.bind();
    GlOverride<PFNGLGETUNIFORMLOCATIONPROC> spy(glad_glGetUniformLocation, countingGetUniformLocation);
    sLocationQueries = 0;

    const GLint fade = prog.getUniformLocation("fade");
    EXPECT_GE(fade, 0);
    EXPECT_EQ(prog.getUniformLocation("fade"), fade);
    EXPECT_EQ(prog.getUniformLocation("missing"), -1);
    EXPECT_EQ(prog.getUniformLocation("missing"), -1);
    const GLint t0 = prog.getUniformLocation("times[0]");
    const GLint t1 = prog.getUniformLocation("times[1]");
    EXPECT_GE(t0, 0);
    EXPECT_NE(t0, t1);
    EXPECT_EQ(sLocationQueries, 4);

    for (int frame = 0; frame < 3; ++frame) {
        prog.uniform("fade", 0.5f);
        prog.uniform("times[1]", 1.0f);
        prog.uniform("missing", 2.0f); // ignored by GL, no error
    }
    EXPECT_EQ(sLocationQueries, 4);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(GlTest, EachUniformSetterReachesTheShader)
{
    GlslProg prog(passThroughVertex(), "#version 120\n"
                                       "uniform int i; uniform float f; uniform vec3 v3; uniform vec4 v4;\n"
                                       "void main() { gl_FragColor = vec4(float(i) / 255.0, f, v3.z, v4.w); }\n");
    prog.bind();
    prog.uniform("i", 51);
    prog.uniform("f", 0.4f);
    prog.uniform("v3", Vec3f{0, 0, 0.6f});
    prog.uniform("v4", Vec4f{0, 0, 0, 0.8f});
    gl::setMatricesWindowPersp(64, 64);
    gl::drawSolidRect(Rectf{0, 0, 64, 64});
    EXPECT_PRED3(closeTo, readPixel(32, 32), (Rgba{51, 102, 153, 204}), 1);
}

TEST_F(GlTest, DataSourceTextEndsAtTheContentOrAZeroByte)
{
    // The buffer is not zero-terminated itself; a zero byte hides what follows it.
    std::string fragment = kFragmentOk;
    fragment += std::string("\0garbage that would not compile", 31);
    std::vector<char> bytes(fragment.begin(), fragment.end());
    auto vertexBytes = std::vector<char>(passThroughVertex(), passThroughVertex() + std::strlen(passThroughVertex()));
    auto vertex = DataSourceBuffer::create(Buffer(vertexBytes.data(), uint32_t(vertexBytes.size())));
    auto frag = DataSourceBuffer::create(Buffer(bytes.data(), uint32_t(bytes.size())));
    GlslProg prog(vertex, frag);
    EXPECT_NE(prog.getHandle(), 0u);
}

} // namespace
} // namespace lume::test
