// A numbered PNG sequence, one file per frame.
#include "app/render/FrameWriter.h"

#include "framework/image/ImageWrite.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace fraglume {

namespace {

class PngSequenceWriter : public FrameWriter {
  public:
    PngSequenceWriter(const std::string &folder, int width, int height)
        : mFolder(folder), mWidth(width), mHeight(height)
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

    FramePixels pixels() const override { return FramePixels::Rgba; }

    // The frame as GL read it back (rows bottom-up), written top-down as RGB: the alpha of a
    // rendered frame carries nothing to show.
    void write(int64_t frame, const uint8_t *rgba) override
    {
        char name[32];
        std::snprintf(name, sizeof name, "%06lld.png", static_cast<long long>(frame));
        const std::ptrdiff_t row = std::ptrdiff_t(mWidth) * 4;
        lume::writePng(mFolder / name,
                       {rgba + (mHeight - 1) * row, mWidth, mHeight, -row, lume::ImageIo::ChannelOrder::RGBX});
    }

    void finish() override {}

  private:
    std::filesystem::path mFolder;
    int mWidth, mHeight;
};

} // namespace

std::unique_ptr<FrameWriter> makePngSequenceWriter(const std::string &folder, int width, int height)
{
    return std::make_unique<PngSequenceWriter>(folder, width, height);
}

} // namespace fraglume
