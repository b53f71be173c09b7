#pragma once

#include <cstdint>
#include <memory>

namespace lume {

class DataSource;

// A shared handle to one block of bytes, owned (released with free) or borrowed.
class Buffer {
  public:
    struct Obj {
        void *mData = nullptr;
        uint32_t mAllocatedSize = 0;
        uint32_t mDataSize = 0;
        bool mOwnsData = false;
        ~Obj();
    };

    Buffer() = default;
    // Borrows memory the caller keeps alive (embedded resources live for the whole run).
    Buffer(void *data, uint32_t size);
    // An owned copy of the source's bytes.
    explicit Buffer(const std::shared_ptr<DataSource> &source);
    // An owned, uninitialised block of the given size.
    static Buffer allocate(uint32_t size);

    const void *getData() const { return mObj ? mObj->mData : nullptr; }
    void *getData() { return mObj ? mObj->mData : nullptr; }
    uint32_t getDataSize() const { return mObj ? mObj->mDataSize : 0; }
    uint32_t getAllocatedSize() const { return mObj ? mObj->mAllocatedSize : 0; }
    bool ownsData() const { return mObj && mObj->mOwnsData; }
    explicit operator bool() const { return mObj != nullptr; }

  private:
    std::shared_ptr<Obj> mObj;
};

} // namespace lume
