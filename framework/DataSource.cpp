#include "framework/DataSource.h"

#include <cstring>

namespace lume {

const Buffer &DataSource::getBuffer()
{
    if (!mBuffer)
        createBuffer();
    return mBuffer;
}

DataSourceBuffer::DataSourceBuffer(const Buffer &buffer, const std::string &filePathHint)
{
    mBuffer = buffer;
    mFilePathHint = filePathHint;
}

std::shared_ptr<DataSourceBuffer> DataSourceBuffer::create(const Buffer &buffer, const std::string &filePathHint)
{
    return std::shared_ptr<DataSourceBuffer>(new DataSourceBuffer(buffer, filePathHint));
}

std::string loadString(const DataSourceRef &source)
{
    const Buffer &bytes = source->getBuffer();
    const char *text = static_cast<const char *>(bytes.getData());
    if (!text)
        return {};
    // Text ends at the first zero byte, as a C string would; a resource is never read past
    // its own size.
    const void *zero = std::memchr(text, 0, bytes.getDataSize());
    size_t length = zero ? static_cast<const char *>(zero) - text : bytes.getDataSize();
    return std::string(text, length);
}

} // namespace lume
