#include "framework/app/Resources.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

using namespace lume;
using lume::app::loadResource;
using lume::app::ResourceLoadExc;

TEST(Resources, MissingEntryNamesIdAndType)
{
    // 128 exists, but only under another type name.
    try {
        loadResource(128, "FRAG");
        FAIL() << "no exception";
    } catch (const ResourceLoadExc &e) {
        EXPECT_STREQ("Failed to load resource: #128 type: FRAG", e.what());
    }
}

// Both platforms answer alike: type names match without regard to case (Windows' rule), ids
// are used whole although the Windows lookup keeps only their low 16 bits, and a type name no
// manifest can hold finds nothing, also where Windows would read it as something else.
TEST(Resources, LookupFindsExactlyTheManifestsEntries)
{
    // clang-format off
    struct Case { int id; std::string type; const char *found; };
    const Case cases[] = {
        {1,       "TEXT",                  "no newline at end"},
        {1,       "text",                  "no newline at end"},
        {1,       "tExT",                  "no newline at end"},
        {128,     "image",                 "no newline at end"},
        {65535,   "TEXT",                  "abc"},   // listed as "Text"
        {0x10001, "TEXT",                  nullptr}, // would be 1 in 16 bits
        {0x1FFFF, "TEXT",                  nullptr}, // would be 65535
        {-1,      "TEXT",                  nullptr}, // would be 65535
        {-65535,  "TEXT",                  nullptr}, // would be 1
        {0,       "TEXT",                  nullptr},
        {1,       "TEXT ",                 nullptr},
        {1,       "TEX",                   nullptr},
        {1,       std::string("TEXT\0X", 6), nullptr}, // cut at the zero it would be TEXT
        {1,       "",                      nullptr},
        {1,       "#1",                    nullptr}, // Windows: the numeric type 1
        {1,       "\xff\xfe",              nullptr}, // not UTF-8
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.id << " type \"" << c.type << '"');
        if (c.found)
            EXPECT_EQ(c.found, loadString(loadResource(c.id, c.type)));
        else
            EXPECT_THROW(loadResource(c.id, c.type), ResourceLoadExc);
    }
}

TEST(Resources, LongTypeNameIsCutNotOverflowed)
{
    std::string type(10000, 'T');
    try {
        loadResource(7, type);
        FAIL() << "no exception";
    } catch (const ResourceLoadExc &e) {
        EXPECT_EQ(4095u, std::string(e.what()).size());
        EXPECT_EQ(0u, std::string(e.what()).find("Failed to load resource: #7 type: TTT"));
    }
}

TEST(Resources, SourcesShareTheExecutablesBytes)
{
    DataSourceRef a = loadResource(1, "TEXT");
    DataSourceRef b = loadResource(1, "TEXT");
    ASSERT_NE(nullptr, a->getBuffer().getData());
    EXPECT_EQ(a->getBuffer().getData(), b->getBuffer().getData());
    EXPECT_FALSE(a->getBuffer().ownsData());
    EXPECT_FALSE(a->isFilePath());
    EXPECT_EQ("", a->getFilePathHint());
    a.reset();
    b.reset();
    // Still readable: the bytes belong to the executable, not to the sources.
    EXPECT_EQ("no newline at end", loadString(loadResource(1, "TEXT")));
}

TEST(Resources, LoadStringCases)
{
    EXPECT_EQ("abc", loadString(loadResource(2, "TEXT")));
    EXPECT_EQ("", loadString(loadResource(3, "TEXT")));
    EXPECT_EQ(0u, loadResource(3, "TEXT")->getBuffer().getDataSize());
}

TEST(Resources, OwnedCopyIsIndependent)
{
    DataSourceRef source = loadResource(2, "TEXT");
    Buffer copy(source);
    EXPECT_TRUE(copy.ownsData());
    ASSERT_EQ(7u, copy.getDataSize());
    EXPECT_NE(source->getBuffer().getData(), copy.getData());
    EXPECT_EQ(0, std::memcmp(source->getBuffer().getData(), copy.getData(), 7));
}

TEST(Resources, ConcurrentLookups)
{
    std::vector<std::thread> threads;
    std::atomic<int> good{0};
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 1000; ++i)
                good += loadString(loadResource(1, "TEXT")) == "no newline at end";
        });
    for (auto &thread : threads)
        thread.join();
    EXPECT_EQ(4000, good.load());
}
