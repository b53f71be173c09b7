// Frame rate of every scene of the show through the player's own scene pass (channels bound
// as at the scene's playlist position, all uniforms by name, buffer, blit to the window) on a
// headless context, against the 25 fps budget. The scene clock sweeps the whole hold during
// each measurement, so a scene that gets heavier late in its hold is caught.
//
// A reference ray-marcher (64 steps over a sphere field) is measured right before each scene:
// the machine is shared, and "cost vs ref" (scene frame time over reference frame time) stays
// comparable between runs when the absolute fps do not. Each scene is measured in several
// rounds interleaved with the others, and the median round is reported.
//
// Usage: bench_scenes [--seconds S per scene and round] [--rounds N] [--size WxH]
//                     [--scenes 74,80] [--scene-dir DIR]
#include "PlayerBenchSupport.h"

#include "app/SceneAssembly.h"
#include "framework/app/RendererGl.h"
#include "framework/gl/Draw.h"
#include "framework/gl/Fbo.h"
#include "framework/gl/GlslProg.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

using namespace lume;

namespace {

constexpr double kBudgetFps = 25.0;

// Every scene source the player embeds, and what the playlist does with it.
struct BenchScene {
    int sceneId;
    int position; // 0: not in the playlist
    float hold;
    int layout;
};

std::vector<BenchScene> showScenes()
{
    std::vector<BenchScene> scenes;
    auto listed = [&](int id) {
        for (const BenchScene &s : scenes)
            if (s.sceneId == id)
                return true;
        return false;
    };
    for (const fraglume::PlaylistEntry &e : fraglume::kPlaylist)
        if (!listed(e.sceneId))
            scenes.push_back({e.sceneId, e.position, e.timing.hold, e.timing.channelLayout});
    for (int id : fraglume::kShowSceneIds)
        if (!listed(id))
            scenes.push_back({id, 0, 20.0f, 0});
    return scenes;
}

const char *const kReferenceScene = R"(
float map(vec3 p)
{
    vec3 q = mod(p, 4.0) - 2.0;
    return length(q) - 0.9;
}
void main()
{
    vec2 uv = (2.0 * gl_FragCoord.xy - iResolution.xy) / iResolution.y;
    vec3 ro = vec3(0.0, 0.0, iGlobalTime);
    vec3 rd = normalize(vec3(uv, 1.5));
    float t = 0.0;
    for (int i = 0; i < 64; i++) {
        float d = map(ro + rd * t);
        t += d;
    }
    gl_FragColor = vec4(vec3(1.0 / (1.0 + 0.05 * t * t)), 1.0);
}
)";

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Options {
    double seconds = 1.5;
    int rounds = 3;
    int width = 640, height = 480;
    std::vector<int> scenes;
    std::string sceneDir;
};

Options parseOptions(int argc, char **argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            throw std::runtime_error("missing value after " + arg);
        const std::string v = argv[++i];
        if (arg == "--seconds")
            o.seconds = std::atof(v.c_str());
        else if (arg == "--rounds")
            o.rounds = std::atoi(v.c_str());
        else if (arg == "--size") {
            if (std::sscanf(v.c_str(), "%dx%d", &o.width, &o.height) != 2)
                throw std::runtime_error("bad --size " + v);
        } else if (arg == "--scenes") {
            std::stringstream in(v);
            std::string item;
            while (std::getline(in, item, ','))
                o.scenes.push_back(std::atoi(item.c_str()));
        } else if (arg == "--scene-dir")
            o.sceneDir = v;
        else
            throw std::runtime_error("unknown argument " + arg);
    }
    if (o.seconds <= 0.0 || o.rounds < 1 || o.width < 16 || o.height < 16)
        throw std::runtime_error("seconds, rounds and size must be positive");
    return o;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        const Options o = parseOptions(argc, argv);
        std::vector<BenchScene> scenes = showScenes();
        if (!o.scenes.empty()) {
            std::vector<BenchScene> chosen;
            for (int id : o.scenes)
                for (const BenchScene &s : scenes)
                    if (s.sceneId == id)
                        chosen.push_back(s);
            scenes = chosen;
        }

        app::RendererGl context;
        context.attachOffscreen({o.width, o.height});
        fraglume::ImageSlots images = bench::loadShowImages();
        gl::Fbo sceneFbo(o.width, o.height);
        sceneFbo.getTexture(0).setFlipped();
        const Rectf window{0, 0, float(o.width), float(o.height)};

        // Programs first (their compile cost is another benchmark's business), warmed up.
        std::map<int, std::shared_ptr<gl::GlslProg>> programs;
        for (const BenchScene &s : scenes)
            programs[s.sceneId] =
                o.sceneDir.empty()
                    ? fraglume::buildSceneProgramFromResources(s.sceneId)
                    : fraglume::assembleSceneProgram(readFile(o.sceneDir + "/" + std::to_string(s.sceneId) + ".frag"));
        auto reference = fraglume::assembleSceneProgram(kReferenceScene);

        // Median frames per second of one scene over `seconds` of wall time, its clock swept
        // over the hold.
        auto measure = [&](const std::shared_ptr<gl::GlslProg> &program, int position, int layout, float hold) {
            if (position > 0) {
                for (int played : fraglume::showLayoutsUpTo(position))
                    fraglume::bindChannels(images, played);
            }
            fraglume::setWindowMatrices(o.width, o.height);
            double sceneTime = 0.0;
            fraglume::SceneInputs inputs;
            inputs.resolution = {o.width, o.height};
            inputs.images = &images;
            auto frame = [&] {
                fraglume::bindChannels(images, layout);
                inputs.now = sceneTime;
                fraglume::renderScene(sceneFbo, program, inputs);
                gl::draw(sceneFbo.getTexture(0), window);
            };
            for (int i = 0; i < 3; ++i)
                bench::timeFrame(frame);
            std::vector<double> times;
            const double start = bench::nowSeconds();
            while (bench::nowSeconds() - start < o.seconds) {
                sceneTime = double(hold) * (bench::nowSeconds() - start) / o.seconds;
                times.push_back(bench::timeFrame(frame));
            }
            std::sort(times.begin(), times.end());
            return std::pair{1.0 / bench::median(times), 1.0 / times[times.size() * 9 / 10]};
        };

        // Each scene is paired with a reference run just before it, so a change of load
        // between scenes shows in both and the cost ratio stays fair.
        struct Sample {
            double fps, slowFps, cost;
        };
        std::vector<std::vector<Sample>> rounds(scenes.size());
        std::vector<double> referenceFps;
        for (int r = 0; r < o.rounds; ++r)
            for (size_t i = 0; i < scenes.size(); ++i) {
                const double ref = measure(reference, 0, 0, 10.0f).first;
                const auto [fps, slow] =
                    measure(programs[scenes[i].sceneId], scenes[i].position, scenes[i].layout, scenes[i].hold);
                referenceFps.push_back(ref);
                rounds[i].push_back({fps, slow, ref / fps});
            }

        std::printf("scenes at %dx%d, %d rounds of %.1f s each; reference 64-step ray-marcher %.1f fps (median)\n",
                    o.width, o.height, o.rounds, o.seconds, bench::median(referenceFps));
        std::printf("%-6s %-4s %-6s %10s %14s %12s %14s\n", "scene", "pos", "hold", "fps(med)", "fps(90% fr.)",
                    "vs 25 fps", "cost vs ref");
        int under = 0;
        for (size_t i = 0; i < scenes.size(); ++i) {
            std::vector<double> fps, slow, cost;
            for (const Sample &s : rounds[i]) {
                fps.push_back(s.fps);
                slow.push_back(s.slowFps);
                cost.push_back(s.cost);
            }
            const double f = bench::median(fps);
            under += f < kBudgetFps;
            const std::string pos = scenes[i].position ? std::to_string(scenes[i].position) : "-";
            std::printf("%-6d %-4s %-6.0f %10.1f %14.1f %12.2f %14.2f%s\n", scenes[i].sceneId, pos.c_str(),
                        double(scenes[i].hold), f, bench::median(slow), f / kBudgetFps, bench::median(cost),
                        f < kBudgetFps ? "  UNDER BUDGET" : "");
        }
        std::printf("%d of %zu scenes under the %.0f fps budget\n", under, scenes.size(), kBudgetFps);
        return 0;
    } catch (const std::exception &exc) {
        std::fprintf(stderr, "bench_scenes: %s\n", exc.what());
        return 2;
    }
}
