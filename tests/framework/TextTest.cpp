// UTF-8/UTF-16 conversion.
#include "framework/app/Utf.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace lume::app;

TEST(Utf, ConvertsBothWaysWithoutLoss)
{
    const std::string samples[] = {
        "",
        "Fatal Error",
        "caf\xC3\xA9 \xE2\x82\xAC", // 2- and 3-byte sequences
        "\xF0\x9F\x8E\xB5 note",    // outside the basic plane: a surrogate pair
        std::string("a\0b", 3),     // zero characters are text too
    };
    for (const std::string &s : samples) {
        const std::u16string wide = toUtf16(s);
        EXPECT_EQ(toUtf8(wide), s);
    }
    EXPECT_EQ(toUtf16("\xF0\x9F\x8E\xB5"), (std::u16string{0xD83C, 0xDFB5}));
    EXPECT_EQ(toUtf16("").size(), 0u);
    // Wide strings hold one code point per character (a pair only where wchar_t is 16 bits).
    EXPECT_EQ(toWide("caf\xC3\xA9 \xE2\x82\xAC"), L"caf\u00E9 \u20AC");
    EXPECT_EQ(toWide("\xF0\x9F\x8E\xB5 note"), L"\U0001F3B5 note");
    EXPECT_EQ(toWide(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

TEST(Utf, MalformedInputIsRejectedWithItsMessage)
{
    const std::string badUtf8[] = {
        "\x80",             // continuation without a lead byte
        "abc\xC3",          // cut short
        "\xC0\xAF",         // overlong
        "\xED\xA0\x80",     // an encoded surrogate
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xFF",
    };
    for (const std::string &s : badUtf8) {
        try {
            toUtf16(s);
            ADD_FAILURE() << "accepted malformed UTF-8";
        } catch (const std::runtime_error &e) {
            EXPECT_STREQ(e.what(), "Error in UTF-8 to UTF-16 conversion.");
        }
        try {
            toWide(s);
            ADD_FAILURE() << "accepted malformed UTF-8 as a wide string";
        } catch (const std::runtime_error &e) {
            EXPECT_STREQ(e.what(), "Error in UTF-8 to wide string conversion.");
        }
    }
    const std::u16string badUtf16[] = {{0xD800}, {0xDC00, u'a'}, {u'a', 0xD83C, u'b'}};
    for (const std::u16string &s : badUtf16) {
        try {
            toUtf8(s);
            ADD_FAILURE() << "accepted an unpaired surrogate";
        } catch (const std::runtime_error &e) {
            EXPECT_STREQ(e.what(), "Error in UTF-16 to UTF-8 conversion.");
        }
    }
}

TEST(Utf, PrefixStopsBeforeACharacterThatCrossesTheLimit)
{
    const std::string text = "ab\xE2\x82\xAC"; // "ab€": five bytes
    EXPECT_EQ(utf8PrefixLength(text, 10), 5u);
    EXPECT_EQ(utf8PrefixLength(text, 5), 5u);
    EXPECT_EQ(utf8PrefixLength(text, 4), 2u);
    EXPECT_EQ(utf8PrefixLength(text, 3), 2u);
    EXPECT_EQ(utf8PrefixLength(text, 2), 2u);
}
