// Renders every scene of the show headless through the player's scene pass at a few moments
// of its hold and lays the frames out in one captioned PNG grid: the whole show at a glance.
// tools/contact-sheet/run builds and runs it; --help lists the options.
#include "app/ImageSlots.h"
#include "framework/app/RendererGl.h"
#include "framework/gl/GlslProg.h"
#include "framework/image/ImageWrite.h"
#include "tools/contact-sheet/BitmapFont.h"
#include "tools/contact-sheet/SceneFrames.h"

#include <glad/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#ifndef LUME_CONTACT_SHEET_DEFAULT
#define LUME_CONTACT_SHEET_DEFAULT "contact-sheet.png"
#endif

using namespace lume;
using namespace lume::tools;

namespace {

void writePicture(const std::string &path, const Picture &picture)
{
    writePng(path, {picture.rgb.data(), picture.width, picture.height, std::ptrdiff_t(picture.width) * 3,
                    ImageIo::ChannelOrder::RGB});
}

const char *const kUsage = "usage: contact_sheet [options]\n"
                           "  --out FILE         the sheet (default " LUME_CONTACT_SHEET_DEFAULT ")\n"
                           "  --size WxH         size of each frame (default 640x360)\n"
                           "  --moments A,B,...  fractions of each scene's hold (default 0.1,0.5,0.9)\n"
                           "  --times S,T,...    seconds into each scene instead\n"
                           "  --scenes ID,...    only these scene ids, in this order\n"
                           "  --scene-dir DIR    read DIR/<id>.frag instead of the embedded sources (edit and rerun)\n"
                           "  --frames DIR       also write each frame as DIR/<id>_<seconds>.png\n";

struct Options {
    std::string out = LUME_CONTACT_SHEET_DEFAULT;
    int width = 640, height = 360;
    std::vector<float> moments = {0.1f, 0.5f, 0.9f};
    bool absoluteTimes = false;
    std::vector<int> scenes;
    std::string sceneDir, framesDir;
};

std::vector<float> parseList(const std::string &text, const char *what)
{
    std::vector<float> values;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        char *end = nullptr;
        const float v = std::strtof(item.c_str(), &end);
        if (item.empty() || *end != '\0' || v < 0.0f)
            throw std::runtime_error(std::string("bad ") + what + " '" + item + "' in '" + text + "'");
        values.push_back(v);
    }
    if (values.empty())
        throw std::runtime_error(std::string("empty ") + what + " list");
    return values;
}

Options parseOptions(int argc, char **argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::runtime_error(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else if (arg == "--out") {
            o.out = value();
        } else if (arg == "--size") {
            const std::string v = value();
            if (std::sscanf(v.c_str(), "%dx%d", &o.width, &o.height) != 2 || o.width < 16 || o.height < 16 ||
                o.width > 4096 || o.height > 4096)
                throw std::runtime_error("bad --size '" + v + "' (expected WxH, 16 to 4096)");
        } else if (arg == "--moments") {
            o.moments = parseList(value(), "moment");
            o.absoluteTimes = false;
            for (float m : o.moments)
                if (m > 1.0f)
                    throw std::runtime_error("moments are fractions of the hold, 0 to 1");
        } else if (arg == "--times") {
            o.moments = parseList(value(), "time");
            o.absoluteTimes = true;
        } else if (arg == "--scenes") {
            for (float id : parseList(value(), "scene id"))
                o.scenes.push_back(int(id));
        } else if (arg == "--scene-dir") {
            o.sceneDir = value();
        } else if (arg == "--frames") {
            o.framesDir = value();
        } else {
            throw std::runtime_error("unknown argument '" + arg + "'\n" + kUsage);
        }
    }
    return o;
}

std::string secondsText(float s)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", double(s));
    return buf;
}

void blit(Picture &dst, const Picture &src, int x0, int y0)
{
    for (int y = 0; y < src.height; ++y)
        std::copy_n(src.rgb.data() + size_t(y) * size_t(src.width) * 3, size_t(src.width) * 3, dst.at(x0, y0 + y));
}

} // namespace

int main(int argc, char **argv)
{
    try {
        const Options o = parseOptions(argc, argv);
        std::vector<ShowScene> scenes = showScenes();
        if (!o.scenes.empty()) {
            std::vector<ShowScene> chosen;
            for (int id : o.scenes) {
                auto it =
                    std::find_if(scenes.begin(), scenes.end(), [id](const ShowScene &s) { return s.sceneId == id; });
                if (it == scenes.end())
                    throw std::runtime_error("no scene " + std::to_string(id) + " in the show");
                chosen.push_back(*it);
            }
            scenes = chosen;
        }

        if (!o.framesDir.empty())
            std::filesystem::create_directories(o.framesDir);
        app::RendererGl context;
        context.attachOffscreen({o.width, o.height});
        const fraglume::ImageSlots images = [] {
            fraglume::ImageSlots slots;
            for (int slot = 0; slot < fraglume::kImageSlotCount; ++slot)
                slots[size_t(slot)] = fraglume::loadImageSlot(slot);
            return slots;
        }();
        SceneFrames frames(o.width, o.height, images);

        // Captions at double size unless that would not fit a small frame.
        const int scale = textWidth("80  POS 13  T 58.5 / 65.0 S", 2) <= o.width ? 2 : 1;
        const int gap = 6, captionHeight = 7 * scale + 8;
        const int columns = int(o.moments.size());
        const int cellW = o.width + gap, cellH = o.height + captionHeight + gap;
        Picture sheet(columns * cellW + gap, int(scenes.size()) * cellH + gap, 24);
        const uint8_t ink[3] = {235, 235, 235}, warn[3] = {255, 90, 70};

        int failures = 0;
        for (size_t row = 0; row < scenes.size(); ++row) {
            const ShowScene &scene = scenes[row];
            std::shared_ptr<gl::GlslProg> program;
            std::string error;
            try {
                program = buildScene(scene.sceneId, o.sceneDir);
            } catch (const std::exception &exc) {
                error = exc.what();
                std::fprintf(stderr, "scene %d: %s\n", scene.sceneId, exc.what());
                ++failures;
            }
            for (int col = 0; col < columns; ++col) {
                const float t = o.absoluteTimes ? o.moments[size_t(col)] : o.moments[size_t(col)] * scene.hold;
                const int x = gap + col * cellW, y = gap + int(row) * cellH;
                std::string caption = std::to_string(scene.sceneId) + "  POS " +
                                      (scene.position ? std::to_string(scene.position) : std::string("-")) + "  T " +
                                      secondsText(t) + " / " + secondsText(scene.hold) + " S";
                if (!program) {
                    drawText(sheet, x, y, caption + "  BUILD FAILED", scale, warn);
                    continue;
                }
                drawText(sheet, x, y, caption, scale, ink);
                const Picture frame = frames.render(program, scene, t);
                blit(sheet, frame, x, y + captionHeight);
                if (!o.framesDir.empty())
                    writePicture(o.framesDir + "/" + std::to_string(scene.sceneId) + "_" + secondsText(t) + ".png",
                                 frame);
            }
        }
        writePicture(o.out, sheet);
        std::printf("%s: %zu scenes x %d moments at %dx%d\n", o.out.c_str(), scenes.size(), columns, o.width, o.height);
        return failures ? 1 : 0;
    } catch (const std::exception &exc) {
        std::fprintf(stderr, "contact_sheet: %s\n", exc.what());
        return 2;
    }
}
