// Every scene source of the show, as the player builds and feeds it: the text is fit to be
// joined behind the header, the program compiles and links, and the scene pass draws a
// picture that is there (not black, not one flat colour) and moves.
#include "app/ImageSlots.h"
#include "app/Playlist.h"
#include "app/SceneAssembly.h"
#include "app/ScenePass.h"
#include "framework/app/Resources.h"
#include "framework/gl/Fbo.h"
#include "framework/gl/GlslProg.h"
#include "tests/support/GlContext.h"

#include <gtest/gtest.h>

#include <glad/gl.h>

#include <algorithm>
#include <cstdlib>
#include <string>

using namespace lume;
using namespace lume::app;
using namespace fraglume;
using lume::test::Rgba;

namespace {

constexpr int kWidth = 320, kHeight = 180;

struct SceneCase {
    int sceneId;
    int position; // first playlist position; 0 for a source the playlist does not play
};

std::vector<SceneCase> allScenes()
{
    std::vector<SceneCase> cases;
    for (int id : {64, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81}) {
        int position = 0;
        for (const PlaylistEntry &e : kPlaylist)
            if (e.sceneId == id) {
                position = e.position;
                break;
            }
        cases.push_back({id, position});
    }
    return cases;
}

void PrintTo(const SceneCase &c, std::ostream *os)
{
    *os << "scene " << c.sceneId << " at position " << c.position;
}

struct FrameStats {
    double meanLuma = 0.0;
    int lumaRange = 0; // between the 1st and 99th percentile, so a few stray pixels do not count
};

int luma(const Rgba &c)
{
    return (c.r * 3 + c.g * 6 + c.b) / 10;
}

FrameStats statsOf(const std::vector<Rgba> &frame)
{
    std::vector<int> l;
    l.reserve(frame.size());
    double sum = 0.0;
    for (const Rgba &c : frame) {
        l.push_back(luma(c));
        sum += l.back();
    }
    std::sort(l.begin(), l.end());
    return {sum / double(l.size()), l[l.size() * 99 / 100] - l[l.size() / 100]};
}

// Share of pixels whose colour changed by more than a little between two frames.
double changedShare(const std::vector<Rgba> &a, const std::vector<Rgba> &b)
{
    size_t changed = 0;
    for (size_t i = 0; i < a.size(); ++i)
        if (!test::closeTo(a[i], b[i], 3))
            ++changed;
    return double(changed) / double(a.size());
}

class ShowScene : public ::testing::TestWithParam<SceneCase> {
  protected:
    // One context and one set of decoded images for all scenes: decoding the 23 show images
    // costs more than all the scenes together.
    static void SetUpTestSuite()
    {
        sContext = new test::GlContext(kWidth, kHeight);
        sImages = new ImageSlots;
        for (int slot = 0; slot < kImageSlotCount; ++slot)
            (*sImages)[size_t(slot)] = loadImageSlot(slot);
    }
    static void TearDownTestSuite()
    {
        delete sImages;
        sImages = nullptr;
        delete sContext;
        sContext = nullptr;
    }

    void SetUp() override
    {
        sContext->makeCurrent();
        mTarget = gl::Fbo(kWidth, kHeight);
        // Units a layout does not name keep the previous scene's image: replay the playlist
        // up to this scene's position, as the show does.
        const SceneCase c = GetParam();
        if (c.position > 0) {
            for (const PlaylistEntry &e : kPlaylist)
                if (e.position <= c.position)
                    bindChannels(*sImages, e.timing.channelLayout);
        } else {
            bindChannels(*sImages, 0);
        }
        setWindowMatrices(kWidth, kHeight);
    }

    std::vector<Rgba> render(const std::shared_ptr<gl::GlslProg> &program, float seconds)
    {
        SceneInputs inputs;
        inputs.resolution = {kWidth, kHeight};
        inputs.startTime = 50.0f;
        inputs.now = 50.0 + double(seconds);
        inputs.images = sImages;
        renderScene(mTarget, program, inputs);
        mTarget.bindFramebuffer();
        std::vector<Rgba> frame = test::readPixels(0, 0, kWidth, kHeight);
        gl::Fbo::unbindFramebuffer();
        return frame;
    }

    static inline test::GlContext *sContext = nullptr;
    static inline ImageSlots *sImages = nullptr;
    gl::Fbo mTarget;
};

TEST_P(ShowScene, BuildsAndDrawsALivePicture)
{
    const SceneCase c = GetParam();

    // The text is joined behind the header as it stands: no version line of its own, plain
    // ASCII, CR LF line ends.
    const std::string source = loadString(loadResource(c.sceneId, "FRAG"));
    EXPECT_EQ(source.find("#version"), std::string::npos);
    EXPECT_TRUE(std::all_of(source.begin(), source.end(), [](char ch) {
        return static_cast<unsigned char>(ch) < 128 && ch != '\0';
    })) << "non-ASCII byte";
    for (size_t i = source.find('\n'); i != std::string::npos; i = source.find('\n', i + 1))
        ASSERT_TRUE(i > 0 && source[i - 1] == '\r') << "bare LF at byte " << i;
    EXPECT_NE(source.find("void main()"), std::string::npos);

    std::shared_ptr<gl::GlslProg> program;
    try {
        program = buildSceneProgramFromResources(c.sceneId);
    } catch (const std::exception &exc) {
        FAIL() << "scene " << c.sceneId << " does not build: " << exc.what();
    }

    for (float t : {1.0f, 5.0f, 10.0f}) {
        SCOPED_TRACE(testing::Message() << "at " << t << " s");
        const FrameStats s = statsOf(render(program, t));
        EXPECT_GT(s.meanLuma, 12.0) << "black or nearly";
        EXPECT_GT(s.lumaRange, 24) << "one flat colour";
    }
    const double moved = changedShare(render(program, 1.0f), render(program, 2.0f));
    EXPECT_GT(moved, 0.02) << "frozen: only " << moved * 100.0 << "% of the pixels changed from 1 s to 2 s";
}

INSTANTIATE_TEST_SUITE_P(Show, ShowScene, ::testing::ValuesIn(allScenes()),
                         [](const ::testing::TestParamInfo<SceneCase> &info) {
                             return "scene" + std::to_string(info.param.sceneId);
                         });

} // namespace
