#pragma once

#include <string>
#include <string_view>

namespace lume::app {

// UTF-8 <-> UTF-16. Malformed input (a broken or overlong sequence, an encoded surrogate, a
// code point above U+10FFFF, an unpaired surrogate) is rejected with a std::runtime_error
// ("Error in UTF-8 to UTF-16 conversion." / "Error in UTF-16 to UTF-8 conversion.") rather
// than silently replaced, so no text is ever changed behind the caller's back. Embedded zero
// characters are kept.
std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);
// UTF-8 -> wide string: UTF-16 where wchar_t has 16 bits, UTF-32 where it has 32. The same
// input is rejected ("Error in UTF-8 to wide string conversion."). Unlike the standard
// library's conversions it never consults the process locale.
std::wstring toWide(std::string_view utf8);

// Length of the longest prefix of `text` that does not end inside a multi-byte sequence,
// at most `maxBytes`. Used to cut text at a byte limit without splitting a character.
size_t utf8PrefixLength(std::string_view text, size_t maxBytes);

} // namespace lume::app
