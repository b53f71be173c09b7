#include "app/JobQueue.h"

#include <utility>

namespace fraglume {

void JobQueue::store(const LoadJob &job)
{
    mSlots[(mFirstUnread + mUnread) % kCapacity] = job;
    ++mUnread;
    mNotEmpty.notify_one();
}

void JobQueue::push(const LoadJob &job)
{
    std::unique_lock lock(mMutex);
    mNotFull.wait(lock, [this] { return mUnread < kCapacity; });
    store(job);
}

bool JobQueue::pushFor(const LoadJob &job, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mMutex);
    if (!mNotFull.wait_for(lock, timeout, [this] { return mUnread < kCapacity; }))
        return false;
    store(job);
    return true;
}

void JobQueue::pop(LoadJob &job)
{
    std::unique_lock lock(mMutex);
    mNotEmpty.wait(lock, [this] { return mUnread > 0; });
    --mUnread;
    job = std::exchange(mSlots[mFirstUnread], LoadJob{});
    mFirstUnread = (mFirstUnread + 1) % kCapacity;
    mNotFull.notify_one();
}

bool JobQueue::hasJobs() const
{
    std::lock_guard lock(mMutex);
    return mUnread > 0;
}

bool JobQueue::hasRoom() const
{
    std::lock_guard lock(mMutex);
    return mUnread < kCapacity;
}

} // namespace fraglume
