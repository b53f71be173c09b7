#include "framework/app/Utf.h"

#include <stdexcept>

namespace lume::app {

namespace {

const char *const kToUtf16Error = "Error in UTF-8 to UTF-16 conversion.";
const char *const kToUtf8Error = "Error in UTF-16 to UTF-8 conversion.";
const char *const kToWideError = "Error in UTF-8 to wide string conversion.";

// Decodes one code point starting at text[i]; advances i. Returns -1 for a malformed
// sequence.
long decodeUtf8(std::string_view text, size_t &i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int extra;
    unsigned long cp;
    unsigned long minimum;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return -1;
    }
    if (i + extra >= text.size())
        return -1;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char c = byte(i + k);
        if ((c & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    i += extra + 1;
    return static_cast<long>(cp);
}

// The whole text as code units of `String`: surrogate pairs where a unit has 16 bits (UTF-16,
// and wchar_t on Windows), one unit per code point where it has 32. Throws `error` on the
// first malformed sequence.
template <typename String>
String decodeAll(std::string_view utf8, const char *error)
{
    using Unit = typename String::value_type;
    String out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const long cp = decodeUtf8(utf8, i);
        if (cp < 0)
            throw std::runtime_error(error);
        if (sizeof(Unit) == 2 && cp >= 0x10000) {
            out.push_back(static_cast<Unit>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<Unit>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<Unit>(cp));
        }
    }
    return out;
}

} // namespace

std::u16string toUtf16(std::string_view utf8)
{
    return decodeAll<std::u16string>(utf8, kToUtf16Error);
}

std::string toUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        unsigned long cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 1 >= utf16.size() || utf16[i + 1] < 0xDC00 || utf16[i + 1] > 0xDFFF)
                throw std::runtime_error(kToUtf8Error);
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            throw std::runtime_error(kToUtf8Error);
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::wstring toWide(std::string_view utf8)
{
    return decodeAll<std::wstring>(utf8, kToWideError);
}

size_t utf8PrefixLength(std::string_view text, size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text.size();
    // Step back over continuation bytes to the start of the character that crosses the
    // limit; that character is left out whole.
    size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

} // namespace lume::app
