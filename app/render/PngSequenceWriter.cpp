// A numbered PNG sequence, one file per frame.
#include "app/render/FrameWriter.h"

#include "tools/contact-sheet/PngFile.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace fraglume {

namespace {

class PngSequenceWriter : public FrameWriter {
  public:
    PngSequenceWriter(const std::string &folder, int width, int height) : mFolder(folder), mPicture(width, height)
    {
        std::error_code error;
        if (!std::filesystem::is_directory(mFolder, error)) {
            const std::filesystem::path parent = mFolder.parent_path().empty() ? "." : mFolder.parent_path();
            checkOutputFolder(parent.string());
            if (!std::filesystem::create_directory(mFolder, error) && error)
                throw std::runtime_error("cannot make the folder '" + folder + "': " + error.message());
        }
        checkOutputFolder(folder);
    }

    ~PngSequenceWriter() override
    {
        std::error_code ignored;
        if (!mPartial.empty())
            std::filesystem::remove(mPartial, ignored);
    }

    FramePixels pixels() const override { return FramePixels::Rgba; }

    void write(int64_t frame, const uint8_t *rgba) override
    {
        const int w = mPicture.width, h = mPicture.height;
        for (int y = 0; y < h; ++y) {
            const uint8_t *src = rgba + size_t(h - 1 - y) * size_t(w) * 4;
            uint8_t *dst = mPicture.at(0, y);
            for (int x = 0; x < w; ++x, src += 4, dst += 3) {
                dst[0] = src[0];
                dst[1] = src[1];
                dst[2] = src[2];
            }
        }
        char name[32];
        std::snprintf(name, sizeof name, "%06lld.png", static_cast<long long>(frame));
        const std::filesystem::path target = mFolder / name;
        mPartial = mFolder / ("." + std::string(name) + ".partial");
        lume::tools::writePng(mPartial.string(), mPicture);
        std::error_code error;
        std::filesystem::rename(mPartial, target, error);
        if (error)
            throw std::runtime_error("cannot write '" + target.string() + "': " + error.message());
        mPartial.clear();
    }

    void finish() override {}

  private:
    std::filesystem::path mFolder;
    std::filesystem::path mPartial; // the file being written, removed if the render stops
    lume::tools::Picture mPicture;
};

} // namespace

std::unique_ptr<FrameWriter> makePngSequenceWriter(const std::string &folder, int width, int height)
{
    return std::make_unique<PngSequenceWriter>(folder, width, height);
}

} // namespace fraglume
