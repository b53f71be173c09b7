#include "framework/app/Console.h"

#include "framework/app/Platform.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace lume::app {

namespace {

// Live buffers, so that an exit that skips their destructors still hands their text over.
std::mutex &registryMutex()
{
    static std::mutex *sMutex = new std::mutex; // outlives every static destructor
    return *sMutex;
}

std::vector<DebugBuf *> &registry()
{
    static auto *sBuffers = new std::vector<DebugBuf *>;
    return *sBuffers;
}

void handOverAtExit()
{
    std::lock_guard lock(registryMutex());
    for (DebugBuf *buf : registry())
        buf->handOver();
}

} // namespace

DebugBuf::DebugBuf()
{
    static const bool sRegistered = (std::atexit(handOverAtExit), true);
    (void)sRegistered;
    std::lock_guard lock(registryMutex());
    registry().push_back(this);
}

DebugBuf::~DebugBuf()
{
    {
        std::lock_guard lock(registryMutex());
        auto &list = registry();
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    handOver();
}

std::string DebugBuf::pending() const
{
    std::lock_guard lock(mMutex);
    return mText;
}

void DebugBuf::handOver()
{
    std::string text;
    {
        std::lock_guard lock(mMutex);
        text.swap(mText);
    }
    if (!text.empty())
        platform().writeDebugOutput(text);
}

DebugBuf::int_type DebugBuf::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    std::lock_guard lock(mMutex);
    mText.push_back(traits_type::to_char_type(c));
    return c;
}

std::streamsize DebugBuf::xsputn(const char *s, std::streamsize n)
{
    std::lock_guard lock(mMutex);
    mText.append(s, static_cast<size_t>(n));
    return n;
}

int DebugBuf::sync()
{
    handOver();
    return 0;
}

} // namespace lume::app
