// libFuzzer entry for resource lookup and text loading. One input is
//   4 bytes id (little-endian int32) | 1 byte type length | type name | text bytes
// The id and type go to loadResource against this program's own table (the resource tests'
// manifest); the text bytes go through loadString, borrowed and as an owned copy.

#include "framework/DataSource.h"
#include "framework/app/Resources.h"
#include "framework/app/incbin/ResourceTable.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_resources: %s\n", what);
        std::abort();
    }
}

// What loadString must return: the bytes up to the first zero.
std::string textUpToZero(const uint8_t *data, size_t size)
{
    const void *zero = std::memchr(data, 0, size);
    return std::string(reinterpret_cast<const char *>(data), zero ? static_cast<const uint8_t *>(zero) - data : size);
}

// Type names match without regard to ASCII case (as on Windows); nothing else is folded.
bool sameTypeName(const std::string &asked, const std::string &listed)
{
    if (asked.size() != listed.size())
        return false;
    for (size_t i = 0; i < asked.size(); ++i) {
        unsigned char a = static_cast<unsigned char>(asked[i]), b = static_cast<unsigned char>(listed[i]);
        if (a != b && !(std::isalpha(a) && a < 0x80 && (a ^ 0x20) == b))
            return false;
    }
    return true;
}

void fuzzLookup(int id, const std::string &type)
{
    using namespace lume;
    const app::ResourceEntry *expected = nullptr;
    for (const app::ResourceEntry &entry : app::resourceTable())
        if (entry.id == id && sameTypeName(type, entry.type))
            expected = &entry;

    try {
        DataSourceRef source = app::loadResource(id, type);
        check(expected != nullptr, "loadResource found an id/type that is not in the table");
        const Buffer &bytes = source->getBuffer();
        size_t size = size_t(expected->end - expected->begin);
        check(bytes.getDataSize() == size, "resource size differs from the table");
        check(size == 0 || std::memcmp(bytes.getData(), expected->begin, size) == 0, "resource bytes differ");
        check(loadString(source) == textUpToZero(expected->begin, size), "loadString of a resource");
    } catch (const app::ResourceLoadExc &e) {
        check(expected == nullptr, "loadResource refused an id/type that is in the table");
        // The message names what was asked for (cut at the first zero and the buffer's end).
        std::string message = "Failed to load resource: #" + std::to_string(id) + " type: " + type.c_str();
        check(message.compare(0, std::strlen(e.what()), e.what()) == 0 && std::strlen(e.what()) > 0,
              "ResourceLoadExc message");
    }
}

void fuzzText(const uint8_t *data, size_t size)
{
    using namespace lume;
    // An exact-size heap copy, so reading one byte past the end is caught.
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size ? size : 1]);
    if (size)
        std::memcpy(copy.get(), data, size);
    const std::string expected = textUpToZero(data, size);

    DataSourceRef borrowed = DataSourceBuffer::create(Buffer(copy.get(), uint32_t(size)));
    check(loadString(borrowed) == expected, "loadString over borrowed bytes");

    DataSourceRef owned = DataSourceBuffer::create(Buffer(borrowed));
    check(owned->getBuffer().getDataSize() == size, "owned copy size");
    check(loadString(owned) == expected, "loadString over an owned copy");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5 || size > 0xffffffffu)
        return 0;
    int32_t id;
    std::memcpy(&id, data, 4);
    size_t typeLength = data[4];
    data += 5;
    size -= 5;
    if (typeLength > size)
        typeLength = size;
    fuzzLookup(id, std::string(reinterpret_cast<const char *>(data), typeLength));
    fuzzText(data + typeLength, size - typeLength);
    return 0;
}
