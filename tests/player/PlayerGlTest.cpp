// What a scene really receives, the wipe, and the loader's handling of broken scenes, on a
// real (headless) GL context with the test's own resource set (manifest.txt).
#include "app/SceneAssembly.h"
#include "app/SceneLoader.h"
#include "app/ScenePass.h"
#include "app/SceneTimeline.h"
#include "app/Uniforms.h"
#include "framework/app/Resources.h"
#include "framework/gl/Draw.h"
#include "framework/gl/Fbo.h"
#include "framework/gl/GlslProg.h"
#include "framework/gl/Texture.h"
#include "tests/support/GlContext.h"
#include "tests/support/GlOverride.h"

#include <gtest/gtest.h>

#include <glad/gl.h>

#include <array>
#include <chrono>
#include <cmath>
#include <sstream>
#include <thread>

using namespace lume;
using namespace lume::app;
using namespace fraglume;
using lume::test::Rgba;
using namespace std::chrono_literals;

namespace {

constexpr int kSize = 64;
constexpr int kProbeScene = 90, kBrokenScene = 91, kSolidScene = 92;

Rgba slotColour(int slot)
{
    return {uint8_t(20 + slot * 10), uint8_t(250 - slot * 10), uint8_t(slot * 5), 255};
}

// Small solid textures with a different size per slot; `empty` slots stay unfilled.
ImageSlots makeSlots(std::initializer_list<int> empty = {})
{
    ImageSlots slots;
    gl::Texture::Format format;
    format.setWrap(GL_REPEAT, GL_REPEAT);
    for (int slot = 0; slot < kImageSlotCount; ++slot) {
        if (std::find(empty.begin(), empty.end(), slot) != empty.end())
            continue;
        const int w = 4 + slot, h = 2 + slot;
        auto tex = std::make_shared<gl::Texture>(w, h, format);
        std::vector<Rgba> pixels(size_t(w * h), slotColour(slot));
        tex->bind(0);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        slots[size_t(slot)] = tex;
    }
    return slots;
}

double secondsSinceStart()
{
    static const auto sStart = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - sStart).count();
}

uint32_t decode(const Rgba &c)
{
    return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
}

// What decides the machine code Mesa builds for a scene at a draw: for each texture unit the
// bound texture's format, power-of-two sides, wrap and filters, and the draw buffer's formats.
struct DrawState {
    std::array<std::array<GLint, 7>, 8> units{};
    std::array<GLint, 3> buffer{};
    bool operator==(const DrawState &) const = default;
};

DrawState sLastDraw;

DrawState currentDrawState()
{
    auto powerOfTwo = [](GLint n) { return GLint(n > 0 && (n & (n - 1)) == 0); };
    DrawState state;
    for (GLuint unit = 0; unit < 8; ++unit) {
        glActiveTexture(GL_TEXTURE0 + unit);
        GLint id = 0, format = 0, w = 0, h = 0, wrapS = 0, wrapT = 0, minFilter = 0, magFilter = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &id);
        if (id != 0) {
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
            glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
            glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrapT);
            glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
            glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
        }
        state.units[unit] = {format, powerOfTwo(w), powerOfTwo(h), wrapS, wrapT, minFilter, magFilter};
    }
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_RED_BITS, &state.buffer[0]);
    glGetIntegerv(GL_ALPHA_BITS, &state.buffer[1]);
    glGetIntegerv(GL_DEPTH_BITS, &state.buffer[2]);
    return state;
}

void GLAD_API_PTR recordingDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    sLastDraw = currentDrawState();
    static auto real = reinterpret_cast<PFNGLDRAWARRAYSPROC>(test::glProc("glDrawArrays"));
    real(mode, first, count);
}

// One context for the whole suite: the scene pass does not depend on a fresh one.
class PlayerGl : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { sContext = new test::GlContext(kSize, kSize); }
    static void TearDownTestSuite()
    {
        delete sContext;
        sContext = nullptr;
    }
    void SetUp() override
    {
        mContext = sContext;
        mContext->makeCurrent();
        setWindowMatrices(kSize, kSize);
        mSceneFbo = gl::Fbo(kSize, kSize, sceneBufferFormat());
        mSceneFbo.getTexture(0).setFlipped();
    }
    void TearDown() override { mSceneFbo = gl::Fbo(); }

    static inline test::GlContext *sContext = nullptr;
    test::GlContext *mContext = nullptr;

    // One scene pass at the show's settings; returns the buffer's bottom row.
    std::vector<Rgba> renderProbe(const std::shared_ptr<gl::GlslProg> &program, const ImageSlots &images,
                                  float startTime, Vec4f mouse)
    {
        SceneInputs inputs;
        inputs.resolution = {kSize, kSize};
        inputs.startTime = startTime;
        inputs.now = secondsSinceStart();
        inputs.images = &images;
        inputs.mouse = mouse;
        renderScene(mSceneFbo, program, inputs);
        mSceneFbo.bindFramebuffer();
        std::vector<Rgba> row = test::readPixels(0, 0, kSize, 1);
        gl::Fbo::unbindFramebuffer();
        return row;
    }

    gl::Fbo mSceneFbo;
};

} // namespace

TEST_F(PlayerGl, ProbeSceneReceivesTheUniformsAndChannels)
{
    ImageSlots images = makeSlots({5});
    auto program = buildSceneProgramFromResources(kProbeScene);

    // A marker on unit 5: layout 2 names image 147 there, whose slot is empty, so it stays.
    auto marker = std::make_shared<gl::Texture>(1, 1);
    const Rgba markerColour{1, 2, 3, 255};
    marker->bind(5);
    glActiveTexture(GL_TEXTURE5);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &markerColour);
    glActiveTexture(GL_TEXTURE0);
    // Layout 2, then layout 3, which keeps unit 3 (image 141, slot 14).
    bindChannels(images, 2);
    bindChannels(images, 3);

    SceneTimeline show;
    for (const PlaylistEntry &e : kPlaylist)
        show.setEntry(e.position, e.timing);
    show.setSceneCount(kSceneCount);
    show.programTaken(secondsSinceStart(), 1);
    ASSERT_EQ(show.decide(secondsSinceStart()), FrameAction::Switch);
    show.switched(secondsSinceStart());

    const Vec4f mouse = mouseUniform({10, 20, 30, 40}, true, kSize);
    const std::vector<Rgba> row = renderProbe(program, images, show.sceneStartTime(), mouse);
    const Vec4f dateNow = dateUniformNow();

    EXPECT_EQ(decode(row[0]), 64u);
    EXPECT_EQ(decode(row[1]), 64u);
    EXPECT_EQ(decode(row[2]), 1000u);
    const uint32_t globalMs = decode(row[3]);
    EXPECT_LT(globalMs, 250u) << "iGlobalTime starts near 0 at the switch";
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(double(decode(row[size_t(4 + i)])), double(globalMs), 5.0) << "iChannelTime[" << i << "]";
    for (int i = 0; i < 7; ++i) {
        // From the slots, not from what the layout bound: slot 5 is empty.
        const uint32_t w = i == 5 ? 1 : 4 + i, h = i == 5 ? 1 : 2 + i;
        EXPECT_EQ(decode(row[size_t(11 + i)]), w) << "iChannelResolution[" << i << "].x";
        EXPECT_EQ(decode(row[size_t(18 + i)]), h) << "iChannelResolution[" << i << "].y";
        EXPECT_EQ(decode(row[size_t(25 + i)]), 1000u) << "iChannelResolution[" << i << "].z";
    }
    EXPECT_EQ(decode(row[32]), uint32_t(dateNow.x));
    EXPECT_EQ(decode(row[33]), uint32_t(dateNow.y));
    EXPECT_EQ(decode(row[34]), uint32_t(dateNow.z));
    EXPECT_NEAR(double(decode(row[35])), double(dateNow.w), 5.0) << "iDate seconds of the UTC day";
    EXPECT_EQ(decode(row[36]), 44000u);
    EXPECT_EQ(decode(row[37]), 10u);
    EXPECT_EQ(decode(row[38]), 43u) << "iMouse y counts up from the bottom row";
    EXPECT_EQ(decode(row[39]), 30u);
    EXPECT_EQ(decode(row[40]), 23u);

    // Channel N samples unit N: layout 3 after layout 2.
    const int layout3Slots[8] = {0,  slotOfImage(130), slotOfImage(140), slotOfImage(141), slotOfImage(140),
                                 -1, slotOfImage(149), slotOfImage(139)};
    for (int unit = 0; unit < 8; ++unit) {
        const Rgba expected = unit == 5 ? markerColour : slotColour(layout3Slots[unit]);
        EXPECT_EQ(row[size_t(48 + unit)], expected) << "channel " << unit;
    }

    // The scene clock runs on, and restarts near 0 when the next scene takes over.
    std::this_thread::sleep_for(300ms);
    const uint32_t laterMs = decode(renderProbe(program, images, show.sceneStartTime(), mouse)[3]);
    EXPECT_GE(laterMs, 290u);
    show.programTaken(secondsSinceStart(), 2);
    EXPECT_EQ(show.decide(secondsSinceStart()), FrameAction::Show) << "41 s of hold first";
    show.switched(secondsSinceStart());
    EXPECT_LT(decode(renderProbe(program, images, show.sceneStartTime(), mouse)[3]), 250u);
}

// The wipe from the scene buffer (red) to the fade buffer (blue), judged by what a viewer
// sees rather than by its formula: it starts as the scene and ends as the fade buffer; a row
// only ever moves towards the fade buffer as the fade runs; a row is never further along than
// the rows above it, so the fade buffer comes down from the top edge; its front is a few rows
// wide, not a cross-fade over the picture; halfway both pictures show; and no pixel is anything
// but a mix of the two.
TEST_F(PlayerGl, TheWipeReplacesTheSceneFromTheTopEdgeDownAsTheFadeRuns)
{
    const std::string vertex = loadString(loadResource(kVertexShaderId, "FRAG"));
    const std::string fragment = loadString(loadResource(kTransitionShaderId, "FRAG"));
    gl::GlslProg transition(vertex.c_str(), fragment.c_str());
    gl::Fbo fadeFbo(kSize, kSize);
    fadeFbo.getTexture(0).setFlipped();
    const Rgba src{255, 0, 0, 255}, dst{0, 0, 255, 255};
    auto fill = [](gl::Fbo &fbo, Rgba c) {
        fbo.bindFramebuffer();
        gl::clear(ColorA{c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1.0f});
        gl::Fbo::unbindFramebuffer();
    };
    fill(mSceneFbo, src);
    fill(fadeFbo, dst);

    constexpr int kSteps = 16;
    constexpr int kTolerance = 2;      // rounding of the mix
    std::vector<int> before(kSize, 0); // each row's blue at the previous step
    for (int step = 0; step <= kSteps; ++step) {
        const float fade = float(step) / kSteps;
        SCOPED_TRACE(fade);
        gl::clear(ColorA{0, 1, 0, 1});
        drawWipe(transition, mSceneFbo, fadeFbo, fade, Rectf{0, 0, float(kSize), float(kSize)});
        const std::vector<Rgba> column = test::readPixels(kSize / 2, 0, 1, kSize); // from the bottom row up
        int mixed = 0;
        for (int y = 0; y < kSize; ++y) {
            const Rgba shown = column[size_t(y)];
            ASSERT_TRUE(shown.g == 0 && std::abs(shown.r + shown.b - 255) <= kTolerance)
                << "row " << y << " shows " << shown << ", not a mix of the two pictures";
            EXPECT_GE(shown.b + kTolerance, before[size_t(y)]) << "row " << y << " went back towards the scene";
            if (y > 0) {
                EXPECT_GE(shown.b + kTolerance, column[size_t(y - 1)].b) << "row " << y << " behind the row below";
            }
            mixed += shown.b > 8 && shown.b < 247;
            before[size_t(y)] = shown.b;
        }
        EXPECT_LE(mixed, kSize / 4) << "rows in the front at once: a wipe, not a cross-fade";
        if (step == 0 || step == kSteps) {
            const Rgba whole = step == 0 ? src : dst;
            for (int y = 0; y < kSize; ++y)
                EXPECT_EQ(column[size_t(y)], whole) << "row " << y;
        }
        if (step == kSteps / 2) {
            EXPECT_EQ(column[kSize - 1], dst) << "halfway the top row shows the fade buffer";
            EXPECT_EQ(column[0], src) << "halfway the bottom row still shows the scene";
        }
    }
}

TEST_F(PlayerGl, LoaderReportsBrokenScenesAndGoesOn)
{
    JobQueue loadQueue, readyQueue;
    auto output = std::make_shared<std::ostringstream>();
    Console console(output);
    SceneLoader loader(loadQueue, readyQueue, console);
    ImageSlots images = makeSlots();
    std::atomic<bool> imagesReady{true};
    loader.setImages(&images, &imagesReady);
    glFinish();

    loader.submit({kSolidScene, L"", nullptr, 1});
    loader.submit({kBrokenScene, L"", nullptr, 2});
    loader.submit({77, L"", nullptr, 3}); // no such resource in this set
    loader.submit({kNoSceneId, L"/tmp/dropped.frag", nullptr, 0});
    loader.submit({kSolidScene, L"", nullptr, 5});

    std::atomic<bool> stop{false};
    auto shared = mContext->createSharedContext();
    std::thread stopper([&] {
        while (loader.pending() > 0)
            std::this_thread::sleep_for(5ms);
        stop = true;
    });
    shared->runOnThread([&] { loader.run(stop); });
    stopper.join();

    std::istringstream lines(output->str());
    std::string line;
    std::vector<std::string> got;
    while (std::getline(lines, line))
        if (line.rfind("Failed to compile the shader: ", 0) == 0)
            got.push_back(line);
    ASSERT_EQ(got.size(), 3u) << output->str();
    EXPECT_EQ(got[0].rfind("Failed to compile the shader: FRAGMENT: ", 0), 0u) << got[0];
    EXPECT_EQ(got[1], "Failed to compile the shader: Failed to load resource: #77 type: FRAG");
    EXPECT_EQ(got[2], "Failed to compile the shader: Failed to load resource: #-1 type: FRAG");

    // The built scenes arrive in order with their positions and draw in this context.
    std::vector<int> positions;
    std::shared_ptr<gl::GlslProg> last;
    while (readyQueue.hasJobs()) {
        LoadJob job;
        readyQueue.pop(job);
        positions.push_back(job.position);
        last = job.program;
    }
    EXPECT_EQ(positions, (std::vector<int>{1, 5}));
    const std::vector<Rgba> row = renderProbe(last, images, 0.0f, {});
    EXPECT_TRUE(test::closeTo(row[7], Rgba{255, 128, 64, 255}, 1)) << row[7];
}

TEST_F(PlayerGl, LoaderStopsWhileTheReadyQueueIsFull)
{
    JobQueue loadQueue, readyQueue;
    auto output = std::make_shared<std::ostringstream>();
    Console console(output);
    SceneLoader loader(loadQueue, readyQueue, console);
    for (int i = 0; i < JobQueue::kCapacity; ++i)
        readyQueue.push({kSolidScene, L"", nullptr, 0});
    loader.submit({kSolidScene, L"", nullptr, 1});

    std::atomic<bool> stop{false};
    auto shared = mContext->createSharedContext();
    std::thread stopper([&] {
        while (loadQueue.hasJobs())
            std::this_thread::sleep_for(5ms);
        std::this_thread::sleep_for(100ms);
        stop = true;
    });
    shared->runOnThread([&] { loader.run(stop); });
    stopper.join();
    EXPECT_EQ(loader.pending(), 0) << "the job that found no room was dropped";
    EXPECT_FALSE(readyQueue.hasRoom());
}

// The loader's warm-up draw is only worth its cost when the render context's first draw of
// the scene finds the machine code built for the same state (Mesa keys it on the textures
// on every unit and on the buffer formats): at each playlist position the warm-up, with its
// stand-ins, must draw in the state the scene pass will draw in with the real images.
TEST_F(PlayerGl, TheWarmUpDrawsInTheStateOfTheScenePass)
{
    const ImageSlots images = makeSlots();
    const ImageSlots standIns = makeWarmUpStandIns(images);
    const auto program = buildSceneProgramFromResources(kSolidScene);
    SceneInputs inputs;
    inputs.resolution = {kSize, kSize};
    inputs.now = secondsSinceStart();
    inputs.images = &images;

    // The render context as the show leaves it at each scene's first frame: every layout so
    // far bound in turn, then the scene pass.
    std::vector<DrawState> shown;
    for (const PlaylistEntry &e : kPlaylist) {
        bindChannels(images, e.timing.channelLayout);
        test::GlOverride<PFNGLDRAWARRAYSPROC> spy(glad_glDrawArrays, recordingDrawArrays);
        renderScene(mSceneFbo, program, inputs);
        shown.push_back(sLastDraw);
    }
    for (const PlaylistEntry &e : kPlaylist) {
        SCOPED_TRACE("position " + std::to_string(e.position));
        // The loader's context starts from no bindings at all.
        for (GLuint unit = 0; unit < 8; ++unit) {
            glActiveTexture(GL_TEXTURE0 + unit);
            glBindTexture(GL_TEXTURE_2D, 0);
        }
        glActiveTexture(GL_TEXTURE0);
        {
            test::GlOverride<PFNGLDRAWARRAYSPROC> spy(glad_glDrawArrays, recordingDrawArrays);
            warmUpSceneProgram(program, &standIns, e.position);
        }
        const DrawState &expected = shown[size_t(e.position - 1)];
        for (size_t unit = 0; unit < 8; ++unit)
            EXPECT_EQ(sLastDraw.units[unit], expected.units[unit]) << "texture unit " << unit;
        EXPECT_EQ(sLastDraw.buffer, expected.buffer) << "draw buffer formats";
    }
}
