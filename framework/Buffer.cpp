#include "framework/Buffer.h"

#include "framework/DataSource.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace lume {

Buffer::Obj::~Obj()
{
    if (mOwnsData)
        std::free(mData);
}

Buffer::Buffer(void *data, uint32_t size) : mObj(std::make_shared<Obj>())
{
    mObj->mData = data;
    mObj->mAllocatedSize = size;
    mObj->mDataSize = size;
}

Buffer Buffer::allocate(uint32_t size)
{
    // malloc(0) may return null; keep a valid pointer so an empty copy is still a buffer.
    void *data = std::malloc(size ? size : 1);
    if (!data)
        throw std::bad_alloc();
    Buffer buffer(data, size);
    buffer.mObj->mOwnsData = true;
    return buffer;
}

Buffer::Buffer(const std::shared_ptr<DataSource> &source)
{
    const Buffer &from = source->getBuffer();
    *this = allocate(from.getDataSize());
    if (from.getDataSize())
        std::memcpy(getData(), from.getData(), from.getDataSize());
}

} // namespace lume
