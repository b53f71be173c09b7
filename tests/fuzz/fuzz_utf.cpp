// libFuzzer entry for the UTF-8 <-> UTF-16 conversions. The same bytes are read both ways:
// as UTF-8 text and as UTF-16 code units (little-endian pairs). Each conversion must agree
// with an independent well-formedness check, and what converts must convert back unchanged;
// utf8PrefixLength must cut only between characters.

#include "framework/app/Utf.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_utf: %s\n", what);
        std::abort();
    }
}

// Well-formed UTF-8 byte sequences, written out as the table of allowed byte ranges rather
// than by decoding, so it does not share a mistake with the code under test.
bool isWellFormedUtf8(std::string_view s)
{
    auto in = [](unsigned char c, unsigned lo, unsigned hi) { return c >= lo && c <= hi; };
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char b0 = s[i];
        size_t n;
        unsigned lo1 = 0x80, hi1 = 0xBF;
        if (b0 <= 0x7F) {
            n = 1;
        } else if (in(b0, 0xC2, 0xDF)) {
            n = 2;
        } else if (b0 == 0xE0) {
            n = 3, lo1 = 0xA0;
        } else if (in(b0, 0xE1, 0xEC) || in(b0, 0xEE, 0xEF)) {
            n = 3;
        } else if (b0 == 0xED) {
            n = 3, hi1 = 0x9F;
        } else if (b0 == 0xF0) {
            n = 4, lo1 = 0x90;
        } else if (in(b0, 0xF1, 0xF3)) {
            n = 4;
        } else if (b0 == 0xF4) {
            n = 4, hi1 = 0x8F;
        } else {
            return false;
        }
        if (s.size() - i < n)
            return false;
        if (n > 1 && !in(static_cast<unsigned char>(s[i + 1]), lo1, hi1))
            return false;
        for (size_t k = 2; k < n; ++k)
            if (!in(static_cast<unsigned char>(s[i + k]), 0x80, 0xBF))
                return false;
        i += n;
    }
    return true;
}

bool isWellFormedUtf16(std::u16string_view s)
{
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] >= 0xD800 && s[i] <= 0xDBFF) {
            if (i + 1 == s.size() || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF)
                return false;
            ++i;
        } else if (s[i] >= 0xDC00 && s[i] <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

template <typename Fn>
bool converts(Fn &&fn)
{
    try {
        fn();
        return true;
    } catch (const std::runtime_error &) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace lume::app;
    const std::string_view utf8(reinterpret_cast<const char *>(data), size);

    std::u16string wide;
    bool ok = converts([&] { wide = toUtf16(utf8); });
    check(ok == isWellFormedUtf8(utf8), "toUtf16 disagrees with the well-formedness check");
    if (ok)
        check(toUtf8(wide) == utf8, "UTF-8 -> UTF-16 -> UTF-8 changed the text");

    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(data[2 * i] | (data[2 * i + 1] << 8));
    std::string narrow;
    ok = converts([&] { narrow = toUtf8(units); });
    check(ok == isWellFormedUtf16(units), "toUtf8 disagrees with the well-formedness check");
    if (ok) {
        check(isWellFormedUtf8(narrow), "toUtf8 wrote malformed UTF-8");
        check(toUtf16(narrow) == units, "UTF-16 -> UTF-8 -> UTF-16 changed the text");
    }

    // Cutting text at a byte limit: never longer than the limit, never inside a character;
    // on well-formed text the prefix stays well-formed and drops at most one character.
    const size_t limit = size ? data[0] % (size + 1) : 0;
    const size_t cut = utf8PrefixLength(utf8, limit);
    check(cut <= utf8.size() && (utf8.size() <= limit ? cut == utf8.size() : cut <= limit), "prefix length");
    if (cut < utf8.size())
        check((data[cut] & 0xC0) != 0x80 || cut == 0, "prefix ends inside a character");
    if (isWellFormedUtf8(utf8)) {
        check(isWellFormedUtf8(utf8.substr(0, cut)), "prefix of well-formed text is malformed");
        check(cut + 4 > limit || cut == utf8.size(), "prefix dropped more than one character");
    }
    return 0;
}
