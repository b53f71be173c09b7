// PNG writing: the pixels come back as they went in whatever the row order and layout, and a
// file that cannot be written is reported by name and costs nothing that was there before.
#include "framework/image/ImageWrite.h"

#include <gtest/gtest.h>

#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using lume::ImageIo;
using lume::ImagePixels;
namespace fs = std::filesystem;

class ImageWriteTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        mFolder = fs::temp_directory_path() / ("lume-image-write-" + std::to_string(::getpid()));
        fs::create_directories(mFolder);
    }
    void TearDown() override { fs::remove_all(mFolder); }

    // The file's pixels as RGBA8, top row first (libpng's simplified reader).
    static std::vector<uint8_t> readRgba(const fs::path &file, int &width, int &height)
    {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        if (!png_image_begin_read_from_file(&image, file.c_str()))
            return {};
        image.format = PNG_FORMAT_RGBA;
        std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
        if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
            return {};
        width = int(image.width);
        height = int(image.height);
        return pixels;
    }

    fs::path mFolder;
};

TEST_F(ImageWriteTest, PixelsComeBackInEveryLayoutAndRowOrder)
{
    // Two rows of two pixels, each pixel distinct, stored top-down in each layout.
    const uint8_t rgba[2][2][4] = {{{10, 20, 30, 40}, {50, 60, 70, 80}}, {{90, 100, 110, 120}, {130, 140, 150, 160}}};
    struct Case {
        const char *name;
        ImageIo::ChannelOrder order;
        int components;
        bool bottomUp;
        bool alphaKept;
    };
    const Case cases[] = {
        {"rgb", ImageIo::ChannelOrder::RGB, 3, false, false},
        {"rgba", ImageIo::ChannelOrder::RGBA, 4, false, true},
        {"rgbx-bottom-up", ImageIo::ChannelOrder::RGBX, 4, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> stored;
        for (int y = 0; y < 2; ++y) {
            const int row = c.bottomUp ? 1 - y : y;
            for (int x = 0; x < 2; ++x)
                stored.insert(stored.end(), rgba[row][x], rgba[row][x] + c.components);
        }
        const std::ptrdiff_t stride = 2 * c.components;
        const uint8_t *top = c.bottomUp ? stored.data() + stride : stored.data();
        const fs::path file = mFolder / (std::string(c.name) + ".png");
        lume::writePng(file, {top, 2, 2, c.bottomUp ? -stride : stride, c.order});

        int w = 0, h = 0;
        const std::vector<uint8_t> back = readRgba(file, w, h);
        ASSERT_EQ(w, 2);
        ASSERT_EQ(h, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                for (int k = 0; k < 4; ++k) {
                    const uint8_t expected = k < 3 || c.alphaKept ? rgba[y][x][k] : 255;
                    EXPECT_EQ(back[size_t((y * 2 + x) * 4 + k)], expected) << x << "," << y << " component " << k;
                }
    }
}

TEST_F(ImageWriteTest, AFailedWriteNamesTheFileAndLeavesWhatWasThere)
{
    const uint8_t pixel[3] = {1, 2, 3};
    const ImagePixels one{pixel, 1, 1, 3, ImageIo::ChannelOrder::RGB};

    // No such folder: nothing can be written there.
    const fs::path missing = mFolder / "no-such-folder" / "frame.png";
    try {
        lume::writePng(missing, one);
        FAIL() << "no error for " << missing;
    } catch (const lume::ImageIoExceptionFailedWrite &error) {
        EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos) << error.what();
    }

    // A folder in the file's place: the rename fails, and the folder and the folder beside it
    // are left as they were, with no half-written file.
    const fs::path taken = mFolder / "taken.png";
    fs::create_directory(taken);
    std::ofstream(taken / "inside") << "kept";
    EXPECT_THROW(lume::writePng(taken, one), lume::ImageIoExceptionFailedWrite);
    EXPECT_TRUE(fs::exists(taken / "inside"));
    std::vector<std::string> left;
    for (const fs::directory_entry &entry : fs::directory_iterator(mFolder))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"taken.png"});

    // A layout PNG files are not written in is refused before anything is written.
    const ImagePixels grey{pixel, 1, 1, 1, ImageIo::ChannelOrder::Y};
    EXPECT_THROW(lume::writePng(mFolder / "grey.png", grey), lume::ImageIoExceptionFailedWrite);
    EXPECT_FALSE(fs::exists(mFolder / "grey.png"));
}

} // namespace
