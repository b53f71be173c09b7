// The show's committed images decode to the sizes their slots promise.

#include "framework/image/ImageIo.h"
#include "tests/image/ImageFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

using namespace lume;
namespace fs = std::filesystem;

namespace {

// Tests run in tests/image/.
const fs::path kRepo = fs::path("..") / "..";

struct Slot {
    int id;
    std::string format;
    int width, height;
};

std::vector<Slot> readSlots(const fs::path &file)
{
    std::vector<Slot> slots;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Slot slot;
        if (line.empty() || line[0] == '#' || !(fields >> slot.id >> slot.format >> slot.width >> slot.height))
            continue;
        slots.push_back(slot);
    }
    return slots;
}

// Image files by id: from the player's manifest ("IMAGE <id> <path>") when it lists images,
// otherwise by the number in the file names under resources/images/.
std::map<int, fs::path> imageFiles()
{
    std::map<int, fs::path> files;
    std::ifstream manifest(kRepo / "resources" / "manifest.txt");
    std::string type, path;
    int id;
    std::string line;
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        if (fields >> type >> id >> path && type == "IMAGE")
            files[id] = kRepo / "resources" / path;
    }
    if (!files.empty())
        return files;
    const std::regex number("[^0-9]*([0-9]+)[^0-9]*");
    for (const auto &entry : fs::directory_iterator(kRepo / "resources" / "images")) {
        std::smatch match;
        std::string name = entry.path().stem().string();
        if (std::regex_match(name, match, number))
            files[std::stoi(match[1])] = entry.path();
    }
    return files;
}

std::string lower(std::string s)
{
    for (char &c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST(ShowImages, DecodeWithTheirSlotSizes)
{
    fs::path images = kRepo / "resources" / "images";
    fs::path slotsFile = kRepo / "tools" / "images" / "slots.txt";
    if (!fs::is_directory(images) || fs::is_empty(images) || !fs::exists(slotsFile))
        GTEST_SKIP() << "show images or their slot list are not there yet";
    std::vector<Slot> slots = readSlots(slotsFile);
    ASSERT_FALSE(slots.empty());
    std::map<int, fs::path> files = imageFiles();

    for (const Slot &slot : slots) {
        SCOPED_TRACE("image " + std::to_string(slot.id));
        auto found = files.find(slot.id);
        ASSERT_NE(found, files.end()) << "no file for this slot";
        std::ifstream in(found->second, std::ios::binary);
        test::Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_FALSE(bytes.empty()) << found->second;
        ImageSourceRef source = loadImage(test::sourceOf(bytes));
        EXPECT_EQ(source->getWidth(), slot.width);
        EXPECT_EQ(source->getHeight(), slot.height);
        // A JPEG slot must hold a JPEG and a PNG slot a PNG.
        std::string format = lower(slot.format);
        if (format == "jpg" || format == "jpeg") {
            EXPECT_TRUE(bytes[0] == 0xFF && bytes[1] == 0xD8) << found->second;
        } else if (format == "png") {
            EXPECT_TRUE(bytes[0] == 0x89 && bytes[1] == 'P') << found->second;
        }
    }
}

} // namespace
